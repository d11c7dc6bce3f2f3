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
    const auto put = [&](std::size_t at, const unsigned char* from, std::size_t n) {
        std::copy_n(from, n, expected.begin() + static_cast<std::ptrdiff_t>(fmtAt + at));
    };
    put(10, fields.data(), fields.size());
    const unsigned char *was = before.data() + fmtAt, *now = after.data() + fmtAt;
    if (fmtAt + 48 <= before.size() && was[8] == 0xFE && was[9] == 0xFF && was[4] + (was[5] << 8) >= 40
        && was[24] + (was[25] << 8) >= 22 && after.size() == before.size()) {
        const auto mask = [](const unsigned char* c) {
            return std::uint32_t{c[28]} | std::uint32_t{c[29]} << 8 | std::uint32_t{c[30]} << 16 | std::uint32_t{c[31]} << 24;
        };
        if (was[26] + (was[27] << 8) > want.bitsPerSample)
            put(26, fields.data() + 12, 2);
        if (std::popcount(mask(was)) != want.channels) {
            if (mask(now) != 0 && std::popcount(mask(now)) != want.channels)
                return ::testing::AssertionFailure() << "mask " << mask(now) << " for " << want.channels << " channels";
            put(28, now + 28, 4);
        }
    }
    if (after.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << before.size() << " -> " << after.size();
    const auto diff = std::mismatch(after.begin(), after.end(), expected.begin()).first;
    if (diff != after.end())
        return ::testing::AssertionFailure() << "byte " << diff - after.begin() << " wrong (fmt at " << fmtAt << ")";
    return ::testing::AssertionSuccess();
}
