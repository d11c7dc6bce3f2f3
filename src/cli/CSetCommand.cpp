#include "CSetCommand.h"

#include "CFilePrompt.h"
#include "COrderedJournal.h"
#include "FileReport.h"

#include "journal/CJournalWriter.h"
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include <iterator>

namespace {

// Indexed by Status.
constexpr const char* StatusNames[] = {"changed", "would change", "skipped", "failed"};

}  // namespace

CSetCommand::CSetCommand(const CliInvocation& invocation, const Output& output, CTerminalPrompt& terminalPrompt,
                         CProgressLine& progressLine)
    : CPathCommand(output, invocation.json, terminalPrompt, progressLine),
      dryRun(invocation.dryRun),
      clearReadOnly(invocation.clearReadOnly),
      keepTimes(invocation.keepTimes)
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
    // Times the channel count read in the same open as the rewrite.
    if (invocation.bytesPerSample) {
        request.blockAlign = *invocation.bytesPerSample;
        request.changeBlockAlign = true;
        request.blockAlignPerChannel = true;
    }
}

CFileCommand::Result CSetCommand::Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt,
                                          CInputOrderGate& gate, std::size_t index) const
{
    return Report(path, Rewrite(path, entry, prompt, gate, index));
}

CSetCommand::Outcome CSetCommand::Rewrite(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt,
                                          CInputOrderGate& gate, std::size_t index) const
{
    CWaveFile wave(prompt);
    wave.OpenWithin(entry);
    // Named without loading: the rewrite reads what it keeps from the file itself.
    wave.CAudioFile::SetFileName(path);
    // A dry run opens the file for writing as the real run would, so it
    // fails where the real run would fail.
    wave.SetDryRun(dryRun);
    // The records keep the input order however the files run side by side.
    std::optional<COrderedJournal> ordered;
    if (journal != nullptr) {
        wave.SetJournal(&ordered.emplace(*journal, gate, index));
    }
    wave.SetKeepTimes(keepTimes);
    std::optional<WaveFormat> before;
    if (!wave.RewriteHeader(request, &before)) {
        if (prompt.DeclinedReadOnly()) {
            return {Status::Skipped, ReadOnlySkippedText(path), {}, {}};
        }
        // No file is written without its record.
        if (ordered && ordered->Refused()) {
            return {Status::Failed, RenderEnglish(journal->Failure()) + "; the file was left unchanged", before, {}};
        }
        return {Status::Failed,
                DescribeFailure(path, prompt.EnglishMessages(), wave.LastOpenFailure(),
                                RenderEnglish(NoFormatText(path, wave.NotWave()))),
                before,
                {}};
    }
    if (!dryRun) {
        // What the engine said about a file it changed is a warning (a failed close, times not put back).
        return {Status::Changed, prompt.EnglishMessages(), before, wave.Format()};
    }
    if (!wave.ReadOnlyMarked()) {
        return {Status::WouldChange, DryRunText(false), before, wave.Format()};
    }
    if (!clearReadOnly) {
        return {Status::Skipped, ReadOnlySkippedText(path), before, wave.Format()};
    }
    return {Status::WouldChange, DryRunText(true), before, wave.Format()};
}

CFileCommand::Result CSetCommand::Failure(const std::string& path, const std::string& message) const
{
    return Report(path, {Status::Failed, message, {}, {}});
}

CFileCommand::Result CSetCommand::Report(const std::string& path, const Outcome& outcome) const
{
    static_assert(std::size(StatusNames) == static_cast<std::size_t>(Status::Failed) + 1);
    static_assert(std::size(StatusNames) <= MaxTallies);
    const bool fileFailed = outcome.status == Status::Skipped || outcome.status == Status::Failed;
    const auto status = static_cast<std::size_t>(outcome.status);
    if (Json()) {
        nlohmann::ordered_json object = {{"path", path}, {"status", StatusNames[status]}};
        if (outcome.status != Status::Changed) {
            object["message"] = outcome.message;
        } else if (!outcome.message.empty()) {
            object["warning"] = outcome.message;
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
        if (!outcome.message.empty()) {
            line += (outcome.status == Status::Changed ? " (warning: " : " (") + outcome.message + ")";
        }
    } else {
        line += outcome.message;
    }
    std::string text = EscapeControls(std::move(line));
    text += '\n';
    return {std::move(text), status, fileFailed};
}

std::string CSetCommand::Summary() const
{
    const auto changed = Tally(static_cast<std::size_t>(dryRun ? Status::WouldChange : Status::Changed));
    return std::to_string(changed) + (dryRun ? " would change, " : " changed, ")
        + std::to_string(Tally(static_cast<std::size_t>(Status::Failed))) + " failed, "
        + std::to_string(Tally(static_cast<std::size_t>(Status::Skipped))) + " skipped";
}
