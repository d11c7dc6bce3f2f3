#include "CFormatReader.h"

CFormatReader::CFormatReader() : wave(quiet) {}

std::optional<WaveFormat> CFormatReader::Read(const std::string& path)
{
    wave.SetFileName(path);
    if (!wave.HeaderLoaded())
        return std::nullopt;
    return wave.Format();
}
