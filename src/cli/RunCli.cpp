#include "RunCli.h"

#include "CInfoCommand.h"
#include "CPathWalker.h"
#include "CProgressLine.h"
#include "CSetCommand.h"
#include "CTerminalPrompt.h"
#include "CommandLine.h"

#include <memory>

int RunCli(const std::vector<std::string>& args, const CliEnvironment& environment)
{
    const ParsedCommandLine parsed = ParseCommandLine(args, environment.out, environment.err);
    if (!parsed.invocation) {
        return parsed.exitStatus;
    }
    const CliInvocation& invocation = *parsed.invocation;

    CProgressLine progress(environment.err, environment.errorIsTerminal, environment.progressDelay);
    const ReadOnlyPolicy policy = invocation.clearReadOnly     ? ReadOnlyPolicy::ClearAll
                                  : environment.inputIsTerminal ? ReadOnlyPolicy::Ask
                                                                : ReadOnlyPolicy::LeaveAlone;
    CTerminalPrompt prompt(policy, environment.in, environment.err, progress);

    const CFileCommand::Output output{environment.out, environment.outputIsTerminal};
    std::unique_ptr<CFileCommand> command;
    if (invocation.command == CliInvocation::Command::Set) {
        command = std::make_unique<CSetCommand>(invocation, output, prompt, progress);
    } else {
        command = std::make_unique<CInfoCommand>(output, invocation.json, prompt, progress);
    }
    CPathWalker walker(
        invocation.recursive, [&command](const std::string& path, const FolderEntry* entry) { command->Process(path, entry); },
        [&command](const std::string& path, const std::string& message) {
            command->ReportFolderFailure(path, message);
        });
    walker.Walk(invocation.paths);
    return command->Finish();
}
