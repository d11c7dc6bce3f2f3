#include "RegionPreview.h"

#include "CWaveFile.h"
#include "LittleEndian.h"

#include "platform/CFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kRecordSize = 88;
constexpr std::size_t kRecordsPerRead = 745;  // about 64 KiB

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

}  // namespace

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
    if (wave.OpenAgain(file) != OpenStatus::Opened)
        return preview;
    if (regn == 0) {
        preview.timeStampValid = true;
        return preview;
    }

    unsigned char header[12];
    const std::size_t got = file.ReadAt(regn, header, sizeof header);
    if (got < 4 || std::memcmp(header, "regn", 4) != 0)
        return preview;
    preview.timeStampValid = true;
    // A file that ends before the count holds no regions.
    if (got < sizeof header)
        return preview;

    // Only records that start inside both the chunk's declared content and
    // the file become rows, whatever the count claims.
    const std::uint64_t first = regn + 12;
    const std::uint64_t end = std::min(file.Length(), regn + 8 + ReadLE32(header + 4));
    const std::uint64_t inside = first < end ? (end - first + kRecordSize - 1) / kRecordSize : 0;
    const auto rows = static_cast<std::size_t>(std::min<std::uint64_t>(ReadLE32(header + 8), inside));
    preview.regions.reserve(rows);
    // Read many records at a time; a record cut off by the end of the file reads as zeros from there on.
    std::vector<unsigned char> block(kRecordSize * kRecordsPerRead + 4);
    for (std::size_t done = 0; done < rows;) {
        const std::size_t count = std::min(rows - done, kRecordsPerRead);
        const std::size_t bytes = file.ReadAt(first + kRecordSize * done, block.data(), kRecordSize * count);
        std::fill(block.begin() + static_cast<std::ptrdiff_t>(bytes), block.end(), 0);
        for (std::size_t i = 0; i < count; ++i)
            preview.regions.push_back(DecodeRecord(block.data() + kRecordSize * i));
        done += count;
    }
    return preview;
}
