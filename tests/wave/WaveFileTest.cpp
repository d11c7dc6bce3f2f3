#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"
#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace testwav;

namespace {

const Fmt kFmtA{3, 6, 96000, 2304000, 24, 32};
const Fmt kStereo16{1, 2, 44100, 12345, 4, 16};  // byte rate deliberately wrong
const WaveFormat kCorrected{1, 2, 4, 16, 44100, 176400};
const std::uint32_t kTimeRef = 2191709524u;

class WaveFileTest : public ::testing::Test {
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
using Load = WaveFileTest;
using Rewrite = WaveFileTest;

// Writes image at 0 and tail's chunks at tailAt of a sparse file; false when
// the file system will not hold such a file cheaply.
bool WriteSparse(const std::string& path, const Bytes& image, std::uint64_t tailAt, const WavBuilder& tail)
{
    const Bytes chunks = tail.Build();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()))
        .seekp(static_cast<std::streamoff>(tailAt))
        .write(reinterpret_cast<const char*>(chunks.data()) + 12, static_cast<std::streamsize>(chunks.size() - 12));
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && st.st_blocks * 512 < (1 << 24)
        && static_cast<std::uint64_t>(st.st_size) == tailAt + chunks.size() - 12;
}

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
    EXPECT_EQ(wave.BextTimeReference(), kTimeRef);
    EXPECT_EQ(wave.FileName(), dir / "gone.wav");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Load, OpenMessages)
{
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"No file name."});
    wave.SetFileName(Put("a.wav", Head().Build()));
    ASSERT_TRUE(wave.Open(OpenMode::OpenRead));
    EXPECT_FALSE(wave.Open(OpenMode::OpenRead));
    EXPECT_EQ(prompt.messages.back(), "File already open.");
    EXPECT_TRUE(wave.Close());
    wave.SetFileName(dir.Path().string());
    EXPECT_EQ(prompt.messages.back(), "File " + dir.Path().string() + " could not be opened - code: 5");
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
    const std::vector<Region> recs = {{"Zeta", -1, 100, 200, 300, 400}, {"Alpha", -1, 0xFFFFFFFF, 1, 2, 0x80000000u},
                                      {"TwelveChars!", 5}, {"four", 31}, {std::string(31, 'x'), 200}, {"gone", 0}};
    const std::vector<Row> want = {{"Zeta", 100, 200, 300, 400}, {"Alpha", 0xFFFFFFFF, 1, 2, 0x80000000u},
                                   {"Twelv", 0, 0, 0, 0}, {"four", 0, 0, 0, 0}, {std::string(31, 'x'), 0, 0, 0, 0},
                                   {"", 0, 0, 0, 0}};
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
    PutLe(image, 100, 6);  // a size and half a count
    EXPECT_TRUE(Rows(image).empty());
    const RegionPreview missing = ReadRegionPreview(dir / "none.wav", prompt);
    EXPECT_FALSE(missing.timeStampValid);
    EXPECT_TRUE(missing.regions.empty());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Rewrite, FlaggedValuesAreWrittenAsGivenAndTheByteRateRecomputed)
{
    HeaderChangeRequest rate48k;
    rate48k.sampleRate = 48000;
    rate48k.changeSampleRate = true;
    rate48k.channels = 9;  // unflagged values are ignored
    const std::pair<HeaderChangeRequest, WaveFormat> cases[] = {
        {{}, kCorrected},
        {rate48k, {1, 2, 4, 16, 48000, 192000}},
        {{4294967295u, 0, 65535, 0, true, false, false, true}, {1, 2, 65535, 16, 4294967295u, 4294901761u}},
        {{0, 0, 0, 0, true, true, true, true}, {1, 0, 0, 0, 0, 0}},
        {{96000, 6, 18, 24, false, true, true, false}, {1, 6, 4, 24, 44100, 176400}},
    };
    // An odd JUNK written without pad, as the walk expects.
    const Bytes image = WavBuilder().Chunk("JUNK", Bytes(3, 9), false).Fmt(kStereo16).Chunk("data", Pattern(33)).Build();
    int n = 0;
    for (const auto& [request, want] : cases) {
        const std::string p = Put(std::to_string(n++) + ".wav", image);
        wave.SetFileName(p);
        WaveFormat found;
        ASSERT_TRUE(wave.RewriteHeader(request, &found));
        EXPECT_EQ(found, (WaveFormat{1, 2, 4, 16, 44100, 12345}));
        EXPECT_TRUE(Rewritten(image, ReadFile(p), 12 + 8 + 3, want)) << "case " << n;
        EXPECT_EQ(wave.Format(), want);
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
    ASSERT_TRUE(wave.RewriteHeader({16000, 0, 0, 0, true, false, false, false}));
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
    EXPECT_EQ(ShortenMiddle("/home/user/audio/take1.wav", 26), "/home/user/audio/take1.wav");
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
    if (!WriteSparse(dir / "big.wav", b.Build(), bextAt, WavBuilder().Chunk("bext", BextContent(7)).Chunk("regn", {})))
        GTEST_SKIP() << "no sparse files here";
    wave.SetFileName(dir / "big.wav");
    EXPECT_EQ(wave.BextTimeReference(), 7u);
    EXPECT_EQ(wave.RegnOffset(), bextAt + 8 + 602);

    // RF64 with 5 GiB of audio and the "fmt " after it.
    WavBuilder rf("RF64");
    rf.Ds64(5ull << 30).Chunk("data", {}, false, 0xFFFFFFFF);
    const std::uint64_t fmtAt = rf.Size() + (5ull << 30);
    const WavBuilder tail = WavBuilder().Fmt(kStereo16).Chunk("bext", BextContent(9));
    const std::string p = dir / "rf64.wav";
    ASSERT_TRUE(WriteSparse(p, rf.Build(), fmtAt, tail));
    wave.SetFileName(p);
    EXPECT_TRUE(wave.HeaderLoaded());
    EXPECT_EQ(wave.BextTimeReference(), 9u);
    ASSERT_TRUE(wave.RewriteHeader({}));
    Bytes chunks = tail.Build();
    chunks.erase(chunks.begin(), chunks.begin() + 12);
    EXPECT_EQ(std::filesystem::file_size(p), fmtAt + chunks.size());
    EXPECT_TRUE(Rewritten(chunks, ReadFile(p, fmtAt, chunks.size()), 0, kCorrected));
    EXPECT_EQ(ReadFile(p, 0, rf.Size()), rf.Build());
}
