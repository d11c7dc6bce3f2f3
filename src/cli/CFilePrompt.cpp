#include "CFilePrompt.h"

#include "CInputOrderGate.h"
#include "CTerminalPrompt.h"

CFilePrompt::CFilePrompt(CTerminalPrompt& terminalPrompt, CInputOrderGate& orderGate, std::size_t fileIndex)
    : terminal(terminalPrompt), gate(orderGate), index(fileIndex)
{}

bool CFilePrompt::Ask(const std::string& path)
{
    switch (terminal.Policy()) {
    case ReadOnlyPolicy::ClearAll:
        return true;
    case ReadOnlyPolicy::LeaveAlone:
        return false;
    case ReadOnlyPolicy::Ask:
        break;
    }
    gate.WaitTurn(index);
    return terminal.Ask(path);
}
