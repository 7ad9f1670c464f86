#include "platform/XAStagedProgramSupport.h"

#include "core/XAPropertyList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace XAStagedPrograms;

namespace {

std::string sdkFolder(const std::string &developerDirectory, const std::string &platform) {
    return developerDirectory + "/Platforms/" + platform + ".platform/Developer/SDKs/" + platform + ".sdk";
}

} // namespace

TEST(XcrunStandInTest, FindsDeveloperToolsOfItsOwnDeveloperDirectory) {
    for (const char *option : {"-find", "--find"}) {
        XATaskResults results = run(developerTool("xcrun"), {option, "xcodebuild"}, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 0) << option << ": " << standardError(results);
        EXPECT_EQ(standardOutput(results), developerTool("xcodebuild") + "\n") << option;
    }
}

TEST(XcrunStandInTest, UnknownToolIsAnErrorWithStatusOne) {
    XATaskResults results = run(developerTool("xcrun"), {"-find", "no-such-tool"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 1);
    EXPECT_EQ(standardOutput(results), "");
    EXPECT_EQ(standardError(results),
              "xcrun: error: unable to find utility \"no-such-tool\", not a developer tool or in PATH\n");
}

TEST(XcrunStandInTest, SearchesUsrBinBeforeTheDefaultToolchainOfDEVELOPER_DIR) {
    TemporaryFolder folder;
    const std::string toolchainBin = folder.path() + "/Toolchains/XcodeDefault.xctoolchain/usr/bin";
    writeFile(toolchainBin + "/clang", "#!/bin/sh\n", true);
    writeFile(toolchainBin + "/ld", "#!/bin/sh\n", true);
    writeFile(folder.path() + "/usr/bin/ld", "#!/bin/sh\n", true);
    writeFile(folder.path() + "/usr/bin/notes.txt", "not executable");
    Environment environment = cleanEnvironment();
    environment["DEVELOPER_DIR"] = folder.path();

    struct Case {
        std::string tool;
        std::optional<std::string> expectedPath;
    };
    const std::vector<Case> cases = {
        {"clang", toolchainBin + "/clang"}, {"ld", folder.path() + "/usr/bin/ld"}, {"notes.txt", std::nullopt},
        {"xcodebuild", std::nullopt}, // the stand-in's own folder is not searched when DEVELOPER_DIR names another
        {"../usr/bin/ld", std::nullopt},
    };
    for (const Case &testCase : cases) {
        XATaskResults results = run(developerTool("xcrun"), {"-find", testCase.tool}, environment);
        if (testCase.expectedPath) {
            EXPECT_EQ(results.exitStatus, 0) << testCase.tool;
            EXPECT_EQ(standardOutput(results), *testCase.expectedPath + "\n") << testCase.tool;
        } else {
            EXPECT_EQ(results.exitStatus, 1) << testCase.tool;
            EXPECT_EQ(standardOutput(results), "") << testCase.tool;
        }
    }
}

TEST(XcrunStandInTest, ShowsTheFolderOfEachSDK) {
    struct Case {
        std::vector<std::string> arguments;
        std::string platform;
    };
    const std::vector<Case> cases = {
        {{"--sdk", "iphoneos", "--show-sdk-path"}, "iPhoneOS"},
        {{"-sdk", "iphonesimulator", "-show-sdk-path"}, "iPhoneSimulator"},
        {{"--show-sdk-path", "--sdk", "macosx"}, "MacOSX"},
        {{"--sdk", "iphoneos17.0", "--show-sdk-path"}, "iPhoneOS"},
        {{"--sdk", "macosx14", "--show-sdk-path"}, "MacOSX"},
        {{"--show-sdk-path"}, "MacOSX"},
        {{"--sdk", "watchos", "--show-sdk-path"}, "WatchOS"},
        {{"--sdk", "watchsimulator10.0", "--show-sdk-path"}, "WatchSimulator"},
        {{"--sdk", "appletvos", "--show-sdk-path"}, "AppleTVOS"},
        {{"--sdk", "appletvsimulator", "--show-sdk-path"}, "AppleTVSimulator"},
        {{"--sdk", "xros1.0", "--show-sdk-path"}, "XROS"},
        {{"--sdk", "xrsimulator", "--show-sdk-path"}, "XRSimulator"},
    };
    for (const Case &testCase : cases) {
        XATaskResults results = run(developerTool("xcrun"), testCase.arguments, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 0) << testCase.arguments[1] << ": " << standardError(results);
        const std::string expected = sdkFolder(developerDir(), testCase.platform);
        EXPECT_EQ(standardOutput(results), expected + "\n");
        EXPECT_TRUE(std::filesystem::is_regular_file(expected + "/SDKSettings.plist")) << expected;
    }
}

TEST(XcrunStandInTest, UnknownOrMissingSDKIsAnErrorWithStatusOne) {
    TemporaryFolder emptyDeveloperDir;
    Environment elsewhere = cleanEnvironment();
    elsewhere["DEVELOPER_DIR"] = emptyDeveloperDir.path();
    struct Case {
        std::string sdk;
        Environment environment;
    };
    const std::vector<Case> cases = {
        {"driverkit", cleanEnvironment()},
        {"iphoneosbeta", cleanEnvironment()},
        {"iphone", cleanEnvironment()},
        {"iphoneos", elsewhere}, // a known name whose folder the developer directory does not have
    };
    for (const Case &testCase : cases) {
        XATaskResults results =
            run(developerTool("xcrun"), {"--sdk", testCase.sdk, "--show-sdk-path"}, testCase.environment);
        EXPECT_EQ(results.exitStatus, 1) << testCase.sdk;
        EXPECT_EQ(standardOutput(results), "") << testCase.sdk;
        EXPECT_EQ(standardError(results), "xcrun: error: SDK \"" + testCase.sdk + "\" cannot be located\n");
    }
}

TEST(XcrunStandInTest, RunsAToolOfTheDeveloperDirectoryWithItsArguments) {
    XATaskResults results = run(developerTool("xcrun"), {"xcodebuild", "-version"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_EQ(standardOutput(results).rfind("Tessary xcodebuild stand-in ", 0), 0u) << standardOutput(results);
}

TEST(XcrunStandInTest, WrongUsageGivesUsageOnStandardErrorAndStatus64) {
    const std::vector<std::vector<std::string>> usages = {{}, {"-find"}, {"--sdk"}, {"--bogus"}, {"--sdk", "macosx"}};
    for (const auto &arguments : usages) {
        XATaskResults results = run(developerTool("xcrun"), arguments, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 64) << arguments.size();
        EXPECT_EQ(standardOutput(results), "");
        EXPECT_NE(standardError(results).find("Usage: xcrun"), std::string::npos) << standardError(results);
    }
}

TEST(XcodeSelectStandInTest, PrintsTheDeveloperDirectory) {
    Environment named = cleanEnvironment();
    named["DEVELOPER_DIR"] = "/opt/SomeDeveloperDir";
    Environment empty = cleanEnvironment();
    empty["DEVELOPER_DIR"] = "";
    struct Case {
        std::string option;
        Environment environment;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"-print-path", cleanEnvironment(), developerDir()},
        {"-p", cleanEnvironment(), developerDir()},
        {"--print-path", named, "/opt/SomeDeveloperDir"},
        {"-p", empty, developerDir()},
    };
    for (const Case &testCase : cases) {
        XATaskResults results = run(developerTool("xcode-select"), {testCase.option}, testCase.environment);
        EXPECT_EQ(results.exitStatus, 0) << testCase.option;
        EXPECT_EQ(standardOutput(results), testCase.expected + "\n") << testCase.option;
    }
}

TEST(XcodeSelectStandInTest, OtherOptionsAreRefused) {
    XATaskResults install = run(developerTool("xcode-select"), {"--install"}, cleanEnvironment());
    EXPECT_EQ(install.exitStatus, 1);
    EXPECT_NE(standardError(install).find("xcode-select: error:"), std::string::npos);

    for (const std::vector<std::string> &arguments :
         std::vector<std::vector<std::string>>{{}, {"--switch", "/tmp"}, {"-print-path", "extra"}, {"--reset"}}) {
        XATaskResults results = run(developerTool("xcode-select"), arguments, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 64);
        EXPECT_EQ(standardOutput(results), "");
        EXPECT_NE(standardError(results).find("Usage: xcode-select"), std::string::npos);
    }
}

TEST(XcodebuildStandInTest, VersionIsTwoLinesThatDoNotClaimToBeXcode) {
    XATaskResults results = run(developerTool("xcodebuild"), {"-version"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0);
    const std::string output = standardOutput(results);
    EXPECT_EQ(output, "Tessary xcodebuild stand-in " TESSARY_VERSION "\nBuild version " TESSARY_VERSION "\n");
}

TEST(XcodebuildStandInTest, HelpListsOptionsOnStandardErrorOnePerLine) {
    XATaskResults results = run(developerTool("xcodebuild"), {"-help"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0);
    EXPECT_EQ(standardOutput(results), "");
    const std::string help = standardError(results);
    EXPECT_NE(help.find("Usage: xcodebuild"), std::string::npos) << help;
    for (const char *option : {"-version", "-help", "-usage"}) {
        bool listed = false;
        std::size_t start = 0;
        while (start < help.size()) {
            std::size_t end = help.find('\n', start);
            std::string line = help.substr(start, end == std::string::npos ? std::string::npos : end - start);
            line.erase(0, line.find_first_not_of(" \t"));
            listed = listed || line.rfind(std::string(option) + " ", 0) == 0;
            start = end == std::string::npos ? help.size() : end + 1;
        }
        EXPECT_TRUE(listed) << option << " in:\n" << help;
    }
}

TEST(XcodebuildStandInTest, ActionsNotYetSupportedAreRefusedWithStatus64) {
    for (const std::vector<std::string> &arguments : std::vector<std::vector<std::string>>{
             {"archive"}, {"test"}, {"-showsdks"}, {"-version", "-sdk", "iphoneos"}}) {
        XATaskResults results = run(developerTool("xcodebuild"), arguments, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 64);
        EXPECT_EQ(standardOutput(results), "");
        EXPECT_EQ(standardError(results).rfind("xcodebuild: error: this action is not supported yet\n", 0), 0u);
    }
}

TEST(DeveloperDirectoryLayoutTest, VersionPlistNamesTheBuildVersion) {
    XAError error;
    std::optional<XAValue> plist = XAPropertyListFromFile(developerDir() + "/version.plist", &error);
    ASSERT_TRUE(plist) << error.message;
    const std::string *version = plist->stringForKey("CFBundleVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(*version, TESSARY_VERSION);
}
