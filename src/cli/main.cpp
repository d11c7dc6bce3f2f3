#include "cli/CFdOutputBuffer.h"
#include "cli/RunCli.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <iostream>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int)
{
    interrupted.store(true);
}

void InstallSignalHandlers()
{
    // A closed pipe shows as a failed write, so the report ends between files
    // instead of the process dying in the middle of one.
    std::signal(SIGPIPE, SIG_IGN);
    // The first Ctrl-C lets the files in flight finish; a second one ends the
    // tool at once. No SA_RESTART: a pending question returns as unanswered.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    InstallSignalHandlers();
    // Standard input (a --files-from list) is read in blocks, not through C stdio.
    std::ios::sync_with_stdio(false);
    // Standard output is written in large blocks; standard error as it comes.
    CFdOutputBuffer outBuffer(STDOUT_FILENO, isatty(STDOUT_FILENO) == 1 ? 4096 : 65536);
    CFdOutputBuffer errBuffer(STDERR_FILENO, 0);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    int status = 1;
    try {
        const std::vector<std::string> args(argc > 0 ? argv + 1 : argv, argv + argc);
        CliEnvironment environment{std::cin, out, err, isatty(STDIN_FILENO) == 1, isatty(STDERR_FILENO) == 1,
                                   isatty(STDOUT_FILENO) == 1};
        environment.interrupted = &interrupted;
        status = RunCli(args, environment);
    } catch (const std::exception& e) {
        out.flush();
        err << "quelbrook-cli: " << e.what() << '\n';
        status = 1;
    }
    out.flush();
    // A reader that went away (| head) wanted no more: end quietly.
    if (outBuffer.Error() != 0 && outBuffer.Error() != EPIPE) {
        err << "quelbrook-cli: the report could not be written to standard output: "
            << std::strerror(outBuffer.Error()) << '\n';
    }
    return outBuffer.Error() != 0 || errBuffer.Error() != 0 ? (status == 0 ? 1 : status) : status;
}
