#include "Folders.h"

#include <sys/stat.h>

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
