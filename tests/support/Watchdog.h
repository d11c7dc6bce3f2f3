#pragma once

// For tests of code that waits on other threads: a lost wake-up or a missing
// pass fails the test within seconds, by name, instead of hanging until the
// test runner's time-out.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <utility>

namespace testwait {

// Runs scenario on a thread of its own and waits at most limit for it; an
// exception it throws is thrown here. A scenario still running then holds
// the test's objects and cannot be ended: the test fails and the program
// ends.
template <typename Scenario>
void FinishesWithin(std::chrono::seconds limit, const std::string& what, Scenario&& scenario)
{
    auto done = std::async(std::launch::async, std::forward<Scenario>(scenario));
    if (done.wait_for(limit) == std::future_status::ready) {
        done.get();
        return;
    }
    ADD_FAILURE() << what << " did not finish within " << limit.count() << " s";
    std::fflush(stdout);
    std::_Exit(1);
}

}  // namespace testwait
