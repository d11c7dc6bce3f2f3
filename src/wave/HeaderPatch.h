#pragma once

#include "platform/FileIdentity.h"

#include <cstdint>
#include <string>
#include <vector>

// The bytes one rewrite changes: one contiguous range, what it held and what
// it holds afterwards. Enough to undo the rewrite byte for byte.
struct HeaderPatch {
    FileIdentity identity;
    std::uint64_t offset = 0;
    std::vector<unsigned char> before;
    std::vector<unsigned char> after;
};

// Told of every patch after it is planned and before the file's bytes change
// (write-ahead). A false answer stops that rewrite with nothing written.
class CPatchJournal {
public:
    CPatchJournal() = default;
    CPatchJournal(const CPatchJournal&) = delete;
    CPatchJournal& operator=(const CPatchJournal&) = delete;
    virtual ~CPatchJournal() = default;

    virtual bool RecordPatch(const std::string& path, const HeaderPatch& patch) = 0;
};
