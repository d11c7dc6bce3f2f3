#include "wave/CWaveFile.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <map>

using testwav::Bytes;
using testwav::WavBuilder;

namespace {

struct Sample {
    std::string name;
    Bytes image;
    std::uint64_t fmtAt;  // 0: the rewrite must fail and change nothing
};

std::vector<Sample> GeneratedSamples()
{
    const testwav::Fmt pcm{1, 2, 44100, 176400, 4, 16};
    std::vector<Sample> out;
    auto add = [&](std::string name, const WavBuilder& b, bool fmtFound = true) {
        out.push_back({std::move(name), b.Build(), fmtFound ? b.OffsetOf("fmt ") : 0});
    };
    add("plain.wav", WavBuilder().Fmt(pcm).Chunk("data", testwav::Pattern(400)));
    add("extensible.wav", WavBuilder()
                              .Fmt({0xFFFE, 6, 48000, 864000, 18, 24}, testwav::Pattern(24, 11))
                              .Chunk("fact", Bytes(4, 7))
                              .Chunk("data", testwav::Pattern(36, 2)));
    add("fmt18.wav", WavBuilder().Fmt({3, 1, 44100, 176400, 4, 32}, {0x55, 0xAA}).Chunk("data", testwav::Pattern(16, 3)));
    add("odd-data-first.wav", WavBuilder()
                                  .Chunk("data", testwav::Pattern(101, 4))
                                  .Chunk("LIST", testwav::Pattern(26, 5))
                                  .Fmt(pcm));
    add("odd-list-unpadded.wav", WavBuilder().Chunk("LIST", testwav::Pattern(13, 6), false).Fmt(pcm));
    add("odd-list-padded.wav", WavBuilder().Chunk("LIST", testwav::Pattern(13, 6)).Fmt(pcm), false);
    add("bext-regn.wav", WavBuilder()
                             .Chunk("JUNK", Bytes(28, 0))
                             .Chunk("bext", testwav::BextContent(123456789))
                             .Fmt(pcm)
                             .Chunk("data", testwav::Pattern(77, 7))
                             .Chunk("regn", testwav::RegnContent({{"one", -1, 1, 2, 3, 4}})));
    add("rf64.wav", WavBuilder("RF64").Ds64(33).Fmt(pcm).Chunk("data", testwav::Pattern(33, 8), true, 0xFFFFFFFF)
                        .Chunk("bext", testwav::BextContent(9)));
    add("bw64-fmt-last.wav", WavBuilder("BW64").Ds64(101).Chunk("data", testwav::Pattern(101, 9), true, 0xFFFFFFFF)
                                 .Fmt(pcm));
    add("no-fmt.wav", WavBuilder().Chunk("data", testwav::Pattern(40, 10)), false);
    add("twelve.wav", WavBuilder(), false);
    add("two-fmt.wav", WavBuilder().Fmt(pcm).Fmt({3, 1, 8000, 32000, 4, 32}).Chunk("data", Bytes(4, 1)));
    // Sizes that run past the end stop the walk; 0xFFFFFFFF counts as is in a RIFF file.
    add("junk-too-long.wav", WavBuilder().Chunk("JUNK", Bytes(4, 0), true, 0xFFFFFF00).Fmt(pcm), false);
    add("odd-max-data.wav", WavBuilder().Chunk("data", {}, false, 0xFFFFFFFF).Fmt(pcm), false);
    add("riff-with-ds64.wav", WavBuilder().Ds64(101).Chunk("data", testwav::Pattern(101, 9), true, 0xFFFFFFFF)
                                  .Fmt(pcm), false);
    // "fmt " chunks whose fields do not all lie inside the file (cut20: the id alone).
    Bytes cut = WavBuilder().Chunk("JUNK", Bytes(4, 1)).Fmt(pcm).Build();
    for (int drop : {1, 12, 18, 20})
        out.push_back({"cut" + std::to_string(drop) + ".wav", Bytes(cut.begin(), cut.end() - drop), 0});
    // The walk starts at 12: the form type is never taken for a chunk.
    out.push_back({"not-riff.wav", WavBuilder("\x01\x02\x03\x04", "fmt ").Fmt(pcm).Build(), 12});
    return out;
}

// Where the walk finds "fmt " in each corpus file (0: nowhere).
const std::map<std::string, std::uint64_t> kCorpusFmt = {
    {"nonstandard-01.wav", 722}, {"crash-e879de4eb4d206c59e21f0e01def16457af80fdc.wav", 0},
    {"oom-48ae4cd061ff8578ad3f23dc87624bd365cf5216.wav", 0}, {"Testfile_SEQ_RF64_Big.wav.gz", 0},
    {"A101_4.WAV", 6112}, {"PT A101_4.A1.wav", 6112}, {"STE-000.wav", 878}, {"Scene_1_2AG-T001_Tr1.WAV", 6368},
    {"Sr001-2C-01_01.WAV", 878}, {"Test_ADM_ProTools.wav", 84}, {"new_camera bumb 1.wav", 48}, {"umid.wav", 722},
    {"wavinfo Test Project - Audio - 5.1.wav", 868}, {"wavinfo Test Project - Audio - Mono.wav", 868},
};

}  // namespace

TEST(EndToEnd, RewriteChangesOnlyTheFmtFieldsOrNothing)
{
    testwav::TempDir dir;
    std::vector<Sample> samples = GeneratedSamples();
    const std::filesystem::path corpus = QUELBROOK_CORPUS_DIR;
    if (std::filesystem::is_directory(corpus)) {
        for (const auto& e : std::filesystem::recursive_directory_iterator(corpus)) {
            const std::string name = e.path().filename().string();
            if (!e.is_regular_file() || name == "SOURCES.md")
                continue;
            const auto known = kCorpusFmt.find(name);
            samples.push_back({"corpus-" + name, testwav::ReadFile(e.path().string()),
                               known == kCorpusFmt.end() ? 12 : known->second});
        }
    }

    FakePrompt prompt;
    CWaveFile wave(prompt);  // one object for the batch, as the editor uses it
    const HeaderChangeRequest request{88200, 3, 9, 20, true, true, true, true};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const Sample& s = samples[i];
        const std::string path = dir / s.name;
        testwav::WriteFile(path, s.image);
        const bool readOnly = i % 3 == 0;  // some go through the question
        if (readOnly) {
            chmod(path.c_str(), 0444);
            prompt.answers.push_back(true);
        }
        wave.SetFileName(path);
        const bool ok = wave.RewriteHeader(request);
        const Bytes after = testwav::ReadFile(path);
        if (s.fmtAt == 0) {
            EXPECT_FALSE(ok) << s.name;
            EXPECT_EQ(after, s.image) << s.name;
        } else {
            EXPECT_TRUE(ok) << s.name;
            EXPECT_TRUE(Rewritten(s.image, after, s.fmtAt, {0, 3, 9, 20, 88200, 793800})) << s.name;
        }
    }
    wave.SetFileName(dir / "gone.wav");
    EXPECT_FALSE(wave.RewriteHeader(request));
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(prompt.answers.empty());
}
