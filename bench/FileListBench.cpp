// Adding a large selection to the main window: 10,000 paths (plus 1,000 of
// them again in other letter case) listed, sorted and de-duplicated by one Open.
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <random>

namespace {

QStringList Selection()
{
    QStringList paths;
    for (int i = 0; i < 10000; ++i)
        paths << QStringLiteral("/srv/audio/session %1/Take_%2.wav").arg(i % 37).arg(i, 5, 10, QLatin1Char('0'));
    for (int i = 0; i < 1000; ++i)
        paths << paths[i * 7].toUpper();
    std::shuffle(paths.begin(), paths.end(), std::mt19937(2003));
    return paths;
}

void BM_OpenTenThousandFiles(benchmark::State& state)
{
    const QStringList chosen = Selection();
    QTemporaryDir dir;
    CProfileFile profile(dir.filePath(QStringLiteral("bench.INI")).toStdString());
    CMessageBoxPrompt prompt;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CBatchEditorDlg>(profile, prompt);
        window->SetOpenDialogRunner([&chosen](const QString&) { return std::optional<QStringList>(chosen); });
        auto* open = window->findChild<QPushButton*>(QStringLiteral("openButton"));
        state.ResumeTiming();

        open->click();

        state.PauseTiming();
        if (window->findChild<CInvListBox*>(QStringLiteral("fileList"))->Count() != 10000)
            state.SkipWithError("the list does not hold 10,000 files");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTenThousandFiles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
