#pragma once

#include "platform/CUserPrompt.h"

#include <iosfwd>
#include <string>
#include <vector>

class CProgressLine;

enum class ReadOnlyPolicy {
    Ask,         // ask on the terminal
    ClearAll,    // --clear-readonly: yes for every file
    LeaveAlone,  // no terminal to ask on: never touch a read-only file
};

// The engine's voice on the command line. Messages are kept for the file in
// hand, so that they end up on that file's report line (or JSON object)
// instead of being printed on their own.
class CTerminalPrompt : public CUserPrompt {
public:
    CTerminalPrompt(ReadOnlyPolicy policy, std::istream& in, std::ostream& err, CProgressLine& progress);

    void ShowMessage(const std::string& text) override;
    bool AskClearReadOnly(const std::string& path) override;

    // Forgets the messages and the answer of the previous file.
    void BeginFile();
    const std::vector<std::string>& Messages() const { return messages; }
    // The write-protect question for this file was answered No (or could not be asked).
    bool DeclinedReadOnly() const { return declinedReadOnly; }

private:
    ReadOnlyPolicy policy;
    std::istream& in;
    std::ostream& err;
    CProgressLine& progress;
    std::vector<std::string> messages;
    bool declinedReadOnly = false;
};
