#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <mutex>
#include <string>

// A one-line progress display on standard error for long batches. It appears
// only on a terminal and only once the batch has run for a while, and is
// wiped before anything else is written to the terminal. Safe to use from
// several threads.
class CProgressLine {
public:
    CProgressLine(std::ostream& err, bool enabled, std::chrono::milliseconds delay);

    bool Enabled() const { return enabled; }

    // Notes that done files are finished, failed of them failed or skipped.
    void Update(std::size_t done, std::size_t failed, const std::string& lastPath);

    // Wipes the line if it is showing.
    void Clear();

    // Wipes the line and keeps it away while the lock is held: whoever writes
    // to the terminal holds it, so a question is never cut into.
    std::unique_lock<std::mutex> Hold();

private:
    using Clock = std::chrono::steady_clock;

    void ClearLocked();

    std::ostream& err;
    bool enabled;
    std::mutex terminal;
    bool visible = false;
    Clock::time_point start;
    Clock::time_point nextDraw;
};
