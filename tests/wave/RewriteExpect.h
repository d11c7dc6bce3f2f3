#pragma once

#include "wave/WaveFormat.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <string>

// before/after differ at most in bytes 10-23 of the chunk at fmtAt, and those
// bytes hold want's channels, rate, byte rate, alignment and bits.
inline ::testing::AssertionResult Rewritten(const testwav::Bytes& before, const testwav::Bytes& after,
                                            std::size_t fmtAt, const WaveFormat& want)
{
    if (after.size() != before.size())
        return ::testing::AssertionFailure() << "size " << before.size() << " -> " << after.size();
    for (std::size_t i = 0; i < before.size(); ++i)
        if ((i < fmtAt + 10 || i >= fmtAt + 24) && before[i] != after[i])
            return ::testing::AssertionFailure() << "byte " << i << " changed (fmt at " << fmtAt << ")";
    testwav::Bytes fields;
    testwav::PutLe(fields, want.channels, 2);
    testwav::PutLe(fields, want.sampleRate, 4);
    testwav::PutLe(fields, want.avgBytesPerSec, 4);
    testwav::PutLe(fields, want.blockAlign, 2);
    testwav::PutLe(fields, want.bitsPerSample, 2);
    if (!std::equal(fields.begin(), fields.end(), after.begin() + static_cast<std::ptrdiff_t>(fmtAt + 10)))
        return ::testing::AssertionFailure() << "fields at " << fmtAt + 10 << " differ";
    return ::testing::AssertionSuccess();
}
