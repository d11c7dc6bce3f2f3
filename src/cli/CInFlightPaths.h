#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>

// Tells whether a path handed to the runner names the same file as one still
// in flight (handed in, not yet reported). Only those matter: a file already
// reported was finished before. So it keeps just the window in flight, not
// every path of the run. Paths are compared in their lexically normal form,
// by hash; a collision only costs a wait.
class CInFlightPaths {
public:
    // True when path is in flight already. index is its place in the input
    // (ascending); every item before reported has been reported.
    bool Add(const std::string& path, std::size_t index, std::size_t reported);

private:
    std::deque<std::pair<std::size_t, std::size_t>> order;  // hash and index, in input order
    std::unordered_map<std::size_t, std::size_t> counts;     // hash to its entries in order
};
