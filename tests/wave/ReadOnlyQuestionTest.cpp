#include "wave/ConfirmWritable.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using testwav::TempDir;

TEST(ReadOnlyQuestion, PathShortenedInTheMiddle)
{
    const std::string p26 = "/home/user/audio/take1.wav";
    ASSERT_EQ(p26.size(), 26u);
    EXPECT_EQ(ShortenMiddle(p26, 26), p26);
    EXPECT_EQ(ShortenMiddle("/home/user/audio/take12.wav", 26), "/home/user/.../take12.wav");
    EXPECT_EQ(ShortenMiddle("abcdefghij", 9), "abc...hij");
    EXPECT_EQ(ShortenMiddle("", 26), "");
    // "é" is two bytes: a cut through it leaves the whole character out.
    EXPECT_EQ(ShortenMiddle("/home/cafe\xC3\xA9/audio/t\xC3\xA9ke1234.wav", 26), "/home/cafe...ke1234.wav");
    EXPECT_EQ(WriteProtectQuestion("/home/user/audio/take12.wav"),
              "The file /home/user/.../take12.wav is Write protected\n\n"
              "Change the attribute and allow the change?\n\nCancel will quit the operation");
    EXPECT_EQ(WriteProtectQuestion("%s %d.wav"),
              "The file %s %d.wav is Write protected\n\n"
              "Change the attribute and allow the change?\n\nCancel will quit the operation");
}

TEST(ReadOnlyQuestion, AskedOnlyForMarkedFiles)
{
    TempDir dir;
    FakePrompt prompt;
    const std::string p = dir / "a.wav";
    testwav::WriteFile(p, testwav::Bytes(4, 0));
    ASSERT_EQ(chmod(p.c_str(), 0640), 0);
    EXPECT_TRUE(ConfirmWritable(dir / "none.wav", prompt));
    EXPECT_TRUE(ConfirmWritable(p, prompt));
    EXPECT_TRUE(prompt.asked.empty());

    ASSERT_EQ(chmod(p.c_str(), 0440), 0);
    struct timespec times[2] = {{1000000, 0}, {2000000, 500}};
    ASSERT_EQ(utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
    prompt.answers = {false, true};
    EXPECT_FALSE(ConfirmWritable(p, prompt));
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0440u);

    EXPECT_TRUE(ConfirmWritable(p, prompt));
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 2000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500);
    EXPECT_EQ(prompt.asked, (std::vector<std::string>{p, p}));
    EXPECT_TRUE(prompt.messages.empty());
}
