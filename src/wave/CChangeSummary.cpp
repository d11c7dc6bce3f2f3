#include "CChangeSummary.h"

#include <algorithm>

namespace {

using Field = CChangeSummary::Field;

bool Writes(const HeaderChangeRequest& request, Field field)
{
    switch (field) {
    case Field::SampleRate:
        return request.changeSampleRate;
    case Field::Channels:
        return request.changeChannels;
    case Field::Resolution:
        return request.changeBitsPerSample;
    case Field::BlockAlign:
        return request.changeBlockAlign;
    }
    return false;
}

std::uint32_t Value(const WaveFormat& format, Field field)
{
    switch (field) {
    case Field::SampleRate:
        return format.sampleRate;
    case Field::Channels:
        return format.channels;
    case Field::Resolution:
        return format.bitsPerSample;
    case Field::BlockAlign:
        return format.blockAlign;
    }
    return 0;
}

CoreText ValueText(const CChangeSummary::Line& line, bool perChannel)
{
    const CoreText value = CoreText::Number(line.value);
    switch (line.field) {
    case Field::SampleRate:
        return CoreText(TextId::SummarySampleRate, {value});
    case Field::Channels:
        return CoreText(TextId::SummaryChannels, {value});
    case Field::Resolution:
        return CoreText(TextId::SummaryResolution, {value});
    case Field::BlockAlign:
        return CoreText(perChannel            ? TextId::SummaryBlockAlignPerChannel
                            : line.value == 1 ? TextId::SummaryBlockAlignOneByte
                                              : TextId::SummaryBlockAlign,
                        {value});
    }
    return CoreText(std::string());
}

}  // namespace

CChangeSummary::CChangeSummary(const HeaderChangeRequest& changeRequest, const std::array<bool, FieldCount>& left)
    : request(changeRequest), untouched(left)
{}

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

CoreText CChangeSummary::Text() const
{
    CoreText text(TextId::Lines);
    for (const Line& line : Lines()) {
        const bool although = line.untouched && line.changes > 0;
        const TextId id = total == 1
            ? (although ? TextId::SummaryChangesOfOneFileAlthough : TextId::SummaryChangesOfOneFile)
            : (although ? TextId::SummaryChangesOfFilesAlthough : TextId::SummaryChangesOfFiles);
        text.args.emplace_back(id,
                               std::vector<CoreText>{ValueText(line, request.blockAlignPerChannel),
                                                     CoreText::Number(line.changes), CoreText::Number(total)});
    }
    if (unreadable > 0) {
        const TextId id = unreadable > 1 ? TextId::SummaryUnreadable
            : total == 1                 ? TextId::SummaryOneOfOneUnreadable
                                         : TextId::SummaryOneOfFilesUnreadable;
        text.args.emplace_back(id, std::vector<CoreText>{CoreText::Number(unreadable), CoreText::Number(total)});
    }
    return text;
}
