#include "ReadOnlyMark.h"

#include <cerrno>

#include <sys/stat.h>

ReadOnlyState QueryReadOnly(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return ReadOnlyState::Missing;
    return (info.st_mode & S_IWUSR) != 0 ? ReadOnlyState::Writable : ReadOnlyState::ReadOnly;
}

OpenFailureCause ClearReadOnly(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return CauseFromErrno(errno);
    // chmod touches only the change time, never the access or modification times.
    if (::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) != 0)
        return CauseFromErrno(errno);
    return OpenFailureCause::None;
}
