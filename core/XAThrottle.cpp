#include "core/XAThrottle.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kLongestIntervalSeconds = 1e9; // about 31 years

class TimerThread {
public:
    static TimerThread &shared() {
        // Never destroyed: a throttle call from another object's destructor at exit must still find
        // a valid (stopped) timer.
        static TimerThread *timer = new TimerThread;
        return *timer;
    }

    void schedule(const std::string &identifier, double intervalSeconds, std::function<void()> block) {
        // Clamped so that the conversion cannot overflow; NaN counts as 0.
        const double seconds = intervalSeconds > 0 ? std::min(intervalSeconds, kLongestIntervalSeconds) : 0;
        const auto delay = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
        std::lock_guard lock(mutex_);
        if (stopped_) {
            return;
        }
        pending_[identifier] = Pending{Clock::now() + delay, std::move(block)};
        startIfNeeded();
        wakeUp_.notify_one();
    }

private:
    struct Pending {
        Clock::time_point deadline;
        std::function<void()> block;
    };

    // Called with the lock held.
    void startIfNeeded() {
        if (thread_.joinable()) {
            return;
        }
        thread_ = std::thread([this] { run(); });
        std::atexit([] { shared().stop(); });
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
            pending_.clear();
        }
        wakeUp_.notify_one();
        if (!thread_.joinable()) {
            return;
        }
        if (thread_.get_id() == std::this_thread::get_id()) {
            thread_.detach(); // a block called exit(): the thread cannot wait for itself
        } else {
            thread_.join();
        }
    }

    void run() {
        std::unique_lock lock(mutex_);
        while (!stopped_) {
            if (pending_.empty()) {
                wakeUp_.wait(lock);
                continue;
            }
            const Clock::time_point earliest = nextDeadline();
            if (Clock::now() < earliest) {
                wakeUp_.wait_until(lock, earliest);
                continue;
            }
            std::vector<std::function<void()>> due = takeDueBlocks();
            lock.unlock();
            for (auto &block : due) {
                runBlock(block);
            }
            lock.lock();
        }
    }

    Clock::time_point nextDeadline() const {
        Clock::time_point earliest = Clock::time_point::max();
        for (const auto &[identifier, pending] : pending_) {
            earliest = std::min(earliest, pending.deadline);
        }
        return earliest;
    }

    std::vector<std::function<void()>> takeDueBlocks() {
        std::vector<std::function<void()>> due;
        const Clock::time_point now = Clock::now();
        for (auto entry = pending_.begin(); entry != pending_.end();) {
            if (entry->second.deadline <= now) {
                due.push_back(std::move(entry->second.block));
                entry = pending_.erase(entry);
            } else {
                ++entry;
            }
        }
        return due;
    }

    static void runBlock(const std::function<void()> &block) {
        // An exception escaping here would end the process; one failing block must not stop the
        // blocks of other identifiers either.
        try {
            block();
        } catch (...) {
        }
    }

    std::mutex mutex_;
    std::condition_variable wakeUp_;
    std::map<std::string, Pending> pending_;
    std::thread thread_;
    bool stopped_ = false;
};

} // namespace

void XAThrottle::throttle(const std::string &identifier, double intervalSeconds, std::function<void()> block) {
    if (identifier.empty() || !block) {
        return;
    }
    TimerThread::shared().schedule(identifier, intervalSeconds, std::move(block));
}
