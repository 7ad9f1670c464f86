// The staged command line run as a user runs it: commands, usage texts, streams and exit statuses.

#include "core/XAPaths.h"
#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

using namespace XAStagedPrograms;

namespace {

XATaskResults tessary(const std::vector<std::string> &arguments, Environment environment = cleanEnvironment()) {
    environment["TERM"] = "xterm-256color"; // colours would be allowed on a terminal
    return run(launcherPath(), arguments, environment);
}

std::string usageLine(const XATaskResults &results) {
    const std::string output = standardOutput(results);
    return output.substr(0, output.find('\n'));
}

} // namespace

TEST(XACLIEndToEndTest, UsageAndExitStatusesOfTheCommandLine) {
    struct Case {
        const char *name;
        std::vector<std::string> arguments;
        int status;
        std::string firstOutputLine;
        std::string standardError;
    };
    const std::vector<Case> cases = {
        {"no arguments", {}, 0, "usage: tessary [options] <command>", ""},
        {"check without a project", {"check"}, 1, "usage: tessary [options] <command>", ""},
        {"unknown command", {"frobnicate"}, 1, "", "Unknown command: frobnicate\nRun `tessary help` for usage info.\n"},
        {"options without a command",
         {"--verbose"},
         1,
         "",
         "Unknown command: (none)\nRun `tessary help` for usage info.\n"},
        {"help with an unknown option",
         {"help", "--bogus"},
         1,
         "",
         "Argument error: Unknown argument: --bogus\nRun `tessary help` for usage info.\n"},
        {"check with an option lacking its value",
         {"check", "NoSuchFolder/App.xcodeproj", "--target"},
         1,
         "",
         "Argument error: Argument --target needs a value\nRun `tessary help` for usage info.\n"},
        {"an invalid boolean after =",
         {"check", "--verbose=maybe", "NoSuchFolder/App.xcodeproj"},
         1,
         "",
         "Argument error: Argument --verbose needs a boolean value: maybe\nRun `tessary help` for usage info.\n"},
        {"version", {"version"}, 0, TESSARY_VERSION, ""},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const XATaskResults results = tessary(testCase.arguments);
        EXPECT_EQ(results.exitStatus, testCase.status);
        EXPECT_EQ(usageLine(results), testCase.firstOutputLine);
        EXPECT_EQ(standardError(results), testCase.standardError);
    }
}

// Commands that read no project start without the developer tools (asking xcrun and xcodebuild costs a good part of
// their start-up), so a broken developer directory does not stop them; a check still needs the tools and says so.
TEST(XACLIEndToEndTest, OnlyCommandsOnProjectsSetUpTheDeveloperTools) {
    Environment environment = cleanEnvironment();
    environment["DEVELOPER_DIR"] = "/nonexistent/Developer";
    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{"version"}, {"rules", "NSLogUsed"}, {"tags"}, {"exampleconfig"}}) {
        const XATaskResults results = tessary(arguments, environment);
        EXPECT_EQ(results.exitStatus, 0) << arguments.front() << ": " << standardError(results);
        EXPECT_EQ(standardError(results), "") << arguments.front();
    }
    const XATaskResults check = tessary({"check", "/nonexistent/App.xcodeproj"}, environment);
    EXPECT_EQ(check.exitStatus, 1);
    EXPECT_NE(standardError(check).find("Error initializing the development environment"), std::string::npos)
        << standardError(check);
}

TEST(XACLIEndToEndTest, AnEmptyProgramNameIsShownAsEmpty) {
    Environment environment = cleanEnvironment();
    environment["PROGRAM_NAME"] = "";
    EXPECT_EQ(usageLine(tessary({}, environment)), "usage:  [options] <command>");
}

TEST(XACLIEndToEndTest, RulesAndTagsReportUnknownNamesAndDescribeTheOthers) {
    const XATaskResults rules = tessary({"rules", "NoSuchRule", "nslogused"});
    EXPECT_EQ(rules.exitStatus, 1);
    EXPECT_EQ(standardError(rules), "Unknown rule name: NoSuchRule\n");
    EXPECT_EQ(standardOutput(rules).rfind("NSLogUsed\nNSLog() used in release build\n(Applies to release builds.)\n"
                                          "Tags: Recommended, BestPractice\n",
                                          0),
              0u)
        << standardOutput(rules);
    EXPECT_EQ(standardOutput(rules).find('\x1b'), std::string::npos) << "no escape sequences into a pipe";

    const XATaskResults all = tessary({"rules"});
    EXPECT_EQ(all.exitStatus, 0);
    EXPECT_NE(standardOutput(all).find("FileRefWithAbsPath\n"), std::string::npos);
    EXPECT_EQ(standardOutput(all).find("Debugging"), std::string::npos) << "hidden rules are not listed";

    const XATaskResults tags = tessary({"tags", "config", "Nonsense"});
    EXPECT_EQ(tags.exitStatus, 1);
    EXPECT_EQ(standardError(tags), "Unknown tag name: Nonsense\n");
    const std::size_t tagged = standardOutput(tags).find("Rules have this tag:\n");
    EXPECT_NE(tagged, std::string::npos) << standardOutput(tags);
    EXPECT_NE(standardOutput(tags).find("\n    FileRefWithAbsPath\n", tagged), std::string::npos)
        << standardOutput(tags);
}

TEST(XACLIEndToEndTest, TheRulesCommandPrintsARulesDescriptionAndOptions) {
    const XATaskResults rules = tessary({"rules", "SourceFileHeaderComment"});
    EXPECT_EQ(rules.exitStatus, 0);
    EXPECT_EQ(standardOutput(rules),
              "SourceFileHeaderComment\n"
              "Source file header comment format\n"
              "Tags: Style, Pedantic\n"
              "\n"
              "Warns about errors in source file header comments that follow the default Xcode\n"
              "template, for example a file name in the comment that does not match the actual\n"
              "file name, or the placeholder \u201c__MyCompanyName__\u201d.\n"
              "\n"
              "Options:\n"
              "    SourceFileHeaderComment.expectCommentToStartWithFilename (Boolean. Default: yes)\n"
              "        Expect comments to start with the file name\n"
              "        (Warn if the first line of a header comment is not the basename of the\n"
              "        file.)\n"
              "    SourceFileHeaderComment.requireHeaderComments (Boolean. Default: no)\n"
              "        Require header comments in all source files\n"
              "        (Warn about missing header comments in source code files.)\n"
              "    SourceFileHeaderComment.ignoredFileRegexes (Array of regular expression strings. Default: <none>)\n"
              "        Regexes for ignored file paths\n"
              "        (Suppress diagnostics from this rule in files whose full path matches\n"
              "        any of these ICU regular expressions.)\n"
              "\n"
              "\n");
}

TEST(XACLIEndToEndTest, ConfigurationFilesAreValidatedAndTheExampleIsPrinted) {
    TemporaryFolder folder;
    writeFile(folder.path() + "/good.tessary.json", "{ // comments are allowed\n \"verbose\": true }\n");
    writeFile(folder.path() + "/bad.tessary.json", "{ \"numConcurrentJobs\": \"abc\" }\n");
    const XATaskResults good = tessary({"validateconfig", folder.path() + "/good.tessary.json"});
    EXPECT_EQ(good.exitStatus, 0);
    EXPECT_TRUE(standardOutput(good).ends_with("\n\nOK\n")) << standardOutput(good);
    const XATaskResults bad = tessary({"validateconfig", folder.path() + "/bad.tessary.json"});
    EXPECT_EQ(bad.exitStatus, 1);
    EXPECT_NE(standardOutput(bad).find("\u2022 ERROR: Option 'numConcurrentJobs'"), std::string::npos)
        << standardOutput(bad);

    const XATaskResults example = tessary({"exampleconfig"});
    EXPECT_EQ(example.exitStatus, 0);
    EXPECT_EQ(standardOutput(example).rfind("// Example JSON configuration file for Tessary\n", 0), 0u);
}

TEST(XACLIEndToEndTest, TheRecursionMarkerEndsTheRunAtOnce) {
    Environment environment = cleanEnvironment();
    environment["TESSARY_APP_ACTIVE"] = "yes";
    const XATaskResults results = tessary({"check", "App.xcodeproj"}, environment);
    EXPECT_EQ(results.exitStatus, 0);
    EXPECT_EQ(standardError(results), "The TESSARY_APP_ACTIVE environment variable is set. Exiting with status 0 in "
                                      "order to avoid recursive invocation.\n");
    EXPECT_EQ(standardOutput(results), "");
}

TEST(XACLIEndToEndTest, AProjectThatCannotBeReadEndsWithStatusOne) {
    const XATaskResults results = tessary({"clearcaches", "/nonexistent/App.xcodeproj"});
    EXPECT_EQ(results.exitStatus, 1);
    EXPECT_NE(standardError(results).find("ERROR: Error reading project file: "), std::string::npos)
        << standardError(results);
}

TEST(XACLIEndToEndTest, TheLauncherInstallsOnceIntoTheNamedFolder) {
    TemporaryFolder folder;
    Environment environment = cleanEnvironment();
    environment["TESSARY_CLI_TOOLS_INSTALL_DIR"] = folder.path();
    const XATaskResults first = tessary({"dev_install_cli_tools"}, environment);
    EXPECT_EQ(first.exitStatus, 0) << standardError(first);
    EXPECT_EQ(standardOutput(first), "Successfully installed " + folder.path() + "/tessary\n");
    const XATaskResults installed = run(folder.path() + "/tessary", {"version"}, cleanEnvironment());
    EXPECT_EQ(installed.exitStatus, 0) << standardError(installed);
    EXPECT_EQ(standardOutput(installed), TESSARY_VERSION "\n");
    const XATaskResults second = tessary({"dev_install_cli_tools"}, environment);
    EXPECT_EQ(second.exitStatus, 1);
    EXPECT_EQ(standardError(second), "Already installed: " + folder.path() + "/tessary\n");
}

TEST(XACLIEndToEndTest, DeveloperCommandsWithoutTheirArgumentsOrUnknown) {
    const XATaskResults dump = tessary({"dev_dump"});
    EXPECT_EQ(dump.exitStatus, 1);
    EXPECT_EQ(usageLine(dump), "usage: tessary [options] <command>");
    const XATaskResults unknown = tessary({"DEV_nothing"});
    EXPECT_EQ(unknown.exitStatus, 1);
    EXPECT_EQ(standardError(unknown), "Unknown dev command: dev_nothing\n");
    const XATaskResults hidden = tessary({"dev_hiddenrules"});
    // Hidden rules are the ones not public and the experimental ones; public rules are not listed.
    EXPECT_THAT(standardOutput(hidden), testing::StartsWith("Debugging: DEBUGGING RULE\n"));
    EXPECT_THAT(standardOutput(hidden), testing::HasSubstr("ObjCPointerComparison: "));
    EXPECT_THAT(standardOutput(hidden), testing::Not(testing::HasSubstr("NSLogUsed")));
}

TEST(XACLIEndToEndTest, TheTreeDumpIntoAPipeHasNoEscapeSequences) {
    TemporaryFolder folder;
    const std::string source = folder.path() + "/Sample.m";
    std::ofstream(source) << "@interface Greeter : NSObject\n- (void)greet;\n@end\nint f(void) { return 0 }\n";
    // The entries after the file are the compiler's own, not options of the command line.
    const XATaskResults dump = tessary({"dev_dump", source, "-DGREETING=1"});
    EXPECT_EQ(dump.exitStatus, 0) << standardError(dump);
    EXPECT_THAT(standardOutput(dump), testing::HasSubstr("ObjCInterfaceDecl Greeter (Greeter) [1:1 - 3:5]\n"));
    EXPECT_THAT(standardOutput(dump), testing::HasSubstr("Diagnostics:\n"));
    EXPECT_EQ(standardOutput(dump).find('\x1b'), std::string::npos) << standardOutput(dump);
}

TEST(XACLIEndToEndTest, TheRulePageOfANamedRule) {
    const XATaskResults page = tessary({"dev_rulehtml", "nslogused"});
    EXPECT_EQ(page.exitStatus, 0);
    EXPECT_THAT(standardOutput(page), testing::HasSubstr("<code>NSLogUsed</code>"));
    EXPECT_THAT(standardOutput(page), testing::HasSubstr("allowMacros"));
    const XATaskResults unknown = tessary({"dev_rulehtml", "NoSuchRule"});
    EXPECT_EQ(unknown.exitStatus, 1);
    EXPECT_EQ(standardError(unknown), "Unknown rule name: NoSuchRule\n");
    EXPECT_EQ(standardOutput(unknown), "");
}

// An interrupt while xcodebuild runs: the child is terminated and the run ends with 130.
TEST(XACLIEndToEndTest, AnInterruptTerminatesTheRunningChildAndEndsWith130) {
    TemporaryFolder folder;
    const std::string developer = std::filesystem::canonical(folder.path()).string() + "/Dev";
    copyProgram(developerTool("xcrun"), developer + "/usr/bin/xcrun");
    writeFile(developer + "/usr/bin/xcodebuild",
              "#!/bin/sh\n"
              "[ \"$1\" = -version ] && { printf 'Xcode 99.0\\nBuild version 99A1\\n'; exit 0; }\n"
              "echo $$ > \"$0.pid\"\n"
              "exec sleep 60\n",
              true);
    std::vector<std::string> variables = {"DEVELOPER_DIR=" + developer, "PATH=" + developer + "/usr/bin:/usr/bin:/bin",
                                          "HOME=" + folder.path(), "XDG_CACHE_HOME=" + folder.path() + "/caches"};
    std::vector<char *> environment;
    for (std::string &variable : variables) {
        environment.push_back(variable.data());
    }
    environment.push_back(nullptr);
    std::string program = tessaryExecutablePath(), cli = "cli", check = "check";
    std::string project = TESSARY_FIXTURES_DIR "/projects/AbsoluteRefs/AbsoluteRefs.xcodeproj";
    char *arguments[] = {program.data(), cli.data(), check.data(), project.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environment.data()), 0);

    const std::string pidFile = developer + "/usr/bin/xcodebuild.pid";
    for (int tries = 0; tries < 200 && !std::filesystem::exists(pidFile); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(std::filesystem::exists(pidFile)) << "xcodebuild never started";
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const pid_t child = std::stoi(XAContentsOfFile(pidFile, nullptr).value_or("0"));
    ASSERT_EQ(kill(pid, SIGINT), 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    bool childGone = false;
    for (int tries = 0; tries < 100 && !childGone; ++tries) {
        childGone = kill(child, 0) != 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(childGone) << "xcodebuild " << child << " still runs";
    if (!childGone) {
        kill(child, SIGKILL);
    }
}
