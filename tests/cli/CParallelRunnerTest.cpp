// The runner and its parts on their own: reports and journal records in
// input order whatever order the work finishes in, a stop that leaves no
// gap, and the gate that orders the steps. Each scenario runs under a
// watchdog: a lost wake-up fails it in seconds.
#include "Watchdog.h"
#include "WavBuilder.h"

#include "cli/CFileCommand.h"
#include "cli/CInFlightPaths.h"
#include "cli/COrderedJournal.h"
#include "cli/CParallelRunner.h"
#include "cli/CProgressLine.h"
#include "cli/CTerminalPrompt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

using namespace std::chrono_literals;
using testwait::FinishesWithin;

namespace {

// Records the files in the order their patches arrive.
class CListJournal : public CPatchJournal {
public:
    bool RecordPatch(const std::string& path, const HeaderPatch&) override
    {
        const std::lock_guard lock(mutex);
        paths.push_back(std::stoul(path));
        return true;
    }

    std::mutex mutex;
    std::vector<std::size_t> paths;
};

// How a run of many files ends: all reported, stopped (by Ctrl-C) after
// some, or broken off by an exception from one file's work.
enum class RunEnd { All, Stopped, Thrown };

TEST(ParallelRunner, ReportsAndRecordsInInputOrderAndEndsWithoutAGap)
{
    constexpr std::size_t Files = 300;
    constexpr std::size_t StopAfter = 20;
    constexpr std::size_t Throwing = 40;
    for (const unsigned jobs : {1u, 8u}) {
        for (const RunEnd end : {RunEnd::All, RunEnd::Stopped, RunEnd::Thrown}) {
            const std::string trace = std::to_string(jobs) + " jobs, end " + std::to_string(int(end));
            FinishesWithin(20s, trace, [&] {
                SCOPED_TRACE(trace);
                CListJournal journal;
                std::vector<char> started(Files, 0);  // one byte per file: each written by one worker only
                std::vector<std::size_t> reported;
                CParallelRunner runner(jobs, [&] { return end == RunEnd::Stopped && reported.size() == StopAfter; });
                std::string thrown;
                try {
                    for (std::size_t i = 0; i < Files; ++i) {
                        const bool taken = runner.Submit([&](std::size_t index) {
                            started[index] = 1;
                            // Later files finish sooner: without the ordering everything would come back reversed.
                            std::this_thread::sleep_for(std::chrono::microseconds(50 * ((Files - index) % 7)));
                            if (end == RunEnd::Thrown && index == Throwing)
                                throw std::runtime_error("file " + std::to_string(index));
                            // Every third file fails before its record, as a file that cannot be opened does.
                            if (index % 3 != 0)
                                COrderedJournal(journal, runner.Gate(), index).RecordPatch(std::to_string(index), {});
                            return [&reported, index] { reported.push_back(index); };
                        });
                        if (!taken)
                            break;
                    }
                    runner.Finish();
                } catch (const std::runtime_error& error) {
                    thrown = error.what();
                }
                EXPECT_EQ(runner.Stopped(), end == RunEnd::Stopped);
                EXPECT_EQ(thrown, end == RunEnd::Thrown ? "file 40" : "");
                // In order and without a gap, up to the thrown file's turn.
                std::vector<std::size_t> recorded;
                for (std::size_t i = 0; i < reported.size(); ++i) {
                    EXPECT_TRUE(reported[i] == i && started.at(i)) << i;
                    if (i % 3 != 0)
                        recorded.push_back(i);
                }
                const std::size_t expected = end == RunEnd::All ? Files
                    : end == RunEnd::Thrown                     ? Throwing
                                                                : reported.size();
                EXPECT_EQ(reported.size(), expected);
                if (end == RunEnd::Stopped) {
                    // Whatever started was reported, and nothing after the stop started.
                    EXPECT_EQ(std::size_t(std::count(started.begin(), started.end(), 1)), reported.size());
                    EXPECT_TRUE(reported.size() >= StopAfter && reported.size() < Files) << reported.size();
                }
                // Files after the thrown one may have run and recorded in order; they are not reported.
                if (end == RunEnd::Thrown)
                    journal.paths.resize(std::min(journal.paths.size(), recorded.size()));
                EXPECT_EQ(journal.paths, recorded);
            });
        }
    }
}

// Hands work in as the commands do, each item's report its text.
class CProbeCommand : public CFileCommand {
public:
    using CFileCommand::CFileCommand;
    using CFileCommand::Result;
    using CFileCommand::SubmitWork;

protected:
    Result Failure(const std::string&, const std::string& message) const override { return {message, 0, true}; }
    std::string Summary() const override { return "done"; }
};

TEST(ParallelRunner, AFileNamedAgainStartsOnlyOnceEveryEarlierFileIsDone)
{
    FinishesWithin(10s, "a file named again", [] {
        std::ostringstream out, err;
        CProgressLine progress(err, false, 0ms);
        CTerminalPrompt terminal(
            ReadOnlyPolicy::LeaveAlone, [](std::string&) { return false; }, [] { return false; }, err, progress);
        CProbeCommand command({out, false}, false, terminal, progress);
        CParallelRunner runner(4, [] { return false; });
        std::atomic<bool> againStarted{false}, firstDone{false};
        // The first gives the second a while to start beside it.
        command.SubmitWork(runner, "a.wav", [&](CFilePrompt&, std::size_t) {
            for (int i = 0; i < 200 && !againStarted; ++i)
                std::this_thread::sleep_for(1ms);
            firstDone = true;
            return CProbeCommand::Result{"first\n", 0, false};
        });
        command.SubmitWork(
            runner, "a.wav",
            [&](CFilePrompt&, std::size_t) {
                againStarted = true;
                return CProbeCommand::Result{firstDone ? "again, after it\n" : "again, beside it\n", 0, false};
            },
            true);
        runner.Finish();
        command.Finish();
        EXPECT_EQ(out.str(), "first\nagain, after it\ndone\n");
    });
}

TEST(InputOrderGate, ATurnComesOnceEveryEarlierFileHasPassedInAnyOrderAndAnyNumberOfTimes)
{
    FinishesWithin(10s, "the gate", [] {
        CInputOrderGate gate;
        gate.WaitTurn(0);  // nothing comes before the first
        // Out of order and twice over, as a file passes for its record and again when done.
        for (const std::size_t index : {1u, 0u, 0u, 1u})
            gate.Pass(index);
        std::atomic<int> through{0};
        std::vector<std::thread> waiters;
        for (int i = 0; i < 2; ++i)
            waiters.emplace_back([&] {
                gate.WaitTurn(3);
                ++through;
            });
        std::this_thread::sleep_for(50ms);  // long enough for both to be asleep
        EXPECT_EQ(through, 0) << "file 3 went before file 2 passed";
        gate.Pass(2);
        for (std::thread& waiter : waiters)
            waiter.join();
        EXPECT_EQ(through, 2);
        // Files passed ahead of their turn count once the files before them pass.
        for (const std::size_t index : {5u, 4u, 3u, 4u, 2u})
            gate.Pass(index);
        gate.WaitTurn(6);
    });
}

TEST(InFlightPaths, AFileIsInFlightUnderAnyNameUntilItIsReported)
{
    testwav::TempDir dir;
    const std::string a = dir / "a";
    std::filesystem::create_directories(a + "/b");
    testwav::WriteFile(a + "/x.wav", {1});
    testwav::WriteFile(a + "/y.wav", {2});
    std::filesystem::create_hard_link(a + "/x.wav", a + "/linked.wav");
    CInFlightPaths inFlight;
    // index, how many are reported, path, whether the file is in flight already
    const std::tuple<std::size_t, std::size_t, std::string, bool> steps[] = {
        {0, 0, a + "/x.wav", false},
        {1, 0, a + "/./x.wav", true},
        {2, 0, a + "/b/../x.wav", true},
        {3, 0, a + "//x.wav", true},
        {4, 0, a + "/y.wav", false},
        {5, 1, a + "/linked.wav", true},
        {6, 5, a + "/x.wav", true},  // 5 is not reported yet
        {7, 7, a + "/x.wav", false},
        {8, 7, a + "/y.wav", false},
        // No file yet: nothing to wait for, however often it is named.
        {9, 7, a + "/none.wav", false},
        {10, 7, a + "/none.wav", false},
    };
    for (const auto& [index, reported, path, already] : steps)
        EXPECT_EQ(inFlight.Add(path, index, reported), already) << index << " " << path;
}

}  // namespace
