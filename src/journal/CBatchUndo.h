#pragma once

#include "JournalFormat.h"

#include "platform/CoreText.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CJournalReader;
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

// Writes the bytes of a batch's records back, one record at a time. A file
// is only written when it is still the file the batch changed and still
// holds what the batch wrote; anything else is a conflict and the file is
// left alone.
class CBatchUndo {
public:
    explicit CBatchUndo(CUserPrompt& prompt);

    // The order every undo takes: newest record first, so that a file the
    // batch changed twice (under two names, say) finds at each record the
    // bytes that record wrote. visit gets each record, or nothing for one
    // that cannot be read (batch.Failure() says why); false stops the walk.
    static void VisitNewestFirst(CJournalReader& batch,
                                 const std::function<bool(std::optional<JournalRecord> record)>& visit);

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
