#pragma once

#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

class CProgressLine;

enum class ReadOnlyPolicy {
    Ask,  // ask on the terminal
    ClearAll,  // --clear-readonly: yes for every file
    LeaveAlone,  // no terminal to ask on: never touch a read-only file
};

// The write-protect question on the terminal, shared by every file of the
// batch. Files running side by side get their answers one at a time.
class CTerminalPrompt {
public:
    // Reads one line typed as the answer; false at the end of input or once
    // the run was interrupted (Ctrl-C), also while it waits.
    using AnswerReader = std::function<bool(std::string& line)>;

    CTerminalPrompt(ReadOnlyPolicy policy, AnswerReader readAnswer, std::function<bool()> interrupted,
                    std::ostream& err, CProgressLine& progress);

    ReadOnlyPolicy Policy() const { return policy; }

    // Asks whether to clear the read-only mark of path; true for yes. No
    // answer at all (end of input, Ctrl-C) is no, and once interrupted the
    // question is not asked any more.
    bool Ask(const std::string& path);

private:
    ReadOnlyPolicy policy;
    AnswerReader readAnswer;
    std::function<bool()> interrupted;
    std::ostream& err;
    CProgressLine& progress;
    std::mutex asking;
};
