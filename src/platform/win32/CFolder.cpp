#include "CFolder.h"

#include "WideText.h"

#include <windows.h>

namespace {

// Held without FILE_SHARE_DELETE: while the walk has the folder open nobody
// can rename it or swap another folder in under its name.
HANDLE OpenFolder(const std::string& path, bool followLinks)
{
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    return CreateFileW(SystemPath(path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags, nullptr);
}

}  // namespace

CFolder::~CFolder()
{
    if (handle != NoHandle)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
}

void CFolder::Adopt(SystemHandle opened, std::string openedPath)
{
    if (handle != NoHandle)
        CloseHandle(reinterpret_cast<HANDLE>(handle));
    handle = opened;
    path = std::move(openedPath);
}

FileFailure CFolder::Open(const std::string& folderPath)
{
    linkRefusal.reset();
    const HANDLE opened = OpenFolder(folderPath, true);
    if (opened == INVALID_HANDLE_VALUE)
        return FailureFromSystemError(static_cast<int>(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(opened, &info) == 0 || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        CloseHandle(opened);
        return {OpenFailureCause::BadPath, SystemReason::NotAFolderInPath};
    }
    Adopt(reinterpret_cast<SystemHandle>(opened), folderPath);
    return {};
}

FileFailure CFolder::OpenIn(const CFolder& parent, const std::string& name)
{
    const std::string inside = parent.path + "\\" + name;
    const HANDLE opened = OpenFolder(inside, false);
    if (opened == INVALID_HANDLE_VALUE)
        return FailureFromSystemError(static_cast<int>(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info{};
    const bool read = GetFileInformationByHandle(opened, &info) != 0;
    if (read && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A junction or a symbolic link: the walk stays inside its tree.
        CloseHandle(opened);
        return {OpenFailureCause::BadPath, SystemReason::SymbolicLink};
    }
    if (!read || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        CloseHandle(opened);
        return {OpenFailureCause::BadPath, SystemReason::NotAFolderInPath};
    }
    Adopt(reinterpret_cast<SystemHandle>(opened), inside);
    return {};
}

FileFailure CFolder::List(std::vector<Entry>& entries) const
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(SystemPath(path + "\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? FileFailure{} : FailureFromSystemError(static_cast<int>(error));
    }
    DWORD error = ERROR_SUCCESS;
    for (;;) {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            const DWORD attributes = found.dwFileAttributes;
            const EntryType type = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? EntryType::Other
                : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0                      ? EntryType::Folder
                                                                                    : EntryType::File;
            entries.push_back({Utf8FromWide(name), type});
        }
        if (FindNextFileW(search, &found) == 0) {
            error = GetLastError();
            break;
        }
    }
    FindClose(search);
    return FailureFromSystemError(static_cast<int>(error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error));
}
