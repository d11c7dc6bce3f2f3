#pragma once

#include "CIniDocument.h"
#include "FileReplacement.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A settings file in the Windows private-profile (INI) format, as
// CIniDocument reads and writes it. The parsed file is kept and read again
// only when the file on disk has changed (another identity, size or time),
// so that edits made meanwhile by hand are seen and kept. Only a regular file
// of at most MaxSize bytes is a profile: anything else reads as empty and is
// never written over.
class CProfileFile {
public:
    static constexpr std::uint64_t MaxSize = std::uint64_t{1} << 20;

    explicit CProfileFile(std::filesystem::path file);

    const std::filesystem::path& Path() const { return path; }

    // A missing or unreadable file, section or key gives def.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = {}) const;

    // The value's leading decimal number; def when the key is missing or its
    // value does not start with a number that fits an int.
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // Sets one value and keeps every other line as it was; creates the file and
    // the section when missing. The file is read afresh and replaced as a whole,
    // so it is never left half-written and what another program wrote meanwhile
    // is kept; a value already there is not written again. False, with the file
    // untouched, when it cannot be read or written, carries the read-only mark,
    // or when a name or the value would break the file's line structure.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

    // How many times the file's content has been read from disk.
    std::size_t ContentReads() const { return contentReads; }

private:
    // The document as the file is now (empty for a missing file); nothing
    // when it is not a readable profile.
    const CIniDocument* CurrentDocument() const;

    std::filesystem::path path;
    mutable std::optional<FileStamp> cachedStamp;
    mutable CIniDocument cachedDocument;
    mutable std::size_t contentReads = 0;
};
