#pragma once

#include "JournalFormat.h"

#include "platform/CFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reads a journal written by CJournalWriter. Only where each line starts is
// kept, so a batch of any size is read one record at a time.
class CJournalReader {
public:
    // Opens the journal and reads its header. False, with Failure(), when the
    // file cannot be read or is no journal.
    bool Open(const std::string& path);

    const JournalHeader& Header() const { return header; }
    std::size_t RecordCount() const { return lines.size(); }

    // Record index in the order written (0 is the first). Empty, with
    // Failure(), when its line is damaged.
    std::optional<JournalRecord> ReadRecord(std::size_t index);

    const CoreText& Failure() const { return failure; }

private:
    struct Line {
        std::uint64_t offset;
        std::size_t length;
    };

    CFile file;
    std::string path;
    JournalHeader header;
    std::vector<Line> lines;
    CoreText failure;
};
