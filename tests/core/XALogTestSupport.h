#pragma once

// Capturing what the system logs, for tests that check a log line.

#include "core/XALog.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Collects the log lines written while it lives, at every level, instead of writing them to standard error.
class XALogCapture {
public:
    XALogCapture() : savedTargets_(XALogTargets()), savedLevel_(XAMinimumLogLevel()) {
        XASetLogTargets(XALogTargetNotification);
        XASetMinimumLogLevel(0);
        XASetLogNotificationHandler([this](int level, const std::string &message) {
            std::lock_guard lock(mutex_);
            lines_.push_back({level, message});
        });
    }
    ~XALogCapture() {
        XASetLogNotificationHandler(nullptr);
        XASetLogTargets(savedTargets_);
        XASetMinimumLogLevel(savedLevel_);
    }
    XALogCapture(const XALogCapture &) = delete;
    XALogCapture &operator=(const XALogCapture &) = delete;

    std::vector<std::pair<int, std::string>> lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    int savedTargets_;
    int savedLevel_;
    mutable std::mutex mutex_;
    std::vector<std::pair<int, std::string>> lines_;
};
