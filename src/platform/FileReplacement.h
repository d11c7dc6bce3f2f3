#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What tells one state of a file on disk from another: which file, its size,
// and its modification and status-change times in the system's resolution.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;
    bool operator==(const FileStamp&) const = default;
};

enum class PathLook { Regular, Missing, Other };

// Looks at path without opening it (opening a FIFO or a device may block),
// links followed: Regular with the stamp and whether the read-only mark is
// set, Missing when nothing is there, Other for anything else or when the
// system would not say.
PathLook LookAtPath(const std::string& path, FileStamp& stamp, bool& readOnly);

// Writes content to a new file beside path, flushed to disk, and renames it
// over path, so that path holds either the old or the new content and never
// a mix. The new file has the old one's permissions. stamp receives the new
// file's when it can be taken. False, with path untouched, on any failure.
bool ReplaceFileContent(const std::string& path, const std::string& content, std::optional<FileStamp>& stamp);
