#include "Console.h"

#include "SystemCalls.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

std::atomic<bool>* interruptFlag = nullptr;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int)
{
    interruptFlag->store(true);
}

int Descriptor(ConsoleStream stream)
{
    switch (stream) {
    case ConsoleStream::Input:
        return STDIN_FILENO;
    case ConsoleStream::Output:
        return STDOUT_FILENO;
    case ConsoleStream::Error:
        break;
    }
    return STDERR_FILENO;
}

}  // namespace

std::vector<std::string> ConsoleArguments(int argc, char** argv)
{
    return argc > 0 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

bool IsTerminal(ConsoleStream stream)
{
    return isatty(Descriptor(stream)) == 1;
}

bool WriteToConsole(ConsoleStream stream, const char* data, std::size_t size, ConsoleWriteFailure& failure)
{
    if (WriteWhole(Descriptor(stream), data, size))
        return true;
    failure = {true, errno == EPIPE, std::strerror(errno)};
    return false;
}

void InstallInterruptHandler(std::atomic<bool>& interrupted)
{
    interruptFlag = &interrupted;
    std::signal(SIGPIPE, SIG_IGN);
    // No SA_RESTART: a pending question returns as unanswered. SA_RESETHAND
    // lets a second Ctrl-C end the tool at once.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}
