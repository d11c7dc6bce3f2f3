#pragma once

#include <cstdint>

// An open file or folder as the system knows it: a descriptor on POSIX
// systems, a HANDLE on Windows. Only platform code looks inside.
using SystemHandle = std::intptr_t;
inline constexpr SystemHandle NoHandle = -1;

// Which file a path named: the same path may later name another file, and
// two paths (a link, another letter case, a short 8.3 name) the same file.
// device is the device number on POSIX systems and the volume serial number
// on Windows; inode the inode or the file index.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Whether two identities are of one file, whatever its size at each look.
inline bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    return a.device == b.device && a.inode == b.inode;
}

// A file's access and modification times in the system's own resolution
// (nanoseconds since 1970 on POSIX systems, 100-nanosecond steps since 1601
// on Windows), to be put back exactly as they were.
struct FileTimes {
    std::int64_t accessed = 0;
    std::int64_t modified = 0;

    bool operator==(const FileTimes&) const = default;
};
