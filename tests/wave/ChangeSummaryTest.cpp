#include "wave/CChangeSummary.h"
#include "wave/CFormatReader.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace testwav;
using Field = CChangeSummary::Field;

namespace {

const WaveFormat kStereo24{1, 2, 6, 24, 48000, 288000};
const WaveFormat kMono16{1, 1, 2, 16, 48000, 96000};

using LineRow = std::tuple<Field, std::uint32_t, std::size_t, bool>;

std::vector<LineRow> Rows(const CChangeSummary& summary)
{
    std::vector<LineRow> rows;
    for (const CChangeSummary::Line& line : summary.Lines())
        rows.emplace_back(line.field, line.value, line.changes, line.untouched);
    return rows;
}

// Everything ticked, from the stereo 24-bit file shown, only the rate chosen by the user.
HeaderChangeRequest FromStereo24(std::uint32_t rate)
{
    return {rate, 2, 6, 24, true, true, true, true};
}

}  // namespace

TEST(ChangeSummary, MixedBatchNamesWhatTheUntouchedFieldsDoFirst)
{
    // The files as read from disk, with one that is no WAV file and one that is gone.
    const TempDir dir;
    const auto image = [](const Fmt& fmt) { return WavBuilder().Fmt(fmt).Chunk("data", Pattern(12)).Build(); };
    const std::vector<std::string> paths{PutFile(dir, "a.wav", image({1, 2, 48000, 288000, 6, 24})),
                                         PutFile(dir, "b.wav", image({1, 1, 48000, 96000, 2, 16})),
                                         PutFile(dir, "c.wav", Bytes(40, 'x')), dir / "gone.wav"};
    CFormatReader reader;
    CChangeSummary summary(FromStereo24(96000), {false, true, true, true});
    for (const std::string& path : paths)
        summary.Add(reader.Read(path));

    EXPECT_EQ(Rows(summary),
              (std::vector<LineRow>{{Field::Channels, 2, 1, true},
                                    {Field::Resolution, 24, 1, true},
                                    {Field::BlockAlign, 6, 1, true},
                                    {Field::SampleRate, 96000, 2, false}}));
    EXPECT_EQ(
        RenderEnglish(summary.Text()),
        "Number of channels: 2 \u2014 changes 1 of 4 files, although you left it at the shown file's own value\n"
        "Resolution: 24 bit \u2014 changes 1 of 4 files, although you left it at the shown file's own value\n"
        "Block alignment: 6 bytes \u2014 changes 1 of 4 files, although you left it at the shown file's own value\n"
        "Sample rate: 96,000 Hz \u2014 changes 2 of 4 files\n"
        "2 of 4 files have headers that cannot be read; they will be left unchanged");
}

TEST(ChangeSummary, CountsFollowWhatTheRewriteWrites)
{
    struct Case {
        const char* name;
        HeaderChangeRequest request;
        std::array<bool, CChangeSummary::FieldCount> untouched;
        std::vector<std::optional<WaveFormat>> files;
        std::vector<LineRow> lines;
        std::string text;
    };
    HeaderChangeRequest perChannel{0, 0, 2, 0, false, false, false, true};
    perChannel.blockAlignPerChannel = true;
    const Case cases[] = {
        {"only the rate, one file already at it, one unreadable",
         {44100, 2, 6, 24, true, false, false, false},
         {false, true, true, true},
         {kStereo24, std::nullopt, WaveFormat{1, 2, 4, 16, 44100, 176400}},
         {{Field::SampleRate, 44100, 1, false}},
         "Sample rate: 44,100 Hz \u2014 changes 1 of 3 files\n"
         "1 of 3 files has a header that cannot be read; it will be left unchanged"},
        {"untouched fields that change nothing keep their order and say nothing more",
         FromStereo24(96000),
         {false, true, true, true},
         {kStereo24},
         {{Field::SampleRate, 96000, 1, false},
          {Field::Channels, 2, 0, true},
          {Field::Resolution, 24, 0, true},
          {Field::BlockAlign, 6, 0, true}},
         "Sample rate: 96,000 Hz \u2014 changes 1 of 1 file\nNumber of channels: 2 \u2014 changes 0 of 1 file\n"
         "Resolution: 24 bit \u2014 changes 0 of 1 file\nBlock alignment: 6 bytes \u2014 changes 0 of 1 file"},
        {"a per-channel alignment follows each file's channels",
         perChannel,
         {false, false, false, false},
         {kMono16, kStereo24},
         {{Field::BlockAlign, 2, 1, false}},
         "Block alignment: 2 bytes per sample times each file's channels \u2014 changes 1 of 2 files"},
        {"nothing ticked", {}, {true, true, true, true}, {kMono16}, {}, ""},
    };
    for (const Case& c : cases) {
        CChangeSummary summary(c.request, c.untouched);
        for (const auto& file : c.files)
            summary.Add(file);
        EXPECT_EQ(Rows(summary), c.lines) << c.name;
        EXPECT_EQ(RenderEnglish(summary.Text()), c.text) << c.name;
    }
}
