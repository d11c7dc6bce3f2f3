#include "CTimecode.h"

#include <cmath>

namespace {

// One day at the program's own configuration, 30 frames per second and 80
// subframes per frame.
constexpr std::uint32_t kDaySubframes = 207'360'000;

std::uint32_t DaySubframes(double framesPerSecond, std::int32_t subframesPerFrame)
{
    if (framesPerSecond == 30.0 && subframesPerFrame == 80)
        return kDaySubframes;
    const double day = 86'400.0 * std::trunc(framesPerSecond) * subframesPerFrame;
    if (!(day >= 1.0) || day > 4'294'967'295.0)
        return 0;  // no wrap that a 32-bit total could reach
    return static_cast<std::uint32_t>(day);
}

std::int32_t RoundPart(double value)
{
    return static_cast<std::int32_t>(std::trunc(value + 0.5));
}

void AppendPart(std::string& text, const char* separator, std::uint64_t value)
{
    text += separator;
    if (value < 10)
        text += '0';
    text += std::to_string(value);
}

}  // namespace

void CTimecode::SetFromSamples(std::uint32_t samples, std::int32_t sampleRate, double frameRate, std::int32_t perFrame)
{
    std::uint32_t total = 0;
    if (sampleRate != 0) {
        const double rate = static_cast<double>(static_cast<float>(frameRate));
        const double value = static_cast<double>(samples) / sampleRate * rate * perFrame + 0.5;
        // Keep the low 32 bits of the truncated value; it always fits in 64.
        if (std::isfinite(value) && std::fabs(value) < 9.2e18)
            total = static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
    }
    SetFromSubframes(total, frameRate, perFrame);
}

void CTimecode::SetFromSubframes(std::uint32_t total, double frameRate, std::int32_t perFrame)
{
    if (const std::uint32_t day = DaySubframes(frameRate, perFrame); day != 0)
        total %= day;

    CTimecode value;
    value.framesPerSecond = frameRate;
    value.subframesPerFrame = perFrame;
    if (perFrame > 0 && frameRate > 0.0) {
        double whole = 0.0;
        double fraction = std::modf(static_cast<double>(total) / perFrame, &whole);
        value.subframes = static_cast<std::uint64_t>(RoundPart(perFrame * fraction));
        fraction = std::modf(whole / frameRate, &whole);
        value.frames = RoundPart(fraction * frameRate);
        fraction = std::modf(whole / 60.0, &whole);
        value.seconds = RoundPart(fraction * 60.0);
        fraction = std::modf(whole / 60.0, &whole);
        value.minutes = RoundPart(fraction * 60.0);
        value.hours = RoundPart(whole);
        value.Normalize();
    }
    *this = value;
    FormatText();
}

void CTimecode::Normalize()
{
    // Rounded parts may reach their limit; carry them into the next part.
    const auto perFrame = static_cast<std::uint64_t>(subframesPerFrame);
    while (subframes >= perFrame) {
        subframes -= perFrame;
        ++frames;
    }
    const auto perSecond = static_cast<std::int32_t>(std::trunc(framesPerSecond));
    while (perSecond > 0 && frames >= perSecond) {
        frames -= perSecond;
        ++seconds;
    }
    while (seconds > 59) {
        seconds -= 60;
        ++minutes;
    }
    while (minutes > 59) {
        minutes -= 60;
        ++hours;
    }
    while (hours > 23)
        hours -= 24;
}

void CTimecode::FormatText()
{
    text.clear();
    if (hours < 10)
        text += '0';
    text += std::to_string(hours);
    AppendPart(text, ":", static_cast<std::uint64_t>(minutes));
    AppendPart(text, ":", static_cast<std::uint64_t>(seconds));
    AppendPart(text, ":", static_cast<std::uint64_t>(frames));
    AppendPart(text, "::", subframes);
}

std::string PreviewTimecode(std::uint32_t samples, std::uint32_t sampleRate)
{
    CTimecode timecode;
    timecode.SetFromSamples(samples, static_cast<std::int32_t>(sampleRate), 30.0, 80);
    return timecode.Text();
}
