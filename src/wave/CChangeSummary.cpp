#include "CChangeSummary.h"

#include <algorithm>

namespace {

using Field = CChangeSummary::Field;

bool Writes(const HeaderChangeRequest& request, Field field)
{
    switch (field) {
    case Field::SampleRate: return request.changeSampleRate;
    case Field::Channels: return request.changeChannels;
    case Field::Resolution: return request.changeBitsPerSample;
    case Field::BlockAlign: return request.changeBlockAlign;
    }
    return false;
}

std::uint32_t Value(const WaveFormat& format, Field field)
{
    switch (field) {
    case Field::SampleRate: return format.sampleRate;
    case Field::Channels: return format.channels;
    case Field::Resolution: return format.bitsPerSample;
    case Field::BlockAlign: return format.blockAlign;
    }
    return 0;
}

// 96000 as "96,000".
std::string Grouped(std::uint64_t value)
{
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

std::string ValueText(const CChangeSummary::Line& line, bool perChannel)
{
    switch (line.field) {
    case Field::SampleRate: return "Sample rate: " + Grouped(line.value) + " Hz";
    case Field::Channels: return "Number of channels: " + Grouped(line.value);
    case Field::Resolution: return "Resolution: " + Grouped(line.value) + " bit";
    case Field::BlockAlign:
        return perChannel ? "Block alignment: " + Grouped(line.value) + " bytes per sample times each file's channels"
                          : "Block alignment: " + Grouped(line.value) + (line.value == 1 ? " byte" : " bytes");
    }
    return {};
}

std::string Files(std::size_t count)
{
    return count == 1 ? " file" : " files";
}

} // namespace

CChangeSummary::CChangeSummary(const HeaderChangeRequest& changeRequest, const std::array<bool, FieldCount>& left)
    : request(changeRequest)
    , untouched(left)
{
}

void CChangeSummary::Add(const std::optional<WaveFormat>& format)
{
    ++total;
    if (!format) {
        ++unreadable;
        return;
    }
    // What the rewrite itself would write to this file.
    const std::optional<WaveFormat> after = ApplyChangeRequest(*format, request);
    if (!after)
        return;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (Value(*after, field) != Value(*format, field))
            ++changes[i];
    }
}

std::vector<CChangeSummary::Line> CChangeSummary::Lines() const
{
    std::vector<Line> lines;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (!Writes(request, field))
            continue;
        const std::uint32_t value = field == Field::SampleRate ? request.sampleRate
            : field == Field::Channels                         ? request.channels
            : field == Field::Resolution                       ? request.bitsPerSample
                                                               : request.blockAlign;
        lines.push_back({field, value, changes[i], untouched[i]});
    }
    std::stable_partition(lines.begin(), lines.end(),
                          [](const Line& line) { return line.untouched && line.changes > 0; });
    return lines;
}

std::string CChangeSummary::Text() const
{
    std::string text;
    for (const Line& line : Lines()) {
        text += ValueText(line, request.blockAlignPerChannel) + " \u2014 changes " + Grouped(line.changes) + " of "
            + Grouped(total) + Files(total);
        if (line.untouched && line.changes > 0)
            text += ", although you left it at the shown file's own value";
        text += '\n';
    }
    if (unreadable > 0) {
        text += Grouped(unreadable) + " of " + Grouped(total) + Files(total)
            + (unreadable == 1 ? " has a header that cannot be read; it" : " have headers that cannot be read; they")
            + " will be left unchanged\n";
    }
    if (!text.empty())
        text.pop_back();
    return text;
}
