#include "CSetCommand.h"

#include "CFilePrompt.h"
#include "FileReport.h"

#include "platform/ReadOnlyMark.h"
#include "wave/CWaveFile.h"

#include <limits>

namespace {

const char* const StatusNames[] = {"changed", "would change", "skipped", "failed"};

}  // namespace

CSetCommand::CSetCommand(const CliInvocation& invocation, const Output& output, CTerminalPrompt& terminalPrompt,
                         CProgressLine& progressLine)
    : CFileCommand(output, invocation.json, terminalPrompt, progressLine),
      bytesPerSample(invocation.bytesPerSample),
      dryRun(invocation.dryRun),
      clearReadOnly(invocation.clearReadOnly)
{
    if (invocation.sampleRate) {
        request.sampleRate = *invocation.sampleRate;
        request.changeSampleRate = true;
    }
    if (invocation.channels) {
        request.channels = *invocation.channels;
        request.changeChannels = true;
    }
    if (invocation.bitsPerSample) {
        request.bitsPerSample = *invocation.bitsPerSample;
        request.changeBitsPerSample = true;
    }
    if (invocation.blockAlign) {
        request.blockAlign = *invocation.blockAlign;
        request.changeBlockAlign = true;
    }
    // With the channel count given the alignment is the same for every file.
    if (bytesPerSample && invocation.channels) {
        request.blockAlign = static_cast<std::uint16_t>(*bytesPerSample * *invocation.channels);
        request.changeBlockAlign = true;
        bytesPerSample.reset();
    }
}

std::optional<HeaderChangeRequest> CSetCommand::RequestFor(const WaveFormat& format) const
{
    HeaderChangeRequest fileRequest = request;
    if (bytesPerSample) {
        const unsigned align = unsigned{*bytesPerSample} * unsigned{format.channels};
        if (align > std::numeric_limits<std::uint16_t>::max()) {
            return std::nullopt;
        }
        fileRequest.blockAlign = static_cast<std::uint16_t>(align);
        fileRequest.changeBlockAlign = true;
    }
    return fileRequest;
}

std::string CSetCommand::ReadOnlyText(const std::string& path) const
{
    return path + " is write protected and was left untouched (--clear-readonly clears the read-only mark)";
}

CFileCommand::Result CSetCommand::Process(const std::string& path, CFilePrompt& prompt) const
{
    return Report(path, dryRun ? DryRun(path, prompt) : Rewrite(path, prompt));
}

CSetCommand::Outcome CSetCommand::Rewrite(const std::string& path, CFilePrompt& prompt) const
{
    CWaveFile wave(prompt);
    HeaderChangeRequest fileRequest = request;
    if (bytesPerSample) {
        // The alignment depends on this file's channel count: read it first.
        wave.SetFileName(path);
        if (!wave.HeaderLoaded()) {
            return LoadFailure(path, wave, prompt);
        }
        const auto built = RequestFor(wave.Format());
        if (!built) {
            return AlignmentTooLarge(wave.Format());
        }
        fileRequest = *built;
    } else {
        // Name it without loading: the rewrite reads what it keeps from the file itself.
        wave.CAudioFile::SetFileName(path);
    }

    WaveFormat before;
    if (wave.RewriteHeader(fileRequest, &before)) {
        return {Status::Changed, {}, before, wave.Format()};
    }
    if (prompt.DeclinedReadOnly()) {
        return {Status::Skipped, ReadOnlyText(path), {}, {}};
    }
    return LoadFailure(path, wave, prompt);
}

CSetCommand::Outcome CSetCommand::LoadFailure(const std::string& path, const CWaveFile& wave,
                                              const CFilePrompt& prompt) const
{
    return {Status::Failed, DescribeFailure(path, prompt.Messages(), wave.LastOpenError(), NoFormatChunkText(path)),
            {}, {}};
}

CSetCommand::Outcome CSetCommand::AlignmentTooLarge(const WaveFormat& format) const
{
    return {Status::Failed, "--bytes-per-sample " + std::to_string(*bytesPerSample) + " times " +
                                std::to_string(format.channels) + " channels is above the largest block alignment (65535)",
            format, {}};
}

CSetCommand::Outcome CSetCommand::DryRun(const std::string& path, CFilePrompt& prompt) const
{
    CWaveFile wave(prompt);
    wave.SetFileName(path);
    if (!wave.HeaderLoaded()) {
        return LoadFailure(path, wave, prompt);
    }
    const WaveFormat before = wave.Format();
    const auto fileRequest = RequestFor(before);
    if (!fileRequest) {
        return AlignmentTooLarge(before);
    }
    const WaveFormat after = ApplyChangeRequest(before, *fileRequest);
    if (QueryReadOnly(path) == ReadOnlyState::ReadOnly) {
        if (!clearReadOnly) {
            return {Status::Skipped, ReadOnlyText(path), before, after};
        }
        return {Status::WouldChange, "dry run: nothing written; the read-only mark would be cleared", before, after};
    }
    return {Status::WouldChange, "dry run: nothing written", before, after};
}

CFileCommand::Result CSetCommand::Failure(const std::string& path, const std::string& message) const
{
    return Report(path, {Status::Failed, message, {}, {}});
}

CFileCommand::Result CSetCommand::Report(const std::string& path, const Outcome& outcome) const
{
    const bool fileFailed = outcome.status == Status::Skipped || outcome.status == Status::Failed;
    const auto status = static_cast<std::size_t>(outcome.status);
    if (Json()) {
        nlohmann::ordered_json object = {{"path", path}, {"status", StatusNames[status]}};
        if (outcome.status != Status::Changed) {
            object["message"] = outcome.message;
        }
        if (outcome.before) {
            object["before"] = FormatToJson(*outcome.before);
        }
        if (outcome.after) {
            object["after"] = FormatToJson(*outcome.after);
        }
        return {CJsonArrayWriter::Encode(object), status, fileFailed};
    }
    std::string line;
    line.reserve(path.size() + 160);
    line += path;
    line += ": ";
    line += StatusNames[status];
    line += ": ";
    if (outcome.before && outcome.after) {
        AppendFormatText(line, *outcome.before);
        line += " -> ";
        AppendFormatText(line, *outcome.after);
        if (outcome.status != Status::Changed) {
            line += " (" + outcome.message + ")";
        }
    } else {
        line += outcome.message;
    }
    return {EscapeControls(line) + "\n", status, fileFailed};
}

std::string CSetCommand::Summary() const
{
    const auto changed = Tally(static_cast<std::size_t>(dryRun ? Status::WouldChange : Status::Changed));
    return std::to_string(changed) + (dryRun ? " would change, " : " changed, ") +
           std::to_string(Tally(static_cast<std::size_t>(Status::Failed))) + " failed, " +
           std::to_string(Tally(static_cast<std::size_t>(Status::Skipped))) + " skipped";
}
