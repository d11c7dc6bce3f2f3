#include "platform/CIniDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// As a Windows user's editor leaves it: CRLF, comments, other sections, odd
// spacing and letter case, Folder2 missing.
const std::string kWindowsIni = "; settings\r\n[Folders]\r\nOpenDefault=D:\\Takes\\\r\n\r\n"
                                "[import recent folder list]\r\n; most recent first\r\nFolder1=C:\\Audio\\\r\n"
                                "  folder3 =  \\\\server\\share\\  \r\nShowTimeStamps=1\r\n\r\n"
                                "[Other]\r\nFolder1=not this one\r\nKey=a=b\r\nD=\r\n";

}  // namespace

TEST(IniDocument, ReadsNamesWithoutLetterCaseAndValuesTrimmed)
{
    const CIniDocument document(kWindowsIni);
    const std::tuple<const char*, const char*, const char*> reads[]
        = {{"Folders", "OpenDefault", "D:\\Takes\\"},
           {"Import Recent Folder List", "Folder1", "C:\\Audio\\"},
           {"IMPORT RECENT FOLDER LIST", "FOLDER3", "\\\\server\\share\\"},
           {"Import Recent Folder List", "Folder2", "none"},
           {"Missing", "Folder1", "none"},
           {"Other", "Key", "a=b"},
           {"Other", "D", ""},
           {"Folders", "; settings", "none"}};
    for (const auto& [section, key, text] : reads)
        EXPECT_EQ(document.Value(section, key).value_or("none"), text) << section << "/" << key;
    // A byte order mark is no part of the first section's name.
    EXPECT_EQ(CIniDocument("\xEF\xBB\xBF[A]\nb=1").Value("a", "B").value_or("none"), "1");
}

TEST(IniDocument, WritesKeepEveryOtherLineAsItWas)
{
    CIniDocument document(kWindowsIni);
    // An existing key: only its value changes; the key keeps its spelling.
    ASSERT_TRUE(document.SetValue("import recent folder list", "FOLDER3", "/audio/takes/"));
    std::string expected = kWindowsIni;
    const std::string oldLine = "  folder3 =  \\\\server\\share\\  ";
    expected.replace(expected.find(oldLine), oldLine.size(), "  folder3 =/audio/takes/");
    EXPECT_EQ(document.Text(), expected);
    EXPECT_TRUE(document.Holds("Import Recent Folder List", "folder3", "/audio/takes/"));
    EXPECT_FALSE(document.Holds("Import Recent Folder List", "folder3", "/audio/"));

    // A missing key goes at the end of its section, with the file's line breaks.
    ASSERT_TRUE(document.SetValue("Import Recent Folder List", "Folder2", "5"));
    expected.insert(expected.find("\r\n\r\n[Other]") + 2, "Folder2=5\r\n");
    EXPECT_EQ(document.Text(), expected);

    // A missing section is added at the end.
    ASSERT_TRUE(document.SetValue("New", "Key", " spaced "));
    EXPECT_EQ(document.Text(), expected + "[New]\r\nKey= spaced \r\n");
    EXPECT_EQ(document.Value("New", "Key"), "spaced");

    // A last line without a line break gets one before the new line; an empty document takes "\n".
    CIniDocument unended("[S]\nA=1");
    ASSERT_TRUE(unended.SetValue("S", "B", "2"));
    EXPECT_EQ(unended.Text(), "[S]\nA=1\nB=2\n");
    CIniDocument empty;
    ASSERT_TRUE(empty.SetValue("Folders", "OpenDefault", "/audio/"));
    EXPECT_EQ(empty.Text(), "[Folders]\nOpenDefault=/audio/\n");
}

TEST(IniDocument, TextsThatWouldBreakTheLinesAreRefused)
{
    // A folder name may hold a line break; stored, it would forge other entries.
    const std::tuple<const char*, const char*, const char*> refused[]
        = {{"Folders", "Folder1", "/tmp/a\nFolder2=/evil/"},
           {"Folders", "Folder1", "/tmp/a\r"},
           {"Folders", "Fol=der", "x"},
           {"Sec]tion", "Key", "x"},
           {"Section", "", "x"},
           {"Section", " Key", "x"},
           {"Section", "[Key", "x"},
           {"Sec\ntion", "Key", "x"},
           {"Section", "K\ney", "x"}};
    CIniDocument document(kWindowsIni);
    for (const auto& [section, key, value] : refused)
        EXPECT_FALSE(document.SetValue(section, key, value)) << section << "/" << key << "=" << value;
    EXPECT_EQ(document.Text(), kWindowsIni);
}
