#include "FileReplacement.h"

#include "WideText.h"

#include <atomic>
#include <string_view>

#include <windows.h>

namespace {

// Closes the handle it was given when it goes.
struct Handle {
    const HANDLE handle;
    ~Handle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

std::int64_t Ticks(LARGE_INTEGER time)
{
    return static_cast<std::int64_t>(time.QuadPart);
}

// The stamp of an open file; false when it is no file on a disk.
bool StampOf(HANDLE file, FileStamp& stamp, bool& readOnly)
{
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    if (GetFileType(file) != FILE_TYPE_DISK || GetFileInformationByHandle(file, &info) == 0
        || GetFileInformationByHandleEx(file, FileBasicInfo, &times, sizeof times) == 0
        || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    stamp = {info.dwVolumeSerialNumber, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
             (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow, Ticks(times.LastWriteTime),
             Ticks(times.ChangeTime)};
    readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    return true;
}

bool WriteAll(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        const DWORD chunk = content.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (WriteFile(file, content.data(), chunk, &written, nullptr) == 0 || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return true;
}

}  // namespace

PathLook LookAtPath(const std::string& path, FileStamp& stamp, bool& readOnly)
{
    // Attributes only: neither a device nor a pipe is opened for reading.
    const Handle file{CreateFileW(SystemPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathLook::Missing : PathLook::Other;
    }
    return StampOf(file.handle, stamp, readOnly) ? PathLook::Regular : PathLook::Other;
}

bool ReplaceFileContent(const std::string& path, const std::string& content, std::optional<FileStamp>& stamp)
{
    static std::atomic<unsigned> counter{0};
    const std::wstring target = SystemPath(path);
    const std::wstring temporary
        = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) + L".tmp";
    const DWORD kept = GetFileAttributesW(target.c_str());
    bool written = false;
    {
        const Handle file{
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.handle == INVALID_HANDLE_VALUE)
            return false;
        written = WriteAll(file.handle, content) && FlushFileBuffers(file.handle) != 0;
    }
    // The old file's attributes (hidden, for one) go over to the new one.
    if (written && kept != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(temporary.c_str(), kept & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    if (!written
        || MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    FileStamp now;
    bool readOnly = false;
    if (LookAtPath(path, now, readOnly) == PathLook::Regular)
        stamp = now;
    return true;
}
