#include "timecode/CTimecode.h"

#include <gtest/gtest.h>

TEST(Timecode, PreviewConversionAt30FpsAnd80Subframes)
{
    struct Case {
        std::uint32_t samples, rate;
        const char* text;
    };
    const Case cases[] = {
        {0, 48000, "00:00:00:00::00"},
        {24000, 48000, "00:00:00:15::00"},
        {1, 48000, "00:00:00:00::00"},  // 0.05 subframe rounds down
        {12, 48000, "00:00:00:00::01"},  // 0.6 rounds up
        {158760000, 44100, "01:00:00:00::00"},
        {123456789, 44100, "00:46:39:14::17"},
        {4147199999u, 48000, "00:00:00:00::00"},  // rounds up to a whole day and wraps
        {4294967295u, 48000, "00:51:18:14::45"},  // 214748365 subframes, one day off
        {2191709524u, 48000, "12:41:00:18::36"},
        {3917280000u, 48000, "22:40:10:00::00"},  // above 2^31: unsigned all the way
        {12345, 0, "00:00:00:00::00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreviewTimecode(c.samples, c.rate), c.text) << c.samples << " @ " << c.rate;
}

TEST(Timecode, PartsCarryAtTheirLimits)
{
    CTimecode tc;
    EXPECT_EQ(tc.Text(), "00:00:00:00::00");
    // 1,200 + 79 subframes = 15 frames 79 subframes; one more carries into a frame.
    struct Case {
        std::uint32_t subframes;
        double fps;
        std::int32_t perFrame;
        const char* text;
    };
    const Case cases[] = {
        {1279, 30.0, 80, "00:00:00:15::79"},
        {1280, 30.0, 80, "00:00:00:16::00"},
        {2400 * 60 * 60 - 1, 30.0, 80, "00:59:59:29::79"},
        {207359999, 30.0, 80, "23:59:59:29::79"},
        {207360000 + 2400, 30.0, 80, "00:00:01:00::00"},
        {79078329, 30.0, 80, "09:09:09:09::09"},
        {143760, 29.97, 80, "00:01:00:00::00"},  // a frame rounded up carries through 59 seconds
        {216000000 + 100, 25.0, 100, "00:00:00:01::00"},  // the day wraps at other rates too
    };
    for (const Case& c : cases) {
        tc.SetFromSubframes(c.subframes, c.fps, c.perFrame);
        EXPECT_EQ(tc.Text(), c.text) << c.subframes << " at " << c.fps;
    }
    tc.SetFromSamples(48000, 48000, 30.0, 80);
    EXPECT_EQ(tc.Text(), "00:00:01:00::00");
}
