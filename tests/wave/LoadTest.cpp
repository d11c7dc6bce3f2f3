#include "wave/CWaveFile.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using testwav::Bytes;
using testwav::TempDir;
using testwav::WavBuilder;

namespace {

const testwav::Fmt kFmtA{3, 6, 96000, 2304000, 24, 32};

Bytes FullFile(std::uint64_t timeRef)
{
    WavBuilder b;
    b.Chunk("JUNK", Bytes(28, 0))
        .Fmt(kFmtA)
        .Chunk("bext", testwav::BextContent(timeRef))
        .Chunk("data", Bytes(11, 0x7F))
        .Chunk("regn", testwav::RegnContent({}));
    return b.Build();
}

class Load : public ::testing::Test {
protected:
    std::string Put(const char* name, const Bytes& image)
    {
        const std::string p = dir / name;
        testwav::WriteFile(p, image);
        return p;
    }

    TempDir dir;
    FakePrompt prompt;
    CWaveFile wave{prompt};
};

}  // namespace

TEST_F(Load, ReadsFmtBextAndRegnPosition)
{
    const Bytes image = FullFile(0xDEADBEEF00000000ull | 2191709524u);
    wave.SetFileName(Put("a.wav", image));
    const WaveFormat want{3, 6, 24, 32, 96000, 2304000};
    EXPECT_EQ(wave.Format(), want);
    EXPECT_TRUE(wave.HeaderLoaded());
    EXPECT_FALSE(wave.IsOpen());
    EXPECT_EQ(wave.BextTimeReference(), 2191709524u);  // the low word only
    EXPECT_EQ(wave.RegnOffset(), image.size() - 12);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, AbsentChunksKeepFormatButClearBextAndRegn)
{
    wave.SetFileName(Put("a.wav", FullFile(77)));
    ASSERT_EQ(wave.BextTimeReference(), 77u);
    const WaveFormat a = wave.Format();

    WavBuilder noFmt;
    noFmt.Chunk("bext", testwav::BextContent(5)).Chunk("data", Bytes(4, 0));
    wave.SetFileName(Put("b.wav", noFmt.Build()));
    EXPECT_EQ(wave.Format(), a);
    EXPECT_FALSE(wave.HeaderLoaded());
    EXPECT_EQ(wave.BextTimeReference(), 5u);
    EXPECT_EQ(wave.RegnOffset(), 0u);

    wave.SetFileName(Put("c.wav", WavBuilder().Chunk("data", Bytes(4, 0)).Build()));
    EXPECT_EQ(wave.Format(), a);
    EXPECT_EQ(wave.BextTimeReference(), 0u);

    // A fresh object shows zeros for the same file.
    CWaveFile fresh(prompt);
    fresh.SetFileName(dir / "c.wav");
    EXPECT_EQ(fresh.Format(), WaveFormat{});
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, ShortReadKeepsTheUnreadBytesOfAField)
{
    wave.SetFileName(Put("a.wav", FullFile(9)));
    Bytes cut = WavBuilder().Fmt({1, 2, 0x00BBAA00, 1, 2, 3}).Build();
    cut.resize(12 + 8 + 4 + 2);  // half of sampleRate
    wave.SetFileName(Put("cut.wav", cut));
    EXPECT_EQ(wave.Format().formatTag, 1);
    EXPECT_EQ(wave.Format().channels, 2);
    EXPECT_EQ(wave.Format().sampleRate, (96000u & 0xFFFF0000u) | 0xAA00u);
    EXPECT_EQ(wave.Format().avgBytesPerSec, kFmtA.avgBytesPerSec);
    EXPECT_EQ(wave.Format().bitsPerSample, kFmtA.bitsPerSample);
    EXPECT_FALSE(wave.HeaderLoaded());

    Bytes almost = WavBuilder().Fmt({1, 2, 44100, 88200, 2, 16}).Build();
    almost.pop_back();
    wave.SetFileName(Put("almost.wav", almost));
    EXPECT_FALSE(wave.HeaderLoaded());
    almost.push_back(0);
    wave.SetFileName(Put("whole.wav", almost));
    EXPECT_TRUE(wave.HeaderLoaded());
    EXPECT_EQ(wave.Format().bitsPerSample, 16);
}

TEST_F(Load, MissingFileChangesNothingSilently)
{
    wave.SetFileName(Put("a.wav", FullFile(1234)));
    const WaveFormat a = wave.Format();
    const std::uint64_t regn = wave.RegnOffset();
    wave.SetFileName(dir / "gone.wav");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(wave.Format(), a);
    EXPECT_EQ(wave.BextTimeReference(), 1234u);
    EXPECT_EQ(wave.RegnOffset(), regn);
    EXPECT_FALSE(wave.HeaderLoaded());
    EXPECT_EQ(wave.FileName(), dir / "gone.wav");
}

TEST_F(Load, OpenMessages)
{
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    ASSERT_EQ(prompt.messages, std::vector<std::string>{"No file name."});

    wave.SetFileName(Put("a.wav", FullFile(1)));
    ASSERT_TRUE(wave.Open(OpenMode::OpenRead));
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    EXPECT_EQ(prompt.messages.back(), "File already open.");
    EXPECT_TRUE(wave.Close());
    EXPECT_FALSE(wave.Close());

    prompt.messages.clear();
    const std::string d = dir.Path().string();
    wave.SetFileName(d);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"File " + d + " could not be opened - code: 5"});
    EXPECT_EQ(wave.LastOpenError(), OpenFailureCause::AccessDenied);
}

// Registered with a time-out: opening a FIFO must not wait for a writer.
TEST_F(Load, FifoIsRefusedWithoutBlocking)
{
    const std::string fifo = dir / "pipe.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    wave.SetFileName(fifo);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"File " + fifo + " could not be opened - code: 6"});
    EXPECT_FALSE(wave.HeaderLoaded());
}
