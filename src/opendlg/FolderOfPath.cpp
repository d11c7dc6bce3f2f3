#include "FolderOfPath.h"

namespace {

constexpr std::string_view kSeparators = "/\\";

bool IsRoot(std::string_view folder)
{
    return folder.empty() || (folder.size() == 2 && folder[1] == ':');
}

} // namespace

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
