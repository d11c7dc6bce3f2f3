#pragma once

#include "CFileCommand.h"
#include "CliInvocation.h"

#include "wave/HeaderChangeRequest.h"
#include "wave/WaveFormat.h"

#include <cstddef>
#include <optional>

class CFilePrompt;
class CWaveFile;

// quelbrook-cli set: rewrites the format fields of each file in place, as the
// desktop program's Change command does.
class CSetCommand : public CFileCommand {
public:
    CSetCommand(const CliInvocation& invocation, const Output& out, CTerminalPrompt& terminal,
                CProgressLine& progress);

private:
    enum class Status { Changed, WouldChange, Skipped, Failed };

    struct Outcome {
        Status status = Status::Failed;
        std::string message;
        std::optional<WaveFormat> before;
        std::optional<WaveFormat> after;
    };

    Result Process(const std::string& path, CFilePrompt& prompt) const override;
    Result Failure(const std::string& path, const std::string& message) const override;
    Outcome Rewrite(const std::string& path, CFilePrompt& prompt) const;
    Outcome DryRun(const std::string& path, CFilePrompt& prompt) const;
    // The request for a file of the given format: --bytes-per-sample becomes
    // a block alignment. Empty when that alignment does not fit 16 bits.
    std::optional<HeaderChangeRequest> RequestFor(const WaveFormat& format) const;
    Outcome LoadFailure(const std::string& path, const CWaveFile& wave, const CFilePrompt& prompt) const;
    Outcome AlignmentTooLarge(const WaveFormat& format) const;
    std::string ReadOnlyText(const std::string& path) const;
    Result Report(const std::string& path, const Outcome& outcome) const;
    std::string Summary() const override;

    HeaderChangeRequest request;
    std::optional<std::uint16_t> bytesPerSample;
    bool dryRun;
    bool clearReadOnly;
};
