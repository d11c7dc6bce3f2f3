#include "HeaderChangeRequest.h"

#include <bit>

std::optional<WaveFormat> ApplyChangeRequest(WaveFormat current, const HeaderChangeRequest& request)
{
    const WaveFormat found = current;
    if (request.changeSampleRate)
        current.sampleRate = request.sampleRate;
    if (request.changeChannels)
        current.channels = request.channels;
    if (request.changeBitsPerSample)
        current.bitsPerSample = request.bitsPerSample;
    if (request.changeBlockAlign) {
        const unsigned align
            = request.blockAlignPerChannel ? unsigned{request.blockAlign} * current.channels : request.blockAlign;
        if (align > 0xFFFFu)
            return std::nullopt;
        current.blockAlign = static_cast<std::uint16_t>(align);
    }
    // Recomputed on every rewrite, so a rewrite without flags still mends a wrong rate.
    current.avgBytesPerSec
        = static_cast<std::uint32_t>(static_cast<std::uint64_t>(current.blockAlign) * current.sampleRate);

    if (current.extensible) {
        // More valid bits than the container holds would make the header contradict itself.
        if (current.bitsPerSample != found.bitsPerSample && current.validBitsPerSample > current.bitsPerSample)
            current.validBitsPerSample = current.bitsPerSample;
        if (current.channels != found.channels && std::popcount(current.channelMask) != current.channels) {
            // The lowest N speakers when the mask names at least N, otherwise no assignment.
            std::uint32_t kept = 0;
            std::uint32_t rest = current.channelMask;
            for (unsigned n = 0; n < current.channels && rest != 0; ++n) {
                kept |= rest & (~rest + 1);
                rest &= rest - 1;
            }
            current.channelMask = std::popcount(kept) == current.channels ? kept : 0;
        }
    }
    return current;
}
