#include "opendlg/FolderOfPath.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderOfPath, PosixPaths)
{
    EXPECT_EQ(FolderOfPath("/audio/x.wav"), "/audio");
    EXPECT_EQ(FolderOfPath("/x.wav"), "/");
    EXPECT_EQ(FolderOfPath("/a/b/c.wav"), "/a/b");
    EXPECT_EQ(FolderOfPath("x.wav"), "");
    EXPECT_EQ(StoredFolderOfPath("/audio/x.wav"), "/audio/");
    EXPECT_EQ(StoredFolderOfPath("/ab/x.wav"), "/ab/");
    EXPECT_EQ(StoredFolderOfPath("/x.wav"), "/");
    EXPECT_EQ(StoredFolderOfPath("x.wav"), "");
}

TEST(FolderOfPath, WindowsPaths)
{
    EXPECT_EQ(FolderOfPath("C:\\x.wav"), "C:\\");
    EXPECT_EQ(FolderOfPath("C:\\Audio\\x.wav"), "C:\\Audio");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\a.wav"), "\\\\server\\share");
    EXPECT_EQ(FolderOfPath("\\x.wav"), "\\");
    EXPECT_EQ(StoredFolderOfPath("C:\\x.wav"), "C:\\");
    EXPECT_EQ(StoredFolderOfPath("C:\\Audio\\x.wav"), "C:\\Audio\\");
    EXPECT_EQ(StoredFolderOfPath("\\\\server\\share\\a.wav"), "\\\\server\\share\\");
}

} // namespace
