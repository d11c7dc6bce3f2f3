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
// by the desktop program, undone file by file, newest first.
class CUndoLastChange {
    Q_DECLARE_TR_FUNCTIONS(CUndoLastChange)

public:
    // The question before the undo, naming how many files it touches.
    static QString Confirmation(std::size_t files);

    // The newest batch of the journal, when it can be undone here: a Change
    // made by the desktop program, not an undo.
    static std::optional<std::string> UndoableBatch();

    // Writes back what each file of batch held before, recording it in
    // journal; returns what to tell the user: how many files were restored,
    // and which were left alone and why.
    static QString Restore(CJournalReader& batch, CJournalWriter& journal, CUserPrompt& prompt);
};
