#pragma once

#include <cstdint>
#include <cstring>

// Looks at text eight bytes at a time: names and report lines are scanned
// for the rare byte that needs escaping on every file of a batch.
namespace bytewords {

inline constexpr std::uint64_t Ones = 0x0101010101010101;
inline constexpr std::uint64_t Highs = 0x8080808080808080;

inline std::uint64_t Load8(const char* at)
{
    std::uint64_t v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

// Nonzero when one of the eight bytes in v is below n (n at most 0x80).
constexpr std::uint64_t HasBelow(std::uint64_t v, std::uint64_t n)
{
    return (v - Ones * n) & ~v & Highs;
}

// Nonzero when one of the eight bytes in v is byte.
constexpr std::uint64_t Holds(std::uint64_t v, unsigned char byte)
{
    return HasBelow(v ^ (Ones * byte), 1);
}

}  // namespace bytewords
