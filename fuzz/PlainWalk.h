#pragma once

// The chunk walk done the plain way, one id at a time and one chunk header
// at a time, straight over the bytes: the oracle the engine's walk is
// checked against.

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

inline std::uint64_t PlainLe(const unsigned char* bytes, int width)
{
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

// Offset of the first chunk with this id reached from 12, 0 when none.
inline std::uint64_t PlainWalk(const std::vector<unsigned char>& file, const char* id)
{
    const std::uint64_t length = file.size();
    const bool sizesIn64
        = length >= 4 && (std::memcmp(file.data(), "RF64", 4) == 0 || std::memcmp(file.data(), "BW64", 4) == 0);
    std::optional<std::uint64_t> dataSize64;
    std::uint64_t position = 12;
    while (position + 4 <= length) {
        const unsigned char* header = file.data() + position;
        if (std::memcmp(header, id, 4) == 0)
            return position;
        if (position + 8 > length)
            return 0;
        std::uint64_t size = PlainLe(header + 4, 4);
        if (sizesIn64 && std::memcmp(header, "ds64", 4) == 0 && position + 24 <= length)
            dataSize64 = PlainLe(header + 16, 8);
        if (std::memcmp(header, "data", 4) == 0) {
            if (size == 0xFFFFFFFFu && dataSize64)
                size = *dataSize64;
            if (size % 2 == 1 && size < std::numeric_limits<std::uint64_t>::max())
                ++size;
        }
        if (size > length - (position + 8))
            return 0;
        position += 8 + size;
    }
    return 0;
}
