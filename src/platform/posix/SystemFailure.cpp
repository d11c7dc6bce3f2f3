#include "OpenFailureCause.h"

#include <cerrno>
#include <system_error>

namespace {

struct ErrnoRow {
    int error;
    OpenFailureCause cause;
    SystemReason reason;
};

// The one table of what the system's errors mean here; any other error is
// Generic without words.
constexpr ErrnoRow ErrnoTable[] = {
    {0, OpenFailureCause::None, SystemReason::None},
    {ENOENT, OpenFailureCause::FileNotFound, SystemReason::Vanished},
    {ENOTDIR, OpenFailureCause::BadPath, SystemReason::NotAFolderInPath},
    {ENAMETOOLONG, OpenFailureCause::BadPath, SystemReason::NameTooLong},
    {ELOOP, OpenFailureCause::BadPath, SystemReason::TooManyLinks},
    {EMFILE, OpenFailureCause::TooManyOpenFiles, SystemReason::TooManyOpenFiles},
    {ENFILE, OpenFailureCause::TooManyOpenFiles, SystemReason::TooManyOpenFiles},
    {EACCES, OpenFailureCause::AccessDenied, SystemReason::PermissionDenied},
    {EPERM, OpenFailureCause::AccessDenied, SystemReason::PermissionDenied},
    {EROFS, OpenFailureCause::AccessDenied, SystemReason::ReadOnlyFileSystem},
    {EISDIR, OpenFailureCause::AccessDenied, SystemReason::IsFolder},
    {EBADF, OpenFailureCause::InvalidFile, SystemReason::None},
    {ESPIPE, OpenFailureCause::BadSeek, SystemReason::None},
    {EIO, OpenFailureCause::HardIO, SystemReason::InputOutput},
    {ENXIO, OpenFailureCause::HardIO, SystemReason::NoDevice},
    {ENODEV, OpenFailureCause::HardIO, SystemReason::NoDevice},
    {ETXTBSY, OpenFailureCause::SharingViolation, SystemReason::InUse},
    {EBUSY, OpenFailureCause::Generic, SystemReason::InUse},
    {ENOLCK, OpenFailureCause::LockViolation, SystemReason::NoLocks},
    {ENOSPC, OpenFailureCause::DiskFull, SystemReason::NoSpace},
    {EDQUOT, OpenFailureCause::DiskFull, SystemReason::QuotaExceeded},
};

}  // namespace

FileFailure FailureFromSystemError(int error)
{
    for (const ErrnoRow& row : ErrnoTable) {
        if (row.error == error)
            return {row.cause, row.reason};
    }
    return {OpenFailureCause::Generic, SystemReason::None};
}

CoreText SystemErrorWords(int error)
{
    const SystemReason reason = FailureFromSystemError(error).reason;
    return reason == SystemReason::None ? CoreText(std::system_category().message(error)) : ReasonText(reason);
}
