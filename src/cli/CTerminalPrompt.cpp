#include "CTerminalPrompt.h"

#include "CProgressLine.h"

#include <istream>
#include <ostream>

CTerminalPrompt::CTerminalPrompt(ReadOnlyPolicy readOnlyPolicy, std::istream& input, std::ostream& errStream,
                                 CProgressLine& progressLine)
    : policy(readOnlyPolicy), in(input), err(errStream), progress(progressLine)
{
}

void CTerminalPrompt::ShowMessage(const std::string& text)
{
    messages.push_back(text);
}

bool CTerminalPrompt::AskClearReadOnly(const std::string& path)
{
    switch (policy) {
    case ReadOnlyPolicy::ClearAll:
        return true;
    case ReadOnlyPolicy::LeaveAlone:
        declinedReadOnly = true;
        return false;
    case ReadOnlyPolicy::Ask:
        break;
    }
    progress.Clear();
    err << "The file " << path << " is write protected. Clear its read-only mark and allow the change? [y/N] "
        << std::flush;
    std::string answer;
    if (!std::getline(in, answer)) {
        err << '\n';
    }
    const bool yes = answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
    declinedReadOnly = !yes;
    return yes;
}

void CTerminalPrompt::BeginFile()
{
    messages.clear();
    declinedReadOnly = false;
}
