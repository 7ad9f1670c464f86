#include "core/XABackgroundDisposal.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>

namespace {

// The threads that the objects were destroyed on, by the objects' names.
struct XADisposalRecord {
    std::mutex lock;
    std::map<std::string, std::thread::id> threads;
};

// An object that records where it is destroyed. A gated one says that its destruction has begun and then waits until
// the gate opens.
class XARecordedObject {
public:
    struct Gate {
        std::atomic<bool> entered{false};
        std::atomic<bool> open{false};
    };

    XARecordedObject(XADisposalRecord &record, std::string name, Gate *gate = nullptr)
        : record_(&record), name_(std::move(name)), gate_(gate) {}
    XARecordedObject(XARecordedObject &&other) noexcept
        : record_(std::exchange(other.record_, nullptr)), name_(std::move(other.name_)), gate_(other.gate_) {}
    XARecordedObject &operator=(XARecordedObject &&) = delete;
    ~XARecordedObject() {
        if (!record_) {
            return; // moved from
        }
        if (gate_) {
            gate_->entered = true;
            while (!gate_->open) {
                std::this_thread::yield();
            }
        }
        std::lock_guard guard(record_->lock);
        record_->threads[name_] = std::this_thread::get_id();
    }

private:
    XADisposalRecord *record_;
    std::string name_;
    Gate *gate_;
};

} // namespace

TEST(XABackgroundDisposalTest, ObjectsAreDestroyedOnOneOtherThreadAndAllBeforeTheEnd) {
    XADisposalRecord record;
    {
        XABackgroundDisposal<XARecordedObject> disposal(100);
        for (int index = 0; index < 50; ++index) {
            disposal.dispose(XARecordedObject(record, std::to_string(index)));
        }
    }
    ASSERT_EQ(record.threads.size(), 50u);
    std::set<std::thread::id> threads;
    for (const auto &[name, thread] : record.threads) {
        threads.insert(thread);
    }
    ASSERT_EQ(threads.size(), 1u);
    EXPECT_NE(*threads.begin(), std::this_thread::get_id());
}

TEST(XABackgroundDisposalTest, ACallerThatFindsTheQueueFullDestroysItsObjectItself) {
    XADisposalRecord record;
    XARecordedObject::Gate gate;
    std::thread::id disposalThread;
    {
        XABackgroundDisposal<XARecordedObject> disposal(1);
        disposal.dispose(XARecordedObject(record, "busy", &gate));
        while (!gate.entered) { // the disposal thread has taken "busy" off the queue and waits in its destruction
            std::this_thread::yield();
        }
        disposal.dispose(XARecordedObject(record, "queued"));
        disposal.dispose(XARecordedObject(record, "overflow"));
        EXPECT_EQ(record.threads.count("overflow"), 1u); // destroyed at once, before the gate opens
        gate.open = true;
    }
    ASSERT_EQ(record.threads.size(), 3u);
    EXPECT_EQ(record.threads["overflow"], std::this_thread::get_id());
    EXPECT_NE(record.threads["busy"], std::this_thread::get_id());
    EXPECT_EQ(record.threads["queued"], record.threads["busy"]);
}
