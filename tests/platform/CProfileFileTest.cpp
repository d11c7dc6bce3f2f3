#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using testwav::TempDir;

std::string ReadText(const std::filesystem::path& path)
{
    const auto bytes = testwav::ReadFile(path.string());
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::filesystem::path& path, const std::string& text)
{
    testwav::WriteFile(path.string(), testwav::Bytes(text.begin(), text.end()));
}

// As a Windows user's editor leaves it: CRLF, comments, other sections, odd
// spacing and letter case, Folder2 missing.
const std::string kWindowsIni =
    "; settings\r\n"
    "[Folders]\r\n"
    "OpenDefault=D:\\Takes\\\r\n"
    "\r\n"
    "[import recent folder list]\r\n"
    "; most recent first\r\n"
    "Folder1=C:\\Audio\\\r\n"
    "  folder3 =  \\\\server\\share\\  \r\n"
    "ShowTimeStamps=1\r\n"
    "\r\n"
    "[Other]\r\n"
    "Folder1=not this one\r\n"
    "Key=a=b\r\n";

TEST(CProfileFile, ReadsAWindowsStyleFileWithItsSemantics)
{
    TempDir dir;
    const auto ini = dir.Path() / "Quelbrook.INI";
    WriteText(ini, kWindowsIni);
    const CProfileFile profile(ini);

    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "D:\\Takes\\");
    EXPECT_EQ(profile.GetString("Import Recent Folder List", "Folder1"), "C:\\Audio\\");
    EXPECT_EQ(profile.GetString("IMPORT RECENT FOLDER LIST", "FOLDER3"), "\\\\server\\share\\");
    EXPECT_EQ(profile.GetString("Import Recent Folder List", "Folder2", "none"), "none");
    EXPECT_EQ(profile.GetString("Missing", "Folder1"), "");
    EXPECT_EQ(profile.GetString("Other", "Key"), "a=b");
    EXPECT_EQ(profile.GetInt("Import Recent Folder List", "ShowTimeStamps", 0), 1);
    EXPECT_EQ(profile.GetInt("Import Recent Folder List", "Folder2", 7), 7);
    EXPECT_EQ(profile.GetInt("Import Recent Folder List", "Folder1", 7), 7);  // not a number

    EXPECT_EQ(CProfileFile(dir.Path() / "absent.INI").GetString("Folders", "OpenDefault", "x"), "x");
}

TEST(CProfileFile, IntegersAreTheLeadingDecimalNumber)
{
    TempDir dir;
    const auto ini = dir.Path() / "a.INI";
    WriteText(ini, "[S]\nA=12abc\nB=-3\nC=+4\nD=99999999999\nE=\nF= 5 \n");
    const CProfileFile profile(ini);
    EXPECT_EQ(profile.GetInt("S", "A", 0), 12);
    EXPECT_EQ(profile.GetInt("S", "B", 0), -3);
    EXPECT_EQ(profile.GetInt("S", "C", 0), 4);
    EXPECT_EQ(profile.GetInt("S", "D", 8), 8);
    EXPECT_EQ(profile.GetInt("S", "E", 8), 8);
    EXPECT_EQ(profile.GetInt("S", "F", 8), 5);
}

TEST(CProfileFile, WritesKeepEveryOtherLineAsItWas)
{
    TempDir dir;
    const auto ini = dir.Path() / "Quelbrook.INI";
    WriteText(ini, kWindowsIni);
    CProfileFile profile(ini);

    // An existing key: only its value changes; the key keeps its spelling.
    ASSERT_TRUE(profile.WriteString("import recent folder list", "FOLDER3", "/audio/takes/"));
    std::string expected = kWindowsIni;
    const std::string oldLine = "  folder3 =  \\\\server\\share\\  ";
    expected.replace(expected.find(oldLine), oldLine.size(), "  folder3 =/audio/takes/");
    EXPECT_EQ(ReadText(ini), expected);

    // A missing key goes at the end of its section, with the file's line breaks.
    ASSERT_TRUE(profile.WriteInt("Import Recent Folder List", "Folder2", 5));
    expected.insert(expected.find("\r\n\r\n[Other]") + 2, "Folder2=5\r\n");
    EXPECT_EQ(ReadText(ini), expected);
    EXPECT_EQ(profile.GetInt("Import Recent Folder List", "Folder2", 0), 5);

    // A missing section is added at the end.
    ASSERT_TRUE(profile.WriteString("New", "Key", " spaced "));
    expected += "[New]\r\nKey= spaced \r\n";
    EXPECT_EQ(ReadText(ini), expected);
    EXPECT_EQ(profile.GetString("New", "Key"), "spaced");

    // Nothing is left behind by the replacing writes.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(CProfileFile, CreatesTheFileAndItsFolder)
{
    TempDir dir;
    const auto ini = dir.Path() / "config" / "Quelbrook.INI";
    CProfileFile profile(ini);
    ASSERT_TRUE(profile.WriteString("Folders", "OpenDefault", "/audio/"));
    ASSERT_TRUE(profile.WriteInt("Import Recent Folder List", "ShowTimeStamps", 0));
    EXPECT_EQ(ReadText(ini), "[Folders]\nOpenDefault=/audio/\n[Import Recent Folder List]\nShowTimeStamps=0\n");

    // A last line without a line break gets one before the new line.
    const auto bare = dir.Path() / "bare.INI";
    WriteText(bare, "[S]\nA=1");
    ASSERT_TRUE(CProfileFile(bare).WriteString("S", "B", "2"));
    EXPECT_EQ(ReadText(bare), "[S]\nA=1\nB=2\n");
}

TEST(CProfileFile, RefusesTextsThatWouldBreakTheFile)
{
    TempDir dir;
    const auto ini = dir.Path() / "Quelbrook.INI";
    WriteText(ini, kWindowsIni);
    CProfileFile profile(ini);

    // A folder name may hold a line break; stored, it would forge other entries.
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Folder1", "/tmp/a\nFolder2=/evil/"));
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Folder1", "/tmp/a\r"));
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Fol=der", "x"));
    EXPECT_FALSE(profile.WriteString("Sec]tion", "Key", "x"));
    EXPECT_FALSE(profile.WriteString("Section", "", "x"));
    EXPECT_EQ(ReadText(ini), kWindowsIni);
}

TEST(CProfileFile, AFailedWriteLeavesTheFileAsItWas)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the super-user";
    TempDir dir;
    const auto ini = dir.Path() / "Quelbrook.INI";
    WriteText(ini, kWindowsIni);
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(CProfileFile(ini).WriteString("Folders", "OpenDefault", "/x/"));
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(ReadText(ini), kWindowsIni);
}

TEST(CProfileFile, WritesThroughALinkToTheFileItNames)
{
    TempDir dir;
    const auto real = dir.Path() / "real.INI";
    const auto link = dir.Path() / "Quelbrook.INI";
    WriteText(real, "[S]\nA=1\n");
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(CProfileFile(link).WriteString("S", "A", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadText(real), "[S]\nA=2\n");
}

} // namespace
