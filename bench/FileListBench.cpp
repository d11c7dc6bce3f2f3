// Adding a large selection to the main window: 10,000 files (1,000 of them
// pairs of names that differ only in letter case), plus 1,000 of them again
// under a second path, listed, sorted and de-duplicated by one Open.
#include "app/CBatchEditorDlg.h"
#include "app/CInvListBox.h"
#include "app/CMessageBoxPrompt.h"
#include "platform/CProfileFile.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// Makes the files in folder and returns the paths the open dialog would give.
QStringList Selection(const QDir& folder)
{
    QStringList paths;
    for (int i = 0; i < 10000; ++i) {
        const QString session = QStringLiteral("session %1").arg(i / 2 % 37);
        folder.mkpath(session);
        // Every tenth file is the one before it in capitals: a different file.
        const QString name = QStringLiteral("Take_%1.wav").arg(i % 10 == 1 ? i - 1 : i, 5, 10, QLatin1Char('0'));
        paths << folder.filePath(session + QLatin1Char('/') + (i % 10 == 1 ? name.toUpper() : name));
        QFile(paths.back()).open(QIODevice::WriteOnly);
    }
    for (int i = 0; i < 1000; ++i) {
        QString again = paths[i * 7];
        paths << again.insert(again.lastIndexOf(QLatin1Char('/')), QStringLiteral("/."));
    }
    std::shuffle(paths.begin(), paths.end(), std::mt19937(2003));
    return paths;
}

void BM_OpenTenThousandFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList chosen = Selection(QDir(dir.path()));
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

}  // namespace
