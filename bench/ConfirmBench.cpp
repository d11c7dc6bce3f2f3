// From the click on Change to the confirmation on screen, over 10,000 listed
// files of two formats (so that the confirmation names a mixed batch): every
// header is read first. Once with the files' contents in the page cache and
// once with them dropped from it, as on the first Change after a listing.
#include "app/CBatchEditorDlg.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFiles = 10000;

// Answers the confirmation No, noting when it came and what it said.
class CTimingPrompt : public CMessageBoxPrompt {
public:
    QElapsedTimer clicked;
    qint64 shownAfterNs = -1;
    QString summary;
    int complaints = 0;

    void ShowWarning(const QString&) override { ++complaints; }
    bool AskYesNo(const QString&) override { return false; }
    bool ConfirmChange(const QString&, const QString& text) override
    {
        shownAfterNs = clicked.nsecsElapsed();
        summary = text;
        return false;
    }
};

void DropFromCache(const QStringList& paths)
{
    for (const QString& path : paths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

void BM_ConfirmTenThousandFiles(benchmark::State& state)
{
    const bool cold = state.range(0) != 0;
    const testwav::TempDir dir;
    QStringList paths;
    const testwav::Bytes images[] = {
        testwav::WavBuilder().Fmt({1, 2, 48000, 288000, 6, 24}).Chunk("data", testwav::Pattern(256)).Build(),
        testwav::WavBuilder().Fmt({1, 1, 48000, 96000, 2, 16}).Chunk("data", testwav::Pattern(256)).Build(),
    };
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = dir / ("take_" + std::to_string(100000 + i) + ".wav");
        testwav::WriteFile(path, images[i % 2]);
        paths << QFile::decodeName(path.c_str());
    }

    CProfileFile profile(dir / "bench.INI");
    CTimingPrompt prompt;
    CBatchEditorDlg window(profile, prompt);
    window.SetOpenDialogRunner([&paths](const QString&) { return std::optional<QStringList>(paths); });
    window.show();
    QApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("openButton"))->click();
    QApplication::processEvents();
    window.findChild<QComboBox*>(QStringLiteral("rateSelector"))->setCurrentIndex(8);  // 96,000
    auto* change = window.findChild<QPushButton*>(QStringLiteral("changeButton"));

    qint64 worstNs = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            DropFromCache(paths);
            state.ResumeTiming();
        }
        prompt.shownAfterNs = -1;
        prompt.clicked.start();
        change->click();
        worstNs = std::max(worstNs, prompt.shownAfterNs);
    }
    state.counters["worst_to_confirmation_ms"] = static_cast<double>(worstNs) / 1e6;
    if (prompt.complaints != 0 || prompt.shownAfterNs < 0
        || !prompt.summary.contains(QStringLiteral("changes 5,000 of 10,000 files")))
        state.SkipWithError("the confirmation did not name the mixed batch");
}
BENCHMARK(BM_ConfirmTenThousandFiles)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
