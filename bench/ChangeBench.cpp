// Change over 10,000 small files, from the confirmation's Yes to the end (the
// click also reads every header for the confirmation: quelbrook_confirm_bench), with
// the window shown as the user sees it; also the resident memory the window
// takes for the list and after the batch (which must not grow with it).
#include "app/BatchReport.h"
#include "app/CBatchEditorDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include <fstream>
#include <string>

#include <unistd.h>

namespace {

constexpr int kFiles = 10000;

// Every question answered Yes; anything else the engine says counts against the run.
class CYesPrompt : public CMessageBoxPrompt {
public:
    int complaints = 0;

    void ShowWarning(const QString&) override { ++complaints; }
    bool AskClearReadOnly(const std::string&) override { return true; }
    bool AskYesNo(const QString&) override { return true; }
    bool ConfirmChange(const QString&, const QString&) override { return true; }
    bool ShowBatchReport(const BatchReport&) override
    {
        ++complaints;
        return false;
    }
};

double ResidentMiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_ChangeTenThousandFiles(benchmark::State& state)
{
    const testwav::TempDir dir;
    QStringList paths;
    testwav::WavBuilder wav;
    wav.Fmt({}).Chunk("data", testwav::Pattern(256));
    const testwav::Bytes image = wav.Build();
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = dir / ("take_" + std::to_string(100000 + i) + ".wav");
        testwav::WriteFile(path, image);
        paths << QFile::decodeName(path.c_str());
    }

    CProfileFile profile(dir / "bench.INI");
    CYesPrompt prompt;
    CBatchEditorDlg window(profile, prompt);
    window.SetOpenDialogRunner([&paths](const QString&) { return std::optional<QStringList>(paths); });
    window.show();
    QApplication::processEvents();
    const double before = ResidentMiB();
    window.findChild<QPushButton*>(QStringLiteral("openButton"))->click();
    QApplication::processEvents();
    const double listed = ResidentMiB();
    window.findChild<QComboBox*>(QStringLiteral("rateSelector"))->setCurrentIndex(6);  // 48,000
    auto* change = window.findChild<QPushButton*>(QStringLiteral("changeButton"));

    for (auto _ : state)
        change->click();

    state.counters["list_MiB"] = listed - before;
    state.counters["rss_listed_MiB"] = listed;
    state.counters["rss_after_MiB"] = ResidentMiB();
    state.counters["files_per_s"] = benchmark::Counter(
        static_cast<double>(kFiles) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    const testwav::Bytes first = testwav::ReadFile(paths.front().toStdString(), 24, 4);
    if (prompt.complaints != 0 || first != testwav::Bytes{0x80, 0xBB, 0x00, 0x00})
        state.SkipWithError("not every file was changed to 48,000 without a message");
}
BENCHMARK(BM_ChangeTenThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
