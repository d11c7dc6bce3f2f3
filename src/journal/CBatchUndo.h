#pragma once

#include "JournalFormat.h"

#include "platform/CoreText.h"

#include <vector>

class CPatchJournal;
class CUserPrompt;

enum class UndoStatus { Restored, WouldRestore, Conflict, Skipped, Failed };

// "restored", "would restore", "conflict", "skipped", "failed".
const char* UndoStatusName(UndoStatus status);

struct UndoOutcome {
    UndoStatus status = UndoStatus::Failed;
    // Why, whenever the file was not restored; warnings when it was.
    std::vector<CoreText> messages;
    bool readOnly = false;  // the file carried the read-only mark
};

// Writes the bytes of a batch's records back, one record at a time, newest
// record first. A file is only written when it is still the file the batch
// changed and still holds what the batch wrote; anything else is a conflict
// and the file is left alone.
class CBatchUndo {
public:
    explicit CBatchUndo(CUserPrompt& prompt);

    // Every restore is recorded here first (an undo can be undone). Not owned.
    void SetJournal(CPatchJournal* journal) { patchJournal = journal; }
    void SetKeepTimes(bool keep) { keepTimes = keep; }
    // Checks as a restore would and writes nothing.
    void SetDryRun(bool dry) { dryRun = dry; }

    UndoOutcome Restore(const JournalRecord& record);

private:
    CUserPrompt& prompt;
    CPatchJournal* patchJournal = nullptr;
    bool keepTimes = false;
    bool dryRun = false;
};
