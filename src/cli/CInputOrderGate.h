#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <set>

// Lets files that run side by side take their ordered steps (the journal
// record, the write-protect question) in input order. Files are numbered
// from 0 in the order they were handed out. The protocol, which every user
// of a gate follows:
//   - before an ordered step, file i calls WaitTurn(i): it returns once every
//     earlier file has passed;
//   - after its last ordered step file i calls Pass(i); a file that takes no
//     such step passes when its work ends, however it ends (CParallelRunner
//     does that for Gate()), so that no later file waits for ever;
//   - passing again does nothing, so a step may pass early and the end pass
//     as well; files may pass in any order, a file passed ahead of its turn
//     counts once every earlier one has passed.
class CInputOrderGate {
public:
    // Returns once every file before index has passed.
    void WaitTurn(std::size_t index);
    // Every file before index has passed: WaitTurn would return at once.
    bool IsTurn(std::size_t index) const { return firstOpen.load(std::memory_order_acquire) >= index; }
    void Pass(std::size_t index);

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<std::size_t> firstOpen{0};  // every file before it has passed; written under the lock
    std::size_t sleepers = 0;  // threads waiting on changed
    std::atomic<unsigned> spinners{0};  // threads looking again before they sleep
    std::set<std::size_t> ahead;  // passed files after firstOpen
};
