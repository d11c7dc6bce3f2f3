#include "CFile.h"

#include "CFolder.h"
#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

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

CFile::~CFile()
{
    Close();
}

OpenStatus CFile::Open(const std::string& path, FileMode mode)
{
    return OpenAt(nullptr, path, mode, true);
}

OpenStatus CFile::OpenIn(const FolderEntry& entry, FileMode mode)
{
    return OpenAt(entry.folder.get(), entry.name, mode, false);
}

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
    BY_HANDLE_FILE_INFORMATION info {};
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
        FILE_BASIC_INFO basic {};
        const DWORD attributes = permissions & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
        if (SetFileInformationByHandle(opened, FileBasicInfo, &basic, sizeof basic) == 0)
            return (lastFailure = SystemFailureNow()).cause;
    }
    readOnlyMarked = false;
    permissions &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (writable)
        return OpenFailureCause::None;

    const HANDLE again = OpenByName(SystemPathOf(folder, name), GENERIC_READ | GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
                                    followLinks);
    if (again == INVALID_HANDLE_VALUE)
        return (lastFailure = SystemFailureNow()).cause;
    BY_HANDLE_FILE_INFORMATION info {};
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

void CFile::LockForUpdate()
{
    if (handle != NoHandle)
        updateLock.Acquire(handle, device, inode);
}

void CFile::Forget()
{
    handle = NoHandle;
    writable = false;
    readOnlyMarked = false;
    length = 0;
    headSize = 0;
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

void CFile::CacheHead(std::size_t bytes)
{
    if (handle == NoHandle)
        return;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(std::min(bytes, HeadBytes), length));
    headSize = 0;
    headSize = ReadAt(0, head.data(), wanted);
}

std::size_t CFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count)
{
    if (handle == NoHandle || count == 0)
        return 0;
    if (offset < headSize && count <= headSize - offset) {
        std::memcpy(buffer, head.data() + offset, count);
        return count;
    }
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        OVERLAPPED where {};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD got = 0;
        if (ReadFile(reinterpret_cast<HANDLE>(handle), out + done, chunk, &got, &where) == 0) {
            if (GetLastError() != ERROR_HANDLE_EOF)
                lastFailure = SystemFailureNow();
            break;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool CFile::WriteAll(std::uint64_t offset, const unsigned char* bytes, std::size_t count, std::size_t& done)
{
    done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        OVERLAPPED where {};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFF);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
        DWORD put = 0;
        if (WriteFile(reinterpret_cast<HANDLE>(handle), bytes + done, chunk, &put, &where) == 0 || put == 0) {
            lastFailure = put == 0 && GetLastError() == ERROR_SUCCESS
                              ? FileFailure{OpenFailureCause::DiskFull, SystemReason::NoSpace}
                              : SystemFailureNow();
            return false;
        }
        done += put;
    }
    return true;
}

bool CFile::ReplaceAt(std::uint64_t offset, const void* bytes, const void* previous, std::size_t count)
{
    if (handle == NoHandle || !CanWrite() || count > UINT64_MAX - offset) {
        lastFailure = {OpenFailureCause::AccessDenied, SystemReason::None};
        return false;
    }
    const auto* in = static_cast<const unsigned char*>(bytes);
    std::size_t done = 0;
    if (!WriteAll(offset, in, count, done)) {
        const FileFailure failure = lastFailure;
        std::size_t undone = 0;
        WriteAll(offset, static_cast<const unsigned char*>(previous), done, undone);
        lastFailure = failure;
        return false;
    }
    for (std::size_t i = 0; i < count && offset + i < headSize; ++i)
        head[static_cast<std::size_t>(offset + i)] = in[i];
    return true;
}

std::uint64_t CFile::NextData(std::uint64_t offset) const
{
    // Sparse ranges are not asked about here: the caller reads on.
    return handle == NoHandle || offset >= length ? length : offset;
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
