#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testwav;

namespace {

const Fmt kStereo16{1, 2, 44100, 12345, 4, 16};  // byte rate deliberately wrong
const WaveFormat kCorrected{1, 2, 4, 16, 44100, 176400};

class Rewrite : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& image, mode_t mode = 0644)
    {
        const std::string p = dir / name;
        WriteFile(p, image);
        chmod(p.c_str(), mode);
        return p;
    }

    static unsigned Mode(const std::string& p)
    {
        struct stat st {};
        return stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    TempDir dir;
    FakePrompt prompt;
    CWaveFile wave{prompt};
};

// Writes image at 0 and tail at tailAt of a sparse file; false when the
// file system will not hold such a file cheaply.
bool WriteSparse(const std::string& path, const Bytes& image, std::uint64_t tailAt, const Bytes& tail)
{
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    if (fd < 0)
        return false;
    bool ok = ftruncate(fd, static_cast<off_t>(tailAt + tail.size())) == 0
        && pwrite(fd, image.data(), image.size(), 0) == static_cast<ssize_t>(image.size())
        && pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(tailAt)) == static_cast<ssize_t>(tail.size());
    struct stat st {};
    ok = ok && fstat(fd, &st) == 0 && st.st_blocks * 512 < (1 << 24);
    close(fd);
    return ok;
}

// The chunks of a builder without the 12-byte file header.
Bytes ChunksOf(const WavBuilder& b)
{
    const Bytes all = b.Build();
    return Bytes(all.begin() + 12, all.end());
}

}  // namespace

TEST_F(Rewrite, FlaggedValuesAreWrittenAsGivenAndTheByteRateRecomputed)
{
    struct Case {
        HeaderChangeRequest request;
        WaveFormat want;
    };
    HeaderChangeRequest rate48k;
    rate48k.sampleRate = 48000;
    rate48k.changeSampleRate = true;
    rate48k.channels = 9;  // unflagged values are ignored
    const Case cases[] = {
        {{}, kCorrected},
        {rate48k, {1, 2, 4, 16, 48000, 192000}},
        {{4294967295u, 0, 65535, 0, true, false, false, true}, {1, 2, 65535, 16, 4294967295u, 4294901761u}},
        {{0, 0, 0, 0, true, true, true, true}, {1, 0, 0, 0, 0, 0}},
        {{96000, 6, 18, 24, false, true, true, false}, {1, 6, 4, 24, 44100, 176400}},
    };
    // An odd JUNK written without pad, as the walk expects.
    const Bytes image = WavBuilder().Chunk("JUNK", Bytes(3, 9), false).Fmt(kStereo16).Chunk("data", Pattern(33)).Build();
    int n = 0;
    for (const Case& c : cases) {
        const std::string p = Put(std::to_string(n++) + ".wav", image);
        wave.SetFileName(p);
        WaveFormat found;
        ASSERT_TRUE(wave.RewriteHeader(c.request, &found));
        EXPECT_EQ(found, (WaveFormat{1, 2, 4, 16, 44100, 12345}));
        EXPECT_TRUE(Rewritten(image, ReadFile(p), 12 + 8 + 3, c.want)) << "case " << n;
        EXPECT_EQ(wave.Format(), c.want);
        EXPECT_FALSE(wave.IsOpen());
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(Rewrite, UnflaggedFieldsComeFromTheFileAsItIsNow)
{
    const std::string p = Put("b.wav", WavBuilder().Fmt(kStereo16).Chunk("data", Pattern(33)).Build());
    wave.SetFileName(p);
    // Another program changes the header between load and rewrite.
    const Bytes changed = WavBuilder().Fmt({1, 6, 8000, 0, 18, 24}).Chunk("data", Pattern(33)).Build();
    WriteFile(p, changed);
    HeaderChangeRequest rate;
    rate.sampleRate = 16000;
    rate.changeSampleRate = true;
    ASSERT_TRUE(wave.RewriteHeader(rate));
    EXPECT_TRUE(Rewritten(changed, ReadFile(p), 12, {1, 6, 18, 24, 16000, 288000}));
}

TEST_F(Rewrite, ReadOnlyFilesAreAskedAboutOneByOne)
{
    const Bytes image = WavBuilder().Fmt(kStereo16).Chunk("data", Pattern(33)).Build();
    const std::string p1 = Put("1.wav", image, 0454), p2 = Put("2.wav", image, 0444), p3 = Put("3.wav", image, 0444);
    prompt.answers = {true, false, true};
    std::vector<bool> results;
    for (const std::string& p : {p1, p2, p3, Put("w.wav", image), dir / "gone.wav"}) {
        wave.SetFileName(p);
        results.push_back(wave.RewriteHeader({}));
    }
    EXPECT_EQ(results, (std::vector<bool>{true, false, true, true, false}));
    EXPECT_EQ(prompt.asked, (std::vector<std::string>{p1, p2, p3}));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"File " + p2 + " could not be opened - code: 5"});
    EXPECT_EQ(ReadFile(p2), image);
    EXPECT_EQ(Mode(p2), 0444u);
    EXPECT_TRUE(Rewritten(image, ReadFile(p1), 12, kCorrected));
    EXPECT_EQ(Mode(p1), 0654u);  // the mark stays cleared, nothing else touched
    EXPECT_EQ(ReadFile(p3), ReadFile(p1));
}

TEST(ReadOnlyQuestion, PathShortenedInTheMiddle)
{
    const std::string p26 = "/home/user/audio/take1.wav";
    EXPECT_EQ(ShortenMiddle(p26, 26), p26);
    EXPECT_EQ(ShortenMiddle("abcdefghij", 9), "abc...hij");
    // "é" is two bytes: a cut through it leaves the whole character out.
    EXPECT_EQ(ShortenMiddle("/home/cafe\xC3\xA9/audio/t\xC3\xA9ke1234.wav", 26), "/home/cafe...ke1234.wav");
    EXPECT_EQ(WriteProtectQuestion("/home/user/audio/take12.wav"),
              "The file /home/user/.../take12.wav is Write protected\n\n"
              "Change the attribute and allow the change?\n\nCancel will quit the operation");
    EXPECT_EQ(WriteProtectQuestion("%s %d.wav").substr(0, 19), "The file %s %d.wav ");
}

TEST_F(Rewrite, FilesOf4GiBAndMoreAreReadAndWrittenAtTheirTrueOffsets)
{
    // A JUNK chunk of almost 4 GiB puts "bext" and "regn" beyond 2^32.
    WavBuilder b;
    b.Fmt(kStereo16).Chunk("JUNK", {}, false, 0xFFFFFFF0);
    const std::uint64_t bextAt = b.Size() + 0xFFFFFFF0ull;
    Bytes tail = ChunksOf(WavBuilder().Chunk("bext", BextContent(7)));
    PutText(tail, "regn");
    if (!WriteSparse(dir / "big.wav", b.Build(), bextAt, tail))
        GTEST_SKIP() << "no sparse files here";
    wave.SetFileName(dir / "big.wav");
    EXPECT_EQ(wave.BextTimeReference(), 7u);
    EXPECT_EQ(wave.RegnOffset(), bextAt + tail.size() - 4);

    // RF64 with 5 GiB of audio and the "fmt " after it.
    const std::uint64_t dataSize = 5ull << 30;
    WavBuilder rf("RF64");
    rf.Ds64(dataSize).Chunk("data", {}, false, 0xFFFFFFFF);
    const std::uint64_t fmtAt = rf.Size() + dataSize;
    tail = ChunksOf(WavBuilder().Fmt(kStereo16).Chunk("bext", BextContent(9)));
    const std::string p = dir / "rf64.wav";
    ASSERT_TRUE(WriteSparse(p, rf.Build(), fmtAt, tail));
    wave.SetFileName(p);
    EXPECT_TRUE(wave.HeaderLoaded());
    EXPECT_EQ(wave.BextTimeReference(), 9u);
    ASSERT_TRUE(wave.RewriteHeader({}));
    EXPECT_EQ(std::filesystem::file_size(p), fmtAt + tail.size());
    EXPECT_TRUE(Rewritten(tail, ReadFile(p, fmtAt, tail.size()), 0, kCorrected));
    EXPECT_EQ(ReadFile(p, 0, rf.Size()), rf.Build());
}
