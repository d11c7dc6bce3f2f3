#include "opendlg/CRecentFolders.h"

#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Folders = std::vector<std::string>;

std::string ProfileText(const Folders& folders)
{
    std::string text = "[Import Recent Folder List]\r\n";
    for (std::size_t n = 0; n < folders.size(); ++n) {
        if (!folders[n].empty())
            text += "Folder" + std::to_string(n + 1) + "=" + folders[n] + "\r\n";
    }
    return text;
}

TEST(RecentFolders, AFolderAddedGoesFirstAndTheListKeepsNine)
{
    const Folders nine{"/f1/", "/f2/", "/f3/", "/f4/", "/f5/", "/f6/", "/f7/", "/f8/", "/f9/"};
    struct Case {
        const char* what;
        Folders stored;  // Folder1 on, "" where a hand-edited profile has none
        std::string added;
        Folders after;  // Folder1 to Folder9
    } const cases[] = {
        {"a first folder", {}, "/a/", {"/a/", "", "", "", "", "", "", "", ""}},
        {"the tenth pushes out the oldest",
         nine,
         "/new/",
         {"/new/", "/f1/", "/f2/", "/f3/", "/f4/", "/f5/", "/f6/", "/f7/", "/f8/"}},
        {"one listed moves up", nine, "/f5/", {"/f5/", "/f1/", "/f2/", "/f3/", "/f4/", "/f6/", "/f7/", "/f8/", "/f9/"}},
        {"other letters are another folder", {"/a/", "/b/"}, "/B/", {"/B/", "/a/", "/b/", "", "", "", "", "", ""}},
        {"gaps close, keys above the list stay",
         {"C:\\Audio\\", "", "/T/", "\\\\srv\\s\\", "", "", "", "", "D:\\"},
         "/takes/",
         {"/takes/", "C:\\Audio\\", "/T/", "\\\\srv\\s\\", "D:\\", "", "", "", "D:\\"}},
        {"nothing for no folder", {"/a/"}, "", {"/a/", "", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testwav::TempDir dir;
        const std::string ini = dir / "Quelbrook.INI";
        const std::string text = ProfileText(c.stored) + "; keep me\r\n";
        testwav::WriteFile(ini, testwav::Bytes(text.begin(), text.end()));
        CProfileFile profile(ini);
        CRecentFolders recent(profile);
        Folders listed;
        for (const std::string& folder : c.stored) {
            if (!folder.empty())
                listed.push_back(folder);
        }
        EXPECT_EQ(recent.Folders(), listed);
        EXPECT_EQ(profile.ContentReads(), 1u);  // read once for all nine keys

        recent.Add(c.added);
        Folders after;
        for (int n = 1; n <= CRecentFolders::Capacity; ++n)
            after.push_back(profile.GetString(CRecentFolders::Section, "Folder" + std::to_string(n)));
        EXPECT_EQ(after, c.after);
        const testwav::Bytes written = testwav::ReadFile(ini);
        EXPECT_NE(std::string(written.begin(), written.end()).find("; keep me\r\n"), std::string::npos);
    }
}

}  // namespace
