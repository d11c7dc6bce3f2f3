#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>

using testwav::Bytes;

namespace {

const std::filesystem::path kCorpus = QUELBROOK_CORPUS_DIR;

#define REQUIRE_CORPUS()                                             \
    if (!std::filesystem::is_directory(kCorpus / "wavinfo"))         \
    GTEST_SKIP() << "no corpus at " << kCorpus

}  // namespace

TEST(Corpus, HeadersAndRegionsAsTheFilesHoldThem)
{
    REQUIRE_CORPUS();
    struct Case {
        const char* file;
        WaveFormat format;
        std::uint32_t bext;
        std::uint64_t regn;
    };
    const Case cases[] = {
        {"wavinfo/PT A101_4.A1.wav", {1, 2, 6, 24, 48000, 288000}, 2191709524u, 871040},
        {"wavinfo/umid.wav", {1, 1, 3, 24, 44100, 132300}, 676200, 180224},
        {"wavinfo/Scene_1_2AG-T001_Tr1.WAV", {1, 1, 3, 24, 48000, 144000}, 3917280000u, 0},
        {"wavinfo/wavinfo Test Project - Audio - 5.1.wav", {0xFFFE, 6, 18, 24, 48000, 864000}, 172800000, 0},
        {"hound/nonstandard-01.wav", {1, 2, 6, 24, 48000, 288000}, 275188816, 0},
        {"hound/waveformatex-8bit-11025Hz-mono.wav", {1, 1, 1, 8, 11025, 11025}, 0, 0},
    };
    FakePrompt prompt;
    for (const Case& c : cases) {
        CWaveFile wave(prompt);
        wave.SetFileName((kCorpus / c.file).string());
        EXPECT_TRUE(wave.HeaderLoaded()) << c.file;
        EXPECT_EQ(wave.Format(), c.format) << c.file;
        EXPECT_EQ(wave.BextTimeReference(), c.bext) << c.file;
        EXPECT_EQ(wave.RegnOffset(), c.regn) << c.file;
    }
    // Regions as Pro Tools writes them; the length byte cuts off trailing bytes of the name.
    const RegionPreview pt = ReadRegionPreview((kCorpus / "wavinfo/PT A101_4.A1.wav").string(), prompt);
    ASSERT_EQ(pt.regions.size(), 1u);
    EXPECT_EQ(pt.regions[0].name, "PT A101_4.A1.wav");
    EXPECT_EQ(pt.regions[0].end, 144140u);
    EXPECT_EQ(pt.regions[0].origTs, 2191709524u);
    const RegionPreview umid = ReadRegionPreview((kCorpus / "wavinfo/umid.wav").string(), prompt);
    ASSERT_EQ(umid.regions.size(), 1u);
    EXPECT_EQ(umid.regions[0].name, "Audio 1_01");
    EXPECT_EQ(umid.regions[0].userTs, 676200u);
    EXPECT_TRUE(prompt.messages.empty());
}

namespace {

// Inflates the gzip file into dest, leaving the audio payload [holeFrom, holeTo)
// as a hole so the 2.4 GB file costs almost no disk.
bool InflateSparse(const std::string& gz, const std::string& dest, std::uint64_t holeFrom, std::uint64_t holeTo,
                   std::uint64_t& total)
{
    gzFile in = gzopen(gz.c_str(), "rb");
    const int fd = open(dest.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    bool ok = in != nullptr && fd >= 0;
    gzbuffer(in, 1 << 20);
    std::vector<unsigned char> buf(1 << 20);
    total = 0;
    while (ok) {
        const int n = gzread(in, buf.data(), static_cast<unsigned>(buf.size()));
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (std::uint64_t i = 0; i < static_cast<std::uint64_t>(n);) {
            const std::uint64_t at = total + i;
            std::uint64_t run = static_cast<std::uint64_t>(n) - i;
            const bool inHole = at >= holeFrom && at < holeTo;
            run = std::min(run, inHole ? holeTo - at : (at < holeFrom ? holeFrom - at : run));
            if (!inHole)
                ok = ok && pwrite(fd, buf.data() + i, run, static_cast<off_t>(at)) == static_cast<ssize_t>(run);
            i += run;
        }
        total += static_cast<std::uint64_t>(n);
    }
    ok = ok && ftruncate(fd, static_cast<off_t>(total)) == 0;
    if (fd >= 0)
        close(fd);
    if (in != nullptr)
        gzclose(in);
    return ok;
}

}  // namespace

TEST(Corpus, BigRf64FindsTheBextAfterTheAudio)
{
    REQUIRE_CORPUS();
    testwav::TempDir dir;
    const std::string path = dir / "big.wav";
    // Payload of the "data" chunk at 72 (its size in ds64); the chunks after it are kept.
    const std::uint64_t payloadAt = 80, payloadSize = 2399486814u;
    std::uint64_t total = 0;
    ASSERT_TRUE(InflateSparse((kCorpus / "wavinfo/Testfile_SEQ_RF64_Big.wav.gz").string(), path, payloadAt,
                              payloadAt + payloadSize, total));
    ASSERT_EQ(total, 2399487884u);

    FakePrompt prompt;
    CWaveFile wave(prompt);
    wave.SetFileName(path);
    EXPECT_EQ(wave.Format(), (WaveFormat{1, 2, 6, 24, 96000, 576000}));
    EXPECT_EQ(wave.BextTimeReference(), 6580870u);

    const std::uint64_t tailAt = payloadAt + payloadSize;
    const Bytes head = testwav::ReadFile(path, 0, 4096);
    const Bytes tail = testwav::ReadFile(path, tailAt, 4096);
    ASSERT_TRUE(wave.RewriteHeader({48000, 1, 3, 24, true, true, true, true}));
    EXPECT_EQ(std::filesystem::file_size(path), total);
    EXPECT_EQ(testwav::ReadFile(path, tailAt, 4096), tail);
    EXPECT_TRUE(Rewritten(head, testwav::ReadFile(path, 0, 4096), 48, {1, 1, 3, 24, 48000, 144000}));
    EXPECT_TRUE(prompt.messages.empty());
}
