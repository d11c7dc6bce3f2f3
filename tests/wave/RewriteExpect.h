#pragma once

#include "wave/WaveFormat.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

// after is before with bytes 10-23 of the chunk at fmtAt holding want's
// channels, rate, byte rate, alignment and bits and, when want is
// extensible, bytes 26-31 its valid bits and channel mask, as the caller
// spells them out; no other byte differs.
inline ::testing::AssertionResult Rewritten(const testwav::Bytes& before, const testwav::Bytes& after,
                                            std::size_t fmtAt, const WaveFormat& want)
{
    testwav::Bytes expected = before;
    const auto put = [&](std::size_t at, std::uint32_t value, int width) {
        testwav::Bytes le;
        testwav::PutLe(le, value, width);
        std::copy(le.begin(), le.end(), expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + at));
    };
    put(10, want.channels, 2);
    put(12, want.sampleRate, 4);
    put(16, want.avgBytesPerSec, 4);
    put(20, want.blockAlign, 2);
    put(22, want.bitsPerSample, 2);
    if (want.extensible) {
        put(26, want.validBitsPerSample, 2);
        put(28, want.channelMask, 4);
    }
    if (after.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << before.size() << " -> " << after.size();
    const auto diff = std::mismatch(after.begin(), after.end(), expected.begin()).first;
    if (diff != after.end())
        return ::testing::AssertionFailure() << "byte " << diff - after.begin() << " wrong (fmt at " << fmtAt << ")";
    return ::testing::AssertionSuccess();
}
