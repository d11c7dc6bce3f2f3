#pragma once

#include "journal/CJournalWriter.h"

#include <QCoreApplication>

#include <string>

class CMessageBoxPrompt;

// The journal of one Change or undo made in the main window, with a header
// naming this program and its command line. Whatever goes wrong with it is
// told to the user.
class CDesktopJournal {
    Q_DECLARE_TR_FUNCTIONS(CDesktopJournal)

public:
    explicit CDesktopJournal(CMessageBoxPrompt& prompt);

    // Creates the journal; undoes names the batch an undo restores. False
    // (after saying why) when it cannot be written, and then no file may be
    // touched.
    bool Begin(const std::string& undoes);
    // Completes it, saying so when the change may not be undone completely.
    void Finish();

    CJournalWriter& Writer() { return writer; }

private:
    CMessageBoxPrompt& prompt;
    CJournalWriter writer;
};
