#include "CProfileFile.h"

#include "CFile.h"
#include "SystemCalls.h"

#include <cerrno>
#include <charconv>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

using Line = CProfileFile::Line;

std::vector<Line> SplitLines(const std::string& content)
{
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < content.size()) {
        const auto nl = content.find('\n', at);
        Line line;
        if (nl == std::string::npos) {
            line.text = content.substr(at);
            at = content.size();
        } else {
            line.text = content.substr(at, nl - at);
            line.ending = "\n";
            at = nl + 1;
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.ending.insert(0, "\r");
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The name of a "[Section]" line; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view text)
{
    text = Trim(text);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    text.remove_prefix(1);
    return Trim(text.substr(0, text.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text)
{
    const auto eq = text.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))};
}

// A key line with its value replaced; the key keeps its spelling and spacing.
std::string WithValue(std::string_view text, std::string_view value)
{
    return std::string(text.substr(0, text.find('=') + 1)).append(value);
}

struct Location {
    std::optional<std::size_t> section;  // index of the "[Section]" line
    std::optional<std::size_t> key;      // index of the key's line
    std::size_t lastInSection = 0;       // last non-blank line of the section
};

// The first section of that name, and in it the first line with that key.
Location Find(const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Location where;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view text = lines[i].text;
        if (i == 0 && text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        if (const auto name = SectionName(text)) {
            if (where.section)
                break;
            if (SameName(*name, section)) {
                where.section = i;
                where.lastInSection = i;
            }
            continue;
        }
        if (!where.section)
            continue;
        if (!Trim(text).empty())
            where.lastInSection = i;
        if (const auto entry = ParseKeyLine(text); entry && SameName(entry->key, key)) {
            where.key = i;
            break;
        }
    }
    return where;
}

enum class ReadResult { Read, Missing, Failed };

CProfileFile::Stamp StampOf(const struct stat& info)
{
    constexpr std::int64_t kNano = 1'000'000'000;
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * kNano + info.st_mtim.tv_nsec,
            static_cast<std::int64_t>(info.st_ctim.tv_sec) * kNano + info.st_ctim.tv_nsec};
}

// Looks at what the path names without opening it: a directory, a FIFO, a
// device or an oversized file is no profile (opening or reading one may block
// or never end).
ReadResult Examine(const std::filesystem::path& path, struct stat& info)
{
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    if (!S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_size) > CProfileFile::MaxSize)
        return ReadResult::Failed;
    return ReadResult::Read;
}

ReadResult ReadWhole(const std::filesystem::path& path, std::string& content)
{
    CFile file;
    switch (file.Open(path.string(), FileMode::Read)) {
    case OpenStatus::Missing:
        return ReadResult::Missing;
    case OpenStatus::Failed:
        return ReadResult::Failed;
    case OpenStatus::Opened:
        break;
    }
    // The length as opened bounds the read, however the file grows meanwhile.
    if (file.Length() > CProfileFile::MaxSize)
        return ReadResult::Failed;
    content.resize(static_cast<std::size_t>(file.Length()));
    content.resize(file.ReadAt(0, content.data(), content.size()));
    return file.LastCause() == OpenFailureCause::None ? ReadResult::Read : ReadResult::Failed;
}

bool WriteAll(int fd, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Closes the descriptor it was given when it goes.
struct Descriptor {
    const int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Writes content to a temporary file beside target, flushes it to disk and
// renames it over target, so that target holds either the old or the new text.
// stamp receives that of the new file when it can be taken.
bool ReplaceFile(const std::filesystem::path& target, const std::string& content, mode_t mode,
                 std::optional<CProfileFile::Stamp>& stamp)
{
    std::error_code ec;
    const auto folder = target.parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);

    std::string temporary = target.string() + ".XXXXXX";
    const Descriptor file{::mkstemp(temporary.data())};
    if (file.fd < 0)
        return false;
    const bool written = ::fchmod(file.fd, mode) == 0 && WriteAll(file.fd, content) && ::fsync(file.fd) == 0;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Taken from the file written, once the rename has set its status time.
    struct stat info {};
    if (::fstat(file.fd, &info) == 0)
        stamp = StampOf(info);
    const Descriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

bool BreaksLines(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

CProfileFile::CProfileFile(std::filesystem::path file) : path(std::move(file)) {}

const std::vector<Line>* CProfileFile::CurrentLines() const
{
    struct stat info {};
    if (Examine(path, info) != ReadResult::Read) {
        cachedStamp.reset();
        return nullptr;
    }
    const Stamp now = StampOf(info);
    if (cachedStamp == now)
        return &cachedLines;
    cachedStamp.reset();
    std::string content;
    if (ReadWhole(path, content) != ReadResult::Read)
        return nullptr;
    ++contentReads;
    cachedLines = SplitLines(content);
    cachedStamp = now;
    return &cachedLines;
}

std::string CProfileFile::GetString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::vector<Line>* lines = CurrentLines();
    if (lines == nullptr)
        return std::string(def);
    const Location where = Find(*lines, section, key);
    if (!where.key)
        return std::string(def);
    return std::string(ParseKeyLine((*lines)[*where.key].text)->value);
}

int CProfileFile::GetInt(std::string_view section, std::string_view key, int def) const
{
    const std::string text = GetString(section, key, {});
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data())
        return def;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(value);
}

bool CProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view trimmedKey = Trim(key);
    if (BreaksLines(section) || section.find(']') != std::string_view::npos || BreaksLines(key)
        || trimmedKey.empty() || trimmedKey != key || key.find('=') != std::string_view::npos
        || key.front() == '[' || BreaksLines(value))
        return false;

    // A profile that is a link keeps being one: the file it points to is replaced.
    std::error_code ec;
    const bool link = std::filesystem::is_symlink(path, ec);
    const std::filesystem::path target = link ? std::filesystem::weakly_canonical(path, ec) : path;
    if (link && ec)
        return false;

    struct stat info {};
    const ReadResult state = Examine(target, info);
    if (state == ReadResult::Failed)
        return false;
    std::string content;
    mode_t mode = 0644;
    if (state == ReadResult::Read) {
        // The read-only mark protects the profile from every writer, root included.
        if (HasReadOnlyMark(info.st_mode))
            return false;
        mode = info.st_mode & 07777;
        if (cachedStamp == StampOf(info)) {
            const Location cached = Find(cachedLines, section, key);
            if (cached.key && cachedLines[*cached.key].text == WithValue(cachedLines[*cached.key].text, value))
                return true;
        }
        // Read afresh, so that what another program wrote meanwhile is kept.
        const ReadResult read = ReadWhole(target, content);
        if (read == ReadResult::Failed)
            return false;
        if (read == ReadResult::Read)
            ++contentReads;
    }
    auto lines = SplitLines(content);
    const std::string eol = (!lines.empty() && lines.front().ending == "\r\n") ? "\r\n" : "\n";

    const Location where = Find(lines, section, key);
    if (where.key) {
        Line& line = lines[*where.key];
        line.text = WithValue(line.text, value);
    } else {
        std::vector<Line> added;
        if (!where.section)
            added.push_back({"[" + std::string(section) + "]", eol});
        added.push_back({std::string(key) + "=" + std::string(value), eol});
        const std::size_t after = where.section ? where.lastInSection : lines.size() - (lines.empty() ? 0 : 1);
        if (!lines.empty() && lines[after].ending.empty())
            lines[after].ending = eol;
        const auto insertAt = lines.empty() ? lines.end() : lines.begin() + static_cast<std::ptrdiff_t>(after + 1);
        lines.insert(insertAt, added.begin(), added.end());
    }

    std::string out;
    out.reserve(content.size() + key.size() + value.size() + section.size() + 8);
    for (const Line& line : lines)
        out.append(line.text).append(line.ending);
    // Grown past the limit, the profile would no longer be read at all.
    if (out.size() > MaxSize)
        return false;
    std::optional<Stamp> written;
    if (out != content && !ReplaceFile(target, out, mode, written))
        return false;
    cachedLines = std::move(lines);
    cachedStamp = out != content ? written : std::optional(StampOf(info));
    return true;
}

bool CProfileFile::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}
