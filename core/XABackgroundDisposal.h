#pragma once

// Destroys objects on a thread of its own, so that the threads handing them over go on with their work at once. Made
// for owners whose destruction is slow and needs nothing from the caller (a parsed translation unit gives back
// hundreds of mapped pages). At most `capacity` objects wait; a caller that finds the queue full destroys its object
// itself, so memory held by waiting objects stays bounded and the work is never lost. Everything handed over is
// destroyed before the destructor returns.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

template <typename Owner> class XABackgroundDisposal {
public:
    explicit XABackgroundDisposal(std::size_t capacity) : capacity_(capacity) {
        thread_ = std::thread([this] { disposeUntilStopped(); });
    }
    ~XABackgroundDisposal() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    XABackgroundDisposal(const XABackgroundDisposal &) = delete;
    XABackgroundDisposal &operator=(const XABackgroundDisposal &) = delete;

    // Takes the object; it is destroyed on the disposal thread, or on the calling thread (with the parameter) when
    // `capacity` objects already wait.
    void dispose(Owner owner) {
        std::lock_guard lock(mutex_);
        if (waiting_.size() < capacity_) {
            waiting_.push_back(std::move(owner));
            wake_.notify_one();
        }
    }

private:
    void disposeUntilStopped() {
        std::unique_lock lock(mutex_);
        while (true) {
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (waiting_.empty()) {
                return; // stopping, and nothing left
            }
            Owner next = std::move(waiting_.front());
            waiting_.pop_front();
            lock.unlock();
            { Owner destroyedHere = std::move(next); }
            lock.lock();
        }
    }

    const std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Owner> waiting_;
    bool stopping_ = false;
    std::thread thread_;
};
