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

// Beyond the cached head the walk reads this much at a time, instead of two
// small reads per chunk.
constexpr std::size_t kBlockBytes = 256 * 1024;

bool SameId(const unsigned char* bytes, const char* id)
{
    return std::memcmp(bytes, id, 4) == 0;
}

// The file's bytes as the walk sees them: the cached head, or one block.
class BlockReader {
public:
    explicit BlockReader(CFile& opened)
        : file(opened)
    {
    }

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
        if (block.empty())
            block.resize(kBlockBytes);
        start = offset;
        filled = 0;
        if (offset < file.Length())
            filled = file.ReadAt(offset, block.data(), static_cast<std::size_t>(
                                                           std::min<std::uint64_t>(kBlockBytes, file.Length() - offset)));
    }

    CFile& file;
    std::vector<unsigned char> block;
    std::uint64_t start = 0;
    std::size_t filled = 0;
};

} // namespace

ChunkPositions LocateChunks(CFile& file, bool fmtOnly)
{
    ChunkPositions found;
    const std::uint64_t length = file.Length();
    BlockReader reader(file);

    unsigned char form[4];
    const bool sizesIn64 = reader.Read(0, form, 4) && (SameId(form, "RF64") || SameId(form, "BW64"));
    std::optional<std::uint64_t> dataSize64;

    std::uint64_t position = 12;
    while (position <= length && length - position >= 4) {
        unsigned char header[8];
        if (!reader.Read(position, header, 4))
            break;
        for (auto [id, at] : {std::pair{"fmt ", &found.fmt}, {"bext", &found.bext}, {"regn", &found.regn}})
            if (*at == 0 && SameId(header, id))
                *at = position;
        if (found.fmt != 0 && (fmtOnly || (found.bext != 0 && found.regn != 0)))
            break;
        if (!reader.Read(position + 4, header + 4, 4))
            break;
        std::uint64_t size = ReadLE32(header + 4);

        if (sizesIn64 && SameId(header, "ds64")) {
            unsigned char value[8];
            if (reader.Read(position + 16, value, 8))
                dataSize64 = ReadLE64(value);
        }
        if (SameId(header, "data")) {
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
        if (size == 0 && ReadLE32(header) == 0)
            position = reader.SkipZeroHeaders(position);
    }
    return found;
}
