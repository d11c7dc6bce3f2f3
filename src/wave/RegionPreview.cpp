#include "RegionPreview.h"

#include "CWaveFile.h"
#include "LittleEndian.h"

#include "platform/CFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint64_t kRecordSize = 88;

RegionRecord DecodeRecord(const unsigned char* record)
{
    RegionRecord region;
    region.start = ReadLE32(record + 16);
    region.end = ReadLE32(record + 24);
    region.userTs = ReadLE32(record + 40);
    region.origTs = ReadLE32(record + 48);
    // The name runs to the first zero byte (at most 31 bytes) unless the
    // length byte stops it earlier.
    const auto* name = reinterpret_cast<const char*>(record + 57);
    const std::size_t stored = ::strnlen(name, 31);
    region.name.assign(name, std::min<std::size_t>(stored, record[56]));
    return region;
}

} // namespace

RegionPreview ReadRegionPreview(const std::string& path, CUserPrompt& prompt)
{
    CWaveFile wave(prompt);
    wave.SetFileName(path);
    return ReadRegionPreview(wave);
}

RegionPreview ReadRegionPreview(const CWaveFile& wave)
{
    RegionPreview preview;
    preview.sampleRate = wave.Format().sampleRate;
    preview.bextTimeReference = wave.BextTimeReference();
    const std::uint64_t regn = wave.RegnOffset();

    CFile file;
    if (file.Open(wave.FileName(), FileMode::Read) != OpenStatus::Opened)
        return preview;
    if (regn == 0) {
        preview.timeStampValid = true;
        return preview;
    }

    unsigned char header[12];
    if (file.ReadAt(regn, header, 4) != 4 || std::memcmp(header, "regn", 4) != 0)
        return preview;
    preview.timeStampValid = true;
    // A file that ends before the count holds no regions.
    if (file.ReadAt(regn + 8, header + 8, 4) != 4)
        return preview;

    // Only records that start inside the file become rows, whatever the count claims.
    const std::uint64_t first = regn + 12;
    const std::uint64_t length = file.Length();
    const std::uint64_t inside = first < length ? (length - first + kRecordSize - 1) / kRecordSize : 0;
    const auto rows = static_cast<std::size_t>(std::min<std::uint64_t>(ReadLE32(header + 8), inside));
    preview.regions.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        unsigned char record[kRecordSize + 4] = {};
        file.ReadAt(first + kRecordSize * i, record, kRecordSize);
        preview.regions.push_back(DecodeRecord(record));
    }
    return preview;
}
