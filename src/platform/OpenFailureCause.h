#pragma once

#include "CoreText.h"

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

// What the system said, finer than the code: one code (AccessDenied) stands
// for a read-only file system as well as a missing permission.
enum class SystemReason {
    None,  // nothing more to say than the code
    ReadOnlyFileSystem,
    PermissionDenied,
    NoSpace,
    QuotaExceeded,
    Vanished,
    IsFolder,
    InUse,
    NotRegularFile,
    SymbolicLink,
    NotAFolderInPath,
    NameTooLong,
    TooManyLinks,
    TooManyOpenFiles,
    InputOutput,
    NoDevice,
    NoLocks,
};

// A failure as the program reports it: the shown code and the system's reason.
struct FileFailure {
    OpenFailureCause cause = OpenFailureCause::None;
    SystemReason reason = SystemReason::None;

    bool operator==(const FileFailure&) const = default;
};

// The cause and reason that a system error stands for: an errno value on
// POSIX systems, a GetLastError() code on Windows.
FileFailure FailureFromSystemError(int error);

// A system error in words: the reason when it has one, else what the system says.
CoreText SystemErrorWords(int error);

// The reason in words ("read-only file system"); an empty text for None.
CoreText ReasonText(SystemReason reason);

// The sentence for a cause, with the file's name in place of %1, and the
// reason in words before its full stop: "Access to a.wav was denied
// (read-only file system)."
CoreText CauseText(OpenFailureCause cause, const std::string& fileName, SystemReason reason = SystemReason::None);
CoreText CauseText(const FileFailure& failure, const std::string& fileName);

// "File %1 could not be opened - code: %2", followed by the reason in words
// in brackets when there is one.
CoreText OpenFailureMessage(const std::string& fileName, OpenFailureCause cause,
                            SystemReason reason = SystemReason::None);
CoreText OpenFailureMessage(const std::string& fileName, const FileFailure& failure);
