#pragma once

// Builds RIFF/RF64 file images chunk by chunk for tests (little-endian
// whatever the machine), plus temp directories and whole-file helpers.

#include "SystemHelpers.h"

#include "platform/Folders.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testwav {

using Bytes = std::vector<unsigned char>;

inline void PutLe(Bytes& out, std::uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

inline void PutText(Bytes& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

inline Bytes Pattern(std::size_t n, std::uint32_t seed = 1)
{
    Bytes b(n);
    for (auto& c : b)
        c = static_cast<unsigned char>((seed = seed * 1664525u + 1013904223u) >> 24);
    return b;
}

struct Fmt {
    std::uint16_t formatTag = 1, channels = 2;
    std::uint32_t sampleRate = 44100, avgBytesPerSec = 176400;
    std::uint16_t blockAlign = 4, bitsPerSample = 16;
};

// Version-1 "bext" content (602 bytes) with the 64-bit time reference at 338.
inline Bytes BextContent(std::uint64_t timeReference)
{
    Bytes b = Pattern(338, 7);
    PutLe(b, timeReference, 8);
    b.resize(602, 0);
    b[346] = 1;
    return b;
}

// The 24 bytes after the fields of an extensible "fmt " chunk: cbSize 22,
// valid bits, channel mask and the PCM sub-format.
inline Bytes Extension(std::uint16_t validBits, std::uint32_t channelMask)
{
    Bytes b;
    PutLe(b, 22, 2);
    PutLe(b, validBits, 2);
    PutLe(b, channelMask, 4);
    PutText(b, std::string_view("\x01\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 16));
    return b;
}

struct Region {
    std::string name;  // stored from record offset 57, zero-padded
    int lengthByte = -1;  // -1: the name's length
    std::uint32_t start = 0, end = 0, userTs = 0, origTs = 0;
};

// "regn" content: the count, then 88-byte records (count may exceed them).
inline Bytes RegnContent(const std::vector<Region>& records, std::int64_t count = -1)
{
    Bytes b;
    PutLe(b, count < 0 ? records.size() : static_cast<std::uint64_t>(count), 4);
    for (const Region& r : records) {
        Bytes rec(88, 0xEE);  // bytes the reader must ignore
        for (auto [at, v] : {std::pair{16, r.start}, {24, r.end}, {40, r.userTs}, {48, r.origTs}})
            for (int i = 0; i < 4; ++i)
                rec[static_cast<std::size_t>(at + i)] = static_cast<unsigned char>(v >> (8 * i));
        rec[56] = static_cast<unsigned char>(r.lengthByte < 0 ? static_cast<int>(r.name.size()) : r.lengthByte);
        std::fill(rec.begin() + 57, rec.end(), 0);
        std::copy_n(r.name.begin(), std::min<std::size_t>(r.name.size(), 31), rec.begin() + 57);
        b.insert(b.end(), rec.begin(), rec.end());
    }
    return b;
}

class WavBuilder {
public:
    explicit WavBuilder(std::string_view riffTag = "RIFF", std::string_view formType = "WAVE")
    {
        PutText(bytes, riffTag);
        PutLe(bytes, riffTag == "RIFF" ? 0 : 0xFFFFFFFF, 4);
        PutText(bytes, formType);
    }

    // padOdd adds the zero pad byte that RIFF writers put after odd content;
    // sizeField >= 0 stores that size instead of the content's.
    WavBuilder& Chunk(std::string_view id, const Bytes& content, bool padOdd = true, std::int64_t sizeField = -1)
    {
        offsets.emplace_back(std::string(id), bytes.size());
        PutText(bytes, id);
        PutLe(bytes, sizeField < 0 ? content.size() : static_cast<std::uint64_t>(sizeField), 4);
        bytes.insert(bytes.end(), content.begin(), content.end());
        if (padOdd && content.size() % 2 == 1)
            bytes.push_back(0);
        return *this;
    }

    WavBuilder& Fmt(const testwav::Fmt& f, const Bytes& extension = {})
    {
        Bytes c;
        for (auto [v, w] : {std::pair<std::uint32_t, int>{f.formatTag, 2},
                            {f.channels, 2},
                            {f.sampleRate, 4},
                            {f.avgBytesPerSec, 4},
                            {f.blockAlign, 2},
                            {f.bitsPerSample, 2}})
            PutLe(c, v, w);
        c.insert(c.end(), extension.begin(), extension.end());
        return Chunk("fmt ", c);
    }

    // "ds64" with the real size of "data" (RIFF size and sample count left 0).
    WavBuilder& Ds64(std::uint64_t dataSize)
    {
        Bytes c(8, 0);
        PutLe(c, dataSize, 8);
        c.resize(28, 0);
        return Chunk("ds64", c);
    }

    std::size_t Size() const { return bytes.size(); }

    // Offset of the first chunk with this id (0 when absent).
    std::uint64_t OffsetOf(std::string_view id) const
    {
        const auto it = std::find_if(offsets.begin(), offsets.end(), [&](const auto& o) { return o.first == id; });
        return it == offsets.end() ? 0 : it->second;
    }

    Bytes Build() const
    {
        Bytes out = bytes;
        if (std::equal(out.begin(), out.begin() + 4, "RIFF"))
            for (std::size_t i = 0; i < 4; ++i)
                out[4 + i] = static_cast<unsigned char>((out.size() - 8) >> (8 * i));
        return out;
    }

    // The chunks alone, without the 12-byte file head: a tail to put further on.
    Bytes Chunks() const { return {bytes.begin() + 12, bytes.end()}; }

private:
    Bytes bytes;
    std::vector<std::pair<std::string, std::size_t>> offsets;
};

// A fresh directory under the system temp directory, removed with its content.
class TempDir {
public:
    TempDir() : path(NativePath(testsys::MakeTempFolder())) {}
    ~TempDir() { std::filesystem::remove_all(path, ignored); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Names and paths are UTF-8, as everywhere in the program.
    std::string operator/(std::string_view name) const { return Utf8Path(path / NativePath(std::string(name))); }
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
    std::error_code ignored;
};

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(NativePath(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The whole file, or count bytes from offset (fewer at the end).
inline Bytes ReadFile(const std::string& path, std::uint64_t offset = 0, std::size_t count = SIZE_MAX)
{
    std::ifstream in(NativePath(path), std::ios::binary);
    if (count == SIZE_MAX)
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    in.seekg(static_cast<std::streamoff>(offset));
    Bytes b(count);
    in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(count));
    b.resize(static_cast<std::size_t>(in.gcount()));
    return b;
}

inline std::string ReadText(const std::string& path)
{
    const Bytes bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

// Writes the file with this mode and gives its path.
inline std::string PutFile(const TempDir& dir, std::string_view name, const Bytes& image, mode_t mode = 0644)
{
    WriteFile(dir / name, image);
    chmod((dir / name).c_str(), mode);
    return dir / name;
}

// The file's status (all zero when there is none).
inline struct stat StatOf(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info;
}

}  // namespace testwav
