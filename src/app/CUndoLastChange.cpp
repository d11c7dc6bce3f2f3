#include "app/CUndoLastChange.h"

#include "i18n/CoreTextTr.h"
#include "journal/CBatchUndo.h"
#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"

#include <QLocale>
#include <QStringList>

QString CUndoLastChange::Confirmation(std::size_t files)
{
    // English has no catalogue: its singular is a text of its own.
    if (files == 1)
        return tr("Undo the last Change to 1 file?\n\n"
                  "Each file gets back the header it had before, unless it has been changed since.");
    return tr("Undo the last Change to %Ln files?\n\n"
              "Each file gets back the header it had before, unless it has been changed since.",
              "", static_cast<int>(files));
}

std::optional<std::string> CUndoLastChange::UndoableBatch()
{
    const auto newest = CJournalFolder().NewestBatch();
    CJournalReader batch;
    if (newest && batch.Open(*newest) && batch.Header().program == DesktopProgramName && batch.Header().undoes.empty())
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
    CBatchUndo::VisitNewestFirst(batch, [&](const std::optional<JournalRecord>& record) {
        const UndoOutcome outcome = record ? undo.Restore(*record) : UndoOutcome{UndoStatus::Failed, {batch.Failure()}};
        QStringList messages;
        for (const CoreText& message : outcome.messages)
            messages << TranslateCoreText(message);
        if (outcome.status != UndoStatus::Restored) {
            leftAlone << messages.join(QStringLiteral("; "));
        } else {
            ++restored;
            if (!messages.isEmpty())
                warnings << messages.join(QStringLiteral("; "));
        }
        return true;
    });

    // Long lists are cut: the journal keeps every record.
    constexpr qsizetype ListedFiles = 20;
    const int total = static_cast<int>(batch.RecordCount());
    const QString done = QLocale().toString(static_cast<qulonglong>(restored));
    QString report = tr("%1 of %Ln files were restored.", "", total).arg(done);
    const auto listed = [](const QStringList& files) {
        QStringList shown = files.mid(0, ListedFiles);
        if (files.size() > ListedFiles)
            shown << tr("... and %Ln more", "", static_cast<int>(files.size() - ListedFiles));
        return shown.join(QLatin1Char('\n'));
    };
    if (!leftAlone.isEmpty())
        report += tr("\n\nLeft alone:\n%1").arg(listed(leftAlone));
    if (!warnings.isEmpty())
        report += tr("\n\nRestored with a warning:\n%1").arg(listed(warnings));
    return {report, leftAlone.isEmpty() && warnings.isEmpty()};
}
