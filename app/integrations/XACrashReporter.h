#pragma once

// Crash reports of earlier runs, offered at launch. Both faces start the capture (see core/XACrashCapture.h); the
// desktop then looks for this application's reports in the crash report folder and, following the user's standing
// choice ("CrashReportingPolicy": send always, never, or ask), sends them to the vendor's backend in groups of ten
// and moves each group to the trash once the backend has it. Without a configured backend nothing is offered and the
// reports stay.

#include "core/XAError.h"

#include <functional>
#include <string>
#include <vector>

class XACrashReporter {
public:
    XACrashReporter() = delete;

    static void startForAppLaunchWithMechanism(int mechanism);
    static void offerToSendCrashReportsIfAny();
    static void offerToSendSystemCrashReportsIfAny();

    // The full paths of the reports of this application: the entries of the crash report folder whose names begin
    // with the bundle name without spaces and "_", sorted by name (so by time). None when the folder is missing.
    static std::vector<std::string> crashLogFilePaths();
    // Moves every report to the trash; false when any could not be moved (each logged).
    static bool trashCrashLogFiles();
    static void sendCrashLogs(const std::vector<std::string> &texts, std::function<void()> success,
                              std::function<void(const XAError &error)> failure);

    // The name the reports are named after (the application's name unless set).
    static std::string bundleName();
    static void setBundleName(const std::string &name);

    // What an unreadable report is sent as.
    static constexpr const char *unreadableReportText = "<tessary_could_not_read_crash_log_file>";
    static constexpr std::size_t reportsPerRequest = 10;

private:
    static void askAboutSystemCrashReports(const std::vector<std::string> &paths);
    static void confirmTrashing();
    static void sendSystemCrashReports(const std::vector<std::string> &paths);
};
