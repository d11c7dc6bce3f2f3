#pragma once

#include "wave/WaveFormat.h"

#include "WavBuilder.h"

#include <gtest/gtest.h>

#include <bit>

// after is before with bytes 10-23 of the chunk at fmtAt holding want's
// channels, rate, byte rate, alignment and bits; nothing else differs but,
// in an extensible header, valid bits that exceeded the new bits (now equal
// to them) and a mask that did not name the new channel count (now naming
// it, or 0).
inline ::testing::AssertionResult Rewritten(const testwav::Bytes& before, const testwav::Bytes& after,
                                            std::size_t fmtAt, const WaveFormat& want)
{
    testwav::Bytes fields;
    for (auto [v, w] : {std::pair<std::uint32_t, int>{want.channels, 2}, {want.sampleRate, 4},
                        {want.avgBytesPerSec, 4}, {want.blockAlign, 2}, {want.bitsPerSample, 2}})
        testwav::PutLe(fields, v, w);
    testwav::Bytes expected = before;
    std::copy(fields.begin(), fields.end(), expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + 10));
    const unsigned char* chunk = before.data() + fmtAt;
    if (fmtAt + 48 <= before.size() && chunk[8] == 0xFE && chunk[9] == 0xFF && chunk[4] + (chunk[5] << 8) >= 40
        && after.size() == before.size()) {
        const auto valid = [](const unsigned char* c) { return c[26] + (c[27] << 8); };
        const auto mask = [](const unsigned char* c) {
            return std::uint32_t{c[28]} | std::uint32_t{c[29]} << 8 | std::uint32_t{c[30]} << 16 | std::uint32_t{c[31]} << 24;
        };
        const unsigned char* now = after.data() + fmtAt;
        if (valid(chunk) > want.bitsPerSample && valid(now) != want.bitsPerSample)
            return ::testing::AssertionFailure() << "valid bits " << valid(now) << " in " << want.bitsPerSample;
        if (std::popcount(mask(chunk)) != want.channels && mask(now) != 0 && std::popcount(mask(now)) != want.channels)
            return ::testing::AssertionFailure() << "mask " << mask(now) << " for " << want.channels << " channels";
        std::copy(now + 26, now + 32, expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + 26));
        if (valid(chunk) <= want.bitsPerSample)
            std::copy(chunk + 26, chunk + 28, expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + 26));
        if (std::popcount(mask(chunk)) == want.channels)
            std::copy(chunk + 28, chunk + 32, expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + 28));
    }
    if (after.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << before.size() << " -> " << after.size();
    const auto diff = std::mismatch(after.begin(), after.end(), expected.begin()).first;
    if (diff != after.end())
        return ::testing::AssertionFailure() << "byte " << diff - after.begin() << " wrong (fmt at " << fmtAt << ")";
    return ::testing::AssertionSuccess();
}
