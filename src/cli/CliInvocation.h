#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one run of the tool was asked to do.
struct CliInvocation {
    enum class Command { Info, Set, Undo, Count };

    Command command = Command::Info;
    std::vector<std::string> paths;
    bool json = false;
    bool recursive = false;
    // Paths read from this file ("-": standard input) after those given as arguments.
    std::optional<std::string> filesFrom;
    bool nullSeparated = false;  // the list is separated by NUL bytes, not lines
    unsigned jobs = 1;  // files in flight at once
    // Named paths follow every symbolic link, as root too (root follows
    // only links root owns otherwise).
    bool followLinks = false;

    // set: the fields to write; absent ones are written back from each file.
    std::optional<std::uint32_t> sampleRate;
    std::optional<std::uint16_t> channels;
    std::optional<std::uint16_t> bitsPerSample;
    std::optional<std::uint16_t> blockAlign;
    std::optional<std::uint16_t> bytesPerSample;
    bool recomputeByteRate = false;  // the byte-rate-only correction, asked for by name
    bool dryRun = false;
    bool clearReadOnly = false;
    bool noPreserveRoot = false;  // -r may search "/" itself

    // set and undo: the journal (empty: a new batch in the journal folder),
    // and whether file times are put back after each write.
    std::string journalFile;
    bool noJournal = false;
    bool keepTimes = false;
    // undo: the batch to undo (empty: the newest in the journal folder).
    std::string undoJournal;
};
