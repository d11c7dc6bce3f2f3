// The engine's chunk walk (one pass, block reads, zero runs skipped) against
// the plain walk on arbitrary bytes: any difference aborts.

#include "FuzzInputFile.h"
#include "PlainWalk.h"

#include "wave/ChunkLocator.h"

#include "platform/CFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CreateFuzzInputFile("quelbrook-walk");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput(data, size);
    const std::vector<unsigned char> bytes(data, data + size);
    const ChunkPositions want{PlainWalk(bytes, "fmt "), PlainWalk(bytes, "bext"), PlainWalk(bytes, "regn")};

    // The cached head's size varies with the input, so chunks straddle its end and the blocks' in every way.
    const std::size_t headSizes[] = {0, 12, 100, CFile::HeadBytes};
    CFile file;
    if (file.Open(FuzzInputPath(), FileMode::Read) != OpenStatus::Opened)
        std::abort();
    file.CacheHead(headSizes[size % 4]);
    const ChunkPositions all = LocateChunks(file);
    const ChunkPositions fmtOnly = LocateChunks(file, true);
    if (all.fmt != want.fmt || all.bext != want.bext || all.regn != want.regn || fmtOnly.fmt != want.fmt)
        std::abort();
    return 0;
}
