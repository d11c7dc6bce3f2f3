// The runner on its own: reports and journal records in input order
// whatever order the work finishes in, and a stop that leaves no gap.
#include "cli/COrderedJournal.h"
#include "cli/CParallelRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Records the files in the order their patches arrive.
class CListJournal : public CPatchJournal {
public:
    bool RecordPatch(const std::string& path, const HeaderPatch&) override
    {
        const std::lock_guard lock(mutex);
        paths.push_back(path);
        return true;
    }

    std::mutex mutex;
    std::vector<std::string> paths;
};

// Later files finish sooner, so without the ordering everything would come back reversed.
void Delay(std::size_t index, std::size_t count)
{
    std::this_thread::sleep_for(std::chrono::microseconds(50 * ((count - index) % 7)));
}

TEST(ParallelRunner, ReportsAndRecordsInInputOrder)
{
    constexpr std::size_t Files = 300;
    for (const unsigned jobs : {1u, 8u}) {
        CListJournal journal;
        std::vector<std::size_t> reported;
        std::vector<std::string> recorded;
        {
            CParallelRunner runner(jobs, [] { return false; });
            for (std::size_t i = 0; i < Files; ++i) {
                ASSERT_TRUE(runner.Submit([&, i](std::size_t index) -> CParallelRunner::Report {
                    EXPECT_EQ(index, i);
                    Delay(i, Files);
                    // Every third file fails before its record, as a file that cannot be opened does.
                    if (i % 3 != 0) {
                        COrderedJournal ordered(journal, runner.Gate(), index);
                        ordered.RecordPatch(std::to_string(i), {});
                    }
                    return [&, i] { reported.push_back(i); };
                }));
            }
            runner.Finish();
        }
        std::vector<std::string> expected;
        std::vector<std::size_t> all;
        for (std::size_t i = 0; i < Files; ++i) {
            all.push_back(i);
            if (i % 3 != 0)
                expected.push_back(std::to_string(i));
        }
        EXPECT_EQ(journal.paths, expected) << jobs;
        EXPECT_EQ(reported, all) << jobs;
    }
}

TEST(ParallelRunner, StopFinishesStartedFilesAndStartsNoOther)
{
    for (const unsigned jobs : {1u, 4u}) {
        std::mutex mutex;
        std::vector<std::size_t> started;
        std::vector<std::size_t> reported;
        bool stop = false;
        std::size_t submitted = 0;
        {
            CParallelRunner runner(jobs, [&] { return stop; });
            // Without the stop this would hand in files forever.
            while (runner.Submit([&](std::size_t index) -> CParallelRunner::Report {
                {
                    const std::lock_guard lock(mutex);
                    started.push_back(index);
                }
                Delay(index, 1000);
                return [&, index] {
                    reported.push_back(index);
                    stop = reported.size() == 20;
                };
            }))
                ++submitted;
            runner.Finish();
            EXPECT_TRUE(runner.Stopped());
        }
        // Whatever started was reported, in order and without a gap; nothing after the stop started.
        std::sort(started.begin(), started.end());
        EXPECT_EQ(reported, started) << jobs;
        for (std::size_t i = 0; i < reported.size(); ++i)
            EXPECT_EQ(reported[i], i);
        EXPECT_GE(reported.size(), 20u);
        EXPECT_LE(reported.size(), submitted);
    }
}

}  // namespace
