#include "CTerminalPrompt.h"

#include "CProgressLine.h"
#include "FileReport.h"

#include "wave/ConfirmWritable.h"

#include <istream>
#include <ostream>

CTerminalPrompt::CTerminalPrompt(ReadOnlyPolicy readOnlyPolicy, std::istream& input, std::ostream& errStream,
                                 CProgressLine& progressLine)
    : policy(readOnlyPolicy), in(input), err(errStream), progress(progressLine)
{
}

bool CTerminalPrompt::Ask(const std::string& path)
{
    const std::lock_guard question(asking);
    const auto terminal = progress.Hold();
    err << WriteProtectQuestionLine(EscapeControls(path)) << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(in, answer)) {
        err << '\n';
    }
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}
