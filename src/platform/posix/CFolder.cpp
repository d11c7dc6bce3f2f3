#include "CFolder.h"

#include "NamedPath.h"
#include "PosixNamedPath.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// O_DIRECTORY refuses a FIFO before it could block; O_NONBLOCK is a second guard.
constexpr int Flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

}  // namespace

CFolder::~CFolder()
{
    if (handle != NoHandle)
        ::close(static_cast<int>(handle));
}

FileFailure CFolder::Open(const std::string& folderPath)
{
    if (handle != NoHandle)
        ::close(static_cast<int>(handle));
    path = folderPath;
    const int fd = OpenNamedPath(path, Flags, linkRefusal);
    handle = fd < 0 ? NoHandle : fd;
    return fd >= 0 ? FileFailure{} : FailureFromSystemError(errno);
}

void CFolder::Adopt(SystemHandle opened, std::string openedPath)
{
    if (handle != NoHandle)
        ::close(static_cast<int>(handle));
    handle = opened < 0 ? NoHandle : opened;
    path = std::move(openedPath);
}

FileFailure CFolder::OpenIn(const CFolder& parent, const std::string& name)
{
    if (handle != NoHandle)
        ::close(static_cast<int>(handle));
    path = parent.path + '/' + name;
    const int fd = ::openat(static_cast<int>(parent.handle), name.c_str(), Flags | O_NOFOLLOW);
    handle = fd < 0 ? NoHandle : fd;
    if (fd >= 0)
        return {};
    const int error = errno;
    return error == ELOOP ? FileFailure{OpenFailureCause::BadPath, SystemReason::SymbolicLink}
                          : FailureFromSystemError(error);
}

FileFailure CFolder::List(std::vector<Entry>& entries) const
{
    const int fd = static_cast<int>(handle);
    // The stream takes its own descriptor: closing it must leave ours open.
    const int listed = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (listed < 0)
        return FailureFromSystemError(errno);
    DIR* dir = ::fdopendir(listed);
    if (dir == nullptr) {
        const int error = errno;
        ::close(listed);
        return FailureFromSystemError(error);
    }
    ::rewinddir(dir);
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            error = errno;
            break;
        }
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            // Some file systems leave the type out of the listing.
            struct stat info {};
            if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : DT_LNK;
        }
        entries.push_back({entry->d_name,
                           type == DT_REG       ? EntryType::File
                               : type == DT_DIR ? EntryType::Folder
                                                : EntryType::Other});
    }
    ::closedir(dir);
    return FailureFromSystemError(error);
}
