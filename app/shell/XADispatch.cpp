#include "app/shell/XADispatch.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QTimer>

#include <map>
#include <memory>

void XADispatchToMain(std::function<void()> block) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(block), Qt::QueuedConnection);
}

void XADispatchToMainAfter(double seconds, std::function<void()> block) {
    XADispatchToMain([seconds, block = std::move(block)] {
        QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), block);
    });
}

void XADispatchToGlobal(std::function<void()> block) { QThreadPool::globalInstance()->start(std::move(block)); }

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
