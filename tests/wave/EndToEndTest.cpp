#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <memory>

using namespace testwav;

namespace {

const std::filesystem::path kCorpus = QUELBROOK_CORPUS_DIR;

#define REQUIRE_CORPUS()                                     \
    if (!std::filesystem::is_directory(kCorpus / "wavinfo")) \
    GTEST_SKIP() << "no corpus at " << kCorpus

struct Sample {
    std::string name;
    Bytes image;
    std::uint64_t fmtAt;  // 0: the rewrite must fail and change nothing
};

std::vector<Sample> GeneratedSamples()
{
    const Fmt pcm{1, 2, 44100, 176400, 4, 16};
    std::vector<Sample> out;
    auto add = [&](std::string name, const WavBuilder& b, bool fmtFound = true) {
        out.push_back({std::move(name), b.Build(), fmtFound ? b.OffsetOf("fmt ") : 0});
    };
    // Valid bits and mask already agree with the 20 bits and 3 channels written.
    add("extensible.wav",
        WavBuilder()
            .Fmt({0xFFFE, 6, 48000, 864000, 18, 24}, Extension(20, 0x700))
            .Chunk("fact", Bytes(4, 7))
            .Chunk("data", Pattern(36, 2)));
    add("fmt18.wav", WavBuilder().Fmt({3, 1, 44100, 176400, 4, 32}, {0x55, 0xAA}).Chunk("data", Pattern(16, 3)));
    // Only "data" is followed by a pad byte when odd.
    add("odd-data-first.wav", WavBuilder().Chunk("data", Pattern(101, 4)).Chunk("LIST", Pattern(26, 5)).Fmt(pcm));
    add("odd-list-unpadded.wav", WavBuilder().Chunk("LIST", Pattern(13, 6), false).Fmt(pcm));
    add("odd-list-padded.wav", WavBuilder().Chunk("LIST", Pattern(13, 6)).Fmt(pcm), false);
    add("bext-regn.wav",
        WavBuilder()
            .Chunk("JUNK", Bytes(28, 0))
            .Chunk("bext", BextContent(123456789))
            .Fmt(pcm)
            .Chunk("data", Pattern(77, 7))
            .Chunk("regn", RegnContent({{"one", -1, 1, 2, 3, 4}})));
    add("rf64.wav",
        WavBuilder("RF64")
            .Ds64(33)
            .Fmt(pcm)
            .Chunk("data", Pattern(33, 8), true, 0xFFFFFFFF)
            .Chunk("bext", BextContent(9)));
    add("bw64-fmt-last.wav", WavBuilder("BW64").Ds64(101).Chunk("data", Pattern(101, 9), true, 0xFFFFFFFF).Fmt(pcm));
    add("no-fmt.wav", WavBuilder().Chunk("data", Pattern(40, 10)), false);
    add("twelve.wav", WavBuilder(), false);
    add("two-fmt.wav", WavBuilder().Fmt(pcm).Fmt({3, 1, 8000, 32000, 4, 32}).Chunk("data", Bytes(4, 1)));
    // Sizes that run past the end stop the walk; 0xFFFFFFFF counts as is in a RIFF file.
    add("junk-too-long.wav", WavBuilder().Chunk("JUNK", Bytes(4, 0), true, 0xFFFFFF00).Fmt(pcm), false);
    add("odd-max-data.wav", WavBuilder().Chunk("data", {}, false, 0xFFFFFFFF).Fmt(pcm), false);
    // A "data" size of 2^64 - 1 must not wrap into the audio, which holds a "fmt " chunk.
    const Bytes inAudio = WavBuilder().Fmt(pcm).Build();
    add("rf64-size-wraps.wav",
        WavBuilder("RF64").Ds64(~0ull).Chunk("data", {inAudio.begin() + 12, inAudio.end()}, false, 0xFFFFFFFF), false);
    add("riff-with-ds64.wav", WavBuilder().Ds64(101).Chunk("data", Pattern(101), true, 0xFFFFFFFF).Fmt(pcm), false);
    // "fmt " chunks whose fields do not all lie inside the file (cut20: the id alone).
    const Bytes cut = WavBuilder().Chunk("JUNK", Bytes(4, 1)).Fmt(pcm).Build();
    for (int drop : {1, 12, 18, 20})
        out.push_back({"cut" + std::to_string(drop) + ".wav", Bytes(cut.begin(), cut.end() - drop), 0});
    // The walk starts at 12: the form type is never taken for a chunk.
    out.push_back({"not-riff.wav", WavBuilder("\x01\x02\x03\x04", "fmt ").Fmt(pcm).Build(), 12});
    return out;
}

// Where the walk finds "fmt " in each corpus file (0: nowhere; absent: 12).
const std::map<std::string, std::uint64_t> kCorpusFmt = {
    {"nonstandard-01.wav", 722},
    {"crash-e879de4eb4d206c59e21f0e01def16457af80fdc.wav", 0},
    {"oom-48ae4cd061ff8578ad3f23dc87624bd365cf5216.wav", 0},
    {"Testfile_SEQ_RF64_Big.wav.gz", 0},
    {"A101_4.WAV", 6112},
    {"PT A101_4.A1.wav", 6112},
    {"STE-000.wav", 878},
    {"Scene_1_2AG-T001_Tr1.WAV", 6368},
    {"Sr001-2C-01_01.WAV", 878},
    {"Test_ADM_ProTools.wav", 84},
    {"new_camera bumb 1.wav", 48},
    {"umid.wav", 722},
    {"wavinfo Test Project - Audio - 5.1.wav", 868},
    {"wavinfo Test Project - Audio - Mono.wav", 868},
};

// The extensible headers after the rewrite to 3 channels of 20 bits: valid
// bits above 20 come down to 20; a mask naming other than three speakers
// keeps its lowest three, or none when it names fewer.
const std::map<std::string, std::pair<std::uint16_t, std::uint32_t>> kExtensionAfter = {
    {"extensible.wav", {20, 0x700}},
    {"corpus-nonstandard-02.wav", {0, 0}},
    {"corpus-waveformatextensible-24bit-192kHz-mono.wav", {20, 0}},
    {"corpus-waveformatextensible-ieeefloat-44100Hz-mono.wav", {20, 0}},
    {"corpus-pop.wav", {16, 0}},
    {"corpus-waveformatextensible-32bit-48kHz-stereo.wav", {20, 0}},
    {"corpus-waveformatextensible-24bit-4byte-48kHz-stereo.wav", {20, 0}},
    {"corpus-crash-e5471f5b58397287b509db7d026e95f1724454f5.wav", {20, 0}},
    {"corpus-wavinfo Test Project - Audio - 5.1.wav", {20, 0x7}},
};

}  // namespace

TEST(EndToEnd, RewriteChangesOnlyTheFmtFieldsOrNothing)
{
    TempDir dir;
    std::vector<Sample> samples = GeneratedSamples();
    if (std::filesystem::is_directory(kCorpus))
        for (const auto& e : std::filesystem::recursive_directory_iterator(kCorpus)) {
            const std::string name = e.path().filename().string();
            const auto known = kCorpusFmt.find(name);
            if (e.is_regular_file() && name != "SOURCES.md")
                samples.push_back(
                    {"corpus-" + name, ReadFile(e.path().string()), known == kCorpusFmt.end() ? 12 : known->second});
        }

    FakePrompt prompt;
    CWaveFile wave(prompt);  // one object for the batch, as the editor uses it
    std::vector<std::string> asked;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& s = samples[i];
        const std::string path = dir / s.name;
        WriteFile(path, s.image);
        if (i % 3 == 0) {  // some go through the read-only question, asked only when there is a chunk to write
            chmod(path.c_str(), 0444);
            prompt.answers.push_back(true);
            if (s.fmtAt != 0)
                asked.push_back(path);
        }
        wave.SetFileName(path);
        const bool ok = wave.RewriteHeader({88200, 3, 9, 20, true, true, true, true});
        EXPECT_EQ(ok, s.fmtAt != 0) << s.name;
        WaveFormat want{0, 3, 9, 20, 88200, 793800};
        if (const auto extension = kExtensionAfter.find(s.name); extension != kExtensionAfter.end())
            want = {0, 3, 9, 20, 88200, 793800, true, extension->second.first, extension->second.second};
        if (s.fmtAt == 0)
            EXPECT_EQ(ReadFile(path), s.image) << s.name;
        else
            EXPECT_TRUE(Rewritten(s.image, ReadFile(path), s.fmtAt, want)) << s.name;
    }
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(prompt.asked, asked);
}

TEST(Corpus, ProToolsRegion)
{
    REQUIRE_CORPUS();
    FakePrompt prompt;
    // The region as Pro Tools writes it; the length byte cuts off trailing bytes of the name.
    const RegionPreview pt = ReadRegionPreview((kCorpus / "wavinfo/PT A101_4.A1.wav").string(), prompt);
    ASSERT_EQ(pt.regions.size(), 1u);
    EXPECT_EQ(std::tuple(pt.regions[0].name, pt.regions[0].end, pt.regions[0].origTs, pt.bextTimeReference),
              std::tuple("PT A101_4.A1.wav", 144140u, 2191709524u, 2191709524u));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(Corpus, BigRf64IsRewrittenInPlace)
{
    REQUIRE_CORPUS();
    TempDir dir;
    const std::string path = dir / "big.wav";
    // The audio payload after the "data" header at 72 (its size in ds64) becomes
    // a hole, so the 2.4 GB file costs almost no disk; the chunks after it are kept.
    const std::uint64_t holeFrom = 80, holeTo = holeFrom + 2399486814u;
    std::uint64_t total = 0;
    {
        const std::unique_ptr<gzFile_s, decltype(&gzclose)> in(
            gzopen(Utf8Path(kCorpus / "wavinfo/Testfile_SEQ_RF64_Big.wav.gz").c_str(), "rb"), gzclose);
        ASSERT_TRUE(in);
        std::ofstream out(path, std::ios::binary);
        std::vector<char> buf(1 << 20);
        for (int n; (n = gzread(in.get(), buf.data(), static_cast<unsigned>(buf.size()))) > 0;) {
            const std::uint64_t end = total + static_cast<std::uint64_t>(n);
            for (auto [from, to] : {std::pair{total, std::min(end, holeFrom)}, {std::max(total, holeTo), end}})
                if (from < to)
                    out.seekp(static_cast<std::streamoff>(from))
                        .write(buf.data() + (from - total), static_cast<std::streamsize>(to - from));
            total = end;
        }
        ASSERT_TRUE(out.good());
    }
    ASSERT_EQ(total, 2399487884u);
    ASSERT_EQ(std::filesystem::file_size(path), total);

    FakePrompt prompt;
    CWaveFile wave(prompt);
    wave.SetFileName(path);
    EXPECT_EQ(wave.Format(), (WaveFormat{1, 2, 6, 24, 96000, 576000}));
    EXPECT_EQ(wave.BextTimeReference(), 6580870u);  // "bext" comes after the audio

    const Bytes head = ReadFile(path, 0, 4096), tail = ReadFile(path, holeTo, 4096);
    ASSERT_TRUE(wave.RewriteHeader({48000, 1, 3, 24, true, true, true, true}));
    EXPECT_EQ(std::filesystem::file_size(path), total);
    EXPECT_EQ(ReadFile(path, holeTo, 4096), tail);
    EXPECT_TRUE(Rewritten(head, ReadFile(path, 0, 4096), 48, {1, 1, 3, 24, 48000, 144000}));
    EXPECT_TRUE(prompt.messages.empty());
}
