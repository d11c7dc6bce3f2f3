#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using testwav::Bytes;
using testwav::TempDir;
using testwav::WavBuilder;

namespace {

const testwav::Fmt kStereo16{1, 2, 44100, 12345, 4, 16};  // byte rate deliberately wrong

class Rewrite : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& image, mode_t mode = 0644)
    {
        const std::string p = dir / name;
        testwav::WriteFile(p, image);
        chmod(p.c_str(), mode);
        return p;
    }

    bool Run(const std::string& p, const HeaderChangeRequest& request, WaveFormat* before = nullptr)
    {
        wave.SetFileName(p);
        return wave.RewriteHeader(request, before);
    }

    static Bytes Simple(const testwav::Fmt& f, const Bytes& extension = {})
    {
        // An odd JUNK written without pad, as the walk expects.
        return WavBuilder().Chunk("JUNK", Bytes(3, 9), false).Fmt(f, extension).Chunk("data", Pattern()).Build();
    }
    static Bytes Pattern() { return testwav::Pattern(33); }
    static constexpr std::size_t kFmtAt = 12 + 8 + 3;
    TempDir dir;
    FakePrompt prompt;
    CWaveFile wave{prompt};
};

}  // namespace

TEST_F(Rewrite, NoFlagsOnlyCorrectsTheByteRate)
{
    const Bytes image = Simple(kStereo16);
    const std::string p = Put("a.wav", image);
    WaveFormat found;
    ASSERT_TRUE(Run(p, {}, &found));
    EXPECT_EQ(found, (WaveFormat{1, 2, 4, 16, 44100, 12345}));
    EXPECT_TRUE(Rewritten(image, testwav::ReadFile(p), kFmtAt, {1, 2, 4, 16, 44100, 176400}));
    EXPECT_EQ(wave.Format().avgBytesPerSec, 176400u);
    EXPECT_FALSE(wave.IsOpen());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Rewrite, FlaggedValuesAreWrittenAsGiven)
{
    struct Case {
        HeaderChangeRequest request;
        WaveFormat want;
    };
    HeaderChangeRequest rate48k;
    rate48k.sampleRate = 48000;
    rate48k.changeSampleRate = true;
    rate48k.channels = 9;  // unflagged values are ignored
    HeaderChangeRequest overflow{4294967295u, 0, 65535, 0, true, false, false, true};
    HeaderChangeRequest zeros{0, 0, 0, 0, true, true, true, true};
    HeaderChangeRequest swapped{96000, 6, 18, 24, false, true, true, false};
    const Case cases[] = {
        {rate48k, {1, 2, 4, 16, 48000, 192000}},
        {overflow, {1, 2, 65535, 16, 4294967295u, 4294901761u}},
        {zeros, {1, 0, 0, 0, 0, 0}},
        {swapped, {1, 6, 4, 24, 44100, 176400}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const Bytes image = WavBuilder().Fmt(kStereo16).Chunk("data", Pattern()).Build();
        const std::string p = Put("f" + std::to_string(n++) + ".wav", image);
        ASSERT_TRUE(Run(p, c.request));
        EXPECT_TRUE(Rewritten(image, testwav::ReadFile(p), 12, c.want)) << "case " << n;
        EXPECT_EQ(wave.Format(), c.want);
        EXPECT_EQ(ApplyChangeRequest({1, 2, 4, 16, 44100, 12345}, c.request), c.want);
    }
}

TEST_F(Rewrite, UnflaggedFieldsComeFromTheFileAsItIsNow)
{
    const std::string p = Put("b.wav", WavBuilder().Fmt(kStereo16).Chunk("data", Pattern()).Build());
    wave.SetFileName(p);
    // Another program changes the header between load and rewrite.
    const Bytes changed = WavBuilder().Fmt({1, 6, 8000, 0, 18, 24}).Chunk("data", Pattern()).Build();
    testwav::WriteFile(p, changed);
    HeaderChangeRequest rate;
    rate.sampleRate = 16000;
    rate.changeSampleRate = true;
    ASSERT_TRUE(wave.RewriteHeader(rate));
    EXPECT_TRUE(Rewritten(changed, testwav::ReadFile(p), 12, {1, 6, 18, 24, 16000, 288000}));
}

TEST_F(Rewrite, ReadOnlyFileAskedAndWrittenOnYes)
{
    const Bytes image = Simple(kStereo16);
    const std::string p = Put("ro.wav", image, 0454);
    prompt.answers = {true};
    ASSERT_TRUE(Run(p, {}));
    EXPECT_EQ(prompt.asked, std::vector<std::string>{p});
    EXPECT_TRUE(Rewritten(image, testwav::ReadFile(p), kFmtAt, {1, 2, 4, 16, 44100, 176400}));
    struct stat st {};
    ASSERT_EQ(stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0654u);  // the mark stays cleared, nothing else touched
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Rewrite, CancelLeavesTheFileAndAsksAboutTheNextOnes)
{
    const Bytes image = WavBuilder().Fmt(kStereo16).Chunk("data", Pattern()).Build();
    const std::string p1 = Put("1.wav", image, 0444);
    const std::string p2 = Put("2.wav", image, 0444);
    const std::string p3 = Put("3.wav", image, 0444);
    prompt.answers = {true, false, true};
    EXPECT_TRUE(Run(p1, {}));
    EXPECT_FALSE(Run(p2, {}));
    EXPECT_TRUE(Run(p3, {}));
    EXPECT_EQ(prompt.asked, (std::vector<std::string>{p1, p2, p3}));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"File " + p2 + " could not be opened - code: 5"});
    EXPECT_EQ(testwav::ReadFile(p2), image);
    struct stat st {};
    ASSERT_EQ(stat(p2.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_NE(testwav::ReadFile(p1), image);
    EXPECT_EQ(testwav::ReadFile(p1), testwav::ReadFile(p3));
}
