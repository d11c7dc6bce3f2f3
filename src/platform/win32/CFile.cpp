#include "CFile.h"

#include "CFolder.h"
#include "WideText.h"

#include <windows.h>

#include <winioctl.h>

#include <algorithm>

namespace {

// Other programs may read and write the file meanwhile, as they may on
// other systems; one that holds it without sharing makes the open fail
// with a sharing violation.
constexpr DWORD Sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;

std::uint64_t Join(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::int64_t TicksOf(const FILETIME& time)
{
    return static_cast<std::int64_t>(Join(time.dwHighDateTime, time.dwLowDateTime));
}

FILETIME FileTimeOf(std::int64_t ticks)
{
    const auto value = static_cast<std::uint64_t>(ticks);
    return {static_cast<DWORD>(value & 0xFFFFFFFF), static_cast<DWORD>(value >> 32)};
}

// Where a positional read or write starts.
OVERLAPPED At(std::uint64_t offset)
{
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

// One call moves at most this much.
DWORD Chunk(std::size_t count)
{
    return static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
}

FileFailure SystemFailureNow()
{
    return FailureFromSystemError(static_cast<int>(GetLastError()));
}

std::wstring SystemPathOf(const CFolder* folder, const std::string& name)
{
    return SystemPath(folder != nullptr ? folder->Path() + "\\" + name : name);
}

HANDLE OpenByName(const std::wstring& path, DWORD access, bool followLinks)
{
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    return CreateFileW(path.c_str(), access, Sharing, nullptr, OPEN_EXISTING, flags, nullptr);
}

}  // namespace

OpenStatus CFile::OpenAt(const CFolder* inFolder, const std::string& entry, FileMode mode, bool follow)
{
    Close();
    lastFailure = {};
    linkRefusal.reset();
    const std::wstring path = SystemPathOf(inFolder, entry);
    const DWORD readAccess = GENERIC_READ | FILE_WRITE_ATTRIBUTES;
    HANDLE opened = OpenByName(path, mode == FileMode::ReadWrite ? readAccess | GENERIC_WRITE : readAccess, follow);
    DWORD error = opened == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    // Some file systems and rights grant reading but not the attributes.
    if (opened == INVALID_HANDLE_VALUE && error == ERROR_ACCESS_DENIED && mode == FileMode::Read) {
        opened = OpenByName(path, GENERIC_READ, follow);
        error = opened == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    }
    bool forWriting = mode == FileMode::ReadWrite && opened != INVALID_HANDLE_VALUE;
    BY_HANDLE_FILE_INFORMATION info{};
    bool known = false;
    if (opened == INVALID_HANDLE_VALUE && mode == FileMode::ReadWrite && error == ERROR_ACCESS_DENIED) {
        // Refused for writing: only the read-only attribute, which the user
        // may clear, gives a reason to keep it open. A deny-write ACL is a
        // refusal like any other.
        opened = OpenByName(path, readAccess, follow);
        known = opened != INVALID_HANDLE_VALUE && GetFileInformationByHandle(opened, &info) != 0;
        if (opened != INVALID_HANDLE_VALUE && (!known || (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0)) {
            CloseHandle(opened);
            opened = INVALID_HANDLE_VALUE;
        }
    }
    if (opened == INVALID_HANDLE_VALUE) {
        if (error == ERROR_FILE_NOT_FOUND)
            return OpenStatus::Missing;
        // A folder is refused with "access denied" when opened as a file.
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES
            && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            lastFailure = {OpenFailureCause::AccessDenied, SystemReason::IsFolder};
        else
            lastFailure = FailureFromSystemError(static_cast<int>(error));
        return OpenStatus::Failed;
    }
    if (!known && GetFileInformationByHandle(opened, &info) == 0) {
        lastFailure = SystemFailureNow();
        CloseHandle(opened);
        return OpenStatus::Failed;
    }
    if (!follow && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A symbolic link or a junction in the entry's place.
        CloseHandle(opened);
        lastFailure = {OpenFailureCause::BadPath, SystemReason::SymbolicLink};
        return OpenStatus::Failed;
    }
    if (GetFileType(opened) != FILE_TYPE_DISK || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        lastFailure = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0
            ? FileFailure{OpenFailureCause::AccessDenied, SystemReason::IsFolder}
            : FileFailure{OpenFailureCause::InvalidFile, SystemReason::NotRegularFile};
        CloseHandle(opened);
        return OpenStatus::Failed;
    }
    // Nothing done through this handle changes the access time, as O_NOATIME
    // keeps it on Linux: reading a header is no use of the audio.
    FILETIME keep{0xFFFFFFFF, 0xFFFFFFFF};
    SetFileTime(opened, nullptr, &keep, nullptr);

    handle = reinterpret_cast<SystemHandle>(opened);
    folder = inFolder;
    if (!forWriting)
        name = entry;
    followLinks = follow;
    writable = forWriting;
    readOnlyMarked = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    permissions = info.dwFileAttributes;
    owner = 0;
    length = Join(info.nFileSizeHigh, info.nFileSizeLow);
    device = info.dwVolumeSerialNumber;
    inode = Join(info.nFileIndexHigh, info.nFileIndexLow);
    times = {TicksOf(info.ftLastAccessTime), TicksOf(info.ftLastWriteTime)};
    return OpenStatus::Opened;
}

OpenFailureCause CFile::ClearReadOnlyMark()
{
    if (handle == NoHandle) {
        lastFailure = {OpenFailureCause::InvalidFile, SystemReason::None};
        return lastFailure.cause;
    }
    const auto opened = reinterpret_cast<HANDLE>(handle);
    if (readOnlyMarked) {
        // Only the read-only attribute goes; hidden, system and archive stay,
        // and zero times leave the file's times as they are.
        FILE_BASIC_INFO basic{};
        const DWORD attributes = permissions & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
        if (SetFileInformationByHandle(opened, FileBasicInfo, &basic, sizeof basic) == 0)
            return (lastFailure = SystemFailureNow()).cause;
    }
    readOnlyMarked = false;
    permissions &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (writable)
        return OpenFailureCause::None;

    const HANDLE again
        = OpenByName(SystemPathOf(folder, name), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES, followLinks);
    if (again == INVALID_HANDLE_VALUE)
        return (lastFailure = SystemFailureNow()).cause;
    BY_HANDLE_FILE_INFORMATION info{};
    // Someone may have put another file under the name since the first open.
    if (GetFileInformationByHandle(again, &info) == 0 || info.dwVolumeSerialNumber != device
        || Join(info.nFileIndexHigh, info.nFileIndexLow) != inode) {
        CloseHandle(again);
        lastFailure = {OpenFailureCause::AccessDenied, SystemReason::None};
        return lastFailure.cause;
    }
    FILETIME keep{0xFFFFFFFF, 0xFFFFFFFF};
    SetFileTime(again, nullptr, &keep, nullptr);
    updateLock.Retire(handle);
    handle = reinterpret_cast<SystemHandle>(again);
    writable = true;
    return OpenFailureCause::None;
}

bool CFile::Close()
{
    if (handle == NoHandle)
        return false;
    updateLock.Release(handle);
    const bool closed = CloseHandle(reinterpret_cast<HANDLE>(handle)) != 0;
    if (!closed)
        lastFailure = SystemFailureNow();
    Forget();
    return closed;
}

std::size_t CFile::ReadSome(std::uint64_t offset, unsigned char* out, std::size_t count)
{
    OVERLAPPED where = At(offset);
    DWORD got = 0;
    if (ReadFile(reinterpret_cast<HANDLE>(handle), out, Chunk(count), &got, &where) == 0) {
        if (GetLastError() != ERROR_HANDLE_EOF)
            lastFailure = SystemFailureNow();
        return 0;
    }
    return got;
}

std::size_t CFile::WriteSome(std::uint64_t offset, const unsigned char* bytes, std::size_t count)
{
    OVERLAPPED where = At(offset);
    DWORD put = 0;
    if (WriteFile(reinterpret_cast<HANDLE>(handle), bytes, Chunk(count), &put, &where) == 0 || put == 0) {
        lastFailure = put == 0 && GetLastError() == ERROR_SUCCESS
            ? FileFailure{OpenFailureCause::DiskFull, SystemReason::NoSpace}
            : SystemFailureNow();
        return 0;
    }
    return put;
}

std::uint64_t CFile::NextData(std::uint64_t offset) const
{
    if (handle == NoHandle || offset >= length)
        return length;
    // Only a file marked sparse has holes to ask about.
    if ((permissions & FILE_ATTRIBUTE_SPARSE_FILE) == 0)
        return offset;
    FILE_ALLOCATED_RANGE_BUFFER asked{};
    asked.FileOffset.QuadPart = static_cast<LONGLONG>(offset);
    asked.Length.QuadPart = static_cast<LONGLONG>(length - offset);
    FILE_ALLOCATED_RANGE_BUFFER first{};
    DWORD got = 0;
    // ERROR_MORE_DATA: the first range came back and more follow.
    if (DeviceIoControl(reinterpret_cast<HANDLE>(handle), FSCTL_QUERY_ALLOCATED_RANGES, &asked, sizeof asked, &first,
                        sizeof first, &got, nullptr)
            == 0
        && GetLastError() != ERROR_MORE_DATA)
        return offset;  // the file system cannot tell
    if (got < sizeof first)
        return length;  // nothing but a hole up to the end
    return std::clamp(static_cast<std::uint64_t>(first.FileOffset.QuadPart), offset, length);
}

bool CFile::RestoreTimes()
{
    const FILETIME accessed = FileTimeOf(times.accessed);
    const FILETIME modified = FileTimeOf(times.modified);
    if (handle != NoHandle && SetFileTime(reinterpret_cast<HANDLE>(handle), nullptr, &accessed, &modified) != 0)
        return true;
    lastFailure = SystemFailureNow();
    return false;
}
