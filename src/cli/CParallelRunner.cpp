#include "CParallelRunner.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <utility>

namespace {

// How far the handing out may run ahead of the report, per job. The calling
// thread sleeps until half the window is done, so that it wakes once per many
// files rather than once per file.
constexpr std::size_t WindowPerJob = 16;
// A stop request (Ctrl-C) cannot wake a thread, so waits look again this often.
constexpr auto StopPollInterval = std::chrono::milliseconds(50);

}  // namespace

unsigned DefaultJobs()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

CParallelRunner::CParallelRunner(unsigned jobs, std::function<bool()> stopPredicate)
    : shouldStop(std::move(stopPredicate)), capacity(std::size_t{jobs < 1 ? 1 : jobs} * WindowPerJob)
{
    if (jobs > 1) {
        workers.reserve(jobs - 1);
        for (unsigned i = 1; i < jobs; ++i) {
            workers.emplace_back([this] { RunWorker(); });
        }
    }
}

CParallelRunner::~CParallelRunner()
{
    {
        const std::lock_guard lock(mutex);
        closing = true;
        stopping = true;
    }
    workReady.notify_all();
    // The jthreads join here; a started file always finishes.
}

bool CParallelRunner::MayStart()
{
    if (stopping) {
        return false;
    }
    if (shouldStop()) {
        const std::lock_guard lock(mutex);
        stopping = true;
        window.resize(nextToStart - firstIndex);
        return false;
    }
    return true;
}

void CParallelRunner::EndHere(std::size_t index)
{
    gate.Pass(index);
    ++firstIndex;
    ++nextToStart;
}

bool CParallelRunner::SubmitToWorkers(Work work)
{
    if (!MayStart()) {
        return false;
    }

    std::unique_lock lock(mutex);
    for (;;) {
        ReportReady(lock, false);
        if (stopping) {
            return false;
        }
        if (window.size() < capacity) {
            break;
        }
        // Full: work on a file here rather than wait for the workers.
        if (!RunNext(lock)) {
            ReportReady(lock, true);
        }
    }
    window.push_back({std::move(work), {}, false});
    lock.unlock();
    workReady.notify_one();
    lock.lock();
    ReportReady(lock, false);
    return !stopping;
}

void CParallelRunner::Finish()
{
    std::unique_lock lock(mutex);
    while (!window.empty()) {
        ReportReady(lock, !RunNext(lock));
    }
}

void CParallelRunner::ReportReady(std::unique_lock<std::mutex>& lock, bool wait)
{
    if (wait) {
        wanted = std::min(capacity / 2, window.size());
        while (doneAtFront < wanted) {
            slotDone.wait_for(lock, StopPollInterval);
            CheckStop(lock);
            wanted = std::min(wanted, window.size());
        }
        wanted = 0;
    }
    while (doneAtFront > 0) {
        const Report report = std::move(window.front().report);
        window.pop_front();
        --doneAtFront;
        ++firstIndex;
        lock.unlock();
        report();
        lock.lock();
        CheckStop(lock);
    }
}

void CParallelRunner::CheckStop(std::unique_lock<std::mutex>& lock)
{
    if (stopping) {
        return;
    }
    lock.unlock();
    const bool stop = shouldStop();
    lock.lock();
    if (stop) {
        stopping = true;
        // Started files stay, in order; the rest never start.
        window.resize(nextToStart - firstIndex);
    }
}

void CParallelRunner::RunWorker()
{
    std::unique_lock lock(mutex);
    for (;;) {
        workReady.wait(lock, [this] { return closing || (!stopping && nextToStart < firstIndex + window.size()); });
        if (closing) {
            return;
        }
        RunNext(lock);
    }
}

bool CParallelRunner::RunNext(std::unique_lock<std::mutex>& lock)
{
    if (stopping || nextToStart >= firstIndex + window.size()) {
        return false;
    }
    const std::size_t index = nextToStart++;
    Work work = std::move(window[index - firstIndex].work);
    lock.unlock();
    Report report;
    try {
        report = work(index);
    } catch (...) {
        // Thrown again on the calling thread, in this file's turn.
        report = [error = std::current_exception()] { std::rethrow_exception(error); };
    }
    gate.Pass(index);
    lock.lock();
    Slot& slot = window[index - firstIndex];
    slot.report = std::move(report);
    slot.done = true;
    while (doneAtFront < window.size() && window[doneAtFront].done) {
        ++doneAtFront;
    }
    if (wanted != 0 && doneAtFront >= wanted) {
        slotDone.notify_one();
    }
    return true;
}
