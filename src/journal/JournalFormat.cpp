#include "JournalFormat.h"

#include "platform/ByteWords.h"

#include "Version.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>

namespace {

using Json = nlohmann::ordered_json;

constexpr char HexDigits[] = "0123456789abcdef";

using bytewords::HasBelow;
using bytewords::Highs;
using bytewords::Holds;
using bytewords::Load8;

// Writes two lower-case hex digits per byte from out on; returns the end.
char* WriteHex(char* out, const unsigned char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        *out++ = HexDigits[bytes[i] >> 4];
        *out++ = HexDigits[bytes[i] & 0x0F];
    }
    return out;
}

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

void AppendHex(std::string& text, const unsigned char* bytes, std::size_t count)
{
    const std::size_t at = text.size();
    text.resize(at + 2 * count);
    WriteHex(text.data() + at, bytes, count);
}

std::optional<std::vector<unsigned char>> DecodeHex(const std::string& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    const auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::vector<unsigned char> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = nibble(text[i]);
        const int low = nibble(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(high << 4 | low));
    }
    return bytes;
}

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

// Appends text as a JSON string; bytes that are not UTF-8 become U+FFFD.
void AppendQuoted(std::string& line, const std::string& text, bool utf8)
{
    if (!utf8) {
        line += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    line += '"';
    // Runs of bytes that need no escape go in at once.
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0;;) {
        const std::size_t plain = UnescapedRun(text.data() + i, end);
        line.append(text, i, plain);
        i += plain;
        if (i == text.size())
            break;
        const char c = text[i++];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20) {
            line += '\\';
            line += c;
        } else {
            line += "\\u00";
            AppendHex(line, &byte, 1);
        }
    }
    line += '"';
}

// Appends text as a JSON string, byte for byte as the JSON library writes it.
void AppendText(std::string& line, const std::string& text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (plain && IsUtf8(text))
        AppendQuoted(line, text, true);
    else
        line += Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Writes into room reserved ahead, so that the numbers and bytes of a record
// cost no check of the string's capacity each.
class CRecordTail {
public:
    explicit CRecordTail(char* start)
        : at(start)
    {
    }

    // field: the separator and key before the value, such as ,"size":
    void AddNumber(std::string_view field, std::uint64_t value)
    {
        Add(field);
        at = std::to_chars(at, at + 20, value).ptr;
    }
    void Add(std::string_view text)
    {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    }
    void AddHex(const std::vector<unsigned char>& bytes) { at = WriteHex(at, bytes.data(), bytes.size()); }
    char* End() const { return at; }

private:
    char* at;
};

template <typename T>
bool ReadUnsigned(const Json& object, const char* key, T& target, CoreText& failure)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number_unsigned() ||
        it->get<std::uint64_t>() > std::numeric_limits<T>::max()) {
        failure = CoreText(TextId::KeyNotWholeNumber, {key});
        return false;
    }
    target = it->get<T>();
    return true;
}

bool ReadText(const Json& object, const char* key, std::string& target, CoreText& failure)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string()) {
        failure = CoreText(TextId::KeyNotText, {key});
        return false;
    }
    target = it->get<std::string>();
    return true;
}

bool ReadHex(const Json& object, const char* key, std::vector<unsigned char>& target, CoreText& failure)
{
    std::string text;
    if (!ReadText(object, key, text, failure))
        return false;
    auto bytes = DecodeHex(text);
    if (!bytes) {
        failure = CoreText(TextId::KeyNotHex, {key});
        return false;
    }
    target = std::move(*bytes);
    return true;
}

std::optional<Json> ParseObject(std::string_view line, CoreText& failure)
{
    Json object = Json::parse(line, nullptr, false);
    if (object.is_discarded() || !object.is_object()) {
        failure = TextId::NotJsonObject;
        return std::nullopt;
    }
    return object;
}

}  // namespace

std::string JournalTimeNow()
{
    using namespace std::chrono;
    // The calendar of the standard library: the same on every system.
    const auto now = floor<microseconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date(day);
    const hh_mm_ss time(now - day);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%06dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
    return text;
}

JournalHeader NewBatchHeader(const char* program, std::vector<std::string> arguments, std::string undoes)
{
    return {JournalFormatVersion, JournalTimeNow(), program, QuelbrookVersion, std::move(arguments), std::move(undoes)};
}

std::string EncodeHeader(const JournalHeader& header)
{
    // Built by hand: the arguments name every file of the batch.
    std::size_t size = 128 + header.time.size() + header.program.size() + header.version.size() + header.undoes.size();
    for (const std::string& argument : header.arguments)
        size += argument.size() + 3;
    std::string line;
    line.reserve(size);
    line += "{\"journal\":";
    line += std::to_string(header.journal);
    line += ",\"time\":";
    AppendText(line, header.time);
    line += ",\"program\":";
    AppendText(line, header.program);
    line += ",\"version\":";
    AppendText(line, header.version);
    line += ",\"arguments\":[";
    for (std::size_t i = 0; i < header.arguments.size(); ++i) {
        if (i != 0)
            line += ',';
        AppendText(line, header.arguments[i]);
    }
    line += ']';
    if (!header.undoes.empty()) {
        line += ",\"undoes\":";
        AppendText(line, header.undoes);
    }
    line += "}\n";
    return line;
}

void EncodeRecord(std::string& line, const std::string& path, const HeaderPatch& patch)
{
    // Built by hand: this runs once per file of a batch, ahead of its write.
    line.clear();
    line.reserve(160 + path.size() * 3 + 2 * (patch.before.size() + patch.after.size()));
    const bool utf8 = IsUtf8(path);
    line += "{\"path\":";
    AppendQuoted(line, path, utf8);
    if (!utf8) {
        line += ",\"pathBytes\":\"";
        AppendHex(line, reinterpret_cast<const unsigned char*>(path.data()), path.size());
        line += '"';
    }
    // The rest has a known longest length: four numbers of up to 20 digits, their keys, the bytes.
    const std::size_t start = line.size();
    line.resize(start + 160 + 2 * (patch.before.size() + patch.after.size()));
    CRecordTail tail(line.data() + start);
    tail.AddNumber(",\"device\":", patch.identity.device);
    tail.AddNumber(",\"inode\":", patch.identity.inode);
    tail.AddNumber(",\"size\":", patch.identity.size);
    tail.AddNumber(",\"offset\":", patch.offset);
    tail.Add(",\"before\":\"");
    tail.AddHex(patch.before);
    tail.Add("\",\"after\":\"");
    tail.AddHex(patch.after);
    tail.Add("\"}\n");
    line.resize(static_cast<std::size_t>(tail.End() - line.data()));
}

std::optional<JournalHeader> DecodeHeader(std::string_view line, CoreText& failure)
{
    const auto object = ParseObject(line, failure);
    if (!object)
        return std::nullopt;
    JournalHeader header;
    if (!ReadUnsigned(*object, "journal", header.journal, failure) || !ReadText(*object, "time", header.time, failure) ||
        !ReadText(*object, "program", header.program, failure) ||
        !ReadText(*object, "version", header.version, failure))
        return std::nullopt;
    if (header.journal != JournalFormatVersion) {
        failure = CoreText(TextId::UnknownJournalVersion, {std::to_string(header.journal)});
        return std::nullopt;
    }
    const auto arguments = object->find("arguments");
    if (arguments != object->end() && arguments->is_array())
        for (const Json& argument : *arguments)
            if (argument.is_string())
                header.arguments.push_back(argument.get<std::string>());
    if (object->contains("undoes") && !ReadText(*object, "undoes", header.undoes, failure))
        return std::nullopt;
    return header;
}

std::optional<JournalRecord> DecodeRecord(std::string_view line, CoreText& failure)
{
    const auto object = ParseObject(line, failure);
    if (!object)
        return std::nullopt;
    JournalRecord record;
    HeaderPatch& patch = record.patch;
    if (!ReadText(*object, "path", record.path, failure) ||
        !ReadUnsigned(*object, "device", patch.identity.device, failure) ||
        !ReadUnsigned(*object, "inode", patch.identity.inode, failure) ||
        !ReadUnsigned(*object, "size", patch.identity.size, failure) ||
        !ReadUnsigned(*object, "offset", patch.offset, failure) || !ReadHex(*object, "before", patch.before, failure) ||
        !ReadHex(*object, "after", patch.after, failure))
        return std::nullopt;
    if (object->contains("pathBytes")) {
        std::vector<unsigned char> bytes;
        if (!ReadHex(*object, "pathBytes", bytes, failure))
            return std::nullopt;
        record.path.assign(bytes.begin(), bytes.end());
    }
    // The system would read the name only up to the NUL: another file's.
    if (record.path.find('\0') != std::string::npos) {
        failure = TextId::PathHoldsNul;
        return std::nullopt;
    }
    if (patch.before.size() != patch.after.size() || patch.before.empty()) {
        failure = TextId::BeforeAfterMismatch;
        return std::nullopt;
    }
    return record;
}
