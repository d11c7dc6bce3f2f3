#pragma once

#include "CPathCommand.h"
#include "CliInvocation.h"

#include "wave/HeaderChangeRequest.h"
#include "wave/WaveFormat.h"

#include <cstddef>
#include <optional>

class CFilePrompt;
class CJournalWriter;

// quelbrook-cli set: rewrites the format fields of each file in place, as the
// desktop program's Change command does.
class CSetCommand : public CPathCommand {
public:
    CSetCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& terminalPrompt,
                CProgressLine& progress);

    // Every rewrite is recorded here first. Not owned; nullptr for none.
    void SetJournal(CJournalWriter* batchJournal) { journal = batchJournal; }

private:
    enum class Status { Changed, WouldChange, Skipped, Failed };

    struct Outcome {
        Status status = Status::Failed;
        std::string message;
        std::optional<WaveFormat> before;
        std::optional<WaveFormat> after;
    };

    Result Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt, CInputOrderGate& gate,
                   std::size_t index) const override;
    Result Failure(const std::string& path, const std::string& message) const override;
    // The rewrite, or with --dry-run everything up to the write.
    Outcome Rewrite(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt, CInputOrderGate& gate,
                    std::size_t index) const;
    Result Report(const std::string& path, const Outcome& outcome) const;
    std::string Summary() const override;

    HeaderChangeRequest request;
    bool dryRun;
    bool clearReadOnly;
    bool keepTimes;
    CJournalWriter* journal = nullptr;
};
