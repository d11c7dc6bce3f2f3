#include "OpenFailureCause.h"

#include "WideText.h"

#include <windows.h>

namespace {

// Not named by the mingw-w64 headers.
constexpr DWORD DiskQuotaExceeded = 1295;

struct ErrorRow {
    DWORD error;
    OpenFailureCause cause;
    SystemReason reason;
};

// The one table of what Windows' errors mean here; any other error is
// Generic without words.
constexpr ErrorRow ErrorTable[] = {
    {ERROR_SUCCESS, OpenFailureCause::None, SystemReason::None},
    {ERROR_FILE_NOT_FOUND, OpenFailureCause::FileNotFound, SystemReason::Vanished},
    {ERROR_PATH_NOT_FOUND, OpenFailureCause::BadPath, SystemReason::NotAFolderInPath},
    {ERROR_DIRECTORY, OpenFailureCause::BadPath, SystemReason::NotAFolderInPath},
    {ERROR_INVALID_NAME, OpenFailureCause::BadPath, SystemReason::None},
    {ERROR_BAD_PATHNAME, OpenFailureCause::BadPath, SystemReason::None},
    {ERROR_INVALID_DRIVE, OpenFailureCause::BadPath, SystemReason::NoDevice},
    {ERROR_BAD_NETPATH, OpenFailureCause::BadPath, SystemReason::NoDevice},
    {ERROR_BAD_NET_NAME, OpenFailureCause::BadPath, SystemReason::NoDevice},
    {ERROR_FILENAME_EXCED_RANGE, OpenFailureCause::BadPath, SystemReason::NameTooLong},
    {ERROR_CANT_RESOLVE_FILENAME, OpenFailureCause::BadPath, SystemReason::TooManyLinks},
    {ERROR_TOO_MANY_OPEN_FILES, OpenFailureCause::TooManyOpenFiles, SystemReason::TooManyOpenFiles},
    {ERROR_ACCESS_DENIED, OpenFailureCause::AccessDenied, SystemReason::PermissionDenied},
    {ERROR_WRITE_PROTECT, OpenFailureCause::AccessDenied, SystemReason::ReadOnlyFileSystem},
    {ERROR_INVALID_HANDLE, OpenFailureCause::InvalidFile, SystemReason::None},
    {ERROR_SEEK, OpenFailureCause::BadSeek, SystemReason::None},
    {ERROR_NOT_READY, OpenFailureCause::HardIO, SystemReason::NoDevice},
    {ERROR_CRC, OpenFailureCause::HardIO, SystemReason::InputOutput},
    {ERROR_IO_DEVICE, OpenFailureCause::HardIO, SystemReason::InputOutput},
    {ERROR_SHARING_VIOLATION, OpenFailureCause::SharingViolation, SystemReason::InUse},
    {ERROR_LOCK_VIOLATION, OpenFailureCause::LockViolation, SystemReason::InUse},
    {ERROR_HANDLE_DISK_FULL, OpenFailureCause::DiskFull, SystemReason::NoSpace},
    {ERROR_DISK_FULL, OpenFailureCause::DiskFull, SystemReason::NoSpace},
    {DiskQuotaExceeded, OpenFailureCause::DiskFull, SystemReason::QuotaExceeded},
    {ERROR_HANDLE_EOF, OpenFailureCause::EndOfFile, SystemReason::None},
};

}  // namespace

FileFailure FailureFromSystemError(int error)
{
    for (const ErrorRow& row : ErrorTable) {
        if (row.error == static_cast<DWORD>(error))
            return {row.cause, row.reason};
    }
    return {OpenFailureCause::Generic, SystemReason::None};
}

CoreText SystemErrorWords(int error)
{
    const SystemReason reason = FailureFromSystemError(error).reason;
    return reason == SystemReason::None ? CoreText(SystemErrorText(static_cast<unsigned long>(error)))
                                        : ReasonText(reason);
}
