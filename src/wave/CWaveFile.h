#pragma once

#include "CAudioFile.h"
#include "HeaderChangeRequest.h"

#include <cstdint>
#include <string>

// A WAV file: the format fields of its "fmt " chunk, its Broadcast Wave time
// reference and where its Pro Tools "regn" chunk is. Naming a file loads its
// header; the file is never left open between operations.
class CWaveFile : public CAudioFile {
public:
    explicit CWaveFile(CUserPrompt& prompt);

    // Stores the name and loads the header at once.
    void SetFileName(const std::string& name) override;

    // Reads the header fields from the file. Fields of a chunk that is absent
    // keep their values, except the time reference and the "regn" position,
    // which become 0.
    void LoadHeader(bool closeAfter);

    // Writes channels, sample rate, average byte rate, block alignment and
    // bits per sample (bytes 10-23 of "fmt ") in place. Fields whose flag is
    // off are written back as the file holds them now. Returns false, having
    // written nothing, when the file cannot be opened for writing or has no
    // complete "fmt " chunk. When before is given it receives the file's
    // format as found.
    bool RewriteHeader(const HeaderChangeRequest& request, WaveFormat* before = nullptr);

    // True when the last load opened the file and read a whole "fmt " chunk.
    bool HeaderLoaded() const { return headerLoaded; }
    std::uint32_t BextTimeReference() const { return bextTimeReference; }
    std::uint64_t RegnOffset() const { return regnOffset; }

private:
    bool ReadFmtChunk(std::uint64_t offset);
    std::uint32_t ReadBextChunk(std::uint64_t offset);
    void ReportIoFailure();

    std::uint32_t bextTimeReference = 0;
    std::uint64_t regnOffset = 0;
    bool headerLoaded = false;
};
