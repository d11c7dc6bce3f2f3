// Header load, region reading, the in-place rewrite and its undo on
// arbitrary bytes. The rewrite may change only bytes 10-23 (10-31 in an
// extensible header) of the "fmt " chunk that an independent walk reaches,
// inside that chunk's declared size, and never the file's length; the
// journal's patch must describe exactly the change, and putting it back must
// restore the input. Anything else aborts.

#include "FuzzInputFile.h"
#include "PlainWalk.h"

#include "wave/CUserPrompt.h"
#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

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
    void ShowMessage(const CoreText&) override {}
    bool AskClearReadOnly(const std::string&) override { return true; }
};

std::vector<unsigned char> Slurp()
{
    std::ifstream in(FuzzInputPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class KeptJournal : public CPatchJournal {
public:
    bool RecordPatch(const std::string&, const HeaderPatch& recorded) override
    {
        patch = recorded;
        return true;
    }
    HeaderPatch patch;
};

// The changed range [first, last] lies where a rewrite may write.
bool InsideFields(const std::vector<unsigned char>& input, const std::vector<unsigned char>& after, std::size_t first,
                  std::size_t last)
{
    const std::uint64_t fmtAt = PlainWalk(input, "fmt ");
    if (fmtAt == 0 || fmtAt + 8 > input.size())
        return false;
    const std::uint64_t declared = PlainLe(input.data() + fmtAt + 4, 4);
    const bool extensible = PlainLe(input.data() + fmtAt + 8, 2) == 0xFFFE && declared >= 40
        && fmtAt + 26 <= input.size() && PlainLe(input.data() + fmtAt + 24, 2) >= 22;
    const std::uint64_t fieldsEnd = fmtAt + (extensible ? 32 : 24);
    // The extension's size field (bytes 24-25) never changes.
    const bool sizeKept = last < fmtAt + 24
        || std::equal(input.begin() + static_cast<std::ptrdiff_t>(fmtAt + 24),
                      input.begin() + static_cast<std::ptrdiff_t>(fmtAt + 26),
                      after.begin() + static_cast<std::ptrdiff_t>(fmtAt + 24));
    return declared >= 16 && first >= fmtAt + 10 && last < fieldsEnd && last < fmtAt + 8 + declared && sizeKept;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CreateFuzzInputFile("quelbrook-fuzz");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzInput(data, size);
    AgreeingPrompt prompt;
    const RegionPreview preview = ReadRegionPreview(FuzzInputPath(), prompt);
    if (preview.regions.size() > size / 12 + 1)
        std::abort();  // every row needs a record that starts inside the file

    CWaveFile wave(prompt);
    KeptJournal journal;
    wave.SetJournal(&journal);
    wave.SetFileName(FuzzInputPath());
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
    const std::vector<unsigned char> input(data, data + size);
    if (!written || !InsideFields(input, after, first, last))
        std::abort();
    const HeaderPatch& patch = journal.patch;
    const std::size_t count = patch.after.size();
    if (patch.offset > first || patch.offset + count <= last || patch.before.size() != count
        || !std::equal(patch.before.begin(), patch.before.end(), data + patch.offset)
        || !std::equal(patch.after.begin(), patch.after.end(),
                       after.begin() + static_cast<std::ptrdiff_t>(patch.offset)))
        std::abort();
    if (!wave.RestorePatch(patch) || Slurp() != input)
        std::abort();
    return 0;
}
