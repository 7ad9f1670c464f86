#pragma once

// How far a checking run has got, in units of work (the files of the per-file phase): a total and a completed count
// that the run's threads set and any thread may read at any time. Both are 0 while nothing is being counted; a
// negative count means that the amount of work is not known (the progress is indeterminate).
//
// Observers learn of every change: each setter calls them on the thread that made the change, with the state right
// after it. An observation ends when its token is cancelled or destroyed, or when the progress object goes away; after
// cancel() returns no call of its observer is running or will start.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

struct XAOperationProgressState {
    std::int64_t totalUnitCount = 0;
    std::int64_t completedUnitCount = 0;
    bool indeterminate = false;

    bool operator==(const XAOperationProgressState &) const = default;
};

class XAOperationProgress;

// One observer's registration. Holds the progress object's observer list weakly, so it may outlive the object.
class XAOperationProgressObservation {
public:
    XAOperationProgressObservation() = default;
    XAOperationProgressObservation(const XAOperationProgressObservation &) = delete;
    XAOperationProgressObservation &operator=(const XAOperationProgressObservation &) = delete;
    XAOperationProgressObservation(XAOperationProgressObservation &&other) noexcept;
    XAOperationProgressObservation &operator=(XAOperationProgressObservation &&other) noexcept;
    ~XAOperationProgressObservation() { cancel(); }

    // True while registered with a progress object that still exists.
    bool isActive() const;
    void cancel();

private:
    friend class XAOperationProgress;
    struct Observers;
    XAOperationProgressObservation(std::weak_ptr<Observers> observers, std::uint64_t identifier)
        : observers_(std::move(observers)), identifier_(identifier) {}

    std::weak_ptr<Observers> observers_;
    std::uint64_t identifier_ = 0;
};

class XAOperationProgress {
public:
    using Observer = std::function<void(const XAOperationProgressState &state)>;

    XAOperationProgress();
    XAOperationProgress(const XAOperationProgress &) = delete;
    XAOperationProgress &operator=(const XAOperationProgress &) = delete;

    std::int64_t totalUnitCount() const { return total_.load(std::memory_order_relaxed); }
    std::int64_t completedUnitCount() const { return completed_.load(std::memory_order_relaxed); }
    void setTotalUnitCount(std::int64_t count);
    void setCompletedUnitCount(std::int64_t count);
    // completed / total; 0 while the total is 0.
    double fractionCompleted() const {
        const std::int64_t total = totalUnitCount();
        return total > 0 ? static_cast<double>(completedUnitCount()) / static_cast<double>(total) : 0.0;
    }
    // Either count is negative.
    bool isIndeterminate() const { return totalUnitCount() < 0 || completedUnitCount() < 0; }
    XAOperationProgressState state() const;

    // Registers an observer for every later change.
    [[nodiscard]] XAOperationProgressObservation observe(Observer observer);

private:
    friend class XAOperationProgressObservation;
    void notifyObservers();

    std::atomic<std::int64_t> total_{0};
    std::atomic<std::int64_t> completed_{0};
    std::shared_ptr<XAOperationProgressObservation::Observers> observers_;
};

struct XAOperationProgressObservation::Observers {
    // Held while observers are called, so that a cancelled observation is never called afterwards.
    std::recursive_mutex mutex;
    std::uint64_t nextIdentifier = 1;
    std::vector<std::pair<std::uint64_t, XAOperationProgress::Observer>> entries;
};
