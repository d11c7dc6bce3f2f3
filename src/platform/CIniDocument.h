#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a settings file in the Windows private-profile (INI) format:
// "[Section]" lines and "Key=Value" lines. Section and key names match
// without regard to letter case; values are taken as written, only trimmed of
// surrounding blanks. Every line is kept as written, so that a change leaves
// the rest of a file edited by hand as it was.
class CIniDocument {
public:
    CIniDocument() = default;
    explicit CIniDocument(std::string_view text);

    // The value of key in the first section of that name; nothing when either is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // Whether the names and the value keep the line structure: no line break
    // anywhere, no "]" in the section, no "=" or blanks around the key, and a key.
    static bool Fits(std::string_view section, std::string_view key, std::string_view value);

    // Sets one value and keeps every other line; a missing key goes at the
    // end of its section, a missing section at the end, both with the
    // document's line breaks. False, with nothing changed, when !Fits.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Whether key already holds value exactly as SetValue would write it.
    bool Holds(std::string_view section, std::string_view key, std::string_view value) const;

    std::string Text() const;

private:
    // One line: its text without the line break, and the break itself
    // ("\n", "\r\n" or empty for a last line without one).
    struct Line {
        std::string text;
        std::string ending;
    };
    struct Location {
        std::optional<std::size_t> section;  // index of the "[Section]" line
        std::optional<std::size_t> key;  // index of the key's line
        std::size_t lastInSection = 0;  // last non-blank line of the section
    };

    Location Find(std::string_view section, std::string_view key) const;

    std::vector<Line> lines;
};
