#include "FileReport.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
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

void AppendNumber(std::string& text, std::uint32_t value)
{
    char digits[10];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

}  // namespace

void AppendFormatText(std::string& text, const WaveFormat& format)
{
    AppendNumber(text, format.sampleRate);
    text += " Hz, ";
    AppendNumber(text, format.channels);
    text += " ch, ";
    AppendNumber(text, format.bitsPerSample);
    text += " bit, align ";
    AppendNumber(text, format.blockAlign);
    text += ", ";
    AppendNumber(text, format.avgBytesPerSec);
    text += " B/s";
    if (format.extensible) {
        text += ", valid ";
        AppendNumber(text, format.validBitsPerSample);
        text += " bit, channel mask 0x";
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, format.channelMask, 16).ptr;
        text.append(digits, end);
    }
}

std::string ReadOnlySkippedText(const std::string& path)
{
    return path + " is write protected and was left untouched (--clear-readonly clears the read-only mark)";
}

std::string EscapeControls(std::string text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    const auto control = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20) | (byte == 0x7F) | (byte == 0xC2);
    };
    // Nearly every line has none: hand it back as it is. The look covers
    // every byte without stopping early, which lets the compiler vectorise it.
    bool any = false;
    for (const char c : text) {
        any |= control(c);
    }
    if (!any) {
        return text;
    }
    const auto escape = [](std::string& out, unsigned char byte) {
        out += "\\x";
        out += Hex[byte >> 4];
        out += Hex[byte & 0xF];
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

std::string NoFormatChunkText(const std::string& path)
{
    return "no complete \"fmt \" chunk in " + path;
}

std::string DescribeFailure(const std::string& path, const std::vector<std::string>& messages,
                            OpenFailureCause cause, const std::string& fallback)
{
    std::string text;
    for (const std::string& message : messages) {
        text += (text.empty() ? "" : "; ") + message;
    }
    // Only a failed file gets looked at again, so this costs nothing on success.
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    std::string reason;
    if (type == std::filesystem::file_type::not_found) {
        reason = CauseText(OpenFailureCause::FileNotFound, path);
    } else if (type == std::filesystem::file_type::directory) {
        reason = path + " is a folder: -r searches folders for .wav files";
    } else if (!error && type != std::filesystem::file_type::regular) {
        reason = path + " is not a regular file";
    } else if (cause != OpenFailureCause::None) {
        reason = CauseText(cause, path);
    }
    if (text.empty()) {
        return reason.empty() ? fallback : reason;
    }
    if (reason.empty() || text.find(reason) != std::string::npos) {
        return text;
    }
    if (reason.back() == '.') {
        reason.pop_back();
    }
    return text + " (" + reason + ")";
}
