#include "ConfirmWritable.h"

#include "platform/CUserPrompt.h"
#include "platform/OpenFailureCause.h"
#include "platform/ReadOnlyMark.h"

bool ConfirmWritable(const std::string& path, CUserPrompt& prompt)
{
    if (QueryReadOnly(path) != ReadOnlyState::ReadOnly)
        return true;
    if (!prompt.AskClearReadOnly(path))
        return false;
    if (const OpenFailureCause cause = ClearReadOnly(path); cause != OpenFailureCause::None) {
        prompt.ShowMessage(CauseText(cause, path));
        return false;
    }
    return true;
}

std::string WriteProtectQuestion(std::string_view path)
{
    return "The file " + ShortenMiddle(path, 26)
        + " is Write protected\n\nChange the attribute and allow the change?\n\nCancel will quit the operation";
}

std::string ShortenMiddle(std::string_view text, std::size_t maxLength)
{
    if (text.size() <= maxLength)
        return std::string(text);
    const std::size_t keep = maxLength >= 3 ? (maxLength - 3) / 2 : 0;
    std::string result(text.substr(0, keep));
    result += "...";
    result += text.substr(text.size() - keep);
    return result;
}
