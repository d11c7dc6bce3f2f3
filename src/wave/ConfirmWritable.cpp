#include "ConfirmWritable.h"

#include "platform/CFile.h"
#include "platform/CUserPrompt.h"
#include "platform/OpenFailureCause.h"

bool ConfirmWritable(CFile& file, const std::string& path, CUserPrompt& prompt)
{
    if (!file.ReadOnlyMarked())
        return true;
    if (!prompt.AskClearReadOnly(path))
        return false;
    if (file.ClearReadOnlyMark() != OpenFailureCause::None) {
        prompt.ShowMessage(CauseText(file.LastFailure(), path));
        return false;
    }
    return true;
}

std::string WriteProtectQuestion(std::string_view path)
{
    return "The file " + ShortenMiddle(path, 26)
        + " is Write protected\n\nChange the attribute and allow the change?\n\nCancel leaves this file unchanged";
}

std::string WriteProtectedText(const std::string& path)
{
    return path + " is write protected and was left untouched";
}

std::string ShortenMiddle(std::string_view text, std::size_t maxLength)
{
    if (text.size() <= maxLength)
        return std::string(text);
    const std::size_t keep = maxLength >= 3 ? (maxLength - 3) / 2 : 0;
    // Paths are UTF-8 here: never cut a character in two.
    const auto continues = [text](std::size_t at) {
        return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t headEnd = keep;
    while (headEnd > 0 && continues(headEnd))
        --headEnd;
    std::size_t tailStart = text.size() - keep;
    while (continues(tailStart))
        ++tailStart;
    std::string result(text.substr(0, headEnd));
    result += "...";
    result += text.substr(tailStart);
    return result;
}
