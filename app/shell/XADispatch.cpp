#include "app/shell/XADispatch.h"

#include "core/XAParallelFor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QTimer>

#include <map>
#include <memory>

namespace {

// Qt hands the blocks from thread to thread through its own locks, which ThreadSanitizer cannot see (Qt is not
// instrumented). The carriers below say where the hand-over happens: a block and what it captured are made before
// its carrier is handed over (XAHappensBefore when the carrier is complete), and the receiving thread runs and
// destroys it after (XAHappensAfter), so that only races of the block's own work are reported.

// Carries a block to the GUI thread as an event.
class BlockEvent : public QEvent {
public:
    explicit BlockEvent(std::function<void()> block) : QEvent(eventType()), block_(std::move(block)) {
        XAHappensBefore(this);
    }
    ~BlockEvent() override { XAHappensAfter(this); }

    static QEvent::Type eventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    void run() {
        XAHappensAfter(this);
        block_();
    }

private:
    std::function<void()> block_;
};

// Runs the blocks that reach it on the GUI thread.
class BlockEventReceiver : public QObject {
public:
    bool event(QEvent *event) override {
        if (event->type() != BlockEvent::eventType()) {
            return QObject::event(event);
        }
        static_cast<BlockEvent *>(event)->run();
        return true;
    }
};

BlockEventReceiver *mainThreadReceiver() {
    static BlockEventReceiver *receiver = [] {
        auto *made = new BlockEventReceiver;
        made->moveToThread(QCoreApplication::instance()->thread());
        return made;
    }();
    return receiver;
}

// Carries a block to a thread of the pool, which deletes it after the run.
class BlockRunnable : public QRunnable {
public:
    explicit BlockRunnable(std::function<void()> block) : block_(std::move(block)) { XAHappensBefore(this); }
    ~BlockRunnable() override { XAHappensAfter(this); }

    void run() override {
        XAHappensAfter(this);
        block_();
    }

private:
    std::function<void()> block_;
};

} // namespace

void XADispatchToMain(std::function<void()> block) {
    QCoreApplication::postEvent(mainThreadReceiver(), new BlockEvent(std::move(block)));
}

void XADispatchToMainAfter(double seconds, std::function<void()> block) {
    XADispatchToMain([seconds, block = std::move(block)] {
        QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), block);
    });
}

void XADispatchToGlobal(std::function<void()> block) {
    QThreadPool::globalInstance()->start(new BlockRunnable(std::move(block)));
}

void xa_throttleWithIdentifier(const std::string &identifier, double intervalSeconds, std::function<void()> block) {
    if (identifier.empty() || !block) {
        return;
    }
    // One-shot timers by identifier; a later call replaces the pending one.
    static std::map<std::string, QPointer<QTimer>> timers;
    if (QPointer<QTimer> pending = timers[identifier]) {
        pending->stop();
        pending->deleteLater();
    }
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, identifier, block = std::move(block)] {
        if (timers[identifier] == timer) {
            timers.erase(identifier);
        }
        timer->deleteLater();
        block();
    });
    timers[identifier] = timer;
    timer->start(static_cast<int>(std::max(0.0, intervalSeconds) * 1000));
}
