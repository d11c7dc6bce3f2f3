#include "RunCli.h"

#include "BatchJournal.h"

#include "CInFlightPaths.h"
#include "CInfoCommand.h"
#include "CParallelRunner.h"
#include "CPathListReader.h"
#include "CProgressLine.h"
#include "CSetCommand.h"
#include "CTerminalPrompt.h"
#include "CUndoCommand.h"
#include "CommandLine.h"
#include "FileReport.h"
#include "platform/CPathWalker.h"

#include "journal/CJournalWriter.h"
#include "platform/Folders.h"
#include "platform/NamedPath.h"

#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>

namespace {

// The shells' status for a run ended by Ctrl-C.
constexpr int ExitInterrupted = 130;

// Thrown out of the walk once the run stops starting files.
struct StopWalk {};

}  // namespace

int RunCli(const std::vector<std::string>& args, const CliEnvironment& environment)
{
    const ParsedCommandLine parsed = ParseCommandLine(args, environment.out, environment.err);
    if (!parsed.invocation) {
        return parsed.exitStatus;
    }
    const CliInvocation& invocation = *parsed.invocation;
    SetFollowEveryLink(invocation.followLinks);

    std::ifstream listFile;
    std::istream* list = nullptr;
    const bool listOnInput = invocation.filesFrom == "-";
    if (listOnInput) {
        list = &environment.in;
    } else if (invocation.filesFrom) {
        listFile.open(NativePath(*invocation.filesFrom), std::ios::binary);
        if (!listFile) {
            environment.err << CliProgramName << ": the list " << EscapeControls(*invocation.filesFrom)
                            << " could not be opened\n";
            return ExitUsage;
        }
        list = &listFile;
    }

    CProgressLine progress(environment.err, environment.errorIsTerminal, environment.progressDelay);
    // A list on standard input leaves nothing there to answer with.
    const ReadOnlyPolicy policy = invocation.clearReadOnly ? ReadOnlyPolicy::ClearAll
        : environment.inputIsTerminal && !listOnInput      ? ReadOnlyPolicy::Ask
                                                           : ReadOnlyPolicy::LeaveAlone;
    const auto interrupted
        = [&environment] { return environment.interrupted != nullptr && environment.interrupted->load(); };
    CTerminalPrompt::AnswerReader readAnswer = environment.readAnswer;
    if (!readAnswer) {
        readAnswer = [&in = environment.in](std::string& line) { return static_cast<bool>(std::getline(in, line)); };
    }
    CTerminalPrompt terminal(policy, std::move(readAnswer), interrupted, environment.err, progress);

    const CFileCommand::Output output{environment.out, environment.outputIsTerminal};
    const auto reportInterrupt = [&](int status) {
        if (!interrupted()) {
            return status;
        }
        environment.err << CliProgramName
                        << ": interrupted; the files in flight were finished, no further file was touched\n";
        return ExitInterrupted;
    };
    if (invocation.command == CliInvocation::Command::Undo) {
        CUndoCommand undo(invocation, output, terminal, progress);
        return reportInterrupt(undo.Run(args, interrupted, environment.err));
    }
    std::unique_ptr<CPathCommand> command;
    std::unique_ptr<CJournalWriter> journal;
    if (invocation.command == CliInvocation::Command::Set) {
        auto set = std::make_unique<CSetCommand>(invocation, output, terminal, progress);
        if (!invocation.dryRun && !invocation.noJournal) {
            journal = OpenBatchJournal(args, invocation.journalFile, {}, environment.err);
            if (!journal) {
                // A JSON reader still gets one whole document.
                if (invocation.json) {
                    set->Finish();
                }
                return ExitFileProblem;
            }
            set->SetJournal(journal.get());
        }
        command = std::move(set);
    } else {
        command = std::make_unique<CInfoCommand>(output, invocation.json, terminal, progress);
    }

    CParallelRunner runner(invocation.jobs, [&] { return interrupted() || command->OutputFailed(); });
    // A file named twice (or named and found by a search) is rewritten the
    // second time only after the first, so that it reads what the first wrote
    // and its journal record follows. With one job the first is always done.
    const bool writes = invocation.command == CliInvocation::Command::Set && !runner.Serial();
    CInFlightPaths inFlight;
    CPathWalker walker(
        invocation.recursive,
        [&](const std::string& path, const FolderEntry* entry) {
            const bool again = writes && inFlight.Add(path, runner.NextIndex(), runner.Reported());
            if (!command->Submit(runner, path, entry, again)) {
                throw StopWalk{};
            }
        },
        [&](const std::string& path, const CoreText& message) {
            if (!command->SubmitFailure(runner, path, RenderEnglish(message))) {
                throw StopWalk{};
            }
        });
    const bool guardRoot
        = invocation.command == CliInvocation::Command::Set && invocation.recursive && !invocation.noPreserveRoot;
    const auto take = [&](const std::string& argument) {
        if (guardRoot && IsFileSystemRoot(argument)) {
            if (!command->SubmitFailure(runner, argument,
                                        "searching the root folder for files to rewrite is refused "
                                        "(--no-preserve-root allows it)")) {
                throw StopWalk{};
            }
            return;
        }
        walker.Walk(argument);
    };

    bool listFailed = false;
    try {
        try {
            for (const std::string& path : invocation.paths) {
                take(path);
            }
            if (list != nullptr) {
                CPathListReader reader(*list, invocation.nullSeparated);
                std::string path;
                while (reader.Next(path)) {
                    take(path);
                }
                listFailed = reader.Failed();
            }
        } catch (const StopWalk&) {
            // Nothing further starts; what is in flight is finished below.
        }
        runner.Finish();
    } catch (...) {
        // Even a run that breaks off leaves one whole JSON document.
        command->Finish();
        throw;
    }
    int status = command->Finish();
    if (listFailed) {
        environment.err << CliProgramName << ": the list " << EscapeControls(*invocation.filesFrom)
                        << " could not be read to its end\n";
        status = ExitFileProblem;
    }
    if (journal && !CloseBatchJournal(*journal, environment.err)) {
        status = ExitFileProblem;
    }
    return reportInterrupt(status);
}
