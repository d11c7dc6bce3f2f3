#include "JournalFormat.h"

#include "HexCodec.h"
#include "JsonText.h"

#include "Version.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>
#include <limits>

namespace {

using Json = nlohmann::ordered_json;

// Every key of the format, spelled once for the encoder and the decoder.
enum class Key {
    Journal,
    Time,
    Program,
    Version,
    Arguments,
    Undoes,
    Path,
    PathBytes,
    Device,
    Inode,
    Size,
    Offset,
    Before,
    After,
    Count
};
constexpr const char* KeyNames[] = {"journal",   "time",   "program", "version", "arguments", "undoes", "path",
                                    "pathBytes", "device", "inode",   "size",    "offset",    "before", "after"};
static_assert(std::size(KeyNames) == static_cast<std::size_t>(Key::Count), "every key needs its name");

const char* Name(Key key)
{
    return KeyNames[static_cast<std::size_t>(key)];
}

// The separator and the quoted key before a value: ,"size":
void AppendKey(std::string& line, Key key, bool first = false)
{
    line += first ? "{\"" : ",\"";
    line += Name(key);
    line += "\":";
}

// Writes into room reserved ahead, so that the numbers and bytes of a record
// cost no check of the string's capacity each.
class CRecordTail {
public:
    explicit CRecordTail(char* start) : at(start) {}

    void AddKey(Key key)
    {
        Add(",\"");
        Add(Name(key));
        Add("\":");
    }
    void AddNumber(Key key, std::uint64_t value)
    {
        AddKey(key);
        at = std::to_chars(at, at + 20, value).ptr;
    }
    void AddHex(Key key, const std::vector<unsigned char>& bytes)
    {
        AddKey(key);
        Add("\"");
        at = WriteHex(at, bytes.data(), bytes.size());
        Add("\"");
    }
    void Add(std::string_view text)
    {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    }
    char* End() const { return at; }

private:
    char* at;
};

template <typename T>
bool ReadUnsigned(const Json& object, Key key, T& target, CoreText& failure)
{
    const auto it = object.find(Name(key));
    if (it == object.end() || !it->is_number_unsigned() || it->get<std::uint64_t>() > std::numeric_limits<T>::max()) {
        failure = CoreText(TextId::KeyNotWholeNumber, {Name(key)});
        return false;
    }
    target = it->get<T>();
    return true;
}

bool ReadText(const Json& object, Key key, std::string& target, CoreText& failure)
{
    const auto it = object.find(Name(key));
    if (it == object.end() || !it->is_string()) {
        failure = CoreText(TextId::KeyNotText, {Name(key)});
        return false;
    }
    target = it->get<std::string>();
    return true;
}

bool ReadHex(const Json& object, Key key, std::vector<unsigned char>& target, CoreText& failure)
{
    std::string text;
    if (!ReadText(object, key, text, failure))
        return false;
    auto bytes = DecodeHex(text);
    if (!bytes) {
        failure = CoreText(TextId::KeyNotHex, {Name(key)});
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
    AppendKey(line, Key::Journal, true);
    line += std::to_string(header.journal);
    AppendKey(line, Key::Time);
    AppendJsonString(line, header.time);
    AppendKey(line, Key::Program);
    AppendJsonString(line, header.program);
    AppendKey(line, Key::Version);
    AppendJsonString(line, header.version);
    AppendKey(line, Key::Arguments);
    line += '[';
    for (std::size_t i = 0; i < header.arguments.size(); ++i) {
        if (i != 0)
            line += ',';
        AppendJsonString(line, header.arguments[i]);
    }
    line += ']';
    if (!header.undoes.empty()) {
        AppendKey(line, Key::Undoes);
        AppendJsonString(line, header.undoes);
    }
    line += "}\n";
    return line;
}

void EncodeRecord(std::string& line, const std::string& path, const HeaderPatch& patch)
{
    // Built by hand: this runs once per file of a batch, ahead of its write.
    line.clear();
    line.reserve(160 + path.size() * 3 + 2 * (patch.before.size() + patch.after.size()));
    AppendKey(line, Key::Path, true);
    AppendJsonString(line, path);
    // A name that is not UTF-8 became U+FFFD in the text: its bytes go beside it.
    if (!IsUtf8(path)) {
        AppendKey(line, Key::PathBytes);
        line += '"';
        AppendHex(line, reinterpret_cast<const unsigned char*>(path.data()), path.size());
        line += '"';
    }
    // The rest has a known longest length: four numbers of up to 20 digits, their keys, the bytes.
    const std::size_t start = line.size();
    line.resize(start + 160 + 2 * (patch.before.size() + patch.after.size()));
    CRecordTail tail(line.data() + start);
    tail.AddNumber(Key::Device, patch.identity.device);
    tail.AddNumber(Key::Inode, patch.identity.inode);
    tail.AddNumber(Key::Size, patch.identity.size);
    tail.AddNumber(Key::Offset, patch.offset);
    tail.AddHex(Key::Before, patch.before);
    tail.AddHex(Key::After, patch.after);
    tail.Add("}\n");
    line.resize(static_cast<std::size_t>(tail.End() - line.data()));
}

std::optional<JournalHeader> DecodeHeader(std::string_view line, CoreText& failure)
{
    const auto object = ParseObject(line, failure);
    if (!object)
        return std::nullopt;
    JournalHeader header;
    if (!ReadUnsigned(*object, Key::Journal, header.journal, failure)
        || !ReadText(*object, Key::Time, header.time, failure)
        || !ReadText(*object, Key::Program, header.program, failure)
        || !ReadText(*object, Key::Version, header.version, failure))
        return std::nullopt;
    if (header.journal != JournalFormatVersion) {
        failure = CoreText(TextId::UnknownJournalVersion, {std::to_string(header.journal)});
        return std::nullopt;
    }
    const auto arguments = object->find(Name(Key::Arguments));
    if (arguments != object->end() && arguments->is_array())
        for (const Json& argument : *arguments)
            if (argument.is_string())
                header.arguments.push_back(argument.get<std::string>());
    if (object->contains(Name(Key::Undoes)) && !ReadText(*object, Key::Undoes, header.undoes, failure))
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
    if (!ReadText(*object, Key::Path, record.path, failure)
        || !ReadUnsigned(*object, Key::Device, patch.identity.device, failure)
        || !ReadUnsigned(*object, Key::Inode, patch.identity.inode, failure)
        || !ReadUnsigned(*object, Key::Size, patch.identity.size, failure)
        || !ReadUnsigned(*object, Key::Offset, patch.offset, failure)
        || !ReadHex(*object, Key::Before, patch.before, failure) || !ReadHex(*object, Key::After, patch.after, failure))
        return std::nullopt;
    if (object->contains(Name(Key::PathBytes))) {
        std::vector<unsigned char> bytes;
        if (!ReadHex(*object, Key::PathBytes, bytes, failure))
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
