#include "OpenFailureCause.h"

#include <cerrno>

OpenFailureCause CauseFromErrno(int error)
{
    switch (error) {
    case 0:
        return OpenFailureCause::None;
    case ENOENT:
        return OpenFailureCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return OpenFailureCause::BadPath;
    case EMFILE:
    case ENFILE:
        return OpenFailureCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return OpenFailureCause::AccessDenied;
    case EBADF:
        return OpenFailureCause::InvalidFile;
    case ESPIPE:
        return OpenFailureCause::BadSeek;
    case EIO:
    case ENXIO:
        return OpenFailureCause::HardIO;
    case ETXTBSY:
        return OpenFailureCause::SharingViolation;
    case ENOLCK:
        return OpenFailureCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
        return OpenFailureCause::DiskFull;
    default:
        return OpenFailureCause::Generic;
    }
}

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

std::string CauseText(OpenFailureCause cause, const std::string& fileName)
{
    return ReplaceFirst(CauseFormat(cause), "%1", fileName);
}

std::string OpenFailureMessage(const std::string& fileName, OpenFailureCause cause)
{
    // %1 is filled first so that a name containing "%2" is shown as it is.
    const std::string code = std::to_string(static_cast<int>(cause));
    std::string text = "File %1 could not be opened - code: %2";
    const auto codeAt = text.find("%2");
    text.replace(codeAt, 2, code);
    return ReplaceFirst(text, "%1", fileName);
}
