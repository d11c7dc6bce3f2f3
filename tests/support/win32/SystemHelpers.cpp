#include "SystemHelpers.h"

#include "platform/Folders.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace testsys {

std::string MakeTempFolder()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder = base / ("quelbrook-test-" + std::to_string(random()));
        if (CreateDirectoryW(folder.c_str(), nullptr))
            return Utf8Path(folder);
    }
    std::abort();
}

void SetEnvironment(const char* name, const std::string& value)
{
    // _wputenv_s changes the C runtime's copy, which getenv reads, and the
    // process environment, which Win32 calls and child processes see.
    _wputenv_s(NativePath(name).c_str(), NativePath(value).c_str());
}

void UnsetEnvironment(const char* name)
{
    _wputenv_s(NativePath(name).c_str(), L"");
}

void SetReadOnly(const std::string& path, bool readOnly)
{
    const std::filesystem::path native = NativePath(path);
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        std::abort();
    const DWORD changed = readOnly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (SetFileAttributesW(native.c_str(), changed != 0 ? changed : FILE_ATTRIBUTE_NORMAL) == 0)
        std::abort();
}

bool MakeSymbolicLink(const std::string& target, const std::string& link, bool folder)
{
    const DWORD flags = (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    const std::wstring at = NativePath(link).wstring();
    if (CreateSymbolicLinkW(at.c_str(), NativePath(target).c_str(), flags) == 0)
        return false;
    // Wine makes a link that neither shows as a reparse point nor leads to
    // its target: no link in the Windows sense.
    const DWORD attributes = GetFileAttributesW(at.c_str());
    const HANDLE through = CreateFileW(at.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool real = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
                      && through != INVALID_HANDLE_VALUE;
    if (through != INVALID_HANDLE_VALUE)
        CloseHandle(through);
    return real;
}

bool JournalReservesAhead()
{
    return false;
}

bool OwnerOnly(const std::string&)
{
    return true;
}

const char* StateHomeVariable()
{
    return "LOCALAPPDATA";
}

std::string JournalFolderIn(const std::string& stateHome)
{
    return stateHome + "\\Quelbrook\\journal";
}

}  // namespace testsys
