#pragma once

#include "OpenFailureCause.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <memory>

enum class FileMode { Read, ReadWrite };

enum class OpenStatus {
    Opened,
    Missing,  // nothing exists under the path: callers stay silent
    Failed,   // see LastCause()
};

// One open regular file, closed when the object goes. Reads and writes are
// positional, so there is no shared file position to keep track of.
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing regular file; never creates or truncates it. A
    // directory fails with AccessDenied and any other non-regular file with
    // InvalidFile, without being opened. A file without its owner's write
    // permission (the read-only mark) cannot be opened for writing, even by
    // a privileged user.
    OpenStatus Open(const std::string& path, FileMode mode);
    bool IsOpen() const { return fd >= 0; }
    bool Close();

    // Length of the file when it was opened.
    std::uint64_t Length() const { return length; }

    // Reads the first bytes of the file once, so that later small reads
    // inside them cost no system call.
    void CacheHead(std::size_t bytes);

    // Reads up to count bytes at offset; fewer at the end of the file. A
    // failed read counts as end of file and records its cause.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count);

    // Writes all count bytes at offset; false with LastCause() on failure.
    bool WriteAt(std::uint64_t offset, const void* buffer, std::size_t count);

    OpenFailureCause LastCause() const { return lastCause; }

private:
    int fd = -1;
    std::uint64_t length = 0;
    std::unique_ptr<unsigned char[]> head;
    std::size_t headSize = 0;
    OpenFailureCause lastCause = OpenFailureCause::None;
};
