#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

using testwav::Bytes;
using testwav::Region;
using testwav::TempDir;
using testwav::WavBuilder;

namespace {

class Regions : public ::testing::Test {
protected:
    RegionPreview Read(const Bytes& image)
    {
        testwav::WriteFile(path, image);
        return ReadRegionPreview(path, prompt);
    }

    static WavBuilder Head(std::uint64_t timeRef = 0)
    {
        WavBuilder b;
        b.Fmt({1, 2, 48000, 192000, 4, 16});
        if (timeRef != 0)
            b.Chunk("bext", testwav::BextContent(timeRef));
        b.Chunk("data", Bytes(9, 1));
        return b;
    }

    TempDir dir;
    std::string path = dir / "r.wav";
    FakePrompt prompt;
};

}  // namespace

TEST_F(Regions, RowsInChunkOrderWithTheirPositions)
{
    const std::vector<Region> recs = {
        {"Zeta", -1, 100, 200, 300, 400},
        {"Alpha", -1, 0xFFFFFFFF, 1, 2, 0x80000000u},
    };
    const RegionPreview pv = Read(Head(2191709524u).Chunk("regn", testwav::RegnContent(recs)).Build());
    EXPECT_TRUE(pv.timeStampValid);
    EXPECT_EQ(pv.sampleRate, 48000u);
    EXPECT_EQ(pv.bextTimeReference, 2191709524u);
    ASSERT_EQ(pv.regions.size(), 2u);
    EXPECT_EQ(pv.regions[0].name, "Zeta");
    EXPECT_EQ(pv.regions[0].start, 100u);
    EXPECT_EQ(pv.regions[0].end, 200u);
    EXPECT_EQ(pv.regions[0].userTs, 300u);
    EXPECT_EQ(pv.regions[0].origTs, 400u);
    EXPECT_EQ(pv.regions[1].name, "Alpha");
    EXPECT_EQ(pv.regions[1].start, 0xFFFFFFFFu);
    EXPECT_EQ(pv.regions[1].origTs, 0x80000000u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Regions, NameLengthRules)
{
    const std::vector<Region> recs = {
        {"TwelveChars!", 5},
        {"four", 31},
        {"ten chars!", 200},  // an unsigned length byte
        {std::string(31, 'x'), 255},
        {"", 0},
        {"\xE9t\xE9", -1},  // stored bytes, as they are
    };
    const RegionPreview pv = Read(Head().Chunk("regn", testwav::RegnContent(recs)).Build());
    ASSERT_EQ(pv.regions.size(), recs.size());
    EXPECT_EQ(pv.regions[0].name, "Twelv");
    EXPECT_EQ(pv.regions[1].name, "four");
    EXPECT_EQ(pv.regions[2].name, "ten chars!");
    EXPECT_EQ(pv.regions[3].name, std::string(31, 'x'));
    EXPECT_EQ(pv.regions[4].name, "");
    EXPECT_EQ(pv.regions[5].name, "\xE9t\xE9");
}

TEST_F(Regions, CountBeyondTheFileYieldsOnlyRecordsThatStartInside)
{
    Region r{"cut", -1, 0x01020304, 0x05060708, 7, 8};
    Bytes image = Head().Chunk("regn", testwav::RegnContent({r, r}, 1000000)).Build();
    image.resize(image.size() - 88 + 18);  // second record stops inside its start field
    const RegionPreview pv = Read(image);
    ASSERT_EQ(pv.regions.size(), 2u);
    EXPECT_EQ(pv.regions[0].start, 0x01020304u);
    EXPECT_EQ(pv.regions[1].name, "");
    EXPECT_EQ(pv.regions[1].start, 0x0304u);  // two bytes read, the rest zeros
    EXPECT_EQ(pv.regions[1].end, 0u);
    EXPECT_EQ(pv.regions[1].origTs, 0u);

    Bytes whole = Head().Chunk("regn", testwav::RegnContent({r}, 0xFFFFFFFF)).Build();
    EXPECT_EQ(Read(whole).regions.size(), 1u);
}

TEST_F(Regions, MissingOrCutRegnGivesNoRows)
{
    RegionPreview pv = Read(Head(5).Build());
    EXPECT_TRUE(pv.timeStampValid);
    EXPECT_TRUE(pv.regions.empty());
    EXPECT_EQ(pv.bextTimeReference, 5u);

    Bytes noCount = Head(5).Build();
    testwav::PutText(noCount, "regn");
    testwav::PutLe(noCount, 100, 4);
    testwav::PutLe(noCount, 1, 2);  // half a count
    pv = Read(noCount);
    EXPECT_TRUE(pv.regions.empty());
    EXPECT_TRUE(prompt.messages.empty());

    pv = Read(Head(0).Chunk("regn", testwav::RegnContent({}, 0)).Build());
    EXPECT_TRUE(pv.timeStampValid);
    EXPECT_TRUE(pv.regions.empty());
    EXPECT_EQ(pv.bextTimeReference, 0u);

    const RegionPreview missing = ReadRegionPreview(dir / "none.wav", prompt);
    EXPECT_FALSE(missing.timeStampValid);
    EXPECT_TRUE(missing.regions.empty());
    EXPECT_TRUE(prompt.messages.empty());
}
