#include "CUndoCommand.h"

#include "BatchJournal.h"
#include "CTerminalPrompt.h"
#include "CommandLine.h"
#include "FileReport.h"

#include "journal/CJournalFolder.h"
#include "journal/CJournalReader.h"
#include "journal/CJournalWriter.h"

#include <filesystem>
#include <ostream>

CUndoCommand::CUndoCommand(const CliInvocation& invocation, const Output& output, CTerminalPrompt& userPrompt,
                           CProgressLine& progressLine)
    : CFileCommand(output, invocation.json, userPrompt, progressLine),
      journalPath(invocation.undoJournal),
      dryRun(invocation.dryRun),
      keepTimes(invocation.keepTimes),
      clearReadOnly(invocation.clearReadOnly)
{
}

int CUndoCommand::Run(const std::vector<std::string>& args, std::ostream& err)
{
    if (journalPath.empty()) {
        const CJournalFolder folder;
        const auto newest = folder.NewestBatch();
        if (!newest) {
            err << CliProgramName << ": there is no batch to undo in "
                << (folder.Path().empty() ? std::string("the journal folder") : folder.Path()) << '\n';
            return ExitFileProblem;
        }
        journalPath = *newest;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(journalPath, error).lexically_normal().string();

    std::unique_ptr<CJournalWriter> journal;
    if (!dryRun) {
        journal = OpenBatchJournal(args, {}, absolute, err);
        if (!journal)
            return ExitFileProblem;
        ownJournal = journal.get();
    }
    Process(journalPath, nullptr);
    const int status = Finish();
    if (journal && !CloseBatchJournal(*journal, err))
        return ExitFileProblem;
    return status;
}

void CUndoCommand::Process(const std::string& path, const FolderEntry* /*entry*/)
{
    CJournalReader batch;
    if (!batch.Open(path)) {
        ReportFolderFailure(path, batch.Failure());
        return;
    }
    CBatchUndo undo(Prompt());
    undo.SetJournal(ownJournal);
    undo.SetKeepTimes(keepTimes);
    undo.SetDryRun(dryRun);
    for (std::size_t i = batch.RecordCount(); i-- > 0;) {
        Prompt().BeginFile();
        const auto record = batch.ReadRecord(i);
        if (!record) {
            ReportFolderFailure(path, batch.Failure());
            continue;
        }
        UndoOutcome outcome = undo.Restore(*record);
        if (outcome.readOnly && outcome.status == UndoStatus::WouldRestore) {
            outcome = clearReadOnly ? UndoOutcome{UndoStatus::WouldRestore,
                                                  "dry run: nothing written; the read-only mark would be cleared"}
                                    : UndoOutcome{UndoStatus::Skipped, ReadOnlySkippedText(record->path)};
        } else if (outcome.status == UndoStatus::Skipped && outcome.readOnly) {
            outcome.message = ReadOnlySkippedText(record->path);
        }
        Report(record->path, outcome);
    }
}

void CUndoCommand::ReportFolderFailure(const std::string& path, const std::string& message)
{
    Report(path, {UndoStatus::Failed, message});
}

void CUndoCommand::Report(const std::string& path, const UndoOutcome& outcome)
{
    if (Json()) {
        nlohmann::ordered_json object = {{"path", path}, {"status", UndoStatusName(outcome.status)}};
        if (outcome.status != UndoStatus::Restored)
            object["message"] = outcome.message;
        WriteJson(object);
    } else {
        std::string line = path + ": " + UndoStatusName(outcome.status);
        if (outcome.status != UndoStatus::Restored)
            line += ": " + outcome.message;
        WriteLine(line);
    }
    ++counts[static_cast<std::size_t>(outcome.status)];
    Count(path, outcome.status != UndoStatus::Restored && outcome.status != UndoStatus::WouldRestore);
}

std::string CUndoCommand::Summary() const
{
    const auto count = [this](UndoStatus status) { return std::to_string(counts[static_cast<std::size_t>(status)]); };
    return (dryRun ? count(UndoStatus::WouldRestore) + " would restore, " : count(UndoStatus::Restored) + " restored, ") +
           count(UndoStatus::Conflict) + " conflicts, " + count(UndoStatus::Failed) + " failed, " +
           count(UndoStatus::Skipped) + " skipped";
}
