#include "SystemLock.h"

#include "SystemCalls.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LockAttempt TryLockFile(SystemHandle handle)
{
    if (::flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0)
        return LockAttempt::Locked;
    // Any failure but "held elsewhere" means no locks here (ENOLCK,
    // EOPNOTSUPP, EBADF for a read-only descriptor on a network file system).
    return errno == EWOULDBLOCK || errno == EINTR ? LockAttempt::HeldElsewhere : LockAttempt::NoLocks;
}

void WaitLockFile(SystemHandle handle)
{
    RetryInterrupted([handle] { return ::flock(static_cast<int>(handle), LOCK_EX); });
}

SystemHandle DuplicateSystemHandle(SystemHandle handle)
{
    const int copy = ::fcntl(static_cast<int>(handle), F_DUPFD_CLOEXEC, 0);
    return copy >= 0 ? static_cast<SystemHandle>(copy) : NoHandle;
}

void CloseSystemHandle(SystemHandle handle)
{
    ::close(static_cast<int>(handle));
}
