#include "opendlg/FolderOfPath.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderOfPath, PosixAndWindowsPaths)
{
    // path, its folder, the folder as stored (with its separator)
    const std::string cases[][3] = {
        {"/audio/x.wav", "/audio", "/audio/"},
        {"/a/b/c.wav", "/a/b", "/a/b/"},
        {"/x.wav", "/", "/"},
        {"x.wav", "", ""},
        {"C:\\x.wav", "C:\\", "C:\\"},
        {"C:\\Audio\\x.wav", "C:\\Audio", "C:\\Audio\\"},
        {"\\\\server\\share\\a.wav", "\\\\server\\share", "\\\\server\\share\\"},
        {"\\x.wav", "\\", "\\"},
    };
    for (const auto& [path, folder, stored] : cases) {
        EXPECT_EQ(FolderOfPath(path), folder) << path;
        EXPECT_EQ(StoredFolderOfPath(path), stored) << path;
    }
}

} // namespace
