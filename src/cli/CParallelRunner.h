#pragma once

#include "CInputOrderGate.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// Runs the work for many files on up to N threads at once and their report
// steps on the calling thread, strictly in the order the files were handed
// in, so that the output is the same as one file at a time. At most a small
// window of files is handed out ahead of the report, which keeps memory flat
// however long the batch. The calling thread is one of the N: while the
// window is full it works on files too. With one job everything runs on the
// calling thread, before Submit returns.
//
//   CParallelRunner runner(jobs, [&] { return interrupted; });
//   for (each file)
//       if (!runner.Submit([=, &shared](std::size_t index) {
//               ...                        // worker thread: this file only
//               return [=, &shared] { ... };  // calling thread, in order
//           }))
//           break;
//   runner.Finish();
//
// The work gets the file's place in the input; Gate() lets it take steps
// that must happen in input order, such as a journal record (see
// CInputOrderGate for the protocol; the runner passes each file there when
// its work ends). Once shouldStop answers true no further file is started;
// files already started finish and are reported. An exception thrown by the
// work is thrown again by Submit or Finish in that file's turn, after the
// files before it are reported.
class CParallelRunner {
public:
    using Report = std::function<void()>;
    using Work = std::function<Report(std::size_t index)>;

    // shouldStop is asked on the calling thread only.
    CParallelRunner(unsigned jobs, std::function<bool()> shouldStop);
    CParallelRunner(const CParallelRunner&) = delete;
    CParallelRunner& operator=(const CParallelRunner&) = delete;
    ~CParallelRunner();

    // Hands in the next file, reporting finished ones meanwhile. False, with
    // the work dropped, once the run is stopping. work(index) returns the
    // file's report, something callable as Report is. With one job both run
    // here, unwrapped, so they may borrow what the caller holds; with more
    // they must own what they use.
    template <typename Job>
    bool Submit(Job&& work)
    {
        if (!workers.empty()) {
            return SubmitToWorkers(Work(std::forward<Job>(work)));
        }
        if (!MayStart()) {
            return false;
        }
        const std::size_t index = firstIndex;
        auto report = work(index);
        EndHere(index);
        report();
        return true;
    }
    // Waits for every started file and reports it.
    void Finish();

    bool Stopped() const { return stopping; }
    // One job: each file is reported before Submit returns.
    bool Serial() const { return workers.empty(); }
    // The place in the input the next file gets, and how many are reported
    // (every file before that one). Calling thread only.
    std::size_t NextIndex() const { return firstIndex + window.size(); }
    std::size_t Reported() const { return firstIndex; }
    CInputOrderGate& Gate() { return gate; }

private:
    struct Slot {
        Work work;
        Report report;  // set when done
        bool done = false;
    };

    bool SubmitToWorkers(Work work);
    // False, dropping the files not yet started, once the run is stopping.
    bool MayStart();
    // The file at index, run on the calling thread, is done.
    void EndHere(std::size_t index);
    void RunWorker();
    // Runs the next file not yet started on this thread; false when there is
    // none. Called with the lock held, which it releases while the work runs.
    bool RunNext(std::unique_lock<std::mutex>& lock);
    // Reports the finished files at the front of the window; with wait, first
    // waits until half the window (or all of it, when less) is done. Called
    // with the lock held, which it releases while a report runs.
    void ReportReady(std::unique_lock<std::mutex>& lock, bool wait);
    // Drops the files not yet started once shouldStop says so.
    void CheckStop(std::unique_lock<std::mutex>& lock);

    std::function<bool()> shouldStop;
    CInputOrderGate gate;
    std::size_t capacity;
    bool stopping = false;  // written and read under the lock or on the calling thread

    std::mutex mutex;
    std::condition_variable workReady;  // for the workers
    std::condition_variable slotDone;  // for the calling thread
    std::deque<Slot> window;  // files handed in and not yet reported
    std::size_t firstIndex = 0;  // index of window.front()
    std::size_t doneAtFront = 0;  // files at the front of the window that are done
    std::size_t wanted = 0;  // the calling thread sleeps until this many are (0: it is awake)
    std::size_t nextToStart = 0;
    bool closing = false;
    std::vector<std::jthread> workers;
};

// The number of files in flight when -j is not given: one per processor, as
// local disks are bound by the processors' work in the kernel.
unsigned DefaultJobs();
