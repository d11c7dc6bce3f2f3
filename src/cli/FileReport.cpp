#include "FileReport.h"

#include "journal/HexCodec.h"
#include "platform/ByteWords.h"
#include "platform/Folders.h"
#include "wave/ConfirmWritable.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <system_error>

nlohmann::ordered_json FormatToJson(const WaveFormat& format)
{
    nlohmann::ordered_json object = {
        {"channels", format.channels},
        {"sampleRate", format.sampleRate},
        {"avgBytesPerSec", format.avgBytesPerSec},
        {"blockAlign", format.blockAlign},
        {"bitsPerSample", format.bitsPerSample},
    };
    if (format.extensible) {
        object["validBitsPerSample"] = format.validBitsPerSample;
        object["channelMask"] = format.channelMask;
    }
    return object;
}

namespace {

// Whether text holds a byte below 0x20, 0x7F or 0xC2 (which may start a C1
// control). Eight bytes at a time: this looks at every report line.
bool HasControlBytes(const std::string& text)
{
    using namespace bytewords;
    const char* at = text.data();
    const char* const end = at + text.size();
    for (; end - at >= 8; at += 8) {
        const std::uint64_t v = Load8(at);
        if (HasBelow(v, 0x20) | Holds(v, 0x7F) | Holds(v, 0xC2)) {
            return true;
        }
    }
    for (; at != end; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (byte < 0x20 || byte == 0x7F || byte == 0xC2) {
            return true;
        }
    }
    return false;
}

}  // namespace

void AppendFormatText(std::string& text, const WaveFormat& format)
{
    // Built on the stack and appended once: the report formats two of these per file.
    char line[160];  // the longest, every number at its widest, is under 110
    char* at = line;
    char* const end = line + sizeof line;
    // Bounded although it cannot fill up: the compiler cannot see that, and
    // neither can a reader once the text grows.
    const auto add = [&](std::string_view part) {
        const auto room = static_cast<std::size_t>(end - at);
        const std::size_t count = std::min(part.size(), room);
        std::memcpy(at, part.data(), count);
        at += count;
    };
    const auto number = [&](std::uint32_t value, int base = 10) { at = std::to_chars(at, end, value, base).ptr; };
    number(format.sampleRate);
    add(" Hz, ");
    number(format.channels);
    add(" ch, ");
    number(format.bitsPerSample);
    add(" bit, align ");
    number(format.blockAlign);
    add(", ");
    number(format.avgBytesPerSec);
    add(" B/s");
    if (format.extensible) {
        add(", valid ");
        number(format.validBitsPerSample);
        add(" bit, channel mask 0x");
        number(format.channelMask, 16);
    }
    text.append(line, at);
}

std::string ReadOnlySkippedText(const std::string& path)
{
    return RenderEnglish(WriteProtectedText(path)) + " (--clear-readonly clears the read-only mark)";
}

std::string EscapeControls(std::string text)
{
    // Nearly every line has none: hand it back as it is.
    if (!HasControlBytes(text)) {
        return text;
    }
    const auto escape = [](std::string& out, unsigned char byte) {
        out += "\\x";
        AppendHex(out, &byte, 1);
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F) {
            escape(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            escape(out, byte);
            escape(out, next);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string DescribeFailure(const std::string& path, const std::string& text, const FileFailure& failure,
                            const std::string& fallback)
{
    // Only a failed file gets looked at again, so this costs nothing on success.
    const PathKind kind = KindOfPath(path);
    std::string reason;
    bool hint = false;
    if (kind == PathKind::Missing) {
        reason = RenderEnglish(CauseText(OpenFailureCause::FileNotFound, path));
    } else if (kind == PathKind::Folder) {
        reason = path + " is a folder: -r searches folders for .wav files";
        hint = true;
    } else if (kind == PathKind::Other) {
        reason = path + " is not a regular file";
    } else if (failure.cause != OpenFailureCause::None) {
        reason = RenderEnglish(CauseText(failure, path));
    }
    if (text.empty()) {
        return reason.empty() ? fallback : reason;
    }
    // The messages may already say it: the open-failure message gives the
    // system's reason. Only the hint for a folder adds to that.
    const std::string words = RenderEnglish(ReasonText(failure.reason));
    if (reason.empty() || text.find(reason) != std::string::npos
        || (!hint && !words.empty() && text.find(words) != std::string::npos)) {
        return text;
    }
    if (reason.back() == '.') {
        reason.pop_back();
    }
    return text + " (" + reason + ")";
}
