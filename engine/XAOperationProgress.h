#pragma once

// How far a checking run has got, in units of work (the files of the per-file phase): a total and a completed count
// that the run's threads set and any thread may read at any time. Both are 0 while nothing is being counted.

#include <atomic>
#include <cstdint>

class XAOperationProgress {
public:
    std::int64_t totalUnitCount() const { return total_.load(std::memory_order_relaxed); }
    std::int64_t completedUnitCount() const { return completed_.load(std::memory_order_relaxed); }
    void setTotalUnitCount(std::int64_t count) { total_.store(count, std::memory_order_relaxed); }
    void setCompletedUnitCount(std::int64_t count) { completed_.store(count, std::memory_order_relaxed); }
    // completed / total; 0 while the total is 0.
    double fractionCompleted() const {
        const std::int64_t total = totalUnitCount();
        return total > 0 ? static_cast<double>(completedUnitCount()) / static_cast<double>(total) : 0.0;
    }

private:
    std::atomic<std::int64_t> total_{0};
    std::atomic<std::int64_t> completed_{0};
};
