#pragma once

#include "CFileCommand.h"
#include "CliInvocation.h"

#include "journal/CBatchUndo.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class CInputOrderGate;
class CJournalWriter;

// quelbrook-cli undo: writes back the bytes of one batch where each file
// still holds what the batch wrote.
class CUndoCommand : public CFileCommand {
public:
    CUndoCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& terminal,
                 CProgressLine& progress);

    // Undoes the batch named on the command line, or the newest one in the
    // journal folder; returns the exit status. args go into its own journal;
    // once shouldStop answers true no further record is started.
    int Run(const std::vector<std::string>& args, const std::function<bool()>& shouldStop, std::ostream& err);

private:
    // Restores one record; runs on a worker thread beside other records,
    // its own journal record taken in input order through gate at index.
    Result Restore(const JournalRecord& record, CFilePrompt& prompt, CInputOrderGate& gate, std::size_t index) const;
    Result Failure(const std::string& path, const std::string& message) const override;
    Result Report(const std::string& path, const UndoOutcome& outcome) const;
    std::string Summary() const override;

    std::string journalPath;
    std::string ownJournalFile;  // --journal: where this undo's own journal goes
    bool noJournal;
    unsigned jobs;
    bool dryRun;
    bool keepTimes;
    bool clearReadOnly;
    CJournalWriter* ownJournal = nullptr;
};
