#include "core/XACrashCapture.h"

#include "XAPathsTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <vector>

namespace {

std::vector<std::string> filesIn(const std::string &folder) {
    std::vector<std::string> files;
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(folder, ignored)) {
        files.push_back(entry.path().string());
    }
    return files;
}

std::string contentsOf(const std::string &path) {
    std::ifstream stream(path);
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

[[noreturn]] void startCaptureAndCrash(int signalNumber) {
    const rlimit noCoreFiles = {0, 0};
    ::setrlimit(RLIMIT_CORE, &noCoreFiles);
    XACrashCaptureStart(XACrashCaptureMechanismSystemCrashLogs);
    if (signalNumber == SIGABRT) {
        std::abort();
    }
    std::raise(signalNumber);
    std::_Exit(0); // not reached: the signal's default action ends the process
}

} // namespace

TEST(XACrashCaptureTest, TheReportFolderFollowsTheEnvironment) {
    XAScratchFolder home;
    XAScopedEnvironmentVariable explicitFolder("TESSARY_CRASH_REPORTS_DIR", std::nullopt);
    XAScopedEnvironmentVariable homeVariable("HOME", home.path());
    {
        XAScopedEnvironmentVariable state("XDG_STATE_HOME", std::nullopt);
        EXPECT_EQ(XACrashReportsDirectoryPath(), home.path() + "/.local/state/tessary/CrashReports");
    }
    {
        XAScopedEnvironmentVariable state("XDG_STATE_HOME", "relative/ignored");
        EXPECT_EQ(XACrashReportsDirectoryPath(), home.path() + "/.local/state/tessary/CrashReports");
    }
    XAScopedEnvironmentVariable state("XDG_STATE_HOME", "/state");
    EXPECT_EQ(XACrashReportsDirectoryPath(), "/state/tessary/CrashReports");
    XAScopedEnvironmentVariable chosen("TESSARY_CRASH_REPORTS_DIR", "/chosen/folder");
    EXPECT_EQ(XACrashReportsDirectoryPath(), "/chosen/folder");
}

TEST(XACrashCaptureTest, ReportNamesDropTheSpacesOfTheBundleName) {
    EXPECT_EQ(XACrashReportFileNamePrefix("Tessary"), "Tessary_");
    EXPECT_EQ(XACrashReportFileNamePrefix(" My  Checker "), "MyChecker_");
}

// Each crash in a process of its own: the capture writes exactly one report into a folder it has to create, names
// the signal, and the process still dies of that signal.
TEST(XACrashCaptureDeathTest, ACrashLeavesOneReportAndEndsWithTheSignal) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the child is forked after the folder was made
    const std::vector<std::pair<int, std::string>> signals = {
        {SIGABRT, "SIGABRT"}, {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}};
    for (const auto &[signalNumber, name] : signals) {
        SCOPED_TRACE(name);
        XAScratchFolder scratch;
        const std::string folder = scratch / "not/yet/there";
        XAScopedEnvironmentVariable reports("TESSARY_CRASH_REPORTS_DIR", folder);
        EXPECT_EXIT(startCaptureAndCrash(signalNumber), testing::KilledBySignal(signalNumber), "");
        const std::vector<std::string> reportFiles = filesIn(folder);
        ASSERT_EQ(reportFiles.size(), 1u);
        const std::string fileName = std::filesystem::path(reportFiles.front()).filename().string();
        EXPECT_THAT(fileName, testing::MatchesRegex("Tessary_[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9]{6}\\.crash"));
        const std::string report = contentsOf(reportFiles.front());
        EXPECT_THAT(report, testing::HasSubstr("Signal: " + name + " (" + std::to_string(signalNumber) + ")"));
        EXPECT_THAT(report, testing::HasSubstr("Version: "));
        EXPECT_THAT(report, testing::HasSubstr("Backtrace:\n"));
        // backtrace_symbols_fd wrote at least the handler's own frame.
        EXPECT_GT(report.size(), report.find("Backtrace:\n") + std::string("Backtrace:\n").size());
    }
}

TEST(XACrashCaptureDeathTest, ASecondCrashInTheSameSecondDoesNotOverwriteTheFirst) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the child is forked after the folder was made
    XAScratchFolder scratch;
    XAScopedEnvironmentVariable reports("TESSARY_CRASH_REPORTS_DIR", scratch.path());
    EXPECT_EXIT(startCaptureAndCrash(SIGABRT), testing::KilledBySignal(SIGABRT), "");
    EXPECT_EXIT(startCaptureAndCrash(SIGABRT), testing::KilledBySignal(SIGABRT), "");
    EXPECT_EQ(filesIn(scratch.path()).size(), 2u);
}
