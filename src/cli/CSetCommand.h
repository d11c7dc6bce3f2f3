#pragma once

#include "CFileCommand.h"
#include "CliInvocation.h"

#include "wave/HeaderChangeRequest.h"
#include "wave/WaveFormat.h"

#include <cstddef>
#include <optional>

class CFilePrompt;

// quelbrook-cli set: rewrites the format fields of each file in place, as the
// desktop program's Change command does.
class CSetCommand : public CFileCommand {
public:
    CSetCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& terminalPrompt,
                CProgressLine& progress);

private:
    enum class Status { Changed, WouldChange, Skipped, Failed };

    struct Outcome {
        Status status = Status::Failed;
        std::string message;
        std::optional<WaveFormat> before;
        std::optional<WaveFormat> after;
    };

    Result Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt) const override;
    Result Failure(const std::string& path, const std::string& message) const override;
    // The rewrite, or with --dry-run everything up to the write.
    Outcome Rewrite(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt) const;
    std::string ReadOnlyText(const std::string& path) const;
    Result Report(const std::string& path, const Outcome& outcome) const;
    std::string Summary() const override;

    HeaderChangeRequest request;
    bool dryRun;
    bool clearReadOnly;
};
