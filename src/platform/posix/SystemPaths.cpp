#include "Folders.h"

#include <sys/stat.h>

std::string FolderOfPath(std::string_view path)
{
    const auto last = path.rfind('/');
    if (last == std::string_view::npos)
        return {};
    return std::string(path.substr(0, last == 0 ? 1 : last));
}

std::string StoredFolderOfPath(std::string_view path)
{
    std::string folder = FolderOfPath(path);
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::optional<FileIdentity> IdentityOfPath(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                        static_cast<std::uint64_t>(info.st_size)};
}

bool IsFileSystemRoot(const std::string& path)
{
    const auto root = IdentityOfPath("/");
    const auto folder = IdentityOfPath(path);
    return root && folder && SameFile(*root, *folder);
}

void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out)
{
    if (path.empty() || path.front() == '/' || folder.empty())
        out.assign(path);
    else
        out.assign(folder).append(1, '/').append(path);
}
