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
        paths.push_back(std::stoul(path));
        return true;
    }

    std::mutex mutex;
    std::vector<std::size_t> paths;
};

TEST(ParallelRunner, ReportsAndRecordsInInputOrderAndAStopLeavesNoGap)
{
    constexpr std::size_t Files = 300;
    for (const unsigned jobs : {1u, 8u}) {
        for (const bool stops : {true, false}) {
            SCOPED_TRACE(std::to_string(jobs) + (stops ? " jobs, stopped" : " jobs"));
            CListJournal journal;
            std::vector<char> started(Files, 0);  // one byte per file: each written by one worker only
            std::vector<std::size_t> reported;
            CParallelRunner runner(jobs, [&] { return stops && reported.size() == 20; });
            for (std::size_t i = 0; i < Files; ++i) {
                const bool taken = runner.Submit([&](std::size_t index) -> CParallelRunner::Report {
                    started[index] = 1;
                    // Later files finish sooner: without the ordering everything would come back reversed.
                    std::this_thread::sleep_for(std::chrono::microseconds(50 * ((Files - index) % 7)));
                    // Every third file fails before its record, as a file that cannot be opened does.
                    if (index % 3 != 0)
                        COrderedJournal(journal, runner.Gate(), index).RecordPatch(std::to_string(index), {});
                    return [&, index] { reported.push_back(index); };
                });
                if (!taken)
                    break;
            }
            runner.Finish();
            EXPECT_EQ(runner.Stopped(), stops);
            // Whatever started was reported, in order and without a gap; nothing after the stop started.
            EXPECT_EQ(std::size_t(std::count(started.begin(), started.end(), 1)), reported.size());
            std::vector<std::size_t> recorded;
            for (std::size_t i = 0; i < reported.size(); ++i) {
                EXPECT_TRUE(reported[i] == i && started.at(i)) << i;
                if (i % 3 != 0)
                    recorded.push_back(i);
            }
            EXPECT_EQ(journal.paths, recorded);
            EXPECT_GE(reported.size(), stops ? 20 : Files);
            EXPECT_EQ(reported.size() < Files, stops);
        }
    }
}

}  // namespace
