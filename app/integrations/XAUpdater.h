#pragma once

// The update check: on request only, it asks the configured address (see XABackendSettings.h) for the newest
// version, a JSON object {"version": "<newest>"}, keeps the date of the last finished check in the settings
// ("SULastCheckTime", seconds since 1970) and posts "SUUpdateDriverFinished" when done, whatever the outcome.

#include "core/XAError.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

inline constexpr const char *XAUpdateDriverFinishedNotificationName = "SUUpdateDriverFinished";

struct XAUpdateCheckResult {
    std::optional<std::string> newestVersion; // no value when the check failed
    bool updateAvailable = false;             // the newest version is later than the running one
    XAError error;
};

class XAUpdater {
public:
    static XAUpdater &sharedUpdater();

    std::optional<std::chrono::system_clock::time_point> lastUpdateCheckDate() const;
    // Starts a check; the completion runs on the GUI thread. Without a configured address it fails at once.
    void checkForUpdates(std::function<void(const XAUpdateCheckResult &result)> completion);
    bool isChecking() const { return checking_; }

private:
    void finish(const XAUpdateCheckResult &result, const std::function<void(const XAUpdateCheckResult &)> &completion);

    bool checking_ = false;
};
