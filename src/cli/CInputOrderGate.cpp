#include "CInputOrderGate.h"

#include <algorithm>
#include <thread>

namespace {

// The file ahead is usually a few microseconds from passing, on another
// processor: looking again that long is cheaper than sleeping and being woken.
constexpr int SpinTries = 64;

// But only while a processor is left for the files ahead: more threads looking
// again (-j 32 on two processors) would take their time away, and a batch on
// slow storage ran 20 times slower for it.
unsigned MaxSpinners()
{
    static const unsigned most = std::max(std::thread::hardware_concurrency(), 1u) - 1;
    return most;
}

}  // namespace

void CInputOrderGate::WaitTurn(std::size_t index)
{
    if (spinners.fetch_add(1, std::memory_order_relaxed) < MaxSpinners()) {
        for (int i = 0; i < SpinTries; ++i) {
            if (firstOpen.load(std::memory_order_acquire) >= index) {
                spinners.fetch_sub(1, std::memory_order_relaxed);
                return;
            }
            std::this_thread::yield();
        }
    }
    spinners.fetch_sub(1, std::memory_order_relaxed);
    std::unique_lock lock(mutex);
    ++sleepers;
    changed.wait(lock, [&] { return firstOpen.load(std::memory_order_relaxed) >= index; });
    --sleepers;
}

void CInputOrderGate::Pass(std::size_t index)
{
    // Passed already (a file passes once for its step and again when done):
    // the other threads' passes need not meet this one on the lock.
    if (index < firstOpen.load(std::memory_order_acquire))
        return;
    bool wake = false;
    {
        const std::lock_guard lock(mutex);
        std::size_t open = firstOpen.load(std::memory_order_relaxed);
        if (index == open) {
            ++open;  // the usual case, and with one job the only one
        } else if (index < open || !ahead.insert(index).second) {
            return;
        }
        while (!ahead.empty() && *ahead.begin() == open) {
            ahead.erase(ahead.begin());
            ++open;
        }
        firstOpen.store(open, std::memory_order_release);
        wake = sleepers != 0;
    }
    if (wake) {
        changed.notify_all();
    }
}
