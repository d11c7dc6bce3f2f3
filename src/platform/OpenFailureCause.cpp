#include "OpenFailureCause.h"

namespace {

const char* CauseFormat(OpenFailureCause cause)
{
    switch (cause) {
    case OpenFailureCause::None: return "No error occurred.";
    case OpenFailureCause::Generic: return "An unknown error occurred while accessing %1.";
    case OpenFailureCause::FileNotFound: return "%1 was not found.";
    case OpenFailureCause::BadPath: return "%1 contains an invalid path.";
    case OpenFailureCause::TooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case OpenFailureCause::AccessDenied: return "Access to %1 was denied.";
    case OpenFailureCause::InvalidFile: return "An invalid file handle was associated with %1.";
    case OpenFailureCause::RemoveCurrentDir:
        return "%1 could not be removed because it is the current directory.";
    case OpenFailureCause::DirectoryFull:
        return "%1 could not be created because the directory is full.";
    case OpenFailureCause::BadSeek: return "Seek failed on %1";
    case OpenFailureCause::HardIO: return "A hardware I/O error was reported while accessing %1.";
    case OpenFailureCause::SharingViolation: return "A sharing violation occurred while accessing %1.";
    case OpenFailureCause::LockViolation: return "A locking violation occurred while accessing %1.";
    case OpenFailureCause::DiskFull: return "Disk full while accessing %1.";
    case OpenFailureCause::EndOfFile: return "An attempt was made to access %1 past its end.";
    }
    return "An unknown error occurred while accessing %1.";
}

std::string ReplaceFirst(std::string text, std::string_view placeholder, const std::string& value)
{
    if (const auto at = text.find(placeholder); at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace

std::string ReasonText(SystemReason reason)
{
    switch (reason) {
    case SystemReason::None: return {};
    case SystemReason::ReadOnlyFileSystem: return "read-only file system";
    case SystemReason::PermissionDenied: return "permission denied";
    case SystemReason::NoSpace: return "no space left on the device";
    case SystemReason::QuotaExceeded: return "disk quota exceeded";
    case SystemReason::Vanished: return "the file vanished";
    case SystemReason::IsFolder: return "it is a folder";
    case SystemReason::InUse: return "it is in use";
    case SystemReason::NotRegularFile: return "it is not a regular file";
    case SystemReason::SymbolicLink: return "it is a symbolic link, which is not followed here";
    case SystemReason::NotAFolderInPath: return "a part of the path is not a folder";
    case SystemReason::NameTooLong: return "the name is too long";
    case SystemReason::TooManyLinks: return "too many levels of symbolic links";
    case SystemReason::TooManyOpenFiles: return "too many open files";
    case SystemReason::InputOutput: return "input/output error";
    case SystemReason::NoDevice: return "no such device";
    case SystemReason::NoLocks: return "no locks available";
    }
    return {};
}

std::string CauseText(OpenFailureCause cause, const std::string& fileName, SystemReason reason)
{
    std::string text = CauseFormat(cause);
    if (const std::string words = ReasonText(reason); !words.empty()) {
        const bool stop = text.back() == '.';
        if (stop)
            text.pop_back();
        text += " (" + words + ")";
        if (stop)
            text += '.';
    }
    return ReplaceFirst(std::move(text), "%1", fileName);
}

std::string CauseText(const FileFailure& failure, const std::string& fileName)
{
    return CauseText(failure.cause, fileName, failure.reason);
}

std::string OpenFailureMessage(const std::string& fileName, OpenFailureCause cause, SystemReason reason)
{
    // %1 is filled first so that a name containing "%2" is shown as it is.
    const std::string code = std::to_string(static_cast<int>(cause));
    std::string text = "File %1 could not be opened - code: %2";
    const auto codeAt = text.find("%2");
    text.replace(codeAt, 2, code);
    if (const std::string words = ReasonText(reason); !words.empty())
        text += " (" + words + ")";
    return ReplaceFirst(std::move(text), "%1", fileName);
}

std::string OpenFailureMessage(const std::string& fileName, const FileFailure& failure)
{
    return OpenFailureMessage(fileName, failure.cause, failure.reason);
}
