#pragma once

#include <string>

// Why a file could not be opened, read or written. The numbers are shown to
// the user ("code: N") and so never change.
enum class OpenFailureCause : int {
    None = 0,
    Generic = 1,
    FileNotFound = 2,
    BadPath = 3,
    TooManyOpenFiles = 4,
    AccessDenied = 5,
    InvalidFile = 6,
    RemoveCurrentDir = 7,
    DirectoryFull = 8,
    BadSeek = 9,
    HardIO = 10,
    SharingViolation = 11,
    LockViolation = 12,
    DiskFull = 13,
    EndOfFile = 14,
};

// The cause that an errno value stands for.
OpenFailureCause CauseFromErrno(int error);

// The sentence for a cause, with the file's name in place of %1.
std::string CauseText(OpenFailureCause cause, const std::string& fileName);

// "File %1 could not be opened - code: %2".
std::string OpenFailureMessage(const std::string& fileName, OpenFailureCause cause);
