#include "opendlg/CRecentFolders.h"

#include "platform/CProfileFile.h"

#include <algorithm>

namespace {

std::string FolderKey(std::size_t n)
{
    return "Folder" + std::to_string(n);
}

}  // namespace

CRecentFolders::CRecentFolders(CProfileFile& profileFile) : profile(profileFile) {}

std::vector<std::string> CRecentFolders::Folders() const
{
    std::vector<std::string> folders;
    for (std::size_t n = 1; n <= Capacity; ++n) {
        std::string folder = profile.GetString(Section, FolderKey(n));
        if (!folder.empty())
            folders.push_back(std::move(folder));
    }
    return folders;
}

void CRecentFolders::Add(const std::string& folder)
{
    if (folder.empty())
        return;
    std::vector<std::string> folders = Folders();
    folders.erase(std::remove(folders.begin(), folders.end(), folder), folders.end());
    folders.insert(folders.begin(), folder);
    folders.resize(std::min<std::size_t>(folders.size(), Capacity));
    for (std::size_t n = folders.size(); n >= 1; --n)
        profile.WriteString(Section, FolderKey(n), folders[n - 1]);
}
