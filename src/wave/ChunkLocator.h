#pragma once

#include <cstdint>
#include <string_view>

class CFile;

// Walks the flat chunk list of an open RIFF file from startOffset for the
// chunk whose four-character id equals id. Returns the offset of that
// chunk's id, or 0 when there is none. Bytes 0-11 are not examined except
// to recognise RF64/BW64, whose "ds64" chunk supplies the real size of a
// "data" chunk that stores 0xFFFFFFFF. Only "data" is followed by a pad
// byte when its size is odd; every other size is taken as stored.
std::uint64_t ChunkLocator(CFile& file, std::uint64_t startOffset, std::string_view id);
