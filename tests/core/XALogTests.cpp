#include "core/XALog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Sends everything written to a file descriptor into a temporary file for the lifetime of the object.
class DescriptorCapture {
public:
    explicit DescriptorCapture(int fd) : fd_(fd), file_(std::tmpfile()) {
        std::fflush(nullptr);
        saved_ = ::dup(fd_);
        ::dup2(::fileno(file_), fd_);
    }
    ~DescriptorCapture() {
        std::fflush(nullptr);
        ::dup2(saved_, fd_);
        ::close(saved_);
        std::fclose(file_);
    }
    DescriptorCapture(const DescriptorCapture &) = delete;
    DescriptorCapture &operator=(const DescriptorCapture &) = delete;

    std::string text() const {
        std::string text;
        char buffer[65536];
        off_t offset = 0;
        for (ssize_t count; (count = ::pread(::fileno(file_), buffer, sizeof buffer, offset)) > 0; offset += count) {
            text.append(buffer, static_cast<size_t>(count));
        }
        return text;
    }

private:
    int fd_;
    std::FILE *file_;
    int saved_ = -1;
};

struct Notification {
    int level;
    std::string message;
    bool operator==(const Notification &) const = default;
};

class XALogTest : public ::testing::Test {
protected:
    void TearDown() override {
        XASetLogTargets(XALogTargetStandardError);
        XASetVerboseLogging(false);
        XASetLogNotificationHandler(nullptr);
    }

    // Records notifications; safe to call from several threads.
    void recordNotifications() {
        XASetLogNotificationHandler([this](int level, const std::string &message) {
            std::lock_guard lock(mutex_);
            notifications_.push_back({level, message});
        });
    }

    std::vector<Notification> notifications() {
        std::lock_guard lock(mutex_);
        return notifications_;
    }

private:
    std::mutex mutex_;
    std::vector<Notification> notifications_;
};

TEST_F(XALogTest, WritesOnlyLinesThatReachTheThreshold) {
    struct Case {
        bool verbose;
        int minimum; // -1: leave the threshold of the verbose setting
        int level;
        bool written;
    } cases[] = {
        {false, -1, 2, true}, {false, -1, 1, false}, {true, -1, 1, true}, {true, -1, 0, true},
        {false, 4, 3, false}, {false, 4, 4, true},   {false, 4, 5, true},
    };
    for (const Case &c : cases) {
        XASetVerboseLogging(c.verbose);
        if (c.minimum >= 0) {
            XASetMinimumLogLevel(c.minimum);
        }
        DescriptorCapture standardError(STDERR_FILENO);
        XALog(c.level, "line %d", c.level);
        std::string expected = c.written ? "line " + std::to_string(c.level) + "\n" : "";
        EXPECT_EQ(standardError.text(), expected) << "verbose " << c.verbose << " minimum " << c.minimum;
    }
    XASetVerboseLogging(true);
    EXPECT_EQ(XAMinimumLogLevel(), 0);
    XASetVerboseLogging(false);
    EXPECT_EQ(XAMinimumLogLevel(), 2);
}

TEST_F(XALogTest, AppendsANewlineUnlessTheFormatEndsWithOne) {
    struct Case {
        const char *format;
        const char *argument;
        const char *expected;
    } cases[] = {
        {"plain", "", "plain\n"},
        {"ends\n", "", "ends\n"},
        {"two\n\n", "", "two\n\n"},
        // The test is on the format: an argument ending in a newline still gets one more.
        {"%s", "arg\n", "arg\n\n"},
        // An empty result is still a line.
        {"%s", "", "\n"},
        {"", "", "\n"},
        // Percent signs in arguments are not read as a format a second time.
        {"%s", "100%d %s", "100%d %s\n"},
    };
    for (const Case &c : cases) {
        DescriptorCapture standardError(STDERR_FILENO);
        XALog(XALogLevelWarning, c.format, c.argument);
        EXPECT_EQ(standardError.text(), c.expected) << "format \"" << c.format << "\"";
    }
}

TEST_F(XALogTest, TextOverloadTakesPercentSignsLiterally) {
    DescriptorCapture standardError(STDERR_FILENO);
    XALog(XALogLevelError, std::string("50% %s %d done"));
    XALog(XALogLevelError, std::string("kept\n"));
    XALog(XALogLevelDebug, std::string("dropped"));
    EXPECT_EQ(standardError.text(), "50% %s %d done\nkept\n");
}

TEST_F(XALogTest, TargetsChooseStandardErrorAndNotification) {
    recordNotifications();
    struct Case {
        int targets;
        bool toStandardError;
        bool notified;
    } cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, true, true}};
    for (const Case &c : cases) {
        XASetLogTargets(c.targets);
        size_t before = notifications().size();
        DescriptorCapture standardError(STDERR_FILENO);
        XALog(XALogLevelError, "Error: %s", "broken");
        EXPECT_EQ(standardError.text(), c.toStandardError ? "Error: broken\n" : "") << "targets " << c.targets;
        EXPECT_EQ(notifications().size() - before, c.notified ? 1u : 0u) << "targets " << c.targets;
    }
}

TEST_F(XALogTest, NotificationCarriesLevelAndTrimmedLine) {
    recordNotifications();
    XASetLogTargets(XALogTargetStandardError | XALogTargetNotification);
    DescriptorCapture standardError(STDERR_FILENO);
    XALog(XALogLevelWarning, "  \tWarning: %s \n", "odd");
    XALog(XALogLevelFatal, "%s", "\u00a0FATAL: cannot create temporary file!\u2028");
    XALog(XALogLevelError, "%s", "");
    XALog(XALogLevelDebug, "below the threshold");
    EXPECT_EQ(standardError.text(), "  \tWarning: odd \n\u00a0FATAL: cannot create temporary file!\u2028\n\n");
    std::vector<Notification> expected = {
        {XALogLevelWarning, "Warning: odd"},
        {XALogLevelFatal, "FATAL: cannot create temporary file!"},
        {XALogLevelError, ""},
    };
    EXPECT_EQ(notifications(), expected);
}

TEST_F(XALogTest, ConcurrentLinesArriveWholeAndInOrderPerThread) {
    constexpr int kThreads = 8;
    constexpr int kLines = 300;
    recordNotifications();
    XASetLogTargets(XALogTargetStandardError | XALogTargetNotification);
    DescriptorCapture standardError(STDERR_FILENO);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLines; ++i) {
                XALog(XALogLevelWarning, "thread %d line %d with some padding to make the write longer", t, i);
            }
        });
    }
    for (auto &thread : threads) {
        thread.join();
    }

    std::istringstream lines(standardError.text());
    std::map<int, int> nextLinePerThread;
    int lineCount = 0;
    for (std::string line; std::getline(lines, line); ++lineCount) {
        int t = -1;
        int i = -1;
        char tail[80] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "thread %d line %d %79[^\n]", &t, &i, tail), 3) << line;
        ASSERT_STREQ(tail, "with some padding to make the write longer") << line;
    }
    EXPECT_EQ(lineCount, kThreads * kLines);

    for (const Notification &notification : notifications()) {
        int t = -1;
        int i = -1;
        ASSERT_EQ(std::sscanf(notification.message.c_str(), "thread %d line %d", &t, &i), 2);
        EXPECT_EQ(i, nextLinePerThread[t]++) << "thread " << t;
    }
    EXPECT_EQ(nextLinePerThread.size(), static_cast<size_t>(kThreads));
}

TEST_F(XALogTest, LongLinesAreWrittenCompletely) {
    std::string payload(300000, 'x');
    payload.back() = 'y';
    DescriptorCapture standardError(STDERR_FILENO);
    XALog(XALogLevelError, "%s", payload.c_str());
    EXPECT_EQ(standardError.text(), payload + "\n");
}

TEST_F(XALogTest, WritersAddToRedirectedOutputWithoutNewlines) {
    {
        // A redirected standard output keeps every write; none replaces what came before.
        DescriptorCapture standardOutput(STDOUT_FILENO);
        XAPrintf("%s=%d", "a", 1);
        XAWriteToStdout(" raw %d ");
        XAPrintf("%.1f", 2.5);
        EXPECT_EQ(standardOutput.text(), "a=1 raw %d 2.5");
    }
    DescriptorCapture standardError(STDERR_FILENO);
    XAPrintfError("%s", "first");
    XAPrintfError("%s", "");
    XAPrintfError(" second");
    EXPECT_EQ(standardError.text(), "first second");
}

} // namespace
