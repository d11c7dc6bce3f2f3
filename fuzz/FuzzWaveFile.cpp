// Header load, region reading and the in-place rewrite on arbitrary bytes.
// The rewrite may change at most bytes 10-23 of one "fmt " chunk and never
// the file's length; anything else aborts.

#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

#include "platform/CUserPrompt.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class AgreeingPrompt : public CUserPrompt {
public:
    void ShowMessage(const std::string&) override {}
    bool AskClearReadOnly(const std::string&) override { return true; }
};

std::string tempPath;

void RemoveTemp() { std::remove(tempPath.c_str()); }

std::vector<unsigned char> Slurp()
{
    std::ifstream in(tempPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool FmtChunkCovers(const std::vector<unsigned char>& bytes, std::size_t first, std::size_t last)
{
    const std::size_t from = last >= 23 ? last - 23 : 0;
    for (std::size_t at = from; at + 10 <= first; ++at)
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed when available: every input is written to disk.
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string templ = std::string(dir) + "/quelbrook-fuzz-XXXXXX";
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
    AgreeingPrompt prompt;
    const RegionPreview preview = ReadRegionPreview(tempPath, prompt);
    if (preview.regions.size() > size / 12 + 1)
        std::abort();  // every row needs a record that starts inside the file

    CWaveFile wave(prompt);
    wave.SetFileName(tempPath);
    HeaderChangeRequest request{size > 0 ? data[0] * 1000u : 1u, 3, 9, 20, true, true, size % 2 == 0, true};
    const bool written = wave.RewriteHeader(request);

    const std::vector<unsigned char> after = Slurp();
    if (after.size() != size)
        std::abort();
    std::size_t first = size, last = 0;
    for (std::size_t i = 0; i < size; ++i)
        if (after[i] != data[i]) {
            first = std::min(first, i);
            last = i;
        }
    if (first == size)
        return 0;
    if (!written || !FmtChunkCovers(after, first, last))
        std::abort();
    return 0;
}
