#pragma once

#include "CFileCommand.h"
#include "CliInvocation.h"

#include "wave/HeaderChangeRequest.h"
#include "wave/WaveFormat.h"

#include <cstddef>
#include <optional>

class CJournalWriter;

// quelbrook-cli set: rewrites the format fields of each file in place, as the
// desktop program's Change command does.
class CSetCommand : public CFileCommand {
public:
    CSetCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& prompt,
                CProgressLine& progress);

    // Every rewrite is recorded here first. Not owned; nullptr for none.
    void SetJournal(CJournalWriter* batchJournal) { journal = batchJournal; }

    void Process(const std::string& path, const FolderEntry* entry) override;
    void ReportFolderFailure(const std::string& path, const std::string& message) override;

private:
    enum class Status { Changed, WouldChange, Skipped, Failed };

    struct Outcome {
        Status status = Status::Failed;
        std::string message;
        std::optional<WaveFormat> before;
        std::optional<WaveFormat> after;
    };

    // The rewrite, or with --dry-run everything up to the write.
    Outcome Rewrite(const std::string& path, const FolderEntry* entry);
    void Report(const std::string& path, const Outcome& outcome);
    std::string Summary() const override;

    HeaderChangeRequest request;
    bool dryRun;
    bool clearReadOnly;
    bool keepTimes;
    CJournalWriter* journal = nullptr;
    std::size_t counts[4] = {};
};
