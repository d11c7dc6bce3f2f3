#include "CIniDocument.h"

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

bool BreaksLines(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

CIniDocument::CIniDocument(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto nl = text.find('\n', at);
        Line line;
        if (nl == std::string_view::npos) {
            line.text = text.substr(at);
            at = text.size();
        } else {
            line.text = text.substr(at, nl - at);
            line.ending = "\n";
            at = nl + 1;
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.ending.insert(0, "\r");
        }
        lines.push_back(std::move(line));
    }
}

CIniDocument::Location CIniDocument::Find(std::string_view section, std::string_view key) const
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

std::optional<std::string_view> CIniDocument::Value(std::string_view section, std::string_view key) const
{
    const Location where = Find(section, key);
    if (!where.key)
        return std::nullopt;
    return ParseKeyLine(lines[*where.key].text)->value;
}

bool CIniDocument::Fits(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view trimmedKey = Trim(key);
    return !BreaksLines(section) && !BreaksLines(key) && section.find(']') == std::string_view::npos
        && !trimmedKey.empty() && trimmedKey == key && key.find('=') == std::string_view::npos && key.front() != '['
        && !BreaksLines(value);
}

bool CIniDocument::Holds(std::string_view section, std::string_view key, std::string_view value) const
{
    const Location where = Find(section, key);
    return where.key && lines[*where.key].text == WithValue(lines[*where.key].text, value);
}

bool CIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (!Fits(section, key, value))
        return false;
    const Location where = Find(section, key);
    if (where.key) {
        Line& line = lines[*where.key];
        line.text = WithValue(line.text, value);
        return true;
    }
    const std::string eol = (!lines.empty() && lines.front().ending == "\r\n") ? "\r\n" : "\n";
    std::vector<Line> added;
    if (!where.section)
        added.push_back({"[" + std::string(section) + "]", eol});
    added.push_back({std::string(key) + "=" + std::string(value), eol});
    const std::size_t after = where.section ? where.lastInSection : lines.size() - (lines.empty() ? 0 : 1);
    if (!lines.empty() && lines[after].ending.empty())
        lines[after].ending = eol;
    const auto insertAt = lines.empty() ? lines.end() : lines.begin() + static_cast<std::ptrdiff_t>(after + 1);
    lines.insert(insertAt, added.begin(), added.end());
    return true;
}

std::string CIniDocument::Text() const
{
    std::size_t size = 0;
    for (const Line& line : lines)
        size += line.text.size() + line.ending.size();
    std::string out;
    out.reserve(size);
    for (const Line& line : lines)
        out.append(line.text).append(line.ending);
    return out;
}
