#include "CReplacementFile.h"

#include "CFolder.h"
#include "PosixNamedPath.h"

#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CReplacementFile::~CReplacementFile()
{
    if (!temporary.empty())
        ::unlinkat(static_cast<int>(where.entry.folder->Handle()), temporary.c_str(), 0);
}

int CReplacementFile::Create(const std::string& path, std::optional<CoreText>& refusal)
{
    // A device, a pipe or a terminal (/dev/stdout) is written in place.
    const int existing = OpenNamedPath(path, O_RDWR | O_CLOEXEC | O_NOCTTY, refusal);
    struct stat info {};
    if (existing >= 0 && ::fstat(existing, &info) == 0 && !S_ISREG(info.st_mode))
        return existing;
    PathFailure failure;
    const bool resolved = ResolveNamedPath(path, where, failure);
    // So is a file named as an open file of a process (/dev/fd/1): another
    // file under its name would not be the open one.
    if (existing >= 0 && resolved && where.throughProcesses)
        return existing;
    if (existing >= 0)
        ::close(existing);
    if (!resolved) {
        refusal = failure.refusal;
        errno = failure.error;
        return -1;
    }
    const int folder = static_cast<int>(where.entry.folder->Handle());
    const std::string& name = where.entry.name;
    // An unguessable name: in a folder others may write, a name made ahead only costs a retry.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = "." + name + "." + std::to_string(random() % 1000000000);
        const int fd = ::openat(folder, temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    temporary.clear();
    errno = error;
    return -1;
}

bool CReplacementFile::Commit()
{
    if (temporary.empty())
        return true;
    const int folder = static_cast<int>(where.entry.folder->Handle());
    if (::renameat(folder, temporary.c_str(), folder, where.entry.name.c_str()) != 0)
        return false;
    temporary.clear();
    renamed = true;
    return true;
}

bool CReplacementFile::SyncFolder() const
{
    if (!renamed)
        return true;
    // The folder is held for lookups only; syncing needs it opened for reading.
    const int folder
        = ::openat(static_cast<int>(where.entry.folder->Handle()), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return false;
    const bool synced = ::fsync(folder) == 0;
    const int error = errno;
    ::close(folder);
    errno = error;
    return synced;
}
