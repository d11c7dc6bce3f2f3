#include "Folders.h"

#include "WideText.h"

#include <windows.h>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

}  // namespace

void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out)
{
    const bool withDrive = path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
    const bool network = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (withDrive || network || folder.empty()) {
        out.assign(path);
    } else if (!path.empty() && IsSeparator(path[0])) {
        // Rooted on the working folder's drive.
        out.assign(folder, 0, folder.size() >= 2 && folder[1] == ':' ? 2 : 0).append(path);
    } else {
        // "C:name" is relative to that drive's own working folder, which
        // Windows keeps per process: AbsolutePath asks it.
        if (path.size() >= 2 && path[1] == ':') {
            out.assign(AbsolutePath(path));
            return;
        }
        out.assign(folder);
        if (!IsSeparator(out.back()))
            out += '\\';
        out.append(path);
    }
    for (char& c : out)
        if (c == '/')
            c = '\\';
}

namespace {

constexpr std::string_view kSeparators = "/\\";

bool IsRoot(std::string_view folder)
{
    return folder.empty() || (folder.size() == 2 && folder[1] == ':');
}

}  // namespace

std::string FolderOfPath(std::string_view path)
{
    const auto last = path.find_last_of(kSeparators);
    if (last == std::string_view::npos)
        return {};
    const std::string_view before = path.substr(0, last);
    return std::string(IsRoot(before) ? path.substr(0, last + 1) : before);
}

std::string StoredFolderOfPath(std::string_view path)
{
    std::string folder = FolderOfPath(path);
    if (folder.empty() || kSeparators.find(folder.back()) != std::string_view::npos)
        return folder;
    return folder + path[path.find_last_of(kSeparators)];
}

std::optional<FileIdentity> IdentityOfPath(const std::string& path)
{
    const HANDLE opened = CreateFileW(SystemPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(opened, &info) != 0;
    CloseHandle(opened);
    if (!known)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow};
}

bool IsFileSystemRoot(const std::string& path)
{
    const std::wstring full = SystemPath(path);
    wchar_t volume[MAX_PATH + 1] = {};
    if (full.empty() || GetVolumePathNameW(full.c_str(), volume, MAX_PATH) == 0)
        return false;
    std::wstring root = volume;
    std::wstring named = full;
    while (!root.empty() && root.back() == L'\\')
        root.pop_back();
    while (!named.empty() && named.back() == L'\\')
        named.pop_back();
    return CompareStringOrdinal(root.c_str(), -1, named.c_str(), -1, TRUE) == CSTR_EQUAL
        || CompareStringOrdinal(root.c_str(), -1, named.substr(named.starts_with(L"\\\\?\\") ? 4 : 0).c_str(), -1, TRUE)
        == CSTR_EQUAL;
}
