#include "CInfoCommand.h"

#include "CFilePrompt.h"
#include "FileReport.h"

#include "platform/Cp1252.h"
#include "timecode/CTimecode.h"
#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

namespace {

std::string TimecodeOrNone(std::uint32_t samples, std::uint32_t sampleRate)
{
    return samples == 0 ? NoTimeStampText : PreviewTimecode(samples, sampleRate);
}

std::string Position(std::uint32_t samples, std::uint32_t sampleRate)
{
    return std::to_string(samples) + " (" + PreviewTimecode(samples, sampleRate) + ")";
}

// The object of one file: path, ok, the error when there is no format, the
// format fields (each null then, so every object has the same keys), the
// time reference and the regions.
nlohmann::ordered_json InfoObject(const std::string& path, const WaveFormat* format, const std::string& error,
                                  const RegionPreview& preview)
{
    nlohmann::ordered_json object = {{"path", path}, {"ok", format != nullptr}};
    if (format == nullptr) {
        object["error"] = error;
    }
    object["formatTag"] = format != nullptr ? nlohmann::ordered_json(format->formatTag) : nullptr;
    // The same fields, extensible ones included, as set's before and after.
    nlohmann::ordered_json fields = FormatToJson(format != nullptr ? *format : WaveFormat{});
    for (auto& [key, value] : fields.items()) {
        object[key] = format != nullptr ? std::move(value) : nullptr;
    }
    const std::uint32_t rate = preview.sampleRate;
    object["bextTimeReference"] = preview.bextTimeReference;
    object["bextTimecode"] = TimecodeOrNone(preview.bextTimeReference, rate);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const RegionRecord& region : preview.regions) {
        rows.push_back({
            {"name", Cp1252ToUtf8(region.name)},
            {"start", region.start},
            {"end", region.end},
            {"origTs", region.origTs},
            {"userTs", region.userTs},
            {"startTimecode", PreviewTimecode(region.start, rate)},
            {"endTimecode", PreviewTimecode(region.end, rate)},
            {"origTsTimecode", PreviewTimecode(region.origTs, rate)},
            {"userTsTimecode", PreviewTimecode(region.userTs, rate)},
        });
    }
    object["regions"] = std::move(rows);
    return object;
}

// "BWF time reference ..., N regions" and a line per region after the first line.
void AppendTimeReferenceAndRegions(std::string& text, const RegionPreview& preview)
{
    const std::uint32_t rate = preview.sampleRate;
    const std::uint32_t bext = preview.bextTimeReference;
    const std::size_t count = preview.regions.size();
    text += "BWF time reference " + std::to_string(bext) + " "
        + (bext == 0 ? std::string(NoTimeStampText) : "(" + PreviewTimecode(bext, rate) + ")") + ", "
        + std::to_string(count) + (count == 1 ? " region" : " regions") + "\n";
    for (std::size_t i = 0; i < count; ++i) {
        const RegionRecord& region = preview.regions[i];
        text += EscapeControls("  region " + std::to_string(i + 1) + " \"" + Cp1252ToUtf8(region.name) + "\": start "
                               + Position(region.start, rate) + ", end " + Position(region.end, rate) + ", orig TS "
                               + Position(region.origTs, rate) + ", user TS " + Position(region.userTs, rate))
            + "\n";
    }
}

}  // namespace

CFileCommand::Result CInfoCommand::Process(const std::string& path, const FolderEntry* entry, CFilePrompt& prompt,
                                           CInputOrderGate& /*gate*/, std::size_t /*index*/) const
{
    CWaveFile wave(prompt);
    wave.OpenWithin(entry);
    wave.SetFileName(path);
    if (!wave.HeaderLoaded()) {
        const std::string message = DescribeFailure(path, prompt.EnglishMessages(), wave.LastOpenFailure(),
                                                    RenderEnglish(NoFormatText(path, wave.NotWave())));
        // Whatever the header holds besides the format is shown as the preview shows it.
        const RegionPreview preview = ReadRegionPreview(wave);
        return preview.timeStampValid ? PartialRead(path, message, preview) : Failure(path, message);
    }
    const WaveFormat& format = wave.Format();
    RegionPreview preview;
    if (wave.RegnOffset() != 0) {
        preview = ReadRegionPreview(wave);
    } else {
        // No regions: nothing more to read.
        preview.sampleRate = format.sampleRate;
        preview.bextTimeReference = wave.BextTimeReference();
    }

    if (Json()) {
        return {CJsonArrayWriter::Encode(InfoObject(path, &format, {}, preview)), Read, false};
    }
    std::string text = EscapeControls(path) + ": format " + std::to_string(format.formatTag) + ", ";
    AppendFormatText(text, format);
    text += ", ";
    AppendTimeReferenceAndRegions(text, preview);
    return {std::move(text), Read, false};
}

CFileCommand::Result CInfoCommand::PartialRead(const std::string& path, const std::string& message,
                                               const RegionPreview& preview) const
{
    if (Json()) {
        return {CJsonArrayWriter::Encode(InfoObject(path, nullptr, message, preview)), Failed, true};
    }
    std::string text = EscapeControls(path + ": failed: " + message) + "; ";
    AppendTimeReferenceAndRegions(text, preview);
    return {std::move(text), Failed, true};
}

CFileCommand::Result CInfoCommand::Failure(const std::string& path, const std::string& message) const
{
    if (Json()) {
        return {CJsonArrayWriter::Encode({{"path", path}, {"ok", false}, {"error", message}}), Failed, true};
    }
    return {EscapeControls(path + ": failed: " + message) + "\n", Failed, true};
}

std::string CInfoCommand::Summary() const
{
    const std::size_t read = Tally(Read);
    return std::to_string(read) + (read == 1 ? " file" : " files") + " read, " + std::to_string(Tally(Failed))
        + " failed";
}
