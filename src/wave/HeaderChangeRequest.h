#pragma once

#include "WaveFormat.h"

#include <cstdint>
#include <optional>

// New values for the format fields and which of them to write. Values are
// written as given: nothing is validated.
struct HeaderChangeRequest {
    std::uint32_t sampleRate = 0;
    std::uint16_t channels = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    bool changeSampleRate = false;
    bool changeChannels = false;
    bool changeBitsPerSample = false;
    bool changeBlockAlign = false;
    // With changeBlockAlign: blockAlign holds the bytes per sample of one
    // channel, and the alignment written is that times the channel count the
    // file has after the change (read in the same open as the rewrite).
    bool blockAlignPerChannel = false;
};

// The format a file gets from a request: the flagged fields replaced, the
// others kept, and the average byte rate recomputed (modulo 2^32) in every
// case. An extensible header's valid bits and channel mask follow a changed
// resolution or channel count where they would contradict it. Empty when a
// per-channel alignment does not fit 16 bits.
std::optional<WaveFormat> ApplyChangeRequest(WaveFormat current, const HeaderChangeRequest& request);
