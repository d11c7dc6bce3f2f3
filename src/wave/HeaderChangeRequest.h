#pragma once

#include "WaveFormat.h"

#include <cstdint>

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
};

// The format a file gets from a request: the flagged fields replaced, the
// others kept, and the average byte rate recomputed (modulo 2^32) in every case.
WaveFormat ApplyChangeRequest(WaveFormat current, const HeaderChangeRequest& request);
