#include "core/XAThrottle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

// Records which blocks ran and when, and lets a test wait for them without sleeping blindly.
class RunLog {
public:
    std::function<void()> block(std::string name) {
        return [this, name = std::move(name)] {
            std::lock_guard lock(mutex_);
            runs_.push_back({name, steady_clock::now()});
            changed_.notify_all();
        };
    }

    // Waits (at most a generous timeout) until `count` blocks have run.
    bool waitForRuns(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] { return runs_.size() >= count; });
    }

    std::vector<std::string> names() {
        std::lock_guard lock(mutex_);
        std::vector<std::string> names;
        for (const auto &run : runs_) {
            names.push_back(run.name);
        }
        return names;
    }

    steady_clock::time_point firstRunTime() {
        std::lock_guard lock(mutex_);
        return runs_.at(0).time;
    }

private:
    struct Run {
        std::string name;
        steady_clock::time_point time;
    };
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Run> runs_;
};

// The burst's calls follow one another within microseconds; the interval is long enough that even
// a heavily loaded machine does not let the first call's timer fire before the last call.
constexpr double kBurstInterval = 0.25;

TEST(XAThrottleTests, OnlyTheLastBlockOfABurstRunsOnceAfterTheInterval) {
    RunLog log;
    XAThrottle::throttle("burst", kBurstInterval, log.block("first"));
    XAThrottle::throttle("burst", kBurstInterval, log.block("second"));
    const auto lastCall = steady_clock::now();
    XAThrottle::throttle("burst", kBurstInterval, log.block("third"));
    ASSERT_TRUE(log.waitForRuns(1));
    EXPECT_GE(log.firstRunTime() - lastCall, duration_cast<steady_clock::duration>(duration<double>(kBurstInterval)));
    std::this_thread::sleep_for(duration<double>(2 * kBurstInterval)); // time for any stray run
    EXPECT_EQ(log.names(), std::vector<std::string>{"third"});
}

TEST(XAThrottleTests, IdentifiersAreIndependent) {
    RunLog log;
    XAThrottle::throttle("independent.a", 0.05, log.block("a"));
    XAThrottle::throttle("independent.b", 0.01, log.block("b"));
    ASSERT_TRUE(log.waitForRuns(2));
    EXPECT_EQ(log.names(), (std::vector<std::string>{"b", "a"}));
}

TEST(XAThrottleTests, ABlockMayThrottleAgain) {
    RunLog log;
    auto second = log.block("second");
    XAThrottle::throttle("reentrant", 0.05, [&log, second] {
        log.block("first")();
        XAThrottle::throttle("reentrant", 0.05, second);
    });
    ASSERT_TRUE(log.waitForRuns(2));
    EXPECT_EQ(log.names(), (std::vector<std::string>{"first", "second"}));
}

TEST(XAThrottleTests, AThrowingBlockDoesNotStopTheTimer) {
    RunLog log;
    XAThrottle::throttle("throwing", 0, [] { throw std::runtime_error("block failed"); });
    XAThrottle::throttle("after.throwing", 0.05, log.block("after"));
    EXPECT_TRUE(log.waitForRuns(1));
}

TEST(XAThrottleTests, IgnoresMissingIdentifierOrBlock) {
    RunLog log;
    XAThrottle::throttle("", 0, log.block("unnamed"));
    XAThrottle::throttle("kept", 0.05, log.block("kept"));
    XAThrottle::throttle("kept", 0, nullptr); // must not replace the pending block
    ASSERT_TRUE(log.waitForRuns(1));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(log.names(), std::vector<std::string>{"kept"});
}

} // namespace
