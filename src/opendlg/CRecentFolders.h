#pragma once

#include <string>
#include <vector>

class CProfileFile;

// The open dialog's list of recently confirmed folders, kept in the profile
// as Folder1 (the most recent) to Folder9 of its section, in UTF-8. Entries a
// hand-edited profile leaves out are skipped on reading; writing fills the
// keys from Folder1 on and never deletes the ones above the list's length.
class CRecentFolders {
public:
    static constexpr const char* Section = "Import Recent Folder List";
    static constexpr int Capacity = 9;

    explicit CRecentFolders(CProfileFile& profile);

    // Most recent first.
    std::vector<std::string> Folders() const;

    // Puts folder first; the same spelling found further down moves up
    // (folder names are case-sensitive). An empty folder changes nothing.
    void Add(const std::string& folder);

private:
    CProfileFile& profile;
};
