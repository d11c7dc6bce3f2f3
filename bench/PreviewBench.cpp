// How long the open dialog takes to preview a file with 10,000 regions: the
// file read, the rows filled in, and (second case) the list laid out and
// painted as the user sees it.

#include "controls/CReportListCtrl.h"
#include "opendlg/CXDlg2.h"
#include "platform/CProfileFile.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kRegions = 10000;

std::string MakeFile(const testwav::TempDir& dir)
{
    std::vector<testwav::Region> regions;
    for (int i = 0; i < kRegions; ++i) {
        const auto at = static_cast<std::uint32_t>(i) * 48000u;
        regions.push_back({"Region " + std::to_string(i), -1, at, at + 24000, at, at + 1});
    }
    testwav::Fmt format;
    format.sampleRate = 48000;
    testwav::WavBuilder wav;
    wav.Fmt(format).Chunk("bext", testwav::BextContent(172800000)).Chunk("data", testwav::Bytes(4096, 0));
    wav.Chunk("regn", testwav::RegnContent(regions));
    const std::string path = dir / "regions.wav";
    testwav::WriteFile(path, wav.Build());
    return path;
}

void Preview(benchmark::State& state, bool paint)
{
    const testwav::TempDir dir;
    const std::string path = MakeFile(dir);
    CProfileFile profile(dir.Path() / "bench.INI");
    FakePrompt prompt;
    CXDlg2 dialog(profile, prompt);
    dialog.setDirectory(QString::fromStdString(dir.Path().string()));
    dialog.show();
    QApplication::processEvents();
    const auto* list = dialog.findChild<CReportListCtrl*>("previewList");
    for (auto _ : state) {
        dialog.RefreshPreview(QString::fromStdString(path));
        if (paint)
            list->viewport()->repaint();
        benchmark::DoNotOptimize(list->ItemCount());
    }
    if (list->ItemCount() != kRegions)
        state.SkipWithError("the preview did not show every region");
}

void BM_PreviewTenThousandRegions(benchmark::State& state)
{
    Preview(state, false);
}

void BM_PreviewTenThousandRegionsPainted(benchmark::State& state)
{
    Preview(state, true);
}

BENCHMARK(BM_PreviewTenThousandRegions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewTenThousandRegionsPainted)->Unit(benchmark::kMillisecond);

}  // namespace
