#pragma once

#include <cstdint>

// The fields of a "fmt " chunk that the program reads and writes.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t avgBytesPerSec = 0;
    // An extensible header (tag 0xFFFE, cbSize 22 or more) whose extension lies inside the chunk and the file.
    bool extensible = false;
    std::uint16_t validBitsPerSample = 0;
    std::uint32_t channelMask = 0;

    bool operator==(const WaveFormat&) const = default;
};
