#pragma once

#include <iosfwd>
#include <mutex>
#include <string>

class CProgressLine;

enum class ReadOnlyPolicy {
    Ask,         // ask on the terminal
    ClearAll,    // --clear-readonly: yes for every file
    LeaveAlone,  // no terminal to ask on: never touch a read-only file
};

// The write-protect question on the terminal, shared by every file of the
// batch. Files running side by side get their answers one at a time.
class CTerminalPrompt {
public:
    CTerminalPrompt(ReadOnlyPolicy policy, std::istream& in, std::ostream& err, CProgressLine& progress);

    ReadOnlyPolicy Policy() const { return policy; }

    // Asks whether to clear the read-only mark of path; true for yes. No
    // answer at all (end of input) is no.
    bool Ask(const std::string& path);

private:
    ReadOnlyPolicy policy;
    std::istream& in;
    std::ostream& err;
    CProgressLine& progress;
    std::mutex asking;
};
