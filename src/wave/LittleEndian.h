#pragma once

#include <cstdint>

// RIFF integers are little-endian whatever the machine.
inline std::uint16_t ReadLE16(const unsigned char* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline std::uint32_t ReadLE32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8)
        | (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

inline std::uint64_t ReadLE64(const unsigned char* bytes)
{
    return static_cast<std::uint64_t>(ReadLE32(bytes)) | (static_cast<std::uint64_t>(ReadLE32(bytes + 4)) << 32);
}

inline void WriteLE16(unsigned char* bytes, std::uint16_t value)
{
    bytes[0] = static_cast<unsigned char>(value & 0xFF);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

inline void WriteLE32(unsigned char* bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}
