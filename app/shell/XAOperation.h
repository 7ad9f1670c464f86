#pragma once

// A unit of background work that can be cancelled and tells its observers when it has finished: start() runs main()
// on the calling thread, then marks the operation finished and calls the observers there.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

class XAOperation {
public:
    using FinishedObserver = std::function<void(XAOperation &operation)>;

    virtual ~XAOperation() = default;

    void start();
    // Asks the work to stop; main() reads isCancelled() to do so.
    void cancel() { cancelled_.store(true); }
    bool isCancelled() const { return cancelled_.load(); }
    bool isFinished() const { return finished_.load(); }

    // Observers of the end of start(); called on the thread that ran it. After removal no call starts.
    std::uint64_t addFinishedObserver(FinishedObserver observer);
    void removeFinishedObserver(std::uint64_t token);

protected:
    virtual void main() = 0;

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    std::recursive_mutex observersMutex_;
    std::uint64_t nextToken_ = 1;
    std::vector<std::pair<std::uint64_t, FinishedObserver>> observers_;
};

// An operation made of one block.
class XABlockOperation : public XAOperation {
public:
    explicit XABlockOperation(std::function<void(XAOperation &operation)> block) : block_(std::move(block)) {}

protected:
    void main() override {
        if (block_) {
            block_(*this);
        }
    }

private:
    std::function<void(XAOperation &operation)> block_;
};
