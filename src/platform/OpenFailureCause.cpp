#include "OpenFailureCause.h"

#include <cerrno>

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

// The ids follow the enums' order.
static_assert(static_cast<int>(TextId::CauseEndOfFile) - static_cast<int>(TextId::CauseNone)
              == static_cast<int>(OpenFailureCause::EndOfFile));
static_assert(static_cast<int>(TextId::CauseEndOfFileBecause) - static_cast<int>(TextId::CauseNoneBecause)
              == static_cast<int>(OpenFailureCause::EndOfFile));
static_assert(static_cast<int>(TextId::ReasonNoLocks) - static_cast<int>(TextId::ReasonReadOnlyFileSystem)
              == static_cast<int>(SystemReason::NoLocks) - static_cast<int>(SystemReason::ReadOnlyFileSystem));

TextId CauseId(OpenFailureCause cause, bool because)
{
    const auto first = because ? TextId::CauseNoneBecause : TextId::CauseNone;
    const auto index = static_cast<int>(cause);
    if (index < 0 || index > static_cast<int>(OpenFailureCause::EndOfFile))
        return because ? TextId::CauseGenericBecause : TextId::CauseGeneric;
    return static_cast<TextId>(static_cast<int>(first) + index);
}

} // namespace

FileFailure FailureFromErrno(int error)
{
    for (const ErrnoRow& row : ErrnoTable) {
        if (row.error == error)
            return {row.cause, row.reason};
    }
    return {OpenFailureCause::Generic, SystemReason::None};
}

OpenFailureCause CauseFromErrno(int error)
{
    return FailureFromErrno(error).cause;
}

CoreText ReasonText(SystemReason reason)
{
    if (reason == SystemReason::None)
        return CoreText(std::string());
    return CoreText(static_cast<TextId>(static_cast<int>(TextId::ReasonReadOnlyFileSystem) + static_cast<int>(reason)
                                        - static_cast<int>(SystemReason::ReadOnlyFileSystem)));
}

CoreText CauseText(OpenFailureCause cause, const std::string& fileName, SystemReason reason)
{
    if (reason == SystemReason::None)
        return CoreText(CauseId(cause, false), {fileName});
    return CoreText(CauseId(cause, true), {fileName, ReasonText(reason)});
}

CoreText CauseText(const FileFailure& failure, const std::string& fileName)
{
    return CauseText(failure.cause, fileName, failure.reason);
}

CoreText OpenFailureMessage(const std::string& fileName, OpenFailureCause cause, SystemReason reason)
{
    const std::string code = std::to_string(static_cast<int>(cause));
    if (reason == SystemReason::None)
        return CoreText(TextId::OpenFailed, {fileName, code});
    return CoreText(TextId::OpenFailedBecause, {fileName, code, ReasonText(reason)});
}

CoreText OpenFailureMessage(const std::string& fileName, const FileFailure& failure)
{
    return OpenFailureMessage(fileName, failure.cause, failure.reason);
}
