#include "CFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

OpenFailureCause NonRegularCause(mode_t mode)
{
    return S_ISDIR(mode) ? OpenFailureCause::AccessDenied : OpenFailureCause::InvalidFile;
}

} // namespace

CFile::~CFile()
{
    Close();
}

OpenStatus CFile::Open(const std::string& path, FileMode mode)
{
    Close();
    lastCause = OpenFailureCause::None;

    // Looked at before opening so that a FIFO or a device is never opened:
    // opening one may block or have side effects.
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return OpenStatus::Missing;
        lastCause = CauseFromErrno(errno);
        return OpenStatus::Failed;
    }
    if (!S_ISREG(before.st_mode)) {
        lastCause = NonRegularCause(before.st_mode);
        return OpenStatus::Failed;
    }
    // The read-only mark protects a file from every writer, root included.
    if (mode == FileMode::ReadWrite && (before.st_mode & S_IWUSR) == 0) {
        lastCause = OpenFailureCause::AccessDenied;
        return OpenStatus::Failed;
    }

    const int flags = (mode == FileMode::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const int opened = ::open(path.c_str(), flags);
    if (opened < 0) {
        if (errno == ENOENT)
            return OpenStatus::Missing;
        lastCause = CauseFromErrno(errno);
        return OpenStatus::Failed;
    }

    // The path may have been replaced between stat and open.
    struct stat now {};
    if (::fstat(opened, &now) != 0) {
        lastCause = CauseFromErrno(errno);
        ::close(opened);
        return OpenStatus::Failed;
    }
    if (!S_ISREG(now.st_mode)) {
        lastCause = NonRegularCause(now.st_mode);
        ::close(opened);
        return OpenStatus::Failed;
    }
    if (mode == FileMode::ReadWrite && (now.st_mode & S_IWUSR) == 0) {
        lastCause = OpenFailureCause::AccessDenied;
        ::close(opened);
        return OpenStatus::Failed;
    }

    fd = opened;
    length = static_cast<std::uint64_t>(now.st_size);
    return OpenStatus::Opened;
}

bool CFile::Close()
{
    if (fd < 0)
        return false;
    ::close(fd);
    fd = -1;
    length = 0;
    head.reset();
    headSize = 0;
    return true;
}

void CFile::CacheHead(std::size_t bytes)
{
    if (fd < 0)
        return;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, length));
    // Left uninitialised: the read fills what is used.
    auto bytesRead = std::make_unique_for_overwrite<unsigned char[]>(wanted);
    headSize = 0;  // so that the read below goes to the file
    headSize = ReadAt(0, bytesRead.get(), wanted);
    head = std::move(bytesRead);
}

std::size_t CFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    if (fd < 0 || count == 0)
        return 0;
    if (offset < headSize && count <= headSize - offset) {
        std::memcpy(buffer, head.get() + offset, count);
        return count;
    }
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        if (at > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
            break;
        const ssize_t got = ::pread(fd, out + done, count - done, static_cast<off_t>(at));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            lastCause = CauseFromErrno(errno);
            break;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool CFile::WriteAt(std::uint64_t offset, const void* buffer, std::size_t count)
{
    if (fd < 0)
        return false;
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::pwrite(fd, in + done, count - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            lastCause = CauseFromErrno(errno);
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    // Keep the cached head in step with what is on disk.
    for (std::size_t i = 0; i < count; ++i) {
        if (offset + i < headSize)
            head[static_cast<std::size_t>(offset + i)] = in[i];
    }
    return true;
}
