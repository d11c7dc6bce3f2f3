#include "CInfoCommand.h"

#include "CTerminalPrompt.h"
#include "FileReport.h"

#include "platform/Cp1252.h"
#include "timecode/CTimecode.h"
#include "wave/CWaveFile.h"
#include "wave/RegionPreview.h"

namespace {

constexpr const char* NoTimeStamp = "(None)";

std::string TimecodeOrNone(std::uint32_t samples, std::uint32_t sampleRate)
{
    return samples == 0 ? NoTimeStamp : PreviewTimecode(samples, sampleRate);
}

std::string Position(std::uint32_t samples, std::uint32_t sampleRate)
{
    return std::to_string(samples) + " (" + PreviewTimecode(samples, sampleRate) + ")";
}

}  // namespace

void CInfoCommand::Process(const std::string& path, const FolderEntry* entry)
{
    Prompt().BeginFile();
    CWaveFile wave(Prompt());
    wave.OpenWithin(entry);
    wave.SetFileName(path);
    if (!wave.HeaderLoaded()) {
        ReportFailure(path, DescribeFailure(path, Prompt().Messages(), wave.LastOpenError(), NoFormatChunkText(path)));
        return;
    }
    const WaveFormat& format = wave.Format();
    const std::uint32_t rate = format.sampleRate;
    std::vector<RegionRecord> regions;
    if (wave.RegnOffset() != 0) {
        regions = ReadRegionPreview(wave).regions;
    }

    if (Json()) {
        nlohmann::ordered_json object = {
            {"path", path},
            {"ok", true},
            {"formatTag", format.formatTag},
            {"channels", format.channels},
            {"sampleRate", format.sampleRate},
            {"avgBytesPerSec", format.avgBytesPerSec},
            {"blockAlign", format.blockAlign},
            {"bitsPerSample", format.bitsPerSample},
            {"bextTimeReference", wave.BextTimeReference()},
            {"bextTimecode", TimecodeOrNone(wave.BextTimeReference(), rate)},
        };
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const RegionRecord& region : regions) {
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
        WriteJson(object);
    } else {
        const std::uint32_t bext = wave.BextTimeReference();
        std::string line = path + ": format " + std::to_string(format.formatTag) + ", ";
        AppendFormatText(line, format);
        line += ", BWF time reference " + std::to_string(bext) + " " +
                (bext == 0 ? std::string(NoTimeStamp) : "(" + PreviewTimecode(bext, rate) + ")") + ", " +
                std::to_string(regions.size()) + (regions.size() == 1 ? " region" : " regions");
        WriteLine(line);
        for (std::size_t i = 0; i < regions.size(); ++i) {
            const RegionRecord& region = regions[i];
            WriteLine("  region " + std::to_string(i + 1) + " \"" + Cp1252ToUtf8(region.name) +
                      "\": start " + Position(region.start, rate) + ", end " + Position(region.end, rate) +
                      ", orig TS " + Position(region.origTs, rate) + ", user TS " + Position(region.userTs, rate));
        }
    }
    ++readCount;
    Count(path, false);
}

void CInfoCommand::ReportFolderFailure(const std::string& path, const std::string& message)
{
    ReportFailure(path, message);
}

void CInfoCommand::ReportFailure(const std::string& path, const std::string& message)
{
    if (Json()) {
        WriteJson({{"path", path}, {"ok", false}, {"error", message}});
    } else {
        WriteLine(path + ": failed: " + message);
    }
    ++failedCount;
    Count(path, true);
}

std::string CInfoCommand::Summary() const
{
    return std::to_string(readCount) + (readCount == 1 ? " file" : " files") + " read, " +
           std::to_string(failedCount) + " failed";
}
