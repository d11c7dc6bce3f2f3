#include "HeaderChangeRequest.h"

WaveFormat ApplyChangeRequest(WaveFormat current, const HeaderChangeRequest& request)
{
    if (request.changeSampleRate)
        current.sampleRate = request.sampleRate;
    if (request.changeChannels)
        current.channels = request.channels;
    if (request.changeBitsPerSample)
        current.bitsPerSample = request.bitsPerSample;
    if (request.changeBlockAlign)
        current.blockAlign = request.blockAlign;
    // Recomputed on every rewrite, so a rewrite without flags still mends a wrong rate.
    current.avgBytesPerSec = static_cast<std::uint32_t>(
        static_cast<std::uint64_t>(current.blockAlign) * current.sampleRate);
    return current;
}
