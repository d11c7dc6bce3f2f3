#include "ChunkLocator.h"

#include "LittleEndian.h"

#include "platform/CFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace {

// Beyond the cached head the walk reads blocks, instead of two small reads
// per chunk. The first is small, as the chunks of an ordinary file go on
// close behind the head (a recorder's XML, say) and the rest is audio not
// worth fetching from a share; each next one is larger, up to the last
// size, for the long walks through damaged files.
constexpr std::size_t kFirstBlockBytes = 16 * 1024;
constexpr std::size_t kBlockBytes = 256 * 1024;

// Chunk ids as the little-endian words they read as.
constexpr std::uint32_t IdWord(const char (&id)[5])
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(id[0]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(id[1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(id[2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(id[3])) << 24;
}

constexpr std::uint32_t kFmt = IdWord("fmt ");
constexpr std::uint32_t kBext = IdWord("bext");
constexpr std::uint32_t kRegn = IdWord("regn");
constexpr std::uint32_t kDs64 = IdWord("ds64");
constexpr std::uint32_t kData = IdWord("data");

// The file's bytes as the walk sees them: the cached head, or one block.
class BlockReader {
public:
    explicit BlockReader(CFile& opened) : file(opened) {}

    // The bytes held in memory from offset on, at least atLeast of them
    // unless the file ends sooner.
    std::span<const unsigned char> From(std::uint64_t offset, std::size_t atLeast)
    {
        const std::span<const unsigned char> head = file.CachedHead();
        if (offset < head.size() && head.size() - offset >= atLeast)
            return head.subspan(static_cast<std::size_t>(offset));
        if (!Holds(offset, atLeast))
            Load(offset);
        if (!Holds(offset, 0))
            return {};
        const auto skip = static_cast<std::size_t>(offset - start);
        return {block.data() + skip, filled - skip};
    }

    bool Read(std::uint64_t offset, unsigned char* out, std::size_t count)
    {
        const std::span<const unsigned char> bytes = From(offset, count);
        if (bytes.size() < count)
            return false;
        std::memcpy(out, bytes.data(), count);
        return true;
    }

    // The first 8-byte step from offset whose bytes are not all zero: each
    // all-zero group is a chunk with id 0 and size 0, which the walk would
    // step over 8 bytes at a time. Holes of a sparse file are jumped.
    std::uint64_t SkipZeroHeaders(std::uint64_t offset)
    {
        const std::uint64_t length = file.Length();
        while (offset <= length && length - offset >= 8) {
            const std::span<const unsigned char> bytes = From(offset, 8);
            const auto zeros = static_cast<std::size_t>(
                std::find_if(bytes.begin(), bytes.end(), [](unsigned char c) { return c != 0; }) - bytes.begin());
            offset += zeros / 8 * 8;
            if (zeros < bytes.size() || bytes.size() < 8)
                return offset;
            const std::uint64_t data = file.NextData(offset);
            if (data > offset)
                offset += (data - offset) / 8 * 8;
        }
        return offset;
    }

private:
    bool Holds(std::uint64_t offset, std::size_t count) const
    {
        return offset >= start && offset - start <= filled && filled - (offset - start) >= count;
    }

    void Load(std::uint64_t offset)
    {
        block.resize(block.empty() ? kFirstBlockBytes : std::min(block.size() * 4, kBlockBytes));
        start = offset;
        filled = 0;
        if (offset < file.Length())
            filled
                = file.ReadAt(offset, block.data(),
                              static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), file.Length() - offset)));
    }

    CFile& file;
    std::vector<unsigned char> block;
    std::uint64_t start = 0;
    std::size_t filled = 0;
};

}  // namespace

ChunkPositions LocateChunks(CFile& file, bool fmtOnly)
{
    ChunkPositions found;
    const std::uint64_t length = file.Length();
    BlockReader reader(file);

    unsigned char form[4];
    const bool sizesIn64
        = reader.Read(0, form, 4) && (ReadLE32(form) == IdWord("RF64") || ReadLE32(form) == IdWord("BW64"));
    std::optional<std::uint64_t> dataSize64;

    // The bytes in memory from windowStart on; headers are read straight from them.
    std::span<const unsigned char> window;
    std::uint64_t windowStart = 0;
    std::uint64_t position = 12;
    while (position <= length && length - position >= 4) {
        if (position < windowStart || position - windowStart > window.size()
            || window.size() - (position - windowStart) < 8) {
            window = reader.From(position, 8);
            windowStart = position;
        }
        const unsigned char* header = window.data() + (position - windowStart);
        const std::size_t held = window.size() - static_cast<std::size_t>(position - windowStart);
        if (held < 4)
            break;
        const std::uint32_t id = ReadLE32(header);
        for (auto [wanted, at] : {std::pair{kFmt, &found.fmt}, {kBext, &found.bext}, {kRegn, &found.regn}})
            if (id == wanted && *at == 0)
                *at = position;
        if (found.fmt != 0 && (fmtOnly || (found.bext != 0 && found.regn != 0)))
            break;
        if (held < 8)
            break;
        std::uint64_t size = ReadLE32(header + 4);

        if (sizesIn64 && id == kDs64) {
            unsigned char value[8];
            if (reader.Read(position + 16, value, 8))
                dataSize64 = ReadLE64(value);
            window = {};  // the read may have replaced the block
        }
        if (id == kData) {
            if (size == 0xFFFFFFFFu && dataSize64)
                size = *dataSize64;
            // Saturates: a size of 2^64 - 1 must not wrap to 0 and land in the audio.
            if (size % 2 == 1 && size != std::numeric_limits<std::uint64_t>::max())
                ++size;
        }

        // position + 8 <= length here, since the size was read. Every step
        // moves forward by at least the 8 header bytes, so the walk ends.
        const std::uint64_t contentStart = position + 8;
        if (size > length - contentStart)
            break;
        position = contentStart + size;
        if (size == 0 && id == 0) {
            position = reader.SkipZeroHeaders(position);
            window = {};
        }
    }
    return found;
}
