#include "CProfileFile.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
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

// One line of the file: its text without the line break, and the break itself
// ("\n", "\r\n" or empty for a last line without one).
struct Line {
    std::string text;
    std::string ending;
};

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

ReadResult ReadWhole(const std::filesystem::path& path, std::string& content)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return ec ? ReadResult::Failed : ReadResult::Missing;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ReadResult::Failed;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? ReadResult::Failed : ReadResult::Read;
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

// Writes content to a temporary file beside target, flushes it to disk and
// renames it over target, so that target holds either the old or the new text.
bool ReplaceFile(const std::filesystem::path& target, const std::string& content)
{
    std::error_code ec;
    const auto folder = target.parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);

    std::string temporary = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool BreaksLines(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

CProfileFile::CProfileFile(std::filesystem::path file) : path(std::move(file)) {}

std::string CProfileFile::GetString(std::string_view section, std::string_view key, std::string_view def) const
{
    std::string content;
    if (ReadWhole(path, content) != ReadResult::Read)
        return std::string(def);
    const auto lines = SplitLines(content);
    const Location where = Find(lines, section, key);
    if (!where.key)
        return std::string(def);
    return std::string(ParseKeyLine(lines[*where.key].text)->value);
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

    std::string content;
    if (ReadWhole(target, content) == ReadResult::Failed)
        return false;
    auto lines = SplitLines(content);
    const std::string eol = (!lines.empty() && lines.front().ending == "\r\n") ? "\r\n" : "\n";

    const Location where = Find(lines, section, key);
    if (where.key) {
        Line& line = lines[*where.key];
        line.text = line.text.substr(0, line.text.find('=') + 1).append(value);
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
    return ReplaceFile(target, out);
}

bool CProfileFile::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}
