#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A settings file in the Windows private-profile (INI) format: "[Section]" lines
// and "Key=Value" lines. Section and key names match without regard to letter
// case; values are taken as written, only trimmed of surrounding blanks. The
// file is read afresh on every call, so edits made meanwhile by hand are seen
// and kept.
class CProfileFile {
public:
    explicit CProfileFile(std::filesystem::path file);

    const std::filesystem::path& Path() const { return path; }

    // A missing file, section or key gives def.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = {}) const;

    // The value's leading decimal number; def when the key is missing or its
    // value does not start with a number that fits an int.
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // Sets one value and keeps every other line as it was; creates the file and
    // the section when missing. The file is replaced as a whole (temporary file,
    // then rename), so it is never left half-written. False, with the file
    // untouched, when it cannot be written or when a name or the value would
    // break the file's line structure (a line break, or "=" / "]" in a name).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

private:
    std::filesystem::path path;
};
