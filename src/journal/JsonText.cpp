#include "JsonText.h"

#include "platform/ByteWords.h"

#include <algorithm>
#include <cstdint>

namespace {

using bytewords::HasBelow;
using bytewords::Highs;
using bytewords::Holds;
using bytewords::Load8;

// How many bytes from at on are plain ASCII, eight at a time: paths nearly always are.
std::size_t AsciiRun(const char* at, const char* end)
{
    const char* const start = at;
    while (end - at >= 8 && (Load8(at) & Highs) == 0)
        at += 8;
    while (at != end && static_cast<unsigned char>(*at) < 0x80)
        ++at;
    return static_cast<std::size_t>(at - start);
}

// How many bytes from at on go into a JSON string as they are.
std::size_t UnescapedRun(const char* at, const char* end)
{
    const char* const start = at;
    for (; end - at >= 8; at += 8) {
        const std::uint64_t v = Load8(at);
        if (HasBelow(v, 0x20) | Holds(v, '"') | Holds(v, '\\'))
            break;
    }
    while (at != end && *at != '"' && *at != '\\' && static_cast<unsigned char>(*at) >= 0x20)
        ++at;
    return static_cast<std::size_t>(at - start);
}

}  // namespace

bool IsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            i += AsciiRun(text.data() + i, text.data() + text.size());
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = value << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
        if (value < least || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::string DumpJson(const nlohmann::ordered_json& value)
{
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void AppendJsonString(std::string& line, std::string_view text)
{
    const bool plain
        = std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!plain || !IsUtf8(text)) {
        line += DumpJson(std::string(text));
        return;
    }
    line += '"';
    // Runs of bytes that need no escape go in at once; only '"' and '\' stop them here.
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0;;) {
        const std::size_t run = UnescapedRun(text.data() + i, end);
        line.append(text, i, run);
        i += run;
        if (i == text.size())
            break;
        line += '\\';
        line += text[i++];
    }
    line += '"';
}
