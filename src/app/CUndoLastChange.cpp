#include "app/CUndoLastChange.h"

#include "journal/CBatchUndo.h"
#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"

#include <QStringList>

QString CUndoLastChange::Confirmation(std::size_t files)
{
    return QStringLiteral("Undo the last Change to %1?\n\n"
                          "Each file gets back the header it had before, unless it has been changed since.")
        .arg(files == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(files));
}

std::optional<std::string> CUndoLastChange::UndoableBatch()
{
    const auto newest = CJournalFolder().NewestBatch();
    CJournalReader batch;
    if (newest && batch.Open(*newest) && batch.Header().program == DesktopProgramName
        && batch.Header().undoes.empty())
        return newest;
    return std::nullopt;
}

CUndoLastChange::Report CUndoLastChange::Restore(CJournalReader& batch, CJournalWriter& journal, CUserPrompt& prompt)
{
    CBatchUndo undo(prompt);
    undo.SetJournal(&journal);
    std::size_t restored = 0;
    QStringList leftAlone;
    QStringList warnings;  // about files that were restored all the same
    for (std::size_t i = batch.RecordCount(); i-- > 0;) {
        const auto record = batch.ReadRecord(i);
        const UndoOutcome outcome = record ? undo.Restore(*record) : UndoOutcome{UndoStatus::Failed, batch.Failure()};
        if (outcome.status != UndoStatus::Restored) {
            leftAlone << QString::fromStdString(outcome.message);
            continue;
        }
        ++restored;
        if (!outcome.message.empty())
            warnings << QString::fromStdString(outcome.message);
    }

    // Long lists are cut: the journal keeps every record.
    constexpr qsizetype ListedFiles = 20;
    QString report = QStringLiteral("%1 of %2 files were restored.").arg(restored).arg(batch.RecordCount());
    if (!leftAlone.isEmpty()) {
        report += QStringLiteral("\n\nLeft alone:\n") + leftAlone.mid(0, ListedFiles).join(QLatin1Char('\n'));
        if (leftAlone.size() > ListedFiles)
            report += QStringLiteral("\n... and %1 more").arg(leftAlone.size() - ListedFiles);
    }
    if (!warnings.isEmpty()) {
        report += tr("\n\nRestored with a warning:\n") + warnings.mid(0, ListedFiles).join(QLatin1Char('\n'));
        if (warnings.size() > ListedFiles)
            report += tr("\n... and %1 more").arg(warnings.size() - ListedFiles);
    }
    return {report, leftAlone.isEmpty() && warnings.isEmpty()};
}
