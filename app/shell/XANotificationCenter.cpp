#include "app/shell/XANotificationCenter.h"

#include "app/shell/XADispatch.h"
#include "core/XALog.h"

XANotificationCenter &XANotificationCenter::defaultCenter() {
    static XANotificationCenter center;
    return center;
}

std::uint64_t XANotificationCenter::addObserver(std::string name, const void *object, Observer observer) {
    const std::uint64_t token = nextToken_++;
    entries_.push_back({token, std::move(name), object, std::move(observer)});
    return token;
}

void XANotificationCenter::removeObserver(std::uint64_t token) {
    std::erase_if(entries_, [token](const Entry &entry) { return entry.token == token; });
}

void XANotificationCenter::post(const XANotification &notification) {
    // A copy: an observer may add or remove observers.
    const std::vector<Entry> entries = entries_;
    for (const Entry &entry : entries) {
        if (entry.name == notification.name && (!entry.object || entry.object == notification.object)) {
            entry.observer(notification);
        }
    }
}

void XANotificationCenter::postOnMainThread(XANotification notification) {
    XADispatchToMain([this, notification = std::move(notification)] { post(notification); });
}

void XAInstallLogNotificationForwarding() {
    XASetLogNotificationHandler([](int level, const std::string &trimmedMessage) {
        if (trimmedMessage.empty()) {
            return;
        }
        XADictionary userInfo;
        userInfo.set(XALogMessageNotificationLogLevelKey, XAValue(static_cast<std::int64_t>(level)));
        userInfo.set(XALogMessageNotificationMessageKey, XAValue(trimmedMessage));
        XANotificationCenter::defaultCenter().postOnMainThread({XALogMessageNotificationName, nullptr, userInfo});
    });
}
