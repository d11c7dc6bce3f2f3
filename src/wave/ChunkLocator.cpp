#include "ChunkLocator.h"

#include "LittleEndian.h"

#include "platform/CFile.h"

#include <cstring>
#include <optional>

namespace {

bool SameId(const unsigned char* bytes, std::string_view id)
{
    return std::memcmp(bytes, id.data(), 4) == 0;
}

} // namespace

std::uint64_t ChunkLocator(CFile& file, std::uint64_t startOffset, std::string_view id)
{
    if (id.size() != 4)
        return 0;
    const std::uint64_t length = file.Length();

    unsigned char form[4];
    const bool sizesIn64 = file.ReadAt(0, form, 4) == 4 && (SameId(form, "RF64") || SameId(form, "BW64"));
    std::optional<std::uint64_t> dataSize64;

    std::uint64_t position = startOffset;
    while (position <= length && length - position >= 4) {
        unsigned char header[8];
        if (file.ReadAt(position, header, 4) < 4)
            return 0;
        if (SameId(header, id))
            return position;
        if (file.ReadAt(position + 4, header + 4, 4) < 4)
            return 0;
        std::uint64_t size = ReadLE32(header + 4);

        if (sizesIn64 && SameId(header, "ds64")) {
            unsigned char value[8];
            if (file.ReadAt(position + 16, value, 8) == 8)
                dataSize64 = ReadLE64(value);
        }
        if (SameId(header, "data")) {
            if (size == 0xFFFFFFFFu && dataSize64)
                size = *dataSize64;
            if (size % 2 == 1)
                ++size;  // cannot wrap: an odd size is below the maximum
        }

        // Every step moves forward by at least the 8 header bytes, so the walk ends.
        const std::uint64_t contentStart = position + 8;
        if (contentStart > length || size > length - contentStart)
            return 0;
        position = contentStart + size;
    }
    return 0;
}
