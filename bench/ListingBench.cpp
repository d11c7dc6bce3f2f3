// Listing 100,000 files in the main window, from the call to the last entry
// shown: a folder of them named at start (searched), and the same files
// chosen with one Open.
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <memory>
#include <string>

namespace {

constexpr int kFiles = 100000;

// Anything the program says counts against the run.
class CSilentPrompt : public CMessageBoxPrompt {
public:
    int complaints = 0;

    void ShowWarning(const QString&) override { ++complaints; }
    bool AskYesNo(const QString&) override { return ++complaints, false; }
};

struct Folder {
    Folder()
    {
        const testwav::Bytes image = testwav::WavBuilder().Fmt({}).Chunk("data", testwav::Pattern(16)).Build();
        for (int i = 0; i < kFiles; ++i) {
            const std::string path = dir / ("take_" + std::to_string(100000 + (i * 7919) % kFiles) + ".wav");
            testwav::WriteFile(path, image);
            paths << QFile::decodeName(path.c_str());
        }
    }
    testwav::TempDir dir;
    QStringList paths;  // in no particular order
};

void Run(benchmark::State& state, bool searched)
{
    static const Folder folder;
    CProfileFile profile(folder.dir / "bench.INI");
    CSilentPrompt prompt;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CBatchEditorDlg>(profile, prompt);
        window->SetOpenDialogRunner([](const QString&) { return std::optional<QStringList>(folder.paths); });
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();

        if (searched)
            window->AddFilesAndFolders({QString::fromStdString(folder.dir.Path().string())});
        else
            window->findChild<QPushButton*>(QStringLiteral("openButton"))->click();
        QApplication::processEvents();

        state.PauseTiming();
        if (window->findChild<CInvListBox*>(QStringLiteral("fileList"))->Count() != kFiles || prompt.complaints != 0)
            state.SkipWithError("the list does not hold every file once, or a message was shown");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_ListFolderOfHundredThousandFiles(benchmark::State& state)
{
    Run(state, true);
}
void BM_OpenHundredThousandFiles(benchmark::State& state)
{
    Run(state, false);
}
BENCHMARK(BM_ListFolderOfHundredThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_OpenHundredThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
