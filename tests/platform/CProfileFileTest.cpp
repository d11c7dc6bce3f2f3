#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path)
{
    const auto bytes = testwav::ReadFile(path.string());
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// As a Windows user's editor leaves it: CRLF, comments, other sections, odd
// spacing and letter case, Folder2 missing.
const std::string kWindowsIni =
    "; settings\r\n[Folders]\r\nOpenDefault=D:\\Takes\\\r\n\r\n"
    "[import recent folder list]\r\n; most recent first\r\nFolder1=C:\\Audio\\\r\n"
    "  folder3 =  \\\\server\\share\\  \r\nShowTimeStamps=1\r\n\r\n"
    "[Other]\r\nFolder1=not this one\r\nKey=a=b\r\nA=12abc\r\nB=-3\r\nC=99999999999\r\nD=\r\n";

class Profile : public ::testing::Test {
protected:
    Profile() { WriteText(ini, kWindowsIni); }

    testwav::TempDir dir;
    fs::path ini = dir.Path() / "Quelbrook.INI";
    CProfileFile profile{ini};
};

}  // namespace

TEST_F(Profile, ReadsAWindowsStyleFileWithItsSemantics)
{
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "D:\\Takes\\");
    EXPECT_EQ(profile.GetString("Import Recent Folder List", "Folder1"), "C:\\Audio\\");
    EXPECT_EQ(profile.GetString("IMPORT RECENT FOLDER LIST", "FOLDER3"), "\\\\server\\share\\");
    EXPECT_EQ(profile.GetString("Import Recent Folder List", "Folder2", "none"), "none");
    EXPECT_EQ(profile.GetString("Missing", "Folder1"), "");
    EXPECT_EQ(profile.GetString("Other", "Key"), "a=b");
    EXPECT_EQ(CProfileFile(dir.Path() / "absent.INI").GetString("Folders", "OpenDefault", "x"), "x");
    // Integers are the leading decimal number; anything else gives the default.
    const std::tuple<const char*, const char*, int> ints[] = {{"Import Recent Folder List", "ShowTimeStamps", 1},
        {"Import Recent Folder List", "Folder1", 7}, {"Import Recent Folder List", "Folder2", 7},
        {"Other", "A", 12}, {"Other", "B", -3}, {"Other", "C", 7}, {"Other", "D", 7}};
    for (const auto& [section, key, value] : ints)
        EXPECT_EQ(profile.GetInt(section, key, 7), value) << key;
}

TEST_F(Profile, WritesKeepEveryOtherLineAsItWas)
{
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
    EXPECT_EQ(ReadText(ini), expected + "[New]\r\nKey= spaced \r\n");
    EXPECT_EQ(profile.GetString("New", "Key"), "spaced");
    // Nothing is left behind by the replacing writes.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(Profile, CreatesTheFileAndItsFolder)
{
    CProfileFile fresh(dir.Path() / "config" / "Quelbrook.INI");
    ASSERT_TRUE(fresh.WriteString("Folders", "OpenDefault", "/audio/"));
    ASSERT_TRUE(fresh.WriteInt("Import Recent Folder List", "ShowTimeStamps", 0));
    EXPECT_EQ(ReadText(fresh.Path()), "[Folders]\nOpenDefault=/audio/\n[Import Recent Folder List]\nShowTimeStamps=0\n");

    // A last line without a line break gets one before the new line.
    WriteText(ini, "[S]\nA=1");
    ASSERT_TRUE(profile.WriteString("S", "B", "2"));
    EXPECT_EQ(ReadText(ini), "[S]\nA=1\nB=2\n");
}

TEST_F(Profile, RefusedTextsAndFailedWritesLeaveTheFileAsItWas)
{
    // A folder name may hold a line break; stored, it would forge other entries.
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Folder1", "/tmp/a\nFolder2=/evil/"));
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Folder1", "/tmp/a\r"));
    EXPECT_FALSE(profile.WriteString("Import Recent Folder List", "Fol=der", "x"));
    EXPECT_FALSE(profile.WriteString("Sec]tion", "Key", "x"));
    EXPECT_FALSE(profile.WriteString("Section", "", "x"));
    EXPECT_EQ(ReadText(ini), kWindowsIni);

    // A write that fails leaves the file as it was too: beside a name this long
    // no temporary file can be made, whoever runs the test.
    const fs::path longName = dir.Path() / std::string(250, 'q');
    WriteText(longName, kWindowsIni);
    EXPECT_FALSE(CProfileFile(longName).WriteString("Folders", "OpenDefault", "/x/"));
    EXPECT_EQ(ReadText(longName), kWindowsIni);
}

TEST_F(Profile, WritesThroughALinkToTheFileItNames)
{
    const fs::path link = dir.Path() / "link.INI";
    fs::create_symlink(ini, link);
    ASSERT_TRUE(CProfileFile(link).WriteString("Folders", "OpenDefault", "/a/"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "/a/");
}
