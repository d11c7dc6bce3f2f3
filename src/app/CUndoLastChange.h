#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

class CJournalReader;
class CJournalWriter;
class CUserPrompt;

// Undo Last Change: the newest batch of the journal, when it is a Change made
// by the desktop program, undone file by file.
class CUndoLastChange {
    Q_DECLARE_TR_FUNCTIONS(CUndoLastChange)

public:
    // The question before the undo, naming how many files it touches.
    static QString Confirmation(std::size_t files);

    // The newest batch of the journal, when it can be undone here: a Change
    // made by the desktop program, not an undo.
    static std::optional<std::string> UndoableBatch();

    // What to tell the user after an undo: how many files were restored, and
    // which were left alone and why; complete when none was left alone.
    struct Report {
        QString text;
        bool complete = false;
    };

    // Writes back what each file of batch held before, recording it in journal.
    static Report Restore(CJournalReader& batch, CJournalWriter& journal, CUserPrompt& prompt);
};
