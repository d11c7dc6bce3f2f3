#pragma once

#include "CFileCommand.h"
#include "CliInvocation.h"

#include "journal/CBatchUndo.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

// quelbrook-cli undo: writes back the bytes of one batch, newest record
// first, where each file still holds what the batch wrote.
class CUndoCommand : public CFileCommand {
public:
    CUndoCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& prompt, CProgressLine& progress);

    // Undoes the batch named on the command line, or the newest one in the
    // journal folder; returns the exit status. args go into its own journal.
    int Run(const std::vector<std::string>& args, std::ostream& err);

    // Undoes the batch whose journal is at path (never one found by a folder search).
    void Process(const std::string& path, const FolderEntry* entry) override;
    // A journal or record that could not be read.
    void ReportFolderFailure(const std::string& path, const std::string& message) override;

private:
    void Report(const std::string& path, const UndoOutcome& outcome);
    std::string Summary() const override;

    std::string journalPath;
    bool dryRun;
    bool keepTimes;
    bool clearReadOnly;
    CPatchJournal* ownJournal = nullptr;
    std::size_t counts[5] = {};
};
