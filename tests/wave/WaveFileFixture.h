#pragma once

// The engine on one file at a time, against the system's files: what every
// system shares.
#include "wave/CWaveFile.h"
#include "wave/ConfirmWritable.h"
#include "wave/RegionPreview.h"

#include "FakePrompt.h"
#include "RewriteExpect.h"
#include "SystemHelpers.h"
#include "WavBuilder.h"

#include "platform/CFile.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace testwav {

inline const Fmt kFmtA{3, 6, 96000, 2304000, 24, 32};
inline const Fmt kStereo16{1, 2, 44100, 12345, 4, 16};  // byte rate deliberately wrong
inline const WaveFormat kCorrected{1, 2, 4, 16, 44100, 176400}, kLoadedA{3, 6, 24, 32, 96000, 2304000};
inline const std::uint32_t kTimeRef = 2191709524u;
inline const Bytes kPlain = WavBuilder().Fmt(kStereo16).Chunk("data", Pattern(33)).Build();
// An odd JUNK written without pad, as the walk expects: "fmt " at 23.
inline const Bytes kJunked
    = WavBuilder().Chunk("JUNK", Bytes(3, 9), false).Fmt(kStereo16).Chunk("data", Pattern(33)).Build();

class WaveFileTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& image, bool readOnly = false)
    {
        WriteFile(dir / name, image);
        testsys::SetReadOnly(dir / name, readOnly);
        return dir / name;
    }
    std::string SetFile(const std::string& name, const Bytes& image)
    {
        wave.SetFileName(Put(name, image));
        return dir / name;
    }

    // What the last load found: a complete header, the "bext" time reference, where "regn" is.
    std::tuple<bool, std::uint32_t, std::uint64_t> Found() const
    {
        return {wave.HeaderLoaded(), wave.BextTimeReference(), wave.RegnOffset()};
    }

    // The high word of the time reference must be ignored.
    static WavBuilder Head()
    {
        return WavBuilder()
            .Chunk("JUNK", Bytes(28, 0))
            .Fmt(kFmtA)
            .Chunk("bext", BextContent(0xDEADBEEF00000000ull | kTimeRef))
            .Chunk("data", Bytes(11, 0x7F));
    }

    using Row = std::tuple<std::string, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>;
    std::vector<Row> Rows(const Bytes& image)
    {
        std::vector<Row> rows;
        for (const RegionRecord& r : ReadRegionPreview(Put("r.wav", image), prompt).regions)
            rows.emplace_back(r.name, r.start, r.end, r.userTs, r.origTs);
        return rows;
    }

    // Which file is under the name now, as a journal records it.
    static FileIdentity IdentityOf(const std::string& path)
    {
        CFile file;
        return file.Open(path, FileMode::Read) == OpenStatus::Opened ? file.Identity() : FileIdentity{};
    }

    TempDir dir;
    FakePrompt prompt;
    CWaveFile wave{prompt};
};
using Load = WaveFileTest;
using Rewrite = WaveFileTest;

// Keeps each patch with the file as it was when the patch was offered.
class RecordingJournal : public CPatchJournal {
public:
    bool RecordPatch(const std::string& path, const HeaderPatch& patch) override
    {
        patches.push_back(patch);
        seen.push_back(ReadFile(path));
        return accept;
    }
    bool accept = true;
    std::vector<HeaderPatch> patches;
    std::vector<Bytes> seen;
};

}  // namespace testwav
