#include "engine/XAOperationProgress.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(XAOperationProgress, ObserversSeeEveryChangeWithTheStateAfterIt) {
    XAOperationProgress progress;
    std::vector<XAOperationProgressState> seen;
    XAOperationProgressObservation observation =
        progress.observe([&seen](const XAOperationProgressState &state) { seen.push_back(state); });
    progress.setTotalUnitCount(4);
    progress.setCompletedUnitCount(1);
    progress.setTotalUnitCount(-1);
    const std::vector<XAOperationProgressState> expected{{4, 0, false}, {4, 1, false}, {-1, 1, true}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(progress.isIndeterminate());
    EXPECT_DOUBLE_EQ(progress.fractionCompleted(), 0.0);
}

TEST(XAOperationProgress, ACancelledOrDestroyedObservationHearsNothingMore) {
    XAOperationProgress progress;
    int calls = 0;
    XAOperationProgressObservation cancelled = progress.observe([&calls](const auto &) { ++calls; });
    {
        XAOperationProgressObservation scoped = progress.observe([&calls](const auto &) { calls += 100; });
        EXPECT_TRUE(scoped.isActive());
    }
    cancelled.cancel();
    EXPECT_FALSE(cancelled.isActive());
    progress.setCompletedUnitCount(3);
    EXPECT_EQ(calls, 0);
}

TEST(XAOperationProgress, AnObservationMayOutliveItsProgressObject) {
    XAOperationProgressObservation observation;
    {
        XAOperationProgress progress;
        observation = progress.observe([](const auto &) {});
        EXPECT_TRUE(observation.isActive());
    }
    EXPECT_FALSE(observation.isActive());
    observation.cancel();
}

TEST(XAOperationProgress, ChangesFromSeveralThreadsReachTheObserverOneAtATime) {
    XAOperationProgress progress;
    int calls = 0; // guarded by the progress object's observer lock
    XAOperationProgressObservation observation = progress.observe([&calls](const auto &) { ++calls; });
    std::vector<std::thread> threads;
    for (int thread = 0; thread < 4; ++thread) {
        threads.emplace_back([&progress] {
            for (int step = 0; step < 250; ++step) {
                progress.setCompletedUnitCount(step);
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(calls, 1000);
}
