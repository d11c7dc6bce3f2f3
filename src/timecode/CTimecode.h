#pragma once

#include <cstdint>
#include <string>

// A position as SMPTE timecode text HH:MM:SS:FF::ss (hours, minutes,
// seconds, frames and subframes), wrapped at one day.
class CTimecode {
public:
    void SetFromSamples(std::uint32_t samples, std::int32_t sampleRate, double framesPerSecond,
                        std::int32_t subframesPerFrame);
    void SetFromSubframes(std::uint32_t total, double framesPerSecond, std::int32_t subframesPerFrame);
    const std::string& Text() const { return text; }

    int Hours() const { return hours; }
    int Minutes() const { return minutes; }
    int Seconds() const { return seconds; }
    int Frames() const { return frames; }
    std::uint64_t Subframes() const { return subframes; }

private:
    void Normalize();
    void FormatText();

    std::int32_t subframesPerFrame = 100;
    double framesPerSecond = 30.0;
    std::string text = "00:00:00:00::00";
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t frames = 0;
    std::uint64_t subframes = 0;
};

// The preview's conversion: 30 frames per second, 80 subframes per frame.
std::string PreviewTimecode(std::uint32_t samples, std::uint32_t sampleRate);
