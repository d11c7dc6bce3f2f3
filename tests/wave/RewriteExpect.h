#pragma once

#include "wave/WaveFormat.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

// after is before with bytes 10-23 of the chunk at fmtAt holding want's
// channels, rate, byte rate, alignment and bits; nothing else differs.
inline ::testing::AssertionResult Rewritten(const testwav::Bytes& before, const testwav::Bytes& after,
                                            std::size_t fmtAt, const WaveFormat& want)
{
    testwav::Bytes fields;
    for (auto [v, w] : {std::pair<std::uint32_t, int>{want.channels, 2}, {want.sampleRate, 4},
                        {want.avgBytesPerSec, 4}, {want.blockAlign, 2}, {want.bitsPerSample, 2}})
        testwav::PutLe(fields, v, w);
    testwav::Bytes expected = before;
    std::copy(fields.begin(), fields.end(), expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + 10));
    if (after.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << before.size() << " -> " << after.size();
    const auto diff = std::mismatch(after.begin(), after.end(), expected.begin()).first;
    if (diff != after.end())
        return ::testing::AssertionFailure() << "byte " << diff - after.begin() << " wrong (fmt at " << fmtAt << ")";
    return ::testing::AssertionSuccess();
}
