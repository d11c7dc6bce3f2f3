#include "SystemHelpers.h"

#include "platform/Folders.h"

#include <windows.h>

#include <aclapi.h>
#include <winioctl.h>

#include <cstdio>
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
    const DWORD changed
        = readOnly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (SetFileAttributesW(native.c_str(), changed != 0 ? changed : FILE_ATTRIBUTE_NORMAL) == 0)
        std::abort();
}

bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(NativePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

namespace {

// Seconds between 1601, where file times start, and 1970.
constexpr std::int64_t EpochSeconds = 11644473600;

FILETIME FileTimeOf(std::int64_t seconds)
{
    const auto ticks = static_cast<std::uint64_t>((seconds + EpochSeconds) * 10000000);
    return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

std::int64_t SecondsOf(const FILETIME& time)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000) - EpochSeconds;
}

HANDLE OpenToChange(const std::string& path, DWORD access)
{
    return CreateFileW(NativePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

void SetTimes(const std::string& path, std::int64_t accessed, std::int64_t modified)
{
    const HANDLE file = OpenToChange(path, FILE_WRITE_ATTRIBUTES);
    const FILETIME access = FileTimeOf(accessed), write = FileTimeOf(modified);
    const bool set = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, &access, &write) != 0;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!set)
        std::abort();
}

std::pair<std::int64_t, std::int64_t> TimesOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(NativePath(path).c_str(), GetFileExInfoStandard, &data) == 0)
        return {0, 0};
    return {SecondsOf(data.ftLastAccessTime), SecondsOf(data.ftLastWriteTime)};
}

bool ReadsCanKeepTheAccessTime(const std::string& folder)
{
    const std::string probe = folder + "\\access-time-probe";
    std::FILE* created = _wfopen(NativePath(probe).c_str(), L"wb");
    if (created == nullptr)
        std::abort();
    std::fputs("probe", created);
    std::fclose(created);
    // Older than the modification time, so that any read would update it.
    SetTimes(probe, 1000, 2000000);
    const HANDLE file = OpenToChange(probe, GENERIC_READ | FILE_WRITE_ATTRIBUTES);
    FILETIME keep{0xFFFFFFFF, 0xFFFFFFFF};
    char byte = 0;
    DWORD got = 0;
    const bool read = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, &keep, nullptr) != 0
        && ReadFile(file, &byte, 1, &got, nullptr) != 0;
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    const bool kept = read && TimesOf(probe).first == 1000;
    DeleteFileW(NativePath(probe).c_str());
    return kept;
}

bool WriteSparse(const std::string& path, const std::vector<unsigned char>& head, std::uint64_t tailAt,
                 const std::vector<unsigned char>& tail)
{
    const std::wstring native = NativePath(path).wstring();
    const HANDLE file = CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        std::abort();
    // Marked sparse before anything lies past the end, or NTFS writes the zeros out.
    DWORD ignored = 0;
    bool written = DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr) != 0;
    const auto put = [&](std::uint64_t at, const std::vector<unsigned char>& bytes) {
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD done = 0;
        return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, &where) != 0
            && done == bytes.size();
    };
    written = written && put(0, head) && put(tailAt, tail);
    CloseHandle(file);
    DWORD high = 0;
    const DWORD low = GetCompressedFileSizeW(native.c_str(), &high);
    return written && low != INVALID_FILE_SIZE && high == 0 && low < (1u << 24);
}

void LetOthersWrite(const std::string& path)
{
    std::wstring native = NativePath(path).wstring();
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(native.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &list,
                              nullptr, &descriptor)
        != ERROR_SUCCESS)
        std::abort();
    wchar_t everyone[] = L"Everyone";
    EXPLICIT_ACCESSW grant{};
    grant.grfAccessPermissions = FILE_GENERIC_READ | FILE_GENERIC_WRITE;
    grant.grfAccessMode = GRANT_ACCESS;
    grant.grfInheritance = NO_INHERITANCE;
    BuildTrusteeWithNameW(&grant.Trustee, everyone);
    PACL widened = nullptr;
    const DWORD built = SetEntriesInAclW(1, &grant, list, &widened);
    const DWORD set = built == ERROR_SUCCESS ? SetNamedSecurityInfoW(
                          native.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, widened, nullptr)
                                             : built;
    LocalFree(widened);
    LocalFree(descriptor);
    if (set != ERROR_SUCCESS)
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
