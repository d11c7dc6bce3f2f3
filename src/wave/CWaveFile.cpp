#include "CWaveFile.h"

#include "ChunkLocator.h"
#include "ConfirmWritable.h"
#include "LittleEndian.h"

#include "platform/CUserPrompt.h"

#include <cstring>

namespace {

// Chunk headers of ordinary files lie well inside this; one read serves all three walks.
constexpr std::size_t kHeadBytes = 4096;

// Bytes 0-23 of a "fmt " chunk: id, size, then the fields.
constexpr std::uint64_t kFmtFieldsEnd = 24;

// Reads a little-endian field; bytes past the end of the file keep the
// field's previous value, as a short read leaves them.
template <typename T>
void ReadField(CFile& file, std::uint64_t offset, T& field)
{
    unsigned char bytes[sizeof(T)];
    const std::size_t got = file.ReadAt(offset, bytes, sizeof(T));
    auto value = static_cast<std::uint64_t>(field);
    for (std::size_t i = 0; i < got; ++i) {
        const unsigned shift = static_cast<unsigned>(8 * i);
        value = (value & ~(std::uint64_t{0xFF} << shift)) | (std::uint64_t{bytes[i]} << shift);
    }
    field = static_cast<T>(value);
}

WaveFormat DecodeFmt(const unsigned char* chunk)
{
    WaveFormat format;
    format.formatTag = ReadLE16(chunk + 8);
    format.channels = ReadLE16(chunk + 10);
    format.sampleRate = ReadLE32(chunk + 12);
    format.avgBytesPerSec = ReadLE32(chunk + 16);
    format.blockAlign = ReadLE16(chunk + 20);
    format.bitsPerSample = ReadLE16(chunk + 22);
    return format;
}

} // namespace

CWaveFile::CWaveFile(CUserPrompt& userPrompt)
    : CAudioFile(userPrompt)
{
}

void CWaveFile::SetFileName(const std::string& name)
{
    CAudioFile::SetFileName(name);
    LoadHeader(true);
}

void CWaveFile::LoadHeader(bool closeAfter)
{
    headerLoaded = false;
    if (!Open(OpenMode::OpenRead))
        return;
    file.CacheHead(kHeadBytes);

    const std::uint64_t fmtOffset = ChunkLocator(file, 12, "fmt ");
    headerLoaded = ReadFmtChunk(fmtOffset) && fmtOffset + kFmtFieldsEnd <= file.Length();

    const std::uint64_t bextOffset = ChunkLocator(file, 12, "bext");
    bextTimeReference = bextOffset != 0 ? ReadBextChunk(bextOffset) : 0;

    regnOffset = ChunkLocator(file, 12, "regn");
    if (file.LastCause() != OpenFailureCause::None) {
        headerLoaded = false;
        ReportIoFailure();
    }
    if (closeAfter)
        Close();
}

bool CWaveFile::ReadFmtChunk(std::uint64_t offset)
{
    // 0 is what the walk answers for "not found", never a chunk of its own.
    if (offset == 0)
        return false;
    unsigned char id[4];
    if (file.ReadAt(offset, id, 4) != 4 || std::memcmp(id, "fmt ", 4) != 0)
        return false;
    ReadField(file, offset + 8, format.formatTag);
    ReadField(file, offset + 10, format.channels);
    ReadField(file, offset + 12, format.sampleRate);
    ReadField(file, offset + 16, format.avgBytesPerSec);
    ReadField(file, offset + 20, format.blockAlign);
    ReadField(file, offset + 22, format.bitsPerSample);
    return true;
}

std::uint32_t CWaveFile::ReadBextChunk(std::uint64_t offset)
{
    unsigned char id[4];
    if (file.ReadAt(offset, id, 4) != 4 || std::memcmp(id, "bext", 4) != 0)
        return 0;
    // The low half of the time reference follows the description, originator,
    // its reference, date and time: 338 bytes into the content.
    std::uint32_t timeReference = 0;
    ReadField(file, offset + 346, timeReference);
    return timeReference;
}

bool CWaveFile::RewriteHeader(const HeaderChangeRequest& request, WaveFormat* before)
{
    // The answer is not consulted: a file still marked read-only fails to open below.
    ConfirmWritable(fileName, prompt);
    if (!Open(OpenMode::OpenReadWrite))
        return false;
    file.CacheHead(kHeadBytes);

    // Values are taken from this file now, never from an earlier load, and
    // only a chunk whose fields lie wholly inside the file is written: a
    // rewrite must never make a file longer.
    const std::uint64_t offset = ChunkLocator(file, 12, "fmt ");
    unsigned char chunk[kFmtFieldsEnd];
    const bool complete = offset != 0 && offset + kFmtFieldsEnd <= file.Length()
        && file.ReadAt(offset, chunk, sizeof chunk) == sizeof chunk && std::memcmp(chunk, "fmt ", 4) == 0;
    if (!complete) {
        ReportIoFailure();
        Close();
        return false;
    }

    const WaveFormat found = DecodeFmt(chunk);
    if (before != nullptr)
        *before = found;
    const WaveFormat updated = ApplyChangeRequest(found, request);

    unsigned char fields[14];
    WriteLE16(fields, updated.channels);
    WriteLE32(fields + 2, updated.sampleRate);
    WriteLE32(fields + 6, updated.avgBytesPerSec);
    WriteLE16(fields + 10, updated.blockAlign);
    WriteLE16(fields + 12, updated.bitsPerSample);
    const bool written = file.WriteAt(offset + 10, fields, sizeof fields);
    if (written)
        format = updated;
    else
        ReportIoFailure();
    Close();
    return written;
}

void CWaveFile::ReportIoFailure()
{
    if (file.LastCause() != OpenFailureCause::None)
        prompt.ShowMessage(CauseText(file.LastCause(), fileName));
}
