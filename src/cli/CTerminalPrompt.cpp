#include "CTerminalPrompt.h"

#include "CProgressLine.h"
#include "FileReport.h"

#include "wave/ConfirmWritable.h"

#include <ostream>
#include <utility>

CTerminalPrompt::CTerminalPrompt(ReadOnlyPolicy readOnlyPolicy, AnswerReader answerReader,
                                 std::function<bool()> stopPredicate, std::ostream& errStream,
                                 CProgressLine& progressLine)
    : policy(readOnlyPolicy),
      readAnswer(std::move(answerReader)),
      interrupted(std::move(stopPredicate)),
      err(errStream),
      progress(progressLine)
{}

bool CTerminalPrompt::Ask(const std::string& path)
{
    const std::lock_guard question(asking);
    // Files still in flight after Ctrl-C finish without asking: the run is ending.
    if (interrupted()) {
        return false;
    }
    const auto terminal = progress.Hold();
    err << WriteProtectQuestionLine(EscapeControls(path)) << " [y/N] " << std::flush;
    std::string answer;
    if (!readAnswer(answer)) {
        err << '\n';
        return false;
    }
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}
