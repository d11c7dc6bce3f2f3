#pragma once

#include "CUserPrompt.h"
#include "CWaveFile.h"
#include "WaveFormat.h"

#include <optional>
#include <string>

// Reads the format of one file after another with the header load of
// CWaveFile, each file closed again at once. Nothing is said about a file
// that cannot be read: it gives no format.
class CFormatReader {
public:
    CFormatReader();

    std::optional<WaveFormat> Read(const std::string& path);

private:
    class CQuietPrompt : public CUserPrompt {
    public:
        void ShowMessage(const CoreText&) override {}
        bool AskClearReadOnly(const std::string&) override { return false; }
    };

    CQuietPrompt quiet;
    CWaveFile wave;
};
