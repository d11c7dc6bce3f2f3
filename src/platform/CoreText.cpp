#include "CoreText.h"

#include <iterator>

namespace {

// In the order of TextId.
constexpr const char* EnglishTable[] = {
    "%1",
    "%1",
    "%1",
    "%1",

    QB_TRANSLATABLE("Engine", "No error occurred."),
    QB_TRANSLATABLE("Engine", "An unknown error occurred while accessing %1."),
    QB_TRANSLATABLE("Engine", "%1 was not found."),
    QB_TRANSLATABLE("Engine", "%1 contains an invalid path."),
    QB_TRANSLATABLE("Engine", "%1 could not be opened because there are too many open files."),
    QB_TRANSLATABLE("Engine", "Access to %1 was denied."),
    QB_TRANSLATABLE("Engine", "An invalid file handle was associated with %1."),
    QB_TRANSLATABLE("Engine", "%1 could not be removed because it is the current directory."),
    QB_TRANSLATABLE("Engine", "%1 could not be created because the directory is full."),
    QB_TRANSLATABLE("Engine", "Seek failed on %1"),
    QB_TRANSLATABLE("Engine", "A hardware I/O error was reported while accessing %1."),
    QB_TRANSLATABLE("Engine", "A sharing violation occurred while accessing %1."),
    QB_TRANSLATABLE("Engine", "A locking violation occurred while accessing %1."),
    QB_TRANSLATABLE("Engine", "Disk full while accessing %1."),
    QB_TRANSLATABLE("Engine", "An attempt was made to access %1 past its end."),

    QB_TRANSLATABLE("Engine", "No error occurred (%2)."),
    QB_TRANSLATABLE("Engine", "An unknown error occurred while accessing %1 (%2)."),
    QB_TRANSLATABLE("Engine", "%1 was not found (%2)."),
    QB_TRANSLATABLE("Engine", "%1 contains an invalid path (%2)."),
    QB_TRANSLATABLE("Engine", "%1 could not be opened because there are too many open files (%2)."),
    QB_TRANSLATABLE("Engine", "Access to %1 was denied (%2)."),
    QB_TRANSLATABLE("Engine", "An invalid file handle was associated with %1 (%2)."),
    QB_TRANSLATABLE("Engine", "%1 could not be removed because it is the current directory (%2)."),
    QB_TRANSLATABLE("Engine", "%1 could not be created because the directory is full (%2)."),
    QB_TRANSLATABLE("Engine", "Seek failed on %1 (%2)"),
    QB_TRANSLATABLE("Engine", "A hardware I/O error was reported while accessing %1 (%2)."),
    QB_TRANSLATABLE("Engine", "A sharing violation occurred while accessing %1 (%2)."),
    QB_TRANSLATABLE("Engine", "A locking violation occurred while accessing %1 (%2)."),
    QB_TRANSLATABLE("Engine", "Disk full while accessing %1 (%2)."),
    QB_TRANSLATABLE("Engine", "An attempt was made to access %1 past its end (%2)."),

    QB_TRANSLATABLE("Engine", "read-only file system"),
    QB_TRANSLATABLE("Engine", "permission denied"),
    QB_TRANSLATABLE("Engine", "no space left on the device"),
    QB_TRANSLATABLE("Engine", "disk quota exceeded"),
    QB_TRANSLATABLE("Engine", "the file vanished"),
    QB_TRANSLATABLE("Engine", "it is a folder"),
    QB_TRANSLATABLE("Engine", "it is in use"),
    QB_TRANSLATABLE("Engine", "it is not a regular file"),
    QB_TRANSLATABLE("Engine", "it is a symbolic link, which is not followed here"),
    QB_TRANSLATABLE("Engine", "a part of the path is not a folder"),
    QB_TRANSLATABLE("Engine", "the name is too long"),
    QB_TRANSLATABLE("Engine", "too many levels of symbolic links"),
    QB_TRANSLATABLE("Engine", "too many open files"),
    QB_TRANSLATABLE("Engine", "input/output error"),
    QB_TRANSLATABLE("Engine", "no such device"),
    QB_TRANSLATABLE("Engine", "no locks available"),

    QB_TRANSLATABLE("Engine", "File %1 could not be opened - code: %2"),
    QB_TRANSLATABLE("Engine", "File %1 could not be opened - code: %2 (%3)"),
    QB_TRANSLATABLE("Engine", "No file name."),
    QB_TRANSLATABLE("Engine", "File already open."),
    QB_TRANSLATABLE("Engine",
                    "The \"fmt \" chunk of %1 is too short to hold a format (%2 byte); the file was left unchanged."),
    QB_TRANSLATABLE("Engine",
                    "The \"fmt \" chunk of %1 is too short to hold a format (%2 bytes); the file was left unchanged."),
    QB_TRANSLATABLE("Engine", "%1 is not a WAV file (no RIFF/WAVE header)"),
    QB_TRANSLATABLE("Engine", "no complete \"fmt \" chunk in %1"),
    QB_TRANSLATABLE("Engine",
                    "%1 bytes per sample times %2 channels is above the largest block alignment (65535); "
                    "%3 was left unchanged."),
    QB_TRANSLATABLE("Engine",
                    "%1 is no longer the file that was changed (it was replaced, or its length differs); "
                    "it was left unchanged."),
    QB_TRANSLATABLE(
        "Engine",
        "The recorded change of %1 lies outside the format fields that a change writes; the file was left unchanged."),
    QB_TRANSLATABLE("Engine",
                    "The bytes that were changed in %1 have been changed again since; the file was left unchanged."),
    QB_TRANSLATABLE("Engine",
                    "The file %1 is Write protected\n\nChange the attribute and allow the change?\n\n"
                    "Cancel leaves this file unchanged"),
    QB_TRANSLATABLE("Engine", "%1 is write protected and was left untouched"),

    QB_TRANSLATABLE("Engine", "%1. No file was changed."),
    QB_TRANSLATABLE("Engine", "%1. The batch may not be undone completely."),
    QB_TRANSLATABLE("Engine", "There is no journal folder: %1"),
    QB_TRANSLATABLE("Engine", "neither XDG_STATE_HOME nor HOME is set"),
    QB_TRANSLATABLE("Engine", "LOCALAPPDATA is not set"),
    QB_TRANSLATABLE("Engine", "The journal folder %1 could not be created: %2"),
    QB_TRANSLATABLE("Engine", "The journal %1 %2"),
    QB_TRANSLATABLE("Engine", "could not be created: %1"),
    QB_TRANSLATABLE("Engine", "could not be written: %1"),
    QB_TRANSLATABLE("Engine", "could not be saved: %1"),
    QB_TRANSLATABLE(
        "Engine",
        "The journal %1 is not trusted: %2; only a journal that nobody but you and root can change is followed"),
    QB_TRANSLATABLE("Engine", "it belongs to %1"),
    QB_TRANSLATABLE("Engine", "group or others may write it (permissions %1)"),
    QB_TRANSLATABLE("Engine", "its folder %1 belongs to %2"),
    QB_TRANSLATABLE("Engine", "group or others may write its folder %1 (permissions %2)"),
    QB_TRANSLATABLE(
        "Engine",
        "%1 %2 is a symbolic link that belongs to %3, and run as root only links that belong to root are followed"),
    QB_TRANSLATABLE("Engine", "%1 is no journal"),
    QB_TRANSLATABLE("Engine", "%1 is no journal: %2"),
    QB_TRANSLATABLE("Engine", "a line is longer than any record"),
    QB_TRANSLATABLE("Engine", "not a JSON object"),
    QB_TRANSLATABLE("Engine", "\"%1\" is missing or not a whole number"),
    QB_TRANSLATABLE("Engine", "\"%1\" is missing or not a text"),
    QB_TRANSLATABLE("Engine", "\"%1\" is not hexadecimal"),
    QB_TRANSLATABLE("Engine", "journal version %1 is not known to this version"),
    QB_TRANSLATABLE("Engine", "its path holds a NUL byte"),
    QB_TRANSLATABLE("Engine", "\"before\" and \"after\" differ in length or are empty"),
    QB_TRANSLATABLE("Engine", "it could not be read"),
    QB_TRANSLATABLE("Engine", "Record %1 of %2 is damaged: %3"),

    QB_TRANSLATABLE("Engine", "%1 is missing: it was moved or deleted since the batch"),
    QB_TRANSLATABLE("Engine", "%1 was replaced: another file has its name now, so it was left alone"),
    QB_TRANSLATABLE("Engine", "%1 was changed since: its length differs from the length after the batch"),
    QB_TRANSLATABLE("Engine", "%1 could not be read"),
    QB_TRANSLATABLE("Engine", "%1 already holds the bytes it had before the batch"),
    QB_TRANSLATABLE(
        "Engine",
        "%1 was changed since: the bytes at offset %2 are no longer those the batch wrote, so they were kept"),
    QB_TRANSLATABLE("Engine", "%1 could not be written back"),
    QB_TRANSLATABLE("Engine", "Closing %1 reported an error (%2), but reading it again found the new values in place."),
    QB_TRANSLATABLE(
        "Engine", "%1 when it was closed; reading it again found the values it had before, so it was left unchanged."),
    QB_TRANSLATABLE("Engine",
                    "%1 when it was closed, and it could not be read again: it may hold the new values (the journal "
                    "has the change)."),

    QB_TRANSLATABLE("Engine", "Sample rate: %1 Hz"),
    QB_TRANSLATABLE("Engine", "Number of channels: %1"),
    QB_TRANSLATABLE("Engine", "Resolution: %1 bit"),
    QB_TRANSLATABLE("Engine", "Block alignment: %1 bytes per sample times each file's channels"),
    QB_TRANSLATABLE("Engine", "Block alignment: %1 byte"),
    QB_TRANSLATABLE("Engine", "Block alignment: %1 bytes"),
    QB_TRANSLATABLE("Engine", "%1 — changes %2 of %3 file"),
    QB_TRANSLATABLE("Engine", "%1 — changes %2 of %3 files"),
    QB_TRANSLATABLE("Engine", "%1 — changes %2 of %3 file, although you left it at the shown file's own value"),
    QB_TRANSLATABLE("Engine", "%1 — changes %2 of %3 files, although you left it at the shown file's own value"),
    QB_TRANSLATABLE("Engine", "%1 of %2 file has a header that cannot be read; it will be left unchanged"),
    QB_TRANSLATABLE("Engine", "%1 of %2 files has a header that cannot be read; it will be left unchanged"),
    QB_TRANSLATABLE("Engine", "%1 of %2 files have headers that cannot be read; they will be left unchanged"),
};
static_assert(std::size(EnglishTable) == static_cast<std::size_t>(TextId::Count),
              "every TextId needs its English format string, in the order of the enum");

}  // namespace

CoreText CoreText::Number(std::uint64_t value)
{
    CoreText number(std::to_string(value));
    number.id = TextId::Number;
    return number;
}

const char* EnglishFormat(TextId id)
{
    return EnglishTable[static_cast<std::size_t>(id)];
}

std::string RenderEnglishJoined(const std::vector<CoreText>& texts)
{
    std::string joined;
    for (const CoreText& text : texts)
        joined += (joined.empty() ? "" : "; ") + RenderEnglish(text);
    return joined;
}

std::string RenderEnglish(const CoreText& text)
{
    if (text.id == TextId::Verbatim)
        return text.verbatim;
    if (text.id == TextId::Number) {
        // 96000 as "96,000".
        std::string digits = text.verbatim;
        for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), 1, ',');
        return digits;
    }
    if (text.id == TextId::Clause) {
        std::string clause = text.args.empty() ? std::string() : RenderEnglish(text.args.front());
        if (clause.ends_with('.'))
            clause.pop_back();
        return clause;
    }
    if (text.id == TextId::Lines) {
        std::string lines;
        for (const CoreText& line : text.args)
            lines += (lines.empty() ? "" : "\n") + RenderEnglish(line);
        return lines;
    }
    const std::string format = EnglishFormat(text.id);
    std::string result;
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char c = format[at];
        const char next = at + 1 < format.size() ? format[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (c == '%' && next >= '1' && next <= '9' && index < text.args.size()) {
            result += RenderEnglish(text.args[index]);
            ++at;
        } else {
            result += c;
        }
    }
    return result;
}
