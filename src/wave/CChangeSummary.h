#pragma once

#include "HeaderChangeRequest.h"
#include "WaveFormat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a request will do to a batch, told before it runs: for every field it
// writes, the value and how many of the files it changes. Files are added one
// by one (their headers as read now), so that a long list can be read in slices.
class CChangeSummary {
public:
    enum class Field { SampleRate, Channels, Resolution, BlockAlign };
    static constexpr std::size_t FieldCount = 4;

    struct Line {
        Field field;
        // The value written; with a per-channel alignment, the bytes per sample.
        std::uint32_t value;
        std::size_t changes;
        // The field's selector still shows the shown file's own value: the
        // user did not choose it, yet it may change other files.
        bool untouched;
    };

    // untouched[i] for Field i, as the selectors stand.
    CChangeSummary(const HeaderChangeRequest& request, const std::array<bool, FieldCount>& untouched);

    // One listed file: its format, or nothing when its header cannot be read.
    void Add(const std::optional<WaveFormat>& format);

    // One line per field the request writes: those that change a file
    // although the user left them untouched first, then in field order.
    std::vector<Line> Lines() const;
    std::size_t Total() const { return total; }
    std::size_t Unreadable() const { return unreadable; }

    // The lines as the confirmation shows them, one per line:
    // "Sample rate: 96,000 Hz — changes 2 of 2 files".
    std::string Text() const;

private:
    HeaderChangeRequest request;
    std::array<bool, FieldCount> untouched;
    std::array<std::size_t, FieldCount> changes{};
    std::size_t total = 0;
    std::size_t unreadable = 0;
};
