#pragma once

#include "platform/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>

// Tells whether a path handed to the runner leads to a file still in flight
// (handed in, not yet reported). Only those matter: a file already reported
// was finished before. So it keeps just the window in flight, not every path
// of the run. Files are told apart by their identity, so two spellings of
// one file, a hard link and a symbolic link to it are one file; a path that
// leads to no file is never in flight (it fails without writing).
class CInFlightPaths {
public:
    // True when the file at path is in flight already. index is its place in
    // the input (ascending); every item before reported has been reported.
    bool Add(const std::string& path, std::size_t index, std::size_t reported);

private:
    struct Key {
        std::uint64_t device;
        std::uint64_t inode;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };

    std::deque<std::pair<Key, std::size_t>> order;  // file and index, in input order
    std::unordered_map<Key, std::size_t, KeyHash> counts;  // file to its entries in order
};
