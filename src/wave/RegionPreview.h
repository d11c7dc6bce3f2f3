#pragma once

#include "platform/CoreText.h"

#include <cstdint>
#include <string>
#include <vector>

class CUserPrompt;
class CWaveFile;

// One Pro Tools region record. name is 8-bit text in code page 1252.
struct RegionRecord {
    std::string name;
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t origTs = 0;  // shown as "Orig TS"
    std::uint32_t userTs = 0;  // shown as "User TS"
};

// What the open dialog previews of one file.
struct RegionPreview {
    std::uint32_t sampleRate = 0;
    std::uint32_t bextTimeReference = 0;  // 0: no time stamp
    // The reading got far enough for the time stamp to be shown; when false
    // there is none to show.
    bool timeStampValid = false;
    std::vector<RegionRecord> regions;  // in chunk order
};

// What stands for a time stamp of 0, which is no time stamp.
constexpr const char* NoTimeStampText = QB_TRANSLATABLE("Engine", "(None)");

// Reads the header and the "regn" records of the file at path. Rows are
// produced only for records that start inside both the chunk's declared size
// and the file; a record cut off by the end of the file reads as zeros from
// there on.
RegionPreview ReadRegionPreview(const std::string& path, CUserPrompt& prompt);

// The same for a file whose header has just been loaded into wave.
RegionPreview ReadRegionPreview(const CWaveFile& wave);
