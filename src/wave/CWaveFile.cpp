#include "CWaveFile.h"

#include "CUserPrompt.h"
#include "ChunkLocator.h"
#include "ConfirmWritable.h"
#include "LittleEndian.h"
#include "PatchStanding.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Bytes of a "fmt " chunk: id, size, the 16 bytes of fields, and for an
// extensible header cbSize, valid bits, channel mask and the sub-format.
constexpr std::size_t kFmtFieldsEnd = 24;
constexpr std::size_t kExtensibleEnd = 48;
constexpr std::uint32_t kFieldsSize = 16;
constexpr std::uint32_t kExtensibleSize = 40;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
// cbSize: the extension declares valid bits, channel mask and sub-format.
constexpr std::uint16_t kExtensionSize = 22;
// The rewritten range: bytes 10-23, and for an extensible header valid bits
// and channel mask (26-31). cbSize (24-25) lies between and is never changed.
constexpr std::size_t kFirstWritten = 10;
constexpr std::size_t kExtensionFirst = 26;
constexpr std::size_t kExtensionWrittenEnd = 32;

// Takes a little-endian field from bytes, of which got were read; bytes
// past the end of the file keep the field's previous value, as a short read
// leaves them.
template <typename T>
void TakeField(const unsigned char* bytes, std::size_t got, std::size_t at, T& field)
{
    auto value = static_cast<std::uint64_t>(field);
    for (std::size_t i = 0; i < sizeof(T) && at + i < got; ++i) {
        const unsigned shift = static_cast<unsigned>(8 * i);
        value = (value & ~(std::uint64_t{0xFF} << shift)) | (std::uint64_t{bytes[at + i]} << shift);
    }
    field = static_cast<T>(value);
}

// Fills format from a "fmt " chunk's first got bytes; true when its fields
// are complete.
bool DecodeFmt(const unsigned char* chunk, std::size_t got, WaveFormat& format)
{
    TakeField(chunk, got, 8, format.formatTag);
    TakeField(chunk, got, 10, format.channels);
    TakeField(chunk, got, 12, format.sampleRate);
    TakeField(chunk, got, 16, format.avgBytesPerSec);
    TakeField(chunk, got, 20, format.blockAlign);
    TakeField(chunk, got, 22, format.bitsPerSample);
    if (got < kFmtFieldsEnd)
        return false;
    format.extensible = format.formatTag == kTagExtensible && ReadLE32(chunk + 4) >= kExtensibleSize
        && got >= kExtensibleEnd && ReadLE16(chunk + 24) >= kExtensionSize;
    format.validBitsPerSample = format.extensible ? ReadLE16(chunk + 26) : 0;
    format.channelMask = format.extensible ? ReadLE32(chunk + 28) : 0;
    return true;
}

void EncodeFmt(const WaveFormat& format, unsigned char* chunk)
{
    WriteLE16(chunk + 10, format.channels);
    WriteLE32(chunk + 12, format.sampleRate);
    WriteLE32(chunk + 16, format.avgBytesPerSec);
    WriteLE16(chunk + 20, format.blockAlign);
    WriteLE16(chunk + 22, format.bitsPerSample);
    if (format.extensible) {
        WriteLE16(chunk + 26, format.validBitsPerSample);
        WriteLE32(chunk + 28, format.channelMask);
    }
}

}  // namespace

CoreText ShortFmtChunkText(const std::string& path, std::uint32_t declaredSize)
{
    return CoreText(declaredSize == 1 ? TextId::ShortFmtChunkOneByte : TextId::ShortFmtChunk,
                    {path, std::to_string(declaredSize)});
}

CoreText NoFormatText(const std::string& path, bool notWave)
{
    return CoreText(notWave ? TextId::NotWave : TextId::NoFmtChunk, {path});
}

CoreText AlignmentTooLargeText(const std::string& path, unsigned bytesPerSample, unsigned channels)
{
    return CoreText(TextId::AlignmentTooLarge, {std::to_string(bytesPerSample), std::to_string(channels), path});
}

CWaveFile::CWaveFile(CUserPrompt& userPrompt) : CAudioFile(userPrompt) {}

void CWaveFile::SetFileName(const std::string& name)
{
    CAudioFile::SetFileName(name);
    LoadHeader(true);
}

void CWaveFile::LoadHeader(bool closeAfter)
{
    headerLoaded = false;
    fmtTooShort = false;
    notWave = false;
    if (!Open(OpenMode::OpenRead))
        return;
    ReadHead();

    const ChunkPositions at = LocateChunks(file);
    headerLoaded = ReadFmtChunk(at.fmt);
    bextTimeReference = at.bext != 0 ? ReadBextChunk(at.bext) : 0;
    regnOffset = at.regn;
    if (file.LastCause() != OpenFailureCause::None) {
        headerLoaded = false;
        ReportIoFailure();
    }
    if (closeAfter)
        Close();
}

void CWaveFile::ReadHead()
{
    file.CacheHead();
    const auto head = file.CachedHead();
    const auto holds = [&head](std::size_t at, const char* id) {
        return head.size() >= at + 4 && std::memcmp(head.data() + at, id, 4) == 0;
    };
    notWave = !(holds(0, "RIFF") || holds(0, "RF64") || holds(0, "BW64")) || !holds(8, "WAVE");
}

bool CWaveFile::ReadFmtChunk(std::uint64_t offset)
{
    // 0 is what the walk answers for "not found", never a chunk of its own.
    if (offset == 0)
        return false;
    unsigned char chunk[kExtensibleEnd];
    const std::size_t got = file.ReadAt(offset, chunk, sizeof chunk);
    if (got < 4 || std::memcmp(chunk, "fmt ", 4) != 0)
        return false;
    // A chunk declared too short for the fields ends before them: they belong to the next chunk.
    fmtTooShort = got >= 8 && ReadLE32(chunk + 4) < kFieldsSize;
    if (fmtTooShort)
        return false;
    return DecodeFmt(chunk, got, format);
}

std::uint32_t CWaveFile::ReadBextChunk(std::uint64_t offset)
{
    unsigned char id[4];
    if (file.ReadAt(offset, id, 4) != 4 || std::memcmp(id, "bext", 4) != 0)
        return 0;
    // The low half of the time reference follows the description, originator,
    // its reference, date and time: 338 bytes into the content.
    unsigned char reference[4];
    std::uint32_t timeReference = 0;
    TakeField(reference, file.ReadAt(offset + 346, reference, 4), 0, timeReference);
    return timeReference;
}

bool CWaveFile::ConfirmWriting()
{
    readOnlyMarked = file.ReadOnlyMarked();
    if (dryRun || ConfirmWritable(file, fileName, prompt))
        return true;
    // Left marked, as the user chose: refused as the system refuses a
    // read-only file, but nothing more is said about it.
    lastOpenError = {OpenFailureCause::AccessDenied, SystemReason::PermissionDenied};
    Close();
    return false;
}

bool CWaveFile::RewriteHeader(const HeaderChangeRequest& request, std::optional<WaveFormat>* before)
{
    readOnlyMarked = false;
    notWave = false;
    if (!Open(OpenMode::OpenReadWrite))
        return false;
    // Another batch must not write between this read and the write below.
    if (!dryRun)
        file.LockForUpdate();
    ReadHead();

    // Values are taken from this file now, never from an earlier load, and
    // only inside the chunk the walk reached, within its declared size and
    // the file: a rewrite must never make a file longer.
    const std::uint64_t offset = LocateChunks(file, true).fmt;
    unsigned char chunk[kExtensibleEnd];
    const std::size_t got = offset != 0 ? file.ReadAt(offset, chunk, sizeof chunk) : 0;
    if (got < 8 || std::memcmp(chunk, "fmt ", 4) != 0)
        return Fail();
    if (const std::uint32_t declared = ReadLE32(chunk + 4); declared < kFieldsSize) {
        prompt.ShowMessage(ShortFmtChunkText(fileName, declared));
        return Fail();
    }
    WaveFormat found;
    if (!DecodeFmt(chunk, got, found))
        return Fail();
    if (before != nullptr)
        *before = found;
    const std::optional<WaveFormat> updated = ApplyChangeRequest(found, request);
    if (!updated) {
        const unsigned channels = request.changeChannels ? request.channels : found.channels;
        prompt.ShowMessage(AlignmentTooLargeText(fileName, request.blockAlign, channels));
        return Fail();
    }

    unsigned char written[kExtensibleEnd];
    std::memcpy(written, chunk, got);
    EncodeFmt(*updated, written);
    const bool extensionChanged
        = updated->validBitsPerSample != found.validBitsPerSample || updated->channelMask != found.channelMask;
    const std::size_t end = extensionChanged ? kExtensionWrittenEnd : kFmtFieldsEnd;
    HeaderPatch patch{file.Identity(),
                      offset + kFirstWritten,
                      {chunk + kFirstWritten, chunk + end},
                      {written + kFirstWritten, written + end}};
    // Asked only about a file that would be written.
    if (!ConfirmWriting())
        return false;
    if (dryRun) {
        format = *updated;
        Close();
        return true;
    }
    if (!WritePatch(patch))
        return false;
    format = *updated;
    return true;
}

bool CWaveFile::RestorePatch(const HeaderPatch& patch)
{
    readOnlyMarked = false;
    if (!Open(OpenMode::OpenReadWrite))
        return false;
    if (!dryRun)
        file.LockForUpdate();
    file.CacheHead();
    const PatchStanding standing = StandingOf(file, patch);
    if (standing == PatchStanding::OtherFile || standing == PatchStanding::OtherLength) {
        prompt.ShowMessage(CoreText(TextId::FileReplaced, {fileName}));
        return Fail();
    }
    // Only what a rewrite writes, in the "fmt " chunk that the walk reaches.
    if (!InRewrittenFields(patch, LocateChunks(file, true).fmt)) {
        prompt.ShowMessage(CoreText(TextId::PatchOutsideFields, {fileName}));
        return Fail();
    }
    if (standing != PatchStanding::Applied) {
        prompt.ShowMessage(CoreText(TextId::ChangedAgain, {fileName}));
        return Fail();
    }
    if (!ConfirmWriting())
        return false;
    if (dryRun) {
        Close();
        return true;
    }
    return WritePatch({patch.identity, patch.offset, patch.after, patch.before});
}

bool CWaveFile::InRewrittenFields(const HeaderPatch& patch, std::uint64_t fmt)
{
    const std::size_t count = patch.after.size();
    unsigned char chunk[kExtensibleEnd];
    const std::size_t got = fmt != 0 ? file.ReadAt(fmt, chunk, sizeof chunk) : 0;
    WaveFormat found;
    if (count == 0 || patch.before.size() != count || got < 8 || std::memcmp(chunk, "fmt ", 4) != 0
        || ReadLE32(chunk + 4) < kFieldsSize || !DecodeFmt(chunk, got, found))
        return false;
    const std::uint64_t first = fmt + kFirstWritten;
    const std::uint64_t end = fmt + (found.extensible ? kExtensionWrittenEnd : kFmtFieldsEnd);
    if (patch.offset < first || patch.offset >= end || count > end - patch.offset)
        return false;
    // A rewrite of the extension writes cbSize back as it was.
    for (std::uint64_t at = fmt + kFmtFieldsEnd; at < fmt + kExtensionFirst; ++at) {
        const auto i = static_cast<std::size_t>(at - patch.offset);
        if (at >= patch.offset && i < count && patch.before[i] != patch.after[i])
            return false;
    }
    return true;
}

bool CWaveFile::WritePatch(const HeaderPatch& patch)
{
    // Write-ahead: the journal holds the patch before the file changes.
    if (patchJournal != nullptr && !patchJournal->RecordPatch(fileName, patch))
        return Fail();
    if (!file.ReplaceAt(patch.offset, patch.after.data(), patch.before.data(), patch.after.size()))
        return Fail();
    if (keepTimes && !file.RestoreTimes())
        ReportIoFailure();
    // A network file system may report a failed write only here.
    if (!file.Close())
        return SettleFailedClose(patch);
    return true;
}

bool CWaveFile::SettleFailedClose(const HeaderPatch& patch)
{
    // The write went through, so the file may well hold it: what a fresh
    // open reads decides, as it is what every later reader gets. The journal
    // keeps the record either way.
    const CoreText error(TextId::Clause, {CauseText(file.LastFailure(), fileName)});
    CFile again;
    std::vector<unsigned char> now(patch.after.size());
    const bool read
        = OpenAgain(again) == OpenStatus::Opened && again.ReadAt(patch.offset, now.data(), now.size()) == now.size();
    if (read && now == patch.after) {
        prompt.ShowMessage(CoreText(TextId::ClosedWithNewValues, {fileName, error}));
        return true;
    }
    if (read && now == patch.before) {
        prompt.ShowMessage(CoreText(TextId::ClosedWithOldValues, {error}));
        return false;
    }
    prompt.ShowMessage(CoreText(TextId::ClosedUnreadable, {error}));
    return false;
}

bool CWaveFile::Fail()
{
    ReportIoFailure();
    Close();
    return false;
}

void CWaveFile::ReportIoFailure()
{
    if (file.LastCause() != OpenFailureCause::None)
        prompt.ShowMessage(CauseText(file.LastFailure(), fileName));
}
