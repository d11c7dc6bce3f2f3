#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace testwav;

namespace {

const Fmt kFmtA{3, 6, 96000, 2304000, 24, 32};
const std::uint32_t kTimeRef = 2191709524u;

class Load : public ::testing::Test {
protected:
    std::string Put(const char* name, const Bytes& image)
    {
        const std::string p = dir / name;
        WriteFile(p, image);
        return p;
    }

    // The high word of the time reference must be ignored.
    static WavBuilder Head()
    {
        WavBuilder b;
        b.Chunk("JUNK", Bytes(28, 0)).Fmt(kFmtA).Chunk("bext", BextContent(0xDEADBEEF00000000ull | kTimeRef));
        return b.Chunk("data", Bytes(11, 0x7F));
    }

    using Row = std::tuple<std::string, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>;
    std::vector<Row> Rows(const Bytes& image)
    {
        std::vector<Row> rows;
        for (const RegionRecord& r : ReadRegionPreview(Put("r.wav", image), prompt).regions)
            rows.emplace_back(r.name, r.start, r.end, r.userTs, r.origTs);
        return rows;
    }

    TempDir dir;
    FakePrompt prompt;
    CWaveFile wave{prompt};
};

}  // namespace

TEST_F(Load, ReadsFmtBextAndRegnPosition)
{
    Bytes image = Head().Build();
    PutText(image, "regn");  // an id in the last four bytes still counts
    wave.SetFileName(Put("a.wav", image));
    EXPECT_EQ(wave.Format(), (WaveFormat{3, 6, 24, 32, 96000, 2304000}));
    EXPECT_TRUE(wave.HeaderLoaded());
    EXPECT_FALSE(wave.IsOpen());
    EXPECT_EQ(wave.BextTimeReference(), kTimeRef);
    EXPECT_EQ(wave.RegnOffset(), image.size() - 4);

    // Gone chunks keep the format of the last file but clear "bext" and "regn".
    image = WavBuilder().Chunk("data", Bytes(4, 0)).Build();
    PutText(image, "reg");
    wave.SetFileName(Put("b.wav", image));
    EXPECT_EQ(wave.Format(), (WaveFormat{3, 6, 24, 32, 96000, 2304000}));
    EXPECT_FALSE(wave.HeaderLoaded());
    EXPECT_EQ(wave.BextTimeReference(), 0u);
    EXPECT_EQ(wave.RegnOffset(), 0u);
    CWaveFile fresh(prompt);
    fresh.SetFileName(dir / "b.wav");
    EXPECT_EQ(fresh.Format(), WaveFormat{});
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, CutOrMissingFilesKeepWhatCannotBeRead)
{
    wave.SetFileName(Put("a.wav", Head().Build()));
    Bytes cut = WavBuilder().Fmt({1, 2, 0x00BBAA00, 1, 2, 3}).Build();
    cut.resize(12 + 8 + 4 + 2);  // half of sampleRate: its other bytes stay
    wave.SetFileName(Put("cut.wav", cut));
    EXPECT_EQ(wave.Format(), (WaveFormat{1, 2, 24, 32, (96000u & 0xFFFF0000u) | 0xAA00u, 2304000}));
    EXPECT_FALSE(wave.HeaderLoaded());

    const Bytes whole = WavBuilder().Fmt({}).Build();
    wave.SetFileName(Put("almost.wav", Bytes(whole.begin(), whole.end() - 1)));
    EXPECT_FALSE(wave.HeaderLoaded());
    wave.SetFileName(Put("whole.wav", whole));
    EXPECT_TRUE(wave.HeaderLoaded());

    wave.SetFileName(Put("a.wav", Head().Build()));
    wave.SetFileName(dir / "gone.wav");
    EXPECT_FALSE(wave.HeaderLoaded());
    EXPECT_EQ(wave.Format().channels, 6);
    EXPECT_EQ(wave.BextTimeReference(), kTimeRef);
    EXPECT_EQ(wave.FileName(), dir / "gone.wav");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, OpenMessages)
{
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    ASSERT_EQ(prompt.messages, std::vector<std::string>{"No file name."});
    wave.SetFileName(Put("a.wav", Head().Build()));
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

TEST_F(Load, RegionRowsInChunkOrder)
{
    const std::vector<Region> recs = {
        {"Zeta", -1, 100, 200, 300, 400}, {"Alpha", -1, 0xFFFFFFFF, 1, 2, 0x80000000u},
        {"TwelveChars!", 5}, {"four", 31}, {"ten chars!", 200},  // the length byte is unsigned
        {std::string(31, 'x'), 255}, {"", 0}, {"\xE9t\xE9", -1},  // stored bytes, as they are
    };
    const std::vector<Row> want = {{"Zeta", 100, 200, 300, 400}, {"Alpha", 0xFFFFFFFF, 1, 2, 0x80000000u},
                                   {"Twelv", 0, 0, 0, 0}, {"four", 0, 0, 0, 0}, {"ten chars!", 0, 0, 0, 0},
                                   {std::string(31, 'x'), 0, 0, 0, 0}, {"", 0, 0, 0, 0}, {"\xE9t\xE9", 0, 0, 0, 0}};
    EXPECT_EQ(Rows(Head().Chunk("regn", RegnContent(recs)).Build()), want);
    const RegionPreview pv = ReadRegionPreview(dir / "r.wav", prompt);
    EXPECT_TRUE(pv.timeStampValid);
    EXPECT_EQ(pv.sampleRate, 96000u);
    EXPECT_EQ(pv.bextTimeReference, kTimeRef);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, RegionRowsOnlyForRecordsThatStartInsideTheFile)
{
    const Region r{"cut", -1, 0x01020304, 0x05060708, 7, 8};
    Bytes image = Head().Chunk("regn", RegnContent({r, r}, 1000000)).Build();
    image.resize(image.size() - 88 + 18);  // the second record stops inside its start field
    EXPECT_EQ(Rows(image), (std::vector<Row>{{"cut", 0x01020304, 0x05060708, 7, 8}, {"", 0x0304, 0, 0, 0}}));
    EXPECT_EQ(Rows(Head().Chunk("regn", RegnContent({r}, 0xFFFFFFFF)).Build()).size(), 1u);

    image = Head().Build();
    PutText(image, "regn");
    PutLe(image, 100, 4);
    PutLe(image, 1, 2);  // half a count
    EXPECT_TRUE(Rows(image).empty());
    const RegionPreview missing = ReadRegionPreview(dir / "none.wav", prompt);
    EXPECT_FALSE(missing.timeStampValid);
    EXPECT_TRUE(missing.regions.empty());
    EXPECT_TRUE(prompt.messages.empty());
}
