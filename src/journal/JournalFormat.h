#pragma once

#include "platform/CoreText.h"
#include "wave/HeaderPatch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One journal is one batch, written as JSON Lines: a header line describing
// the batch, then one line per rewrite, in the order the files were named.
inline constexpr int JournalFormatVersion = 1;

// The "program" of a batch: which front end ran it.
inline constexpr const char* DesktopProgramName = "quelbrook";
inline constexpr const char* CliProgramName = "quelbrook-cli";

struct JournalHeader {
    int journal = JournalFormatVersion;
    std::string time;  // UTC, ISO 8601
    std::string program;
    std::string version;
    std::vector<std::string> arguments;
    // The absolute path of the batch this one undid; empty for any other batch.
    std::string undoes;
};

struct JournalRecord {
    std::string path;  // the file's name byte for byte, UTF-8 or not
    HeaderPatch patch;
};

// The current time as the header's "time" text: 2026-01-31T23:59:59.123456Z.
std::string JournalTimeNow();

// The header of a batch starting now in this version of program; undoes
// names the batch an undo works on.
JournalHeader NewBatchHeader(const char* program, std::vector<std::string> arguments, std::string undoes);

// One line each, ending in '\n'.
std::string EncodeHeader(const JournalHeader& header);
// A record is written over line, whose room is kept from one record to the next.
void EncodeRecord(std::string& line, const std::string& path, const HeaderPatch& patch);

// Empty with failure set when the line is not what the format describes.
std::optional<JournalHeader> DecodeHeader(std::string_view line, CoreText& failure);
std::optional<JournalRecord> DecodeRecord(std::string_view line, CoreText& failure);
