#include "CFile.h"

#include "CFolder.h"
#include "FileCalls.h"
#include "NamedPath.h"
#include "PosixNamedPath.h"
#include "PosixTimes.h"
#include "SystemCalls.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileFailure NonRegularFailure(mode_t mode)
{
    return S_ISDIR(mode) ? FileFailure{OpenFailureCause::AccessDenied, SystemReason::IsFolder}
                         : FileFailure{OpenFailureCause::InvalidFile, SystemReason::NotRegularFile};
}

bool Refused(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

static_assert(sizeof(off_t) == 8, "64-bit file offsets");

// Reading a header to rewrite it is no access to the audio, and leaving the
// access time alone spares a journalled inode update per file. The kernel
// grants it only to the file's owner (or a privileged user): after the first
// refusal the rest of the run opens without it.
std::atomic<bool> noAccessTimeRefused{false};

// A named path goes through OpenNamedPath (links as this run allows them,
// any length); an entry of an open folder is opened right there.
int OpenEntry(int folderFd, const char* name, int flags, bool named, std::optional<CoreText>& refusal)
{
    return named ? OpenNamedPath(name, flags, refusal) : ::openat(folderFd, name, flags);
}

int OpenKeepingAccessTime(int folderFd, const char* name, int flags, bool named, std::optional<CoreText>& refusal)
{
    if (!noAccessTimeRefused.load(std::memory_order_relaxed)) {
        const int opened = OpenEntry(folderFd, name, flags | O_NOATIME, named, refusal);
        if (opened >= 0 || errno != EPERM)
            return opened;
        noAccessTimeRefused.store(true, std::memory_order_relaxed);
    }
    return OpenEntry(folderFd, name, flags, named, refusal);
}

}  // namespace

FileCalls& CurrentFileCalls()
{
    static FileCalls calls{::pread, ::pwrite, ::close};
    return calls;
}

OpenStatus CFile::OpenAt(const CFolder* inFolder, const std::string& entry, FileMode mode, bool follow)
{
    Close();
    const int folderFd = inFolder != nullptr ? static_cast<int>(inFolder->Handle()) : AT_FDCWD;
    lastFailure = {};
    linkRefusal.reset();

    // O_NONBLOCK: a FIFO opens at once and is then refused below, unread.
    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW);
    int opened = OpenKeepingAccessTime(folderFd, entry.c_str(),
                                       flags | (mode == FileMode::ReadWrite ? O_RDWR : O_RDONLY), follow, linkRefusal);
    int error = errno;
    bool forWriting = mode == FileMode::ReadWrite && opened >= 0;
    struct stat info {};
    bool known = false;
    if (opened < 0 && mode == FileMode::ReadWrite && Refused(error) && !linkRefusal) {
        // Refused for writing: only a read-only mark, which the user may
        // clear, gives a reason to keep it open.
        opened = OpenKeepingAccessTime(folderFd, entry.c_str(), flags | O_RDONLY, follow, linkRefusal);
        known = opened >= 0 && ::fstat(opened, &info) == 0;
        if (opened >= 0 && (!known || !S_ISREG(info.st_mode) || !HasReadOnlyMark(info.st_mode))) {
            ::close(opened);
            opened = -1;
        }
    }
    if (opened < 0) {
        if (error == ENOENT)
            return OpenStatus::Missing;
        lastFailure = FailureFromSystemError(error);
        // Refused by O_NOFOLLOW: a link in the entry's place.
        if (error == ELOOP && !follow)
            lastFailure.reason = SystemReason::SymbolicLink;
        return OpenStatus::Failed;
    }
    if (!known && ::fstat(opened, &info) != 0) {
        lastFailure = FailureFromSystemError(errno);
        ::close(opened);
        return OpenStatus::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        lastFailure = NonRegularFailure(info.st_mode);
        ::close(opened);
        return OpenStatus::Failed;
    }

    handle = opened;
    folder = inFolder;
    // Only a file opened for reading is opened again (for writing) by name.
    if (!forWriting)
        name = entry;
    followLinks = follow;
    writable = forWriting;
    readOnlyMarked = HasReadOnlyMark(info.st_mode);
    permissions = info.st_mode & 07777;
    owner = info.st_uid;
    length = static_cast<std::uint64_t>(info.st_size);
    device = static_cast<std::uint64_t>(info.st_dev);
    inode = static_cast<std::uint64_t>(info.st_ino);
    times = {NanosecondsOf(info.st_atim), NanosecondsOf(info.st_mtim)};
    return OpenStatus::Opened;
}

OpenFailureCause CFile::ClearReadOnlyMark()
{
    if (handle == NoHandle) {
        lastFailure = {OpenFailureCause::InvalidFile, SystemReason::None};
        return lastFailure.cause;
    }
    const int fd = static_cast<int>(handle);
    // fchmod changes only the change time, never the access or modification times.
    if (readOnlyMarked && ::fchmod(fd, WithoutReadOnlyMark(permissions)) != 0)
        return (lastFailure = FailureFromSystemError(errno)).cause;
    readOnlyMarked = false;
    permissions = WithoutReadOnlyMark(permissions);
    if (writable)
        return OpenFailureCause::None;

    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_RDWR | (followLinks ? 0 : O_NOFOLLOW);
    const int folderFd = folder != nullptr ? static_cast<int>(folder->Handle()) : AT_FDCWD;
    const int again = OpenKeepingAccessTime(folderFd, name.c_str(), flags, followLinks, linkRefusal);
    if (again < 0)
        return (lastFailure = FailureFromSystemError(errno)).cause;
    struct stat info {};
    // Someone may have put another file under the name since the first open.
    if (::fstat(again, &info) != 0 || static_cast<std::uint64_t>(info.st_dev) != device
        || static_cast<std::uint64_t>(info.st_ino) != inode) {
        ::close(again);
        lastFailure = {OpenFailureCause::AccessDenied, SystemReason::None};
        return lastFailure.cause;
    }
    updateLock.Retire(handle);
    handle = again;
    writable = true;
    return OpenFailureCause::None;
}

bool CFile::Close()
{
    if (handle == NoHandle)
        return false;
    updateLock.Release(handle);
    const bool closed = CurrentFileCalls().close(static_cast<int>(handle)) == 0;
    if (!closed)
        lastFailure = FailureFromSystemError(errno);
    Forget();
    return closed;
}

std::size_t CFile::ReadSome(std::uint64_t offset, unsigned char* out, std::size_t count)
{
    const int fd = static_cast<int>(handle);
    const ssize_t got
        = RetryInterrupted([&] { return CurrentFileCalls().pread(fd, out, count, static_cast<off_t>(offset)); });
    if (got < 0) {
        lastFailure = FailureFromSystemError(errno);
        return 0;
    }
    return static_cast<std::size_t>(got);
}

std::size_t CFile::WriteSome(std::uint64_t offset, const unsigned char* bytes, std::size_t count)
{
    const int fd = static_cast<int>(handle);
    const ssize_t put
        = RetryInterrupted([&] { return CurrentFileCalls().pwrite(fd, bytes, count, static_cast<off_t>(offset)); });
    if (put <= 0) {
        lastFailure
            = put < 0 ? FailureFromSystemError(errno) : FileFailure{OpenFailureCause::DiskFull, SystemReason::NoSpace};
        return 0;
    }
    return static_cast<std::size_t>(put);
}

std::uint64_t CFile::NextData(std::uint64_t offset) const
{
    if (handle == NoHandle || offset >= length)
        return length;
    const off_t data = ::lseek(static_cast<int>(handle), static_cast<off_t>(offset), SEEK_DATA);
    if (data >= 0)
        return std::min(static_cast<std::uint64_t>(data), length);
    // ENXIO: nothing but a hole up to the end; anything else: the file system cannot tell.
    return errno == ENXIO ? length : offset;
}

bool CFile::RestoreTimes()
{
    const timespec kept[2] = {TimespecOf(times.accessed), TimespecOf(times.modified)};
    if (handle != NoHandle && ::futimens(static_cast<int>(handle), kept) == 0)
        return true;
    lastFailure = FailureFromSystemError(errno);
    return false;
}
