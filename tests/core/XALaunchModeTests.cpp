#include "core/XALaunchMode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

TEST(XALaunchModeTest, ArgumentsAndEnvironmentDecideTheMode) {
    struct Case {
        const char *name;
        std::vector<std::string> arguments;
        std::set<std::string> environment;
        bool cliMode;
        bool runningUnitTests;
    };
    const std::vector<Case> cases = {
        {"no arguments at all", {}, {}, false, false},
        {"program path only", {"/x/Tessary"}, {}, false, false},
        {"cli alone", {"/x/Tessary", "cli"}, {}, true, false},
        {"cli with a command", {"/x/Tessary", "cli", "check", "cli"}, {}, true, false},
        {"cli is case-sensitive", {"/x/Tessary", "CLI"}, {}, false, false},
        {"cli must come first", {"/x/Tessary", "check", "cli"}, {}, false, false},
        {"cli is compared whole", {"/x/Tessary", "cli "}, {}, false, false},
        {"harness argument", {"/x/Tessary", "cli", "-XCTest"}, {}, true, true},
        {"old harness argument", {"/x/Tessary", "-SenTest", "All"}, {}, false, true},
        {"scope file argument", {"/x/Tessary", "-XCTestScopeFile", "/t/scope"}, {}, false, true},
        {"program path itself", {"-XCTest"}, {}, false, true},
        {"similar argument", {"/x/Tessary", "cli", "-XCTests"}, {}, true, false},
        {"configuration file variable", {"/x/Tessary", "cli"}, {"XCTestConfigurationFilePath"}, true, true},
        {"bundle location variable", {"/x/Tessary"}, {"TestBundleLocation"}, false, true},
        {"unrelated variable", {"/x/Tessary"}, {"XCTestSomethingElse"}, false, false},
    };
    for (const Case &testCase : cases) {
        XALaunchMode mode = XALaunchModeForArguments(
            testCase.arguments, [&testCase](const std::string &name) { return testCase.environment.count(name) > 0; });
        EXPECT_EQ(mode.cliMode, testCase.cliMode) << testCase.name;
        EXPECT_EQ(mode.runningUnitTests, testCase.runningUnitTests) << testCase.name;
    }
}

TEST(XALaunchModeTest, InitSetsTheFlagsAndNeverClearsTheUnitTestFlag) {
    const bool savedCLIMode = XAIsCLIMode();
    const bool savedUnitTests = XAIsRunningUnitTests();
    XASetRunningUnitTests(false);

    const char *harness[] = {"/x/Tessary", "cli", "-XCTest"};
    XALaunchModeInit(3, harness);
    EXPECT_TRUE(XAIsCLIMode());
    EXPECT_TRUE(XAIsRunningUnitTests());

    const char *desktop[] = {"/x/Tessary", nullptr};
    XALaunchModeInit(2, desktop); // a null entry counts as an empty argument
    EXPECT_FALSE(XAIsCLIMode());
    EXPECT_TRUE(XAIsRunningUnitTests());

    XASetCLIMode(savedCLIMode);
    XASetRunningUnitTests(savedUnitTests);
}
