#pragma once

// Builds WAV/RIFF/RF64 file images chunk by chunk for tests, and a few file
// helpers around them. Everything little-endian, whatever the machine.

#include <algorithm>
#include <cstddef>
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
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFFu));
}

inline void PutText(Bytes& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

inline std::uint32_t GetLe32(const Bytes& in, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(in.at(at + i)) << (8 * i);
    return v;
}

inline std::uint16_t GetLe16(const Bytes& in, std::size_t at)
{
    return static_cast<std::uint16_t>(in.at(at) | (in.at(at + 1) << 8));
}

struct Fmt {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 2;
    std::uint32_t sampleRate = 44100;
    std::uint32_t avgBytesPerSec = 176400;
    std::uint16_t blockAlign = 4;
    std::uint16_t bitsPerSample = 16;
};

// Content of a "fmt " chunk: the 16 common bytes, then extension bytes as given
// (e.g. {0, 0} for an 18-byte chunk).
inline Bytes FmtContent(const Fmt& f, const Bytes& extension = {})
{
    Bytes b;
    PutLe(b, f.formatTag, 2);
    PutLe(b, f.channels, 2);
    PutLe(b, f.sampleRate, 4);
    PutLe(b, f.avgBytesPerSec, 4);
    PutLe(b, f.blockAlign, 2);
    PutLe(b, f.bitsPerSample, 2);
    b.insert(b.end(), extension.begin(), extension.end());
    return b;
}

// The 22 extension bytes of WAVE_FORMAT_EXTENSIBLE (cbSize 22 first).
inline Bytes ExtensibleExtension(std::uint16_t validBits, std::uint32_t channelMask)
{
    Bytes b;
    PutLe(b, 22, 2);
    PutLe(b, validBits, 2);
    PutLe(b, channelMask, 4);
    const unsigned char pcmGuid[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    b.insert(b.end(), std::begin(pcmGuid), std::end(pcmGuid));
    return b;
}

// A version-1 "bext" content of 602 bytes: description, originator, dates as
// text, the 64-bit time reference at content offset 338.
inline Bytes BextContent(std::uint64_t timeReference)
{
    Bytes b(602, 0);
    for (std::size_t i = 0; i < 338; ++i)
        b[i] = static_cast<unsigned char>('a' + i % 26);
    for (int i = 0; i < 8; ++i)
        b[338 + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>((timeReference >> (8 * i)) & 0xFFu);
    b[346] = 1;  // version
    return b;
}

struct Region {
    std::string name;        // bytes stored from record offset 57 (cut at 31)
    int lengthByte = -1;     // -1: the name's length
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t userTs = 0;
    std::uint32_t origTs = 0;
    unsigned char filler = 0xEE;  // bytes the reader must ignore
};

inline Bytes RegionRecordBytes(const Region& r)
{
    Bytes b(88, r.filler);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (std::size_t i = 0; i < 4; ++i)
            b[at + i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFFu);
    };
    put32(16, r.start);
    put32(24, r.end);
    put32(40, r.userTs);
    put32(48, r.origTs);
    b[56] = static_cast<unsigned char>(r.lengthByte < 0 ? r.name.size() : static_cast<std::size_t>(r.lengthByte));
    std::fill(b.begin() + 57, b.end(), 0);
    std::copy_n(r.name.begin(), std::min<std::size_t>(r.name.size(), 31), b.begin() + 57);
    return b;
}

// "regn" content: count, then the records (count may differ from records.size()).
inline Bytes RegnContent(const std::vector<Region>& records, std::uint32_t count)
{
    Bytes b;
    PutLe(b, count, 4);
    for (const Region& r : records) {
        Bytes rec = RegionRecordBytes(r);
        b.insert(b.end(), rec.begin(), rec.end());
    }
    return b;
}

inline Bytes RegnContent(const std::vector<Region>& records)
{
    return RegnContent(records, static_cast<std::uint32_t>(records.size()));
}

inline Bytes Pattern(std::size_t n, unsigned seed = 1)
{
    Bytes b(n);
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& c : b) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<unsigned char>(x >> 24);
    }
    return b;
}

// Assembles "RIFF"/"RF64"/"BW64" files. Offsets of chunks are recorded so
// tests can check positions without recomputing them.
class WavBuilder {
public:
    explicit WavBuilder(std::string_view riffTag = "RIFF", std::string_view formType = "WAVE")
    {
        PutText(bytes, riffTag.substr(0, 4));
        PutLe(bytes, 0, 4);
        PutText(bytes, formType.substr(0, 4));
    }

    // A chunk with its stored size = content size (unless sizeField is given).
    // padOdd appends a zero pad byte after odd content, as RIFF writers do.
    WavBuilder& Chunk(std::string_view id, const Bytes& content, bool padOdd = true,
                      std::int64_t sizeField = -1)
    {
        offsets.emplace_back(std::string(id), bytes.size());
        PutText(bytes, id.substr(0, 4));
        PutLe(bytes, sizeField < 0 ? content.size() : static_cast<std::uint64_t>(sizeField), 4);
        bytes.insert(bytes.end(), content.begin(), content.end());
        if (padOdd && content.size() % 2 == 1)
            bytes.push_back(0);
        return *this;
    }

    WavBuilder& Fmt(const testwav::Fmt& f, const Bytes& extension = {})
    {
        return Chunk("fmt ", FmtContent(f, extension));
    }

    WavBuilder& Raw(const Bytes& raw)
    {
        bytes.insert(bytes.end(), raw.begin(), raw.end());
        return *this;
    }

    // RF64 "ds64" with the real RIFF and data sizes (filled by Build when 0).
    WavBuilder& Ds64(std::uint64_t dataSize, std::uint64_t riffSize = 0)
    {
        Bytes c;
        PutLe(c, riffSize, 8);
        PutLe(c, dataSize, 8);
        PutLe(c, 0, 8);  // sample count
        PutLe(c, 0, 4);  // table length
        ds64At = bytes.size() + 8;
        return Chunk("ds64", c);
    }

    std::size_t Size() const { return bytes.size(); }

    // Offset of the n-th chunk with this id (0 when absent).
    std::uint64_t OffsetOf(std::string_view id, std::size_t n = 0) const
    {
        for (const auto& [cid, at] : offsets)
            if (cid == id && n-- == 0)
                return at;
        return 0;
    }

    Bytes Build() const
    {
        Bytes out = bytes;
        const bool rf64 = std::string_view(reinterpret_cast<const char*>(out.data()), 4) != "RIFF";
        const std::uint64_t riffSize = out.size() - 8;
        const std::uint64_t stored = rf64 ? 0xFFFFFFFFu : riffSize;
        for (std::size_t i = 0; i < 4; ++i)
            out[4 + i] = static_cast<unsigned char>((stored >> (8 * i)) & 0xFFu);
        if (rf64 && ds64At != 0 && GetLe32(out, ds64At) == 0)
            for (std::size_t i = 0; i < 8; ++i)
                out[ds64At + i] = static_cast<unsigned char>((riffSize >> (8 * i)) & 0xFFu);
        return out;
    }

private:
    Bytes bytes;
    std::vector<std::pair<std::string, std::size_t>> offsets;
    std::size_t ds64At = 0;
};

// A fresh directory under the system temp directory, removed with its content.
class TempDir {
public:
    TempDir()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "quelbrook-test-XXXXXX").string();
        if (mkdtemp(templ.data()) == nullptr)
            std::abort();
        path = templ;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string operator/(std::string_view name) const { return (path / name).string(); }
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};

inline void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::string& path, std::uint64_t offset = 0, std::size_t count = SIZE_MAX)
{
    if (offset != 0 || count != SIZE_MAX) {
        std::ifstream in(path, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(offset));
        Bytes b(count);
        in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(count));
        b.resize(static_cast<std::size_t>(in.gcount()));
        return b;
    }
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testwav
