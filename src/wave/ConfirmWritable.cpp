#include "ConfirmWritable.h"

#include "CUserPrompt.h"

#include "platform/CFile.h"
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

CoreText WriteProtectQuestion(std::string_view path)
{
    return CoreText(TextId::WriteProtectQuestion, {ShortenMiddle(path, 26)});
}

std::string WriteProtectQuestionLine(const std::string& path)
{
    const std::string text = RenderEnglish(CoreText(TextId::WriteProtectQuestion, {path}));
    const std::size_t first = text.find("\n\n");
    if (first == std::string::npos)
        return text;
    const std::size_t second = text.find("\n\n", first + 2);
    return text.substr(0, first) + ". " + text.substr(first + 2, second - first - 2);
}

std::string DryRunText(bool clearsReadOnly)
{
    return clearsReadOnly ? "dry run: nothing written; the read-only mark would be cleared"
                          : "dry run: nothing written";
}

CoreText WriteProtectedText(const std::string& path)
{
    return CoreText(TextId::WriteProtected, {path});
}

std::string ShortenMiddle(std::string_view text, std::size_t maxLength)
{
    if (text.size() <= maxLength)
        return std::string(text);
    const std::size_t keep = maxLength >= 3 ? (maxLength - 3) / 2 : 0;
    // Paths are UTF-8 here: never cut a character in two.
    const auto continues
        = [text](std::size_t at) { return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; };
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
