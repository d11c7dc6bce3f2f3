// The engine's chunk walk (one pass, block reads, zero runs skipped) against
// the plain walk on arbitrary bytes: any difference aborts.

#include "PlainWalk.h"

#include "wave/ChunkLocator.h"

#include "platform/CFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string tempPath;

void RemoveTemp() { std::remove(tempPath.c_str()); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string templ = std::string(dir) + "/quelbrook-walk-XXXXXX";
    const int fd = mkstemp(templ.data());
    if (fd < 0)
        std::abort();
    close(fd);
    tempPath = templ;
    std::atexit(RemoveTemp);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(tempPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::vector<unsigned char> bytes(data, data + size);
    const ChunkPositions want{PlainWalk(bytes, "fmt "), PlainWalk(bytes, "bext"), PlainWalk(bytes, "regn")};

    // The cached head's size varies with the input, so chunks straddle its end and the blocks' in every way.
    const std::size_t headSizes[] = {0, 12, 100, 4096};
    CFile file;
    if (file.Open(tempPath, FileMode::Read) != OpenStatus::Opened)
        std::abort();
    file.CacheHead(headSizes[size % 4]);
    const ChunkPositions all = LocateChunks(file);
    const ChunkPositions fmtOnly = LocateChunks(file, true);
    if (all.fmt != want.fmt || all.bext != want.bext || all.regn != want.regn || fmtOnly.fmt != want.fmt)
        std::abort();
    return 0;
}
