#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <set>

// Lets files that run side by side take their ordered steps (the journal
// record, the write-protect question) in input order: file i goes ahead only
// once every earlier file has passed, by taking its step or by finishing.
// Files are numbered from 0 in the order they were handed out.
class CInputOrderGate {
public:
    // Returns once every file before index has passed.
    void WaitTurn(std::size_t index);
    // Every file before index has passed: WaitTurn would return at once.
    bool IsTurn(std::size_t index) const { return firstOpen.load(std::memory_order_acquire) >= index; }
    // Marks the file as past its ordered steps; passing again does nothing.
    void Pass(std::size_t index);

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<std::size_t> firstOpen{0};  // every file before it has passed; written under the lock
    std::size_t sleepers = 0;               // threads waiting on changed
    std::atomic<unsigned> spinners{0};      // threads looking again before they sleep
    std::set<std::size_t> ahead;            // passed files after firstOpen
};
