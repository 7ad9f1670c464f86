#include "core/XATask.h"

#include "core/XALog.h"
#include "core/XAProcessRegistry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <signal.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kShell = "/bin/sh";
const std::string kReplacement = "\xEF\xBF\xBD";

class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern = (fs::temp_directory_path() / "xatask-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory &) = delete;
    TemporaryDirectory &operator=(const TemporaryDirectory &) = delete;

    const fs::path &path() const { return path_; }

    fs::path writeFile(const std::string &name, const std::string &contents, fs::perms permissions) const {
        const fs::path file = path_ / name;
        std::ofstream(file) << contents;
        fs::permissions(file, permissions);
        return file;
    }

private:
    fs::path path_;
};

// Waits until `count` children are registered, that is launched and not yet seen to exit.
bool waitForRegisteredChildren(size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (XAProcessRegistry::count() != count) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::future<XATaskResults> runInBackground(const std::string &launchPath, std::vector<std::string> arguments) {
    return std::async(std::launch::async,
                      [launchPath, arguments] { return XATask::xa_execute(launchPath, arguments); });
}

std::string shellOutput(const std::string &script, const XATaskSetupFunction &setup = nullptr) {
    return XATask::xa_execute(kShell, {"-c", script}, std::nullopt, std::nullopt, setup)
        .standardOutput.value_or("<none>");
}

class XATaskTest : public ::testing::Test {
protected:
    void SetUp() override {
        XASetLogTargets(XALogTargetNotification);
        XASetLogNotificationHandler([this](int level, const std::string &message) {
            std::lock_guard lock(mutex_);
            logLines_.push_back(std::to_string(level) + " " + message);
        });
    }
    void TearDown() override {
        XASetLogNotificationHandler(nullptr);
        XASetLogTargets(XALogTargetStandardError);
        XATask::xa_terminateAllRunningTasks(); // leaves no sleeping child behind when a test failed
    }

    std::vector<std::string> logLines() {
        std::lock_guard lock(mutex_);
        return logLines_;
    }

    void clearLogLines() {
        std::lock_guard lock(mutex_);
        logLines_.clear();
    }

private:
    std::mutex mutex_;
    std::vector<std::string> logLines_;
};

TEST_F(XATaskTest, ArgumentsReachTheChildAsTheirExactBytes) {
    const std::vector<std::string> arguments = {
        "two words",  "\"double\" 'single'", "back\\slash\\", "$HOME $(id) `id`", "*",         "", "-n", "--help",
        "caf\u00e9", // precomposed: stays precomposed
        "cafe\u0301", "\u65e5\u672c\u8a9e",  "\U0001F600",    "line\nbreak",      "tab\there",
    };
    std::vector<std::string> printfArguments = {"%s|"};
    printfArguments.insert(printfArguments.end(), arguments.begin(), arguments.end());
    std::string expected;
    for (const auto &argument : arguments) {
        expected += argument + "|";
    }

    const XATaskResults results = XATask::xa_execute("/usr/bin/printf", printfArguments);

    EXPECT_EQ(results.standardOutput, expected);
    EXPECT_EQ(results.standardError, "");
    EXPECT_EQ(results.exitStatus, 0);
    EXPECT_FALSE(results.error);
}

TEST_F(XATaskTest, StandardInputArrivesWholeFollowedByEndOfFile) {
    std::string large;
    for (int line = 0; large.size() < 6'000'000; ++line) {
        large += "line " + std::to_string(line) + " caf\u00e9 \u65e5\u672c\n";
    }
    struct Case {
        std::string launchPath;
        std::string input;
        std::string expectedOutput;
    } cases[] = {
        {"/bin/cat", "abc", "abc"}, // cat ends only when it reads end of file
        {"/usr/bin/wc", "abc", "3\n"},
        {"/bin/cat", "", ""},
        {"/bin/cat", large, large},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.launchPath + " with " + std::to_string(c.input.size()) + " bytes");
        const auto results = XATask::xa_execute(
            c.launchPath, c.launchPath == "/usr/bin/wc" ? std::vector<std::string>{"-c"} : std::vector<std::string>{},
            std::nullopt, c.input, nullptr);
        EXPECT_TRUE(results.standardOutput == c.expectedOutput);
        EXPECT_EQ(results.exitStatus, 0);
    }
}

TEST_F(XATaskTest, WithoutInputTheChildReadsAnEmptyInput) {
    EXPECT_EQ(shellOutput("readlink /proc/self/fd/0"), "/dev/null\n");
}

TEST_F(XATaskTest, LargeOutputsOnBothStreamsAndLargeInputNeverBlock) {
    const std::string script =
        "head -c 4000000 /dev/zero | tr '\\0' o & head -c 5000000 /dev/zero | tr '\\0' e >&2; wait";
    const XATaskResults both = XATask::xa_execute(kShell, {"-c", script});
    EXPECT_TRUE(both.standardOutput == std::string(4'000'000, 'o'));
    EXPECT_TRUE(both.standardError == std::string(5'000'000, 'e'));

    // The child fills standard error before it reads any input: feeding must not wait for the child to read.
    const std::string input(3'000'000, 'i');
    const XATaskResults errorsFirst = XATask::xa_execute(
        kShell, {"-c", "head -c 3000000 /dev/zero | tr '\\0' e >&2; cat"}, std::nullopt, input, nullptr);
    EXPECT_TRUE(errorsFirst.standardOutput == input);
    EXPECT_TRUE(errorsFirst.standardError == std::string(3'000'000, 'e'));
}

TEST_F(XATaskTest, ChildThatStopsReadingItsInputDoesNotHurtTheCaller) {
    const std::string input(10'000'000, 'x');
    const XATaskResults ignored = XATask::xa_execute("/bin/true", {}, std::nullopt, input, nullptr);
    EXPECT_EQ(ignored.exitStatus, 0);
    EXPECT_FALSE(ignored.error);
    const XATaskResults partly = XATask::xa_execute("/usr/bin/head", {"-c", "5"}, std::nullopt, input, nullptr);
    EXPECT_EQ(partly.standardOutput, "xxxxx");

    // The broken pipe leaves no SIGPIPE pending or blocked in this thread.
    sigset_t pending, blocked;
    sigpending(&pending);
    pthread_sigmask(SIG_BLOCK, nullptr, &blocked);
    EXPECT_FALSE(sigismember(&pending, SIGPIPE));
    EXPECT_FALSE(sigismember(&blocked, SIGPIPE));
}

TEST_F(XATaskTest, ReportsExitStatusAndBothStreams) {
    struct Case {
        std::string script;
        int exitStatus;
        std::string output;
        std::string errors;
    } cases[] = {
        {"exit 0", 0, "", ""},
        {"echo oops >&2; exit 3", 3, "", "oops\n"},
        {"echo out; echo err >&2; exit 255", 255, "out\n", "err\n"},
        {"echo before; kill -TERM $$", 128 + SIGTERM, "before\n", ""},
        {"kill -KILL $$", 128 + SIGKILL, "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.script);
        const XATaskResults results = XATask::xa_execute(kShell, {"-c", c.script});
        EXPECT_EQ(results.exitStatus, c.exitStatus);
        EXPECT_EQ(results.standardOutput, c.output);
        EXPECT_EQ(results.standardError, c.errors);
        EXPECT_FALSE(results.error);
    }
    EXPECT_TRUE(logLines().empty());
}

TEST_F(XATaskTest, RunEndsWhenTheChildExitsEvenIfABackgroundProcessKeepsItsOutputOpen) {
    const auto start = std::chrono::steady_clock::now();
    const XATaskResults results = XATask::xa_execute(kShell, {"-c", "/bin/sleep 5 & echo started; echo done >&2"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
    EXPECT_EQ(results.standardOutput, "started\n");
    EXPECT_EQ(results.standardError, "done\n");
    EXPECT_EQ(results.exitStatus, 0);
}

TEST_F(XATaskTest, OutputThatIsNotUTF8GetsReplacementCharacters) {
    const XATaskResults results =
        XATask::xa_execute(kShell, {"-c", "printf 'a\\377b\\303'; printf 'ok \\342\\202x' >&2"});
    EXPECT_EQ(results.standardOutput, "a" + kReplacement + "b" + kReplacement);
    EXPECT_EQ(results.standardError, "ok " + kReplacement + "x");
}

TEST_F(XATaskTest, LaunchFailuresAreErrorsThatCallersSee) {
    TemporaryDirectory directory;
    const std::string notExecutable =
        directory.writeFile("tool", "#!/bin/sh\necho ran\n", fs::perms::owner_read | fs::perms::owner_write).string();
    const auto withVariable = [](const std::string &name) {
        return [name](XATaskSetup &setup) { setup.xa_addEnvironmentVariablesFromDictionary({{name, "1"}}); };
    };
    struct Case {
        std::string launchPath;
        std::vector<std::string> arguments;
        std::optional<std::string> workingDirectory;
        XATaskSetupFunction setup;
        std::string reason;
    } cases[] = {
        {"/nonexistent/tool", {}, std::nullopt, nullptr, "cannot launch /nonexistent/tool: No such file or directory"},
        {"tessary-no-such-tool",
         {},
         std::nullopt,
         nullptr,
         "cannot launch tessary-no-such-tool: No such file or directory"},
        {notExecutable, {}, std::nullopt, nullptr, "cannot launch " + notExecutable + ": Permission denied"},
        {directory.path().string(),
         {},
         std::nullopt,
         nullptr,
         "cannot launch " + directory.path().string() + ": Permission denied"},
        {kShell,
         {},
         "/nonexistent/folder",
         nullptr,
         "cannot launch /bin/sh: working directory /nonexistent/folder: No such file or directory"},
        {kShell,
         {},
         notExecutable,
         nullptr,
         "cannot launch /bin/sh: working directory " + notExecutable + ": Not a directory"},
        {kShell,
         {"-c", std::string("echo a\0b", 8)},
         std::nullopt,
         nullptr,
         "cannot launch /bin/sh: an argument contains a NUL character"},
        {kShell, {}, std::nullopt, withVariable("A=B"), "cannot launch /bin/sh: invalid environment variable 'A=B'"},
        {kShell, {}, std::nullopt, withVariable(""), "cannot launch /bin/sh: invalid environment variable ''"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.launchPath + " -> " + c.reason);
        std::string standardError = "untouched";
        int exitStatus = 42;
        XAError error;
        const auto output = XATask::xa_stdoutOf(c.launchPath, c.arguments, c.workingDirectory, std::nullopt,
                                                &standardError, c.setup, &exitStatus, &error);
        EXPECT_FALSE(output);
        EXPECT_EQ(error.message, c.reason);
        EXPECT_EQ(error.domain, XAError::kDomain);
        EXPECT_EQ(standardError, "untouched");
        EXPECT_EQ(exitStatus, 42);

        const XATaskResults results =
            XATask::xa_execute(c.launchPath, c.arguments, c.workingDirectory, std::nullopt, c.setup);
        EXPECT_EQ(results.exitStatus, 127);
        EXPECT_FALSE(results.standardOutput);
        EXPECT_FALSE(results.standardError);
        ASSERT_TRUE(results.error);
        EXPECT_EQ(results.error->message, c.reason);

        const std::string logLine = "5 Exception while executing '" + c.launchPath + "': " + c.reason;
        EXPECT_EQ(logLines(), std::vector<std::string>(2, logLine));
        clearLogLines();
    }
    EXPECT_EQ(XAProcessRegistry::count(), 0u);
}

TEST_F(XATaskTest, SetUpFunctionChoosesTheEnvironment) {
    ASSERT_EQ(::setenv("TESSARY_TASK_TEST_VARIABLE", "inherited value", 1), 0);
    struct Case {
        std::string name;
        XATaskSetupFunction setup;
        std::string expected;
    } cases[] = {
        {"a fresh task gets only the given variables",
         [](XATaskSetup &setup) {
             setup.xa_addEnvironmentVariablesFromDictionary({{"A", "1"}});
         },
         "A=1\n"},
        {"given values win over those already set",
         [](XATaskSetup &setup) {
             setup.environment = std::map<std::string, std::string>{{"A", "0"}, {"B", "2"}};
             setup.xa_addEnvironmentVariablesFromDictionary({{"A", "1"}, {"C", "x y=z \u00e9"}});
         },
         "A=1\nB=2\nC=x y=z \u00e9\n"},
        {"an empty environment stays empty",
         [](XATaskSetup &setup) { setup.environment = std::map<std::string, std::string>(); }, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(XATask::xa_execute("/usr/bin/env", {}, std::nullopt, std::nullopt, c.setup).standardOutput,
                  c.expected);
    }
    const auto inherited = XATask::xa_execute("/usr/bin/env", {}).standardOutput.value_or("");
    EXPECT_NE(inherited.find("\nTESSARY_TASK_TEST_VARIABLE=inherited value\n"), std::string::npos) << inherited;
    ::unsetenv("TESSARY_TASK_TEST_VARIABLE");
}

TEST_F(XATaskTest, RunsInTheGivenWorkingDirectory) {
    TemporaryDirectory directory;
    const auto results = XATask::xa_execute("/bin/pwd", {"-P"}, directory.path().string(), std::nullopt, nullptr);
    EXPECT_EQ(results.standardOutput, fs::canonical(directory.path()).string() + "\n");
}

TEST_F(XATaskTest, LaunchPathIsResolvedAgainstTheProcessDirectoryOrPath) {
    TemporaryDirectory directory;
    fs::create_directories(directory.path() / "process" / "bin");
    fs::create_directories(directory.path() / "child" / "bin");
    directory.writeFile("process/bin/tool", "#!/bin/sh\necho process\n", fs::perms::owner_all);
    directory.writeFile("child/bin/tool", "#!/bin/sh\necho child\n", fs::perms::owner_all);
    const fs::path previous = fs::current_path();
    fs::current_path(directory.path() / "process");

    const auto relative =
        XATask::xa_execute("bin/tool", {}, (directory.path() / "child").string(), std::nullopt, nullptr);

    fs::current_path(previous);
    EXPECT_EQ(relative.standardOutput, "process\n");
    EXPECT_EQ(XATask::xa_execute("sh", {"-c", "echo found on PATH"}).standardOutput, "found on PATH\n");
}

TEST_F(XATaskTest, ChildGetsOnlyTheStandardStreams) {
    const int leaked = ::open("/dev/null", O_RDONLY); // deliberately without close-on-exec
    ASSERT_GE(leaked, 3);
    const std::string descriptor = "/proc/$$/fd/" + std::to_string(leaked);
    const std::string output = shellOutput("[ -e " + descriptor + " ] && echo open || echo closed");
    ::close(leaked);
    EXPECT_EQ(output, "closed\n");
}

TEST_F(XATaskTest, ConcurrentRunsKeepTheirOwnStreams) {
    std::vector<std::future<bool>> workers;
    for (int worker = 0; worker < 16; ++worker) {
        workers.push_back(std::async(std::launch::async, [worker] {
            bool allMatched = true;
            for (int run = 0; run < 10; ++run) {
                const std::string text = "worker " + std::to_string(worker) + " run " + std::to_string(run);
                const auto results =
                    XATask::xa_execute(kShell, {"-c", "cat; echo \"$0\" >&2", text}, std::nullopt, text, nullptr);
                allMatched = allMatched && results.standardOutput == text && results.standardError == text + "\n";
            }
            return allMatched;
        }));
    }
    for (auto &worker : workers) {
        EXPECT_TRUE(worker.get());
    }
    EXPECT_EQ(XAProcessRegistry::count(), 0u);
}

TEST_F(XATaskTest, TerminatesAllRunningChildrenFromAnotherThread) {
    std::vector<std::future<XATaskResults>> sleepers;
    for (int i = 0; i < 3; ++i) {
        sleepers.push_back(runInBackground("/bin/sleep", {"30"}));
    }
    ASSERT_TRUE(waitForRegisteredChildren(3));
    const auto start = std::chrono::steady_clock::now();

    XATask::xa_terminateAllRunningTasks();

    for (auto &sleeper : sleepers) {
        ASSERT_EQ(sleeper.wait_for(10s), std::future_status::ready);
        const XATaskResults results = sleeper.get();
        EXPECT_EQ(results.exitStatus, 128 + SIGTERM);
        EXPECT_FALSE(results.error);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ(XAProcessRegistry::count(), 0u);
}

TEST_F(XATaskTest, TerminatesByExactExecutableNameOnly) {
    TemporaryDirectory directory;
    fs::create_directories(directory.path() / "one");
    fs::create_directories(directory.path() / "two");
    const auto link = [&](const std::string &relativePath) {
        const fs::path path = directory.path() / relativePath;
        fs::create_symlink("/bin/sleep", path);
        return path.string();
    };
    std::vector<std::future<XATaskResults>> matching, others;
    matching.push_back(runInBackground(link("one/xcodebuild"), {"30"}));
    matching.push_back(runInBackground(link("two/xcodebuild"), {"30"}));
    others.push_back(runInBackground(link("one/xcodebuild2"), {"30"}));
    others.push_back(runInBackground(link("one/Xcodebuild"), {"30"}));
    others.push_back(runInBackground("/bin/sleep", {"30"}));
    ASSERT_TRUE(waitForRegisteredChildren(5));

    XATask::xa_terminateAllRunningTasksForExecutable("xcodebuild");

    for (auto &task : matching) {
        ASSERT_EQ(task.wait_for(10s), std::future_status::ready);
        EXPECT_EQ(task.get().exitStatus, 128 + SIGTERM);
    }
    for (auto &task : others) {
        EXPECT_EQ(task.wait_for(300ms), std::future_status::timeout);
    }
    EXPECT_EQ(XAProcessRegistry::count(), 3u);
    XATask::xa_terminateAllRunningTasks();
    for (auto &task : others) {
        EXPECT_EQ(task.get().exitStatus, 128 + SIGTERM);
    }
}

TEST_F(XATaskTest, TerminatingWithNothingRunningDoesNothing) {
    ASSERT_EQ(XAProcessRegistry::count(), 0u);
    // A registry that signalled pid 0 or -1 here would terminate this test's own process group.
    XATask::xa_terminateAllRunningTasks();
    XATask::xa_terminateAllRunningTasksForExecutable("xcodebuild");
    XATask::terminateAllRunningTasksFromSignalHandler();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(XATask::xa_execute("/bin/sh", {"-c", "echo alive"}).standardOutput, "alive\n");
}

void terminateChildrenOnSignal(int) { XATask::terminateAllRunningTasksFromSignalHandler(); }

TEST_F(XATaskTest, SignalHandlerTerminatesAllRunningChildren) {
    struct sigaction action = {}, previous = {};
    action.sa_handler = terminateChildrenOnSignal;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);
    std::vector<std::future<XATaskResults>> sleepers;
    for (int i = 0; i < 2; ++i) {
        sleepers.push_back(runInBackground("/bin/sleep", {"30"}));
    }
    ASSERT_TRUE(waitForRegisteredChildren(2));

    ::raise(SIGUSR1);

    for (auto &sleeper : sleepers) {
        ASSERT_EQ(sleeper.wait_for(10s), std::future_status::ready);
        EXPECT_EQ(sleeper.get().exitStatus, 128 + SIGTERM);
    }
    sigaction(SIGUSR1, &previous, nullptr);
}

} // namespace
