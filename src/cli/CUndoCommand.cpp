#include "CUndoCommand.h"

#include "BatchJournal.h"
#include "CFilePrompt.h"
#include "COrderedJournal.h"
#include "CParallelRunner.h"
#include "CommandLine.h"
#include "FileReport.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"
#include "platform/Folders.h"
#include "wave/ConfirmWritable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <utility>

CUndoCommand::CUndoCommand(const CliInvocation& invocation, const Output& output, CTerminalPrompt& terminalPrompt,
                           CProgressLine& progressLine)
    : CFileCommand(output, invocation.json, terminalPrompt, progressLine),
      journalPath(invocation.undoJournal),
      ownJournalFile(invocation.journalFile),
      noJournal(invocation.noJournal),
      jobs(invocation.jobs),
      dryRun(invocation.dryRun),
      keepTimes(invocation.keepTimes),
      clearReadOnly(invocation.clearReadOnly)
{}

int CUndoCommand::Run(const std::vector<std::string>& args, const std::function<bool()>& shouldStop, std::ostream& err)
{
    if (journalPath.empty()) {
        const CJournalFolder folder;
        const auto newest = folder.NewestBatch();
        if (!newest) {
            err << CliProgramName << ": there is no batch to undo in "
                << (folder.Path().empty() ? std::string("the journal folder") : EscapeControls(folder.Path())) << '\n';
            return ExitFileProblem;
        }
        journalPath = *newest;
    }
    const std::string absolute = AbsolutePath(journalPath);

    // Replacing the batch with the undo's own journal would leave nothing to undo.
    const auto own = ownJournalFile.empty() ? std::nullopt : IdentityOfPath(ownJournalFile);
    const auto named = IdentityOfPath(journalPath);
    if (own && named && own->device == named->device && own->inode == named->inode) {
        err << CliProgramName << ": --journal " << EscapeControls(ownJournalFile)
            << " names the batch to undo; give the undo's journal another name\n";
        return ExitUsage;
    }

    // Read first: a journal that cannot be read or is not trusted leaves
    // nothing written, not even a journal of this undo.
    CJournalReader batch;
    const bool readable = batch.Open(journalPath);
    std::unique_ptr<CJournalWriter> journal;
    if (!dryRun && !noJournal && readable) {
        journal = OpenBatchJournal(args, ownJournalFile, absolute, err);
        if (!journal) {
            // A JSON reader still gets one whole document.
            if (Json())
                Finish();
            return ExitFileProblem;
        }
        ownJournal = journal.get();
    }
    CParallelRunner runner(jobs, [&] { return shouldStop() || OutputFailed(); });
    // A file the batch changed more than once is restored one record after
    // the other, each restore seeing what the one before left.
    std::set<std::pair<std::uint64_t, std::uint64_t>> files;
    const auto restore = [&](JournalRecord record) {
        const bool again = !files.emplace(record.patch.identity.device, record.patch.identity.inode).second;
        return SubmitWork(
            runner, record.path,
            [this, &runner, record = std::move(record)](CFilePrompt& prompt, std::size_t index) {
                return Restore(record, prompt, runner.Gate(), index);
            },
            again);
    };
    const auto fail = [&](const CoreText& failure) {
        const std::string message = RenderEnglish(failure);
        return SubmitWork(runner, journalPath,
                          [this, message](CFilePrompt&, std::size_t) { return Failure(journalPath, message); });
    };
    try {
        if (!readable) {
            fail(batch.Failure());
        } else {
            CBatchUndo::VisitNewestFirst(batch, [&](std::optional<JournalRecord> record) {
                return record ? restore(std::move(*record)) : fail(batch.Failure());
            });
        }
        runner.Finish();
    } catch (...) {
        // Even a run that breaks off leaves one whole JSON document.
        Finish();
        throw;
    }
    const int status = Finish();
    if (journal && !CloseBatchJournal(*journal, err))
        return ExitFileProblem;
    return status;
}

CFileCommand::Result CUndoCommand::Restore(const JournalRecord& record, CFilePrompt& prompt, CInputOrderGate& gate,
                                           std::size_t index) const
{
    CBatchUndo undo(prompt);
    std::optional<COrderedJournal> ordered;
    if (ownJournal != nullptr)
        undo.SetJournal(&ordered.emplace(*ownJournal, gate, index));
    undo.SetKeepTimes(keepTimes);
    undo.SetDryRun(dryRun);
    UndoOutcome outcome = undo.Restore(record);
    if (outcome.readOnly && outcome.status == UndoStatus::WouldRestore) {
        outcome = clearReadOnly ? UndoOutcome{UndoStatus::WouldRestore, {DryRunText(true)}}
                                : UndoOutcome{UndoStatus::Skipped, {ReadOnlySkippedText(record.path)}};
    } else if (outcome.status == UndoStatus::Skipped && outcome.readOnly) {
        outcome.messages = {ReadOnlySkippedText(record.path)};
    }
    return Report(record.path, outcome);
}

CFileCommand::Result CUndoCommand::Failure(const std::string& path, const std::string& message) const
{
    return Report(path, {UndoStatus::Failed, {message}});
}

CFileCommand::Result CUndoCommand::Report(const std::string& path, const UndoOutcome& outcome) const
{
    static_assert(static_cast<std::size_t>(UndoStatus::Failed) < MaxTallies);
    const auto tally = static_cast<std::size_t>(outcome.status);
    const bool fileFailed = outcome.status != UndoStatus::Restored && outcome.status != UndoStatus::WouldRestore;
    const std::string message = RenderEnglishJoined(outcome.messages);
    if (Json()) {
        nlohmann::ordered_json object = {{"path", path}, {"status", UndoStatusName(outcome.status)}};
        if (outcome.status != UndoStatus::Restored)
            object["message"] = message;
        else if (!message.empty())
            object["warning"] = message;
        return {CJsonArrayWriter::Encode(object), tally, fileFailed};
    }
    std::string line = path + ": " + UndoStatusName(outcome.status);
    if (outcome.status != UndoStatus::Restored)
        line += ": " + message;
    else if (!message.empty())
        line += " (warning: " + message + ")";
    std::string text = EscapeControls(std::move(line));
    text += '\n';
    return {std::move(text), tally, fileFailed};
}

std::string CUndoCommand::Summary() const
{
    const auto count = [this](UndoStatus status) { return std::to_string(Tally(static_cast<std::size_t>(status))); };
    return (dryRun ? count(UndoStatus::WouldRestore) + " would restore, " : count(UndoStatus::Restored) + " restored, ")
        + count(UndoStatus::Conflict) + " conflicts, " + count(UndoStatus::Failed) + " failed, "
        + count(UndoStatus::Skipped) + " skipped";
}
