#include "Folders.h"

#include <algorithm>

#include <sys/stat.h>

namespace {

// The usual path needs no normalising; checking costs far less than doing it.
bool IsLexicallyNormal(std::string_view path)
{
    if (path.empty() || path.back() == '/') {
        return false;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        // An empty part beyond the first is a doubled slash; the first is the root.
        if ((part.empty() && start != 0) || part == "." || part == "..") {
            return false;
        }
        if (end == path.size()) {
            return true;
        }
        start = end + 1;
    }
}

}  // namespace

std::string_view SamePathKey(const std::string& path, std::string& storage)
{
    if (IsLexicallyNormal(path))
        return path;
    storage = NativePath(path).lexically_normal().native();
    return storage;
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
    return root && folder && root->device == folder->device && root->inode == folder->inode;
}

void AbsolutePathInto(const std::string& folder, const std::string& path, std::string& out)
{
    if (path.empty() || path.front() == '/' || folder.empty())
        out.assign(path);
    else
        out.assign(folder).append(1, '/').append(path);
}
