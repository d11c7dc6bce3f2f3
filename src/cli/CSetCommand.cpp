#include "CSetCommand.h"

#include "CTerminalPrompt.h"
#include "FileReport.h"

#include "platform/ReadOnlyMark.h"
#include "wave/CWaveFile.h"

#include <limits>

namespace {

const char* const StatusNames[] = {"changed", "would change", "skipped", "failed"};

}  // namespace

CSetCommand::CSetCommand(const CliInvocation& invocation, const Output& output, CTerminalPrompt& userPrompt,
                         CProgressLine& progressLine)
    : CFileCommand(output, invocation.json, userPrompt, progressLine),
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

void CSetCommand::Process(const std::string& path)
{
    Prompt().BeginFile();
    Report(path, dryRun ? DryRun(path) : Rewrite(path));
}

CSetCommand::Outcome CSetCommand::Rewrite(const std::string& path)
{
    CWaveFile wave(Prompt());
    HeaderChangeRequest fileRequest = request;
    if (bytesPerSample) {
        // The alignment depends on this file's channel count: read it first.
        wave.SetFileName(path);
        if (!wave.HeaderLoaded()) {
            return LoadFailure(path, wave);
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

    Prompt().BeginFile();
    WaveFormat before;
    if (wave.RewriteHeader(fileRequest, &before)) {
        return {Status::Changed, {}, before, wave.Format()};
    }
    if (Prompt().DeclinedReadOnly()) {
        return {Status::Skipped, ReadOnlyText(path), {}, {}};
    }
    return LoadFailure(path, wave);
}

CSetCommand::Outcome CSetCommand::LoadFailure(const std::string& path, const CWaveFile& wave)
{
    return {Status::Failed, DescribeFailure(path, Prompt().Messages(), wave.LastOpenError(), NoFormatChunkText(path)),
            {}, {}};
}

CSetCommand::Outcome CSetCommand::AlignmentTooLarge(const WaveFormat& format) const
{
    return {Status::Failed, "--bytes-per-sample " + std::to_string(*bytesPerSample) + " times " +
                                std::to_string(format.channels) + " channels is above the largest block alignment (65535)",
            format, {}};
}

CSetCommand::Outcome CSetCommand::DryRun(const std::string& path)
{
    CWaveFile wave(Prompt());
    wave.SetFileName(path);
    if (!wave.HeaderLoaded()) {
        return LoadFailure(path, wave);
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

void CSetCommand::ReportFolderFailure(const std::string& path, const std::string& message)
{
    Report(path, {Status::Failed, message, {}, {}});
}

void CSetCommand::Report(const std::string& path, const Outcome& outcome)
{
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
        WriteJson(object);
    } else {
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
        WriteLine(line);
    }
    ++counts[status];
    Count(path, outcome.status == Status::Skipped || outcome.status == Status::Failed);
}

std::string CSetCommand::Summary() const
{
    const auto changed = counts[static_cast<std::size_t>(dryRun ? Status::WouldChange : Status::Changed)];
    return std::to_string(changed) + (dryRun ? " would change, " : " changed, ") +
           std::to_string(counts[static_cast<std::size_t>(Status::Failed)]) + " failed, " +
           std::to_string(counts[static_cast<std::size_t>(Status::Skipped)]) + " skipped";
}
