#pragma once

// The desktop's notifications: a poster names a notification, the object it concerns and a user-info dictionary;
// observers registered for that name (and, when they ask, that object only) are called on the GUI thread.

#include "core/XAValue.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct XANotification {
    std::string name;
    const void *object = nullptr;
    XADictionary userInfo;
};

class XANotificationCenter {
public:
    using Observer = std::function<void(const XANotification &notification)>;

    static XANotificationCenter &defaultCenter();

    // Registers an observer of `name`; with an object, only notifications about that object reach it. The result
    // identifies the registration for removeObserver.
    std::uint64_t addObserver(std::string name, const void *object, Observer observer);
    void removeObserver(std::uint64_t token);
    std::size_t observerCount() const { return entries_.size(); }

    // Calls the matching observers now, on the calling thread (the GUI thread).
    void post(const XANotification &notification);
    // Posts on the GUI thread later; callable from any thread.
    void postOnMainThread(XANotification notification);

private:
    struct Entry {
        std::uint64_t token;
        std::string name;
        const void *object;
        Observer observer;
    };
    std::vector<Entry> entries_;
    std::uint64_t nextToken_ = 1;
};

// Names of the desktop's notifications and their user-info keys.
inline constexpr const char *XAOpenProjectNotificationName = "XAOpenProjectNotificationName";
inline constexpr const char *XAOpenProjectNotificationProjectPathKey = "XAOpenProjectNotificationProjectPathKey";
inline constexpr const char *XAWindowWillCloseNotificationName = "XAWindowWillCloseNotificationName";
inline constexpr const char *XAWindowDidBecomeMainNotificationName = "XAWindowDidBecomeMainNotificationName";

// Sends the lines that XALog lets through to the log notification ("XALogMessageNotificationName" with the level
// and the trimmed text), posted on the GUI thread. The log targets decide whether lines arrive at all.
void XAInstallLogNotificationForwarding();
