#include "CFilePrompt.h"

#include "CInputOrderGate.h"
#include "CTerminalPrompt.h"

CFilePrompt::CFilePrompt(CTerminalPrompt& terminalPrompt, CInputOrderGate& orderGate, std::size_t fileIndex)
    : terminal(terminalPrompt), gate(orderGate), index(fileIndex)
{
}

void CFilePrompt::ShowMessage(const CoreText& text)
{
    messages.push_back(RenderEnglish(text));
}

bool CFilePrompt::AskClearReadOnly(const std::string& path)
{
    bool yes = false;
    switch (terminal.Policy()) {
    case ReadOnlyPolicy::ClearAll:
        yes = true;
        break;
    case ReadOnlyPolicy::LeaveAlone:
        break;
    case ReadOnlyPolicy::Ask:
        gate.WaitTurn(index);
        yes = terminal.Ask(path);
        break;
    }
    declinedReadOnly = !yes;
    return yes;
}
