#pragma once

#include <cstdint>

class CFile;

// Offsets of the ids of the chunks the program uses; 0 where there is none.
struct ChunkPositions {
    std::uint64_t fmt = 0;
    std::uint64_t bext = 0;
    std::uint64_t regn = 0;
};

// Walks the flat chunk list of an open RIFF file from offset 12 once, keeping
// the first chunk of each id. Bytes 0-11 are not examined except to
// recognise RF64/BW64, whose "ds64" chunk supplies the real size of a "data"
// chunk that stores 0xFFFFFFFF. Only "data" is followed by a pad byte when
// its size is odd; every other size is taken as stored. A chunk reaching past
// the end of the file ends the walk. With fmtOnly the walk stops at "fmt ".
// Beyond the file's cached head the file is read in large blocks, and runs
// of zero bytes (empty chunks with id 0) are skipped without stepping.
ChunkPositions LocateChunks(CFile& file, bool fmtOnly = false);
