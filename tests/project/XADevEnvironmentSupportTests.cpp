#include "project/XADevEnvironmentSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kHarnessInjectionVariables = {
    "XCInjectBundle",      "XCInjectBundleInto",           "DYLD_LIBRARY_PATH", "DYLD_INSERT_LIBRARIES",
    "DYLD_FRAMEWORK_PATH", "DYLD_FALLBACK_FRAMEWORK_PATH", "OBJC_DISABLE_GC"};

XAEnvironmentVariables environmentWithInjectionVariables() {
    XAEnvironmentVariables environment = {{"HOME", "/home/someone"}, {"LANG", "de_DE.ISO-8859-1"}, {"LC_ALL", "C"}};
    for (const std::string &name : kHarnessInjectionVariables) {
        environment[name] = "/injected/" + name;
    }
    return environment;
}

void expectPreparedForXcodebuild(const XAEnvironmentVariables &environment) {
    EXPECT_EQ(environment.at("TESSARY_APP_ACTIVE"), "yep");
    for (const char *name : {"LANG", "LC_ALL", "LC_CTYPE"}) {
        EXPECT_EQ(environment.at(name), "en_US.UTF-8") << name;
    }
    EXPECT_EQ(environment.at("HOME"), "/home/someone");
}

} // namespace

TEST(XcodebuildEnvironmentTest, UnderATestHarnessTheInjectionVariablesAreRemoved) {
    XAEnvironmentVariables intoHarness = environmentWithInjectionVariables();
    XAEnvironmentVariables octestBundle = environmentWithInjectionVariables();
    octestBundle.erase("XCInjectBundleInto");
    octestBundle["XCInjectBundle"] = "/build/MyTests.octest";

    for (const XAEnvironmentVariables &harness : {intoHarness, octestBundle}) {
        ASSERT_TRUE(XAIsUnitTestHarnessEnvironment(harness));
        XAEnvironmentVariables prepared = XAEnvironmentForXcodebuild(harness);
        for (const std::string &name : kHarnessInjectionVariables) {
            EXPECT_EQ(prepared.count(name), 0u) << name;
        }
        expectPreparedForXcodebuild(prepared);
    }
}

TEST(XcodebuildEnvironmentTest, OutsideATestHarnessNothingIsRemoved) {
    XAEnvironmentVariables environment = environmentWithInjectionVariables();
    environment.erase("XCInjectBundleInto");
    environment["XCInjectBundle"] = "/build/MyTests.xctest"; // not an .octest bundle
    ASSERT_FALSE(XAIsUnitTestHarnessEnvironment(environment));

    XAEnvironmentVariables prepared = XAEnvironmentForXcodebuild(environment);
    EXPECT_EQ(prepared.at("DYLD_INSERT_LIBRARIES"), "/injected/DYLD_INSERT_LIBRARIES");
    EXPECT_EQ(prepared.at("XCInjectBundle"), "/build/MyTests.xctest");
    expectPreparedForXcodebuild(prepared);
}

TEST(XcodebuildEnvironmentTest, AnEmptyEnvironmentGetsTheFourVariables) {
    XAEnvironmentVariables prepared = XAEnvironmentForXcodebuild({});
    EXPECT_EQ(prepared, (XAEnvironmentVariables{{"TESSARY_APP_ACTIVE", "yep"},
                                                {"LANG", "en_US.UTF-8"},
                                                {"LC_ALL", "en_US.UTF-8"},
                                                {"LC_CTYPE", "en_US.UTF-8"}}));
}

TEST(XcodebuildHelpTest, OptionIsListedOnlyWhenALineBeginsWithItAndABlank) {
    const std::vector<std::string> lines = XAXcodebuildHelpLines("Usage: xcodebuild [-project <name>]\n"
                                                                 "\n"
                                                                 "Options:\n"
                                                                 "    -usage                print brief usage\n"
                                                                 "\t-project NAME          build the project NAME\n"
                                                                 "    -showBuildSettingsForIndex  show settings\n"
                                                                 "    -dry-run\n");
    struct Case {
        std::string option;
        bool listed;
    };
    const std::vector<Case> cases = {
        {"-usage", true},
        {"usage", true},
        {"project", true},
        {"-showBuildSettings", false}, // only a longer option begins with it
        {"showBuildSettingsForIndex", true},
        {"-dry-run", false}, // the line ends after the option: no blank follows it
        {"Usage:", false},
        {"-version", false},
        {"", false},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XAXcodebuildHelpListsOption(lines, testCase.option), testCase.listed) << testCase.option;
    }
}

TEST(XcodebuildVersionTest, OutputLinesBecomeOneLine) {
    EXPECT_EQ(XAXcodebuildVersionDescription(std::string("Xcode 15.0\nBuild version 15A240d")),
              "Xcode 15.0, Build version 15A240d");
    EXPECT_EQ(XAXcodebuildVersionDescription(std::string("Xcode 15.0\r\n\r\nBuild version 15A240d\n")),
              "Xcode 15.0, Build version 15A240d");
    EXPECT_EQ(XAXcodebuildVersionDescription(std::string("  \n")), "Xcode version unknown");
    EXPECT_EQ(XAXcodebuildVersionDescription(std::nullopt), "Xcode version unknown");
}

TEST(TerminalColorsTest, DecidesFromTheColorsCapabilityAndTheTerminalNames) {
    using Text = std::optional<std::string>;
    struct Case {
        const char *name;
        Text colors;
        Text termProgram;
        Text term;
        bool supportsColors;
    };
    const std::vector<Case> cases = {
        {"256 colours", "256\n", std::nullopt, "xterm", true},
        {"8 colours", "8", std::nullopt, "xterm", true},
        {"7 colours", "7\n", std::nullopt, "vt100", false},
        {"tput failed, colour terminal", std::nullopt, std::nullopt, "xterm-256color", true},
        {"tput failed, plain terminal", std::nullopt, std::nullopt, "dumb", false},
        {"Apple Terminal", std::nullopt, "Apple_Terminal", "dumb", true},
        {"negative answer", "-1", std::nullopt, "vt100", false},
        {"nothing known", std::nullopt, std::nullopt, std::nullopt, false},
        {"non-numeric answer", "many", "iTerm.app", std::nullopt, false},
    };
    for (const Case &testCase : cases) {
        EXPECT_EQ(XATerminalSupportsColors(testCase.colors, testCase.termProgram, testCase.term),
                  testCase.supportsColors)
            << testCase.name;
    }
}

TEST(TerminalColorsTest, TheTerminalProgramNamesTheTerminalBeforeTERM) {
    EXPECT_EQ(XATerminalName(std::string("iTerm.app"), std::string("xterm")), "iTerm.app");
    EXPECT_EQ(XATerminalName(std::nullopt, std::string("xterm")), "xterm");
    EXPECT_EQ(XATerminalName(std::nullopt, std::nullopt), std::nullopt);
}
