#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Where the tool reads and writes, and what they are connected to.
struct CliEnvironment {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool inputIsTerminal = false;  // the write-protect question may be asked
    bool errorIsTerminal = false;  // a progress line may be shown
    bool outputIsTerminal = false;  // the report shares the screen with that line
    // How long a batch runs before the progress line appears.
    std::chrono::milliseconds progressDelay{500};
    // Set (from a signal handler) when the run should start no further file.
    const std::atomic<bool>* interrupted = nullptr;
    // Reads the answer to a question, returning false once interrupted
    // meanwhile; empty: a line of in.
    std::function<bool(std::string& line)> readAnswer = nullptr;
};

// Runs quelbrook-cli with the arguments that follow the program name and
// returns its exit status.
int RunCli(const std::vector<std::string>& args, const CliEnvironment& environment);
