#include "cli/CConsoleBuffer.h"
#include "cli/RunCli.h"

#include "platform/Console.h"

#include <atomic>
#include <exception>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The first Ctrl-C lets the files in flight finish; a second one ends the
    // tool at once. A closed pipe shows as a failed write, so the report ends
    // between files instead of the process dying in the middle of one.
    static std::atomic<bool> interrupted{false};
    InstallInterruptHandler(interrupted);
    // Standard input (a --files-from list) is read in blocks, not through C stdio.
    std::ios::sync_with_stdio(false);
    const bool outputIsTerminal = IsTerminal(ConsoleStream::Output);
    // Standard output is written in large blocks; standard error as it comes.
    CConsoleBuffer outBuffer(ConsoleStream::Output, outputIsTerminal ? 4096 : 65536);
    CConsoleBuffer errBuffer(ConsoleStream::Error, 0);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    int status = 1;
    try {
        const std::vector<std::string> args = ConsoleArguments(argc, argv);
        CliEnvironment environment{
            std::cin, out, err, IsTerminal(ConsoleStream::Input), IsTerminal(ConsoleStream::Error), outputIsTerminal};
        environment.interrupted = &interrupted;
        // std::cin would read on after Ctrl-C until a key is typed.
        environment.readAnswer = ReadConsoleLine;
        status = RunCli(args, environment);
    } catch (const std::exception& e) {
        out.flush();
        err << "quelbrook-cli: " << e.what() << '\n';
        status = 1;
    }
    out.flush();
    const ConsoleWriteFailure& outFailure = outBuffer.Failure();
    // A reader that went away (| head) wanted no more: end quietly.
    if (outFailure.failed && !outFailure.readerGone)
        err << "quelbrook-cli: the report could not be written to standard output: " << outFailure.text << '\n';
    return outFailure.failed || errBuffer.Failure().failed ? (status == 0 ? 1 : status) : status;
}
