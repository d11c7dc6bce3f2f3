#pragma once

#include "wave/WaveFormat.h"

#include "platform/OpenFailureCause.h"

#include <nlohmann/json.hpp>

#include <string>

// The format fields that set writes, as a JSON object.
nlohmann::ordered_json FormatToJson(const WaveFormat& format);

// Appends the same fields as "48000 Hz, 2 ch, 16 bit, align 4, 192000 B/s".
// Built in place: this runs for every file of a batch.
void AppendFormatText(std::string& text, const WaveFormat& format);

// Why a file could not be read or written: the engine's messages (as one
// text) and the sentence for its failure cause, and what the path is when it
// is no file at all. fallback is used when nothing else explains it.
std::string DescribeFailure(const std::string& path, const std::string& messages, const FileFailure& failure,
                            const std::string& fallback);

// The text for a write-protected file that was not touched.
std::string ReadOnlySkippedText(const std::string& path);

// text with its control characters (C0, DEL and the C1 range in UTF-8)
// written as \xhh, so that a file name can neither drive the terminal nor
// start a report line of its own.
std::string EscapeControls(std::string text);
