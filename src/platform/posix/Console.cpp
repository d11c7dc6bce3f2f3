#include "Console.h"

#include "SystemCalls.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

std::atomic<bool>* interruptFlag = nullptr;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// The handler writes a byte here: whichever thread the signal lands on, a
// thread waiting for an answer wakes, without waiting for a key.
int wakeRead = -1;
int wakeWrite = -1;

extern "C" void OnInterrupt(int)
{
    const int saved = errno;
    interruptFlag->store(true);
    if (wakeWrite >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    }
    errno = saved;
}

bool Interrupted()
{
    return interruptFlag != nullptr && interruptFlag->load();
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
    int wake[2] = {-1, -1};
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead = wake[0];
        wakeWrite = wake[1];
    }
    std::signal(SIGPIPE, SIG_IGN);
    // SA_RESETHAND lets a second Ctrl-C end the tool at once.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

bool ReadConsoleLine(std::string& line)
{
    line.clear();
    // One byte at a time: what is typed after the line is the next answer's.
    for (;;) {
        if (Interrupted()) {
            return false;
        }
        pollfd waits[2] = {{STDIN_FILENO, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        const int ready = ::poll(waits, wakeRead >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (ready <= 0 || waits[0].revents == 0) {
            continue;
        }
        char byte = 0;
        const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            return got == 0 && !line.empty();
        }
        if (byte == '\n') {
            return true;
        }
        line.push_back(byte);
    }
}
