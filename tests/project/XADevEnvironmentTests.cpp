#include "project/XADevEnvironment.h"

#include "core/XAPaths.h"
#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace XAStagedPrograms;

// The shared environment is computed once per process, so each start-up situation runs in a Tessary process of its
// own; its command line reports the outcome of the set-up.

namespace {

constexpr const char *kInstallHint = "Make sure that you have Xcode and the command-line tools installed.";

std::size_t occurrences(const std::string &text, const std::string &needle) {
    std::size_t count = 0;
    for (std::size_t position = text.find(needle); position != std::string::npos;
         position = text.find(needle, position + needle.size())) {
        ++count;
    }
    return count;
}

// Expects a failed set-up that reported exactly one error, with the given message.
void expectSingleSetUpError(const XATaskResults &results, const std::string &message) {
    EXPECT_EQ(results.exitStatus, 1);
    const std::string errorText = standardError(results);
    EXPECT_EQ(occurrences(errorText, "\u2022 Error: "), 1u) << errorText;
    EXPECT_NE(errorText.find("\u2022 Error: " + message + "\n"), std::string::npos) << errorText;
    EXPECT_NE(errorText.find("`xcode-select --install`"), std::string::npos) << errorText;
    EXPECT_EQ(standardOutput(results), "");
}

// A developer directory of its own: a copy of the stand-in xcrun (which serves the folder it lies in), an
// xcode-select script, and optionally an xcodebuild script. PATH names its usr/bin before the system folders.
class FakeDeveloperDirectory {
public:
    FakeDeveloperDirectory(const std::string &xcodeSelectScript, const std::optional<std::string> &xcodebuildScript) {
        path_ = std::filesystem::canonical(folder_.path()).string() + "/Dev";
        copyProgram(developerTool("xcrun"), bin() + "/xcrun");
        writeFile(bin() + "/xcode-select", "#!/bin/sh\n" + xcodeSelectScript, true);
        if (xcodebuildScript) {
            writeFile(bin() + "/xcodebuild", "#!/bin/sh\n" + *xcodebuildScript, true);
        }
    }

    const std::string &path() const { return path_; }
    std::string bin() const { return path_ + "/usr/bin"; }

    Environment environment() const {
        Environment environment = cleanEnvironment();
        environment["PATH"] = bin() + ":/usr/bin:/bin";
        return environment;
    }

private:
    TemporaryFolder folder_;
    std::string path_;
};

const char *const kXcodebuildVersionScript = "[ \"$1\" = -version ] && printf 'Xcode 99.0\\nBuild version 99A1\\n'\n";

} // namespace

// Without DEVELOPER_DIR and without xcode-select on PATH only the launcher can name the stand-in; a failed set-up
// would end the command with status 1 and its errors.
TEST(DevEnvironmentStartUpTest, LauncherFindsTheStandInWithoutDEVELOPER_DIR) {
    XATaskResults results = run(launcherPath(), {"version"}, cleanEnvironment());
    ASSERT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_EQ(standardOutput(results), TESSARY_VERSION "\n");
    EXPECT_EQ(standardError(results), "");
}

TEST(DevEnvironmentStartUpTest, DEVELOPER_DIRNamingAMissingFolderFailsWithThatReason) {
    Environment environment = cleanEnvironment();
    environment["DEVELOPER_DIR"] = "/nowhere";
    expectSingleSetUpError(run(launcherPath(), {}, environment),
                           "Cannot find Developer directory at path: '/nowhere' (specified in the DEVELOPER_DIR "
                           "environment variable). " +
                               std::string(kInstallHint));
}

TEST(DevEnvironmentStartUpTest, WithoutAnyDeveloperDirectoryOnlyXcodeIsReportedMissing) {
    for (const char *developerDir : std::vector<const char *>{"", nullptr}) {
        Environment environment = cleanEnvironment();
        if (developerDir) {
            environment["DEVELOPER_DIR"] = developerDir; // empty counts as unset
        }
        expectSingleSetUpError(run(tessaryExecutablePath(), {"cli"}, environment), "Cannot find Xcode.");
    }
}

TEST(DevEnvironmentStartUpTest, WithoutDEVELOPER_DIRTheDirectoryComesFromXcodeSelect) {
    Environment environment = cleanEnvironment();
    environment["PATH"] = developerDir() + "/usr/bin:/usr/bin:/bin";
    XATaskResults results = run(tessaryExecutablePath(), {"cli", "version"}, environment);
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
}

TEST(DevEnvironmentStartUpTest, XcodeSelectAnswersDecideTheOutcome) {
    struct Case {
        const char *name;
        std::string xcodeSelectScript; // $0 is the script's own path
        bool withXcodebuild;
        std::string expectedError; // empty: set-up succeeds; "$SELF" and "$DEV" stand for the paths
    };
    const std::vector<Case> cases = {
        {"existing folder with a line end", "echo \"$(dirname \"$(dirname \"$(dirname \"$0\")\")\")\"\n", true, ""},
        {"missing folder", "echo /nonexistent/Developer\n", true,
         "Cannot find Developer dir at path: '/nonexistent/Developer'. " + std::string(kInstallHint)},
        {"failure", "exit 3\n", true, "Exit status 3 when trying to run xcode-select at $SELF"},
        {"no xcodebuild", "echo \"$(dirname \"$(dirname \"$(dirname \"$0\")\")\")\"\n", false,
         "Cannot find the `xcodebuild` executable. Error: $DEV/usr/bin/xcrun returned status 1 and stderr: xcrun: "
         "error: unable to find utility \"xcodebuild\", not a developer tool or in PATH"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        FakeDeveloperDirectory developer(testCase.xcodeSelectScript,
                                         testCase.withXcodebuild ? std::optional<std::string>(kXcodebuildVersionScript)
                                                                 : std::nullopt);
        XATaskResults results = run(tessaryExecutablePath(), {"cli"}, developer.environment());
        if (testCase.expectedError.empty()) {
            EXPECT_EQ(results.exitStatus, 0) << standardError(results);
            continue;
        }
        std::string expected = testCase.expectedError;
        if (auto at = expected.find("$SELF"); at != std::string::npos) {
            expected.replace(at, 5, developer.bin() + "/xcode-select");
        }
        if (auto at = expected.find("$DEV"); at != std::string::npos) {
            expected.replace(at, 4, developer.path());
        }
        expectSingleSetUpError(results, expected);
    }
}

TEST(DevEnvironmentStartUpTest, XcodebuildRunsWithThePreparedEnvironment) {
    // Records what it saw beside itself, and answers as an Xcode would.
    const std::string reportingXcodebuild = "[ \"$1\" = -version ] || exit 64\n"
                                            "{ echo \"APP=$TESSARY_APP_ACTIVE\"\n"
                                            "echo \"LOCALE=$LANG $LC_ALL $LC_CTYPE\"\n"
                                            "echo \"DYLD=${DYLD_INSERT_LIBRARIES-none}\"; } > \"$0.seen\"\n"
                                            "printf 'Xcode 99.0\\nBuild version 99A1\\n'\n";
    struct Case {
        const char *name;
        Environment extraVariables;
        std::string expectedDescription;
    };
    const std::vector<Case> cases = {
        {"outside a test harness",
         {{"DYLD_INSERT_LIBRARIES", "/x/inject.so"}, {"LANG", "C"}},
         "APP=yep\nLOCALE=en_US.UTF-8 en_US.UTF-8 en_US.UTF-8\nDYLD=/x/inject.so\n"},
        {"inside a test harness",
         {{"DYLD_INSERT_LIBRARIES", "/x/inject.so"}, {"XCInjectBundleInto", "/x/Host"}},
         "APP=yep\nLOCALE=en_US.UTF-8 en_US.UTF-8 en_US.UTF-8\nDYLD=none\n"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        FakeDeveloperDirectory developer("echo \"$(dirname \"$(dirname \"$(dirname \"$0\")\")\")\"\n",
                                         reportingXcodebuild);
        Environment environment = developer.environment();
        environment.insert(testCase.extraVariables.begin(), testCase.extraVariables.end());
        XATaskResults results = run(tessaryExecutablePath(), {"cli"}, environment);
        ASSERT_EQ(results.exitStatus, 0) << standardError(results);
        EXPECT_EQ(XAContentsOfFile(developer.bin() + "/xcodebuild.seen", nullptr), testCase.expectedDescription);
    }
}

TEST(DevEnvironmentStartUpTest, LaunchModeAndRecursionGuardChooseWhatRuns) {
    Environment active = cleanEnvironment();
    active["TESSARY_APP_ACTIVE"] = "yep";
    Environment emptyActive = cleanEnvironment();
    emptyActive["TESSARY_APP_ACTIVE"] = "";
    Environment noWindowPlatform = cleanEnvironment();
    noWindowPlatform["QT_QPA_PLATFORM"] = "tessary-no-such-platform";
    struct Case {
        const char *name;
        std::string program;
        std::vector<std::string> arguments;
        Environment environment;
        int expectedStatus;
        std::string expectedText; // on standard error, where progress and errors go when output is redirected
    };
    const std::vector<Case> cases = {
        {"started inside its own build",
         tessaryExecutablePath(),
         {"cli", "check"},
         active,
         0,
         "The TESSARY_APP_ACTIVE environment variable is set. Exiting with status 0 in order to avoid recursive "
         "invocation.\n"},
        {"empty recursion marker", tessaryExecutablePath(), {"cli"}, emptyActive, 1, "Cannot find Xcode."},
        {"unknown command", launcherPath(), {"frobnicate"}, cleanEnvironment(), 1, "Unknown command: frobnicate\n"},
        // The desktop starts Qt, which aborts when it finds no platform to show windows on.
        {"mode word is case-sensitive",
         tessaryExecutablePath(),
         {"CLI", "version"},
         noWindowPlatform,
         134,
         "Qt platform plugin \"tessary-no-such-platform\""},
        // The desktop's launch does nothing under a test harness, and the process ends.
        {"test harness argument", tessaryExecutablePath(), {"cli", "-XCTest"}, noWindowPlatform, 0, ""},
    };
    for (const Case &testCase : cases) {
        XATaskResults results = run(testCase.program, testCase.arguments, testCase.environment);
        EXPECT_EQ(results.exitStatus, testCase.expectedStatus) << testCase.name << ": " << standardError(results);
        const std::string text = standardError(results);
        EXPECT_NE(text.find(testCase.expectedText), std::string::npos) << testCase.name << ": " << text;
    }
}

// The one test that sets up the shared environment of the test process itself.
TEST(DevEnvironmentInProcessTest, SetUpWithTheStandInAnswersEveryQuery) {
    const char *previousPath = std::getenv("PATH");
    const std::string savedPath = previousPath ? previousPath : "";
    ASSERT_EQ(::setenv("DEVELOPER_DIR", developerDir().c_str(), 1), 0);
    ASSERT_EQ(::setenv("PATH", (developerDir() + "/usr/bin:" + savedPath).c_str(), 1), 0);

    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    ASSERT_TRUE(environment.setUp());
    EXPECT_TRUE(environment.setUp()) << "a second set-up succeeds as well";
    EXPECT_TRUE(environment.errors().empty());
    EXPECT_TRUE(environment.setupCompleted());
    EXPECT_EQ(environment.xcrunExecutablePath(), developerTool("xcrun"));
    EXPECT_EQ(environment.xcodebuildExecutablePath(), developerTool("xcodebuild"));
    EXPECT_EQ(environment.devDirRootPath(), developerDir());
    EXPECT_EQ(environment.devDirPath("Platforms"), developerDir() + "/Platforms");
    EXPECT_EQ(XASystemPathDeveloperDirectory(), developerDir());
    EXPECT_EQ(environment.xcodeBundleVersion(), TESSARY_VERSION);
    EXPECT_TRUE(environment.isXcodeInstalled());

    EXPECT_TRUE(environment.xcodebuildSupportsArgument("version"));
    EXPECT_TRUE(environment.xcodebuildSupportsArgument("-help"));
    EXPECT_FALSE(environment.xcodebuildSupportsArgument("vers"));
    EXPECT_TRUE(environment.xcodebuildSupportsArgument("list"));
    EXPECT_FALSE(environment.xcodebuildSupportsArgument("quiet"));

    TemporaryFolder workingFolder;
    XATaskResults version = environment.resultsOfXcodebuildInDir(workingFolder.path(), {"-version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.standardOutput,
              "Tessary xcodebuild stand-in " TESSARY_VERSION "\nBuild version " TESSARY_VERSION);
    XATaskResults refused = environment.resultsOfXcodebuildInDir(std::nullopt, {"archive"});
    EXPECT_EQ(refused.exitStatus, 64);
    EXPECT_FALSE(refused.error);
    EXPECT_NE(refused.standardError.value_or("").find("not supported yet"), std::string::npos);

    EXPECT_EQ(environment.pathToDevExecutable("xcode-select"), developerTool("xcode-select"));
    EXPECT_EQ(environment.pathToDevExecutable("no-such-developer-tool"), std::nullopt);
    std::optional<XAError> searchError =
        environment.devExecutablePathsCache().latestErrorForKey("no-such-developer-tool");
    ASSERT_TRUE(searchError);
    EXPECT_EQ(searchError->message, developerTool("xcrun") +
                                        " returned status 1 and stderr: xcrun: error: unable to find utility "
                                        "\"no-such-developer-tool\", not a developer tool or in PATH");

    ::unsetenv("DEVELOPER_DIR");
    ::setenv("PATH", savedPath.c_str(), 1);
}

TEST(DevEnvironmentInProcessTest, ExecutableSearchFindsProgramsOnPATH) {
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    std::optional<std::string> shell = environment.pathToExecutable("sh");
    ASSERT_TRUE(shell);
    EXPECT_TRUE(shell->starts_with("/")) << *shell;
    EXPECT_EQ(xa_lastPathComponent(*shell), "sh");
    EXPECT_EQ(environment.pathToExecutable("no-such-program-anywhere"), std::nullopt);
    EXPECT_EQ(environment.pathToExecutable(""), std::nullopt);
}

TEST(DevEnvironmentInProcessTest, TerminfoCapabilityComesFromTput) {
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    EXPECT_EQ(environment.terminfoCapability("colors", "xterm-256color"), "256\n"); // as tput printed it
    EXPECT_EQ(environment.terminfoCapability("colors", "no-such-terminal-type"), std::nullopt);
    EXPECT_EQ(environment.terminfoCapability("", "xterm"), std::nullopt);
}
