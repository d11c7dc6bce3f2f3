#pragma once

#include "wave/CUserPrompt.h"

#include <cstddef>
#include <string>
#include <vector>

class CInputOrderGate;
class CTerminalPrompt;

// The engine's voice on the command line for one file. Messages are kept, so
// that they end up on that file's report line (or JSON object) instead of
// being printed on their own; the write-protect question goes to the shared
// terminal in the file's turn, so questions come in input order.
class CFilePrompt : public CUserPrompt {
public:
    CFilePrompt(CTerminalPrompt& terminal, CInputOrderGate& gate, std::size_t index);

    void ShowMessage(const CoreText& text) override;
    bool AskClearReadOnly(const std::string& path) override;

    const std::vector<std::string>& Messages() const { return messages; }
    // The write-protect question was answered no (or could not be asked).
    bool DeclinedReadOnly() const { return declinedReadOnly; }

private:
    CTerminalPrompt& terminal;
    CInputOrderGate& gate;
    std::size_t index;
    std::vector<std::string> messages;
    bool declinedReadOnly = false;
};
