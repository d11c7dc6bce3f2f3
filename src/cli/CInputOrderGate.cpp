#include "CInputOrderGate.h"

void CInputOrderGate::WaitTurn(std::size_t index)
{
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return firstOpen >= index; });
}

void CInputOrderGate::Pass(std::size_t index)
{
    {
        const std::lock_guard lock(mutex);
        if (index == firstOpen) {
            ++firstOpen;  // the usual case, and with one job the only one
        } else if (index < firstOpen || !ahead.insert(index).second) {
            return;
        }
        while (!ahead.empty() && *ahead.begin() == firstOpen) {
            ahead.erase(ahead.begin());
            ++firstOpen;
        }
    }
    changed.notify_all();
}
