#include "platform/CProfileFile.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using testwav::ReadText;

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// As a Windows user's editor leaves it: a byte order mark, CRLF, comments,
// other sections, odd spacing and letter case, Folder2 missing.
const std::string kWindowsIni
    = "\xEF\xBB\xBF[Folders]\r\n; settings\r\nOpenDefault=D:\\Takes\\\r\n\r\n"
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

TEST_F(Profile, ReadsNumbersAndDefaultsAndWritesInPlaceOfTheFile)
{
    // Integers are the leading decimal number; anything else gives the default.
    const std::tuple<const char*, const char*, const char*, int> reads[]
        = {{"IMPORT RECENT FOLDER LIST", "FOLDER3", "\\\\server\\share\\", 7},
           {"Import Recent Folder List", "Folder2", "none", 7},
           {"Import Recent Folder List", "ShowTimeStamps", "1", 1},
           {"Other", "A", "12abc", 12},
           {"Other", "B", "-3", -3},
           {"Other", "C", "99999999999", 7},
           {"Other", "D", "", 7}};
    for (const auto& [section, key, text, value] : reads)
        EXPECT_EQ(std::pair(profile.GetString(section, key, "none"), profile.GetInt(section, key, 7)),
                  std::pair(std::string(text), value))
            << section << "/" << key;
    EXPECT_EQ(profile.GetString("Missing", "Folder1"), "");
    EXPECT_EQ(CProfileFile(dir.Path() / "absent.INI").GetString("Folders", "OpenDefault", "x"), "x");

    ASSERT_TRUE(profile.WriteInt("Import Recent Folder List", "Folder2", 5));
    std::string expected = kWindowsIni;
    expected.insert(expected.find("\r\n\r\n[Other]") + 2, "Folder2=5\r\n");
    EXPECT_EQ(ReadText(ini), expected);
    EXPECT_EQ(profile.GetInt("Import Recent Folder List", "Folder2", 0), 5);
    // Nothing is left behind by the replacing write.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(Profile, CreatesTheFileAndItsFolderAndWritesThroughLinks)
{
    CProfileFile fresh(dir.Path() / "config" / "Quelbrook.INI");
    ASSERT_TRUE(fresh.WriteString("Folders", "OpenDefault", "/audio/"));
    ASSERT_TRUE(fresh.WriteInt("Import Recent Folder List", "ShowTimeStamps", 0));
    EXPECT_EQ(ReadText(fresh.Path()),
              "[Folders]\nOpenDefault=/audio/\n[Import Recent Folder List]\nShowTimeStamps=0\n");

    // Through a link, the file it names is written and the link stays.
    const fs::path link = dir.Path() / "link.INI";
    fs::create_symlink(ini, link);
    ASSERT_TRUE(CProfileFile(link).WriteString("Folders", "OpenDefault", "/a/"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "/a/");
}

TEST_F(Profile, RefusedTextsAndFailedWritesLeaveTheFileAsItWas)
{
    // A folder name may hold a line break; stored, it would forge other entries.
    EXPECT_FALSE(profile.WriteString("Folders", "Folder1", "/tmp/a\nFolder2=/evil/"));
    EXPECT_EQ(ReadText(ini), kWindowsIni);

    // A write that fails leaves the file as it was too: beside a name this long
    // no temporary file can be made, whoever runs the test.
    const fs::path longName = dir.Path() / std::string(250, 'q');
    WriteText(longName, kWindowsIni);
    EXPECT_FALSE(CProfileFile(longName).WriteString("Folders", "OpenDefault", "/x/"));
    EXPECT_EQ(ReadText(longName), kWindowsIni);
}

TEST_F(Profile, ReadsTheFileOnceUntilItChangesAndKeepsWhatOthersWrote)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "D:\\Takes\\");
    EXPECT_EQ(profile.ContentReads(), 1u);

    // A value already in place is neither read again nor written.
    const auto before = testwav::StatOf(ini).st_ino;
    EXPECT_TRUE(profile.WriteInt("Import Recent Folder List", "ShowTimeStamps", 1));
    EXPECT_EQ(profile.ContentReads(), 1u);
    EXPECT_EQ(testwav::StatOf(ini).st_ino, before);

    // Another instance's entry is seen and survives the next write.
    ASSERT_TRUE(CProfileFile(ini).WriteString("Other", "Added", "by another"));
    EXPECT_EQ(profile.GetString("Other", "Added"), "by another");
    ASSERT_TRUE(profile.WriteString("Folders", "OpenDefault", "/b/"));
    EXPECT_EQ(CProfileFile(ini).GetString("Other", "Added"), "by another");
    EXPECT_EQ(profile.GetString("Folders", "OpenDefault"), "/b/");
    EXPECT_EQ(profile.ContentReads(), 3u);  // the change seen, and the write's own fresh read
}

TEST_F(Profile, WhatIsNoSmallRegularWritableFileIsNeverWrittenOver)
{
    const std::string big = "[Folders]\nOpenDefault=/big/\n" + std::string(CProfileFile::MaxSize, ';');
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        std::string readsAs;  // what OpenDefault reads as
    };
    const Case cases[] = {
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "none"},
        {"a FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }, "none"},
        {"a link to an endless device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "none"},
        {"a file over the size limit", [&](const fs::path& p) { WriteText(p, big); }, "none"},
        {"a file a write would take over the limit",
         [&](const fs::path& p) { WriteText(p, big.substr(0, big.size() - 30)); }, "/big/"},
        // The missing owner write bit marks it read-only, also for a privileged user.
        {"a read-only file",
         [](const fs::path& p) {
             WriteText(p, kWindowsIni);
             fs::permissions(p, fs::perms::owner_read);
         },
         "D:\\Takes\\"},
    };
    for (const Case& c : cases) {
        const fs::path file = dir.Path() / c.name;
        c.make(file);
        const auto status = fs::symlink_status(file);
        const std::string content = fs::is_regular_file(status) ? ReadText(file) : "";
        // Run apart, so that a profile that blocks fails this test instead of hanging it.
        auto used = std::async(std::launch::async, [&] {
            CProfileFile odd(file);
            return std::pair(odd.GetString("Folders", "OpenDefault", "none"), odd.WriteString("Folders", "Key", "x"));
        });
        if (used.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            ADD_FAILURE() << c.name << " blocked";
            ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));  // releases a reader waiting on a FIFO
        }
        const auto [value, written] = used.get();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::pair(value, written), std::pair(c.readsAs, false));
        EXPECT_EQ(std::pair(fs::symlink_status(file).type(), fs::symlink_status(file).permissions()),
                  std::pair(status.type(), status.permissions()));
        EXPECT_EQ(fs::is_regular_file(status) ? ReadText(file) : "", content);
    }
    EXPECT_TRUE(fs::is_empty(dir.Path() / "a folder"));
}
