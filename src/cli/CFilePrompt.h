#pragma once

#include "wave/CPromptRecorder.h"

#include <cstddef>
#include <string>

class CInputOrderGate;
class CTerminalPrompt;

// The engine's voice on the command line for one file. Messages are kept, so
// that they end up on that file's report line (or JSON object) instead of
// being printed on their own; the write-protect question goes to the shared
// terminal in the file's turn, so questions come in input order.
class CFilePrompt : public CPromptRecorder {
public:
    CFilePrompt(CTerminalPrompt& terminal, CInputOrderGate& gate, std::size_t index);

private:
    bool Ask(const std::string& path) override;

    CTerminalPrompt& terminal;
    CInputOrderGate& gate;
    std::size_t index;
};
