// `tessary check` through the staged launcher on a small app with one direct NSLog() call, one through the app's own
// macro and one file referenced by absolute path: its output in every format, its streams and its exit statuses.
//
// The golden files hold standard output with the project folder written as "$PROJECT" and the time stamp and version
// written as placeholders. Set TESSARY_UPDATE_GOLDEN=1 to rewrite them from the current output.

#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <regex>

using namespace XAStagedPrograms;

namespace {

const std::string kGoldenFolder = TESSARY_FIXTURES_DIR "/cli";

std::string replacingAll(std::string text, const std::string &what, const std::string &replacement) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + replacement.size())) {
        text.replace(at, what.size(), replacement);
    }
    return text;
}

class XACLICheckTest : public testing::Test {
protected:
    void SetUp() override {
        // Deep enough that a path shortened to the printer's width never reaches into the temporary folder's name.
        projectFolder_ = std::filesystem::canonical(folder_.path()).string() +
                         "/a-folder-whose-name-keeps-shortened-paths-inside-it/CheckedApp";
        std::filesystem::create_directories(projectFolder_);
        std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/CheckedApp", projectFolder_,
                              std::filesystem::copy_options::recursive);
    }

    XATaskResults check(std::vector<std::string> arguments, const std::string &command = "check") {
        Environment environment = cleanEnvironment();
        environment["HOME"] = folder_.path();
        environment["XDG_CACHE_HOME"] = folder_.path() + "/caches";
        environment["TERM"] = "xterm-256color"; // colours would be allowed on a terminal
        arguments.insert(arguments.begin(), {command, xcodeprojPath()});
        return run(launcherPath(), arguments, environment);
    }

    std::string xcodeprojPath() const { return projectFolder_ + "/CheckedApp.xcodeproj"; }
    const std::string &projectFolder() const { return projectFolder_; }

    // Standard output with what changes from run to run replaced.
    std::string normalised(const std::string &text) const {
        std::string result = replacingAll(text, projectFolder_, "$PROJECT");
        result = std::regex_replace(result, std::regex(R"(("timeStamp": )[0-9.e+]+)"), "$1<time>");
        result = std::regex_replace(result, std::regex(R"((<key>timeStamp</key>\s*<real>)[^<]+)"), "$1<time>");
        result = replacingAll(result, "\"" TESSARY_VERSION "\"", "\"<version>\"");
        return replacingAll(result, ">" TESSARY_VERSION "<", "><version><");
    }

private:
    TemporaryFolder folder_;
    std::string projectFolder_;
};

std::string goldenFilePath(const std::string &format) { return kGoldenFolder + "/CheckedApp." + format + ".txt"; }

// The lines of Xcode output that name a rule.
std::vector<std::string> rulesOfXcodeLines(const std::string &output) {
    std::vector<std::string> rules;
    const std::regex rule(R"(\(([A-Za-z]+)\)$)");
    for (const std::string &line : xa_componentsSeparatedByString(output, "\n")) {
        std::smatch match;
        if (std::regex_search(line, match, rule)) {
            rules.push_back(match[1]);
        }
    }
    return rules;
}

} // namespace

TEST_F(XACLICheckTest, EveryOutputFormatMatchesItsGoldenFile) {
    const bool update = std::getenv("TESSARY_UPDATE_GOLDEN") != nullptr;
    for (const std::string format : {"human", "xcode", "json", "plist"}) {
        SCOPED_TRACE(format);
        const XATaskResults results = check({"--outputFormat", format});
        EXPECT_EQ(results.exitStatus, 1) << "the absolute reference is an error\n" << standardError(results);
        const std::string output = normalised(standardOutput(results));
        if (update) {
            writeFile(goldenFilePath(format), output);
        }
        EXPECT_EQ(output, XAContentsOfFile(goldenFilePath(format), nullptr).value_or("(no golden file)"));
    }
}

TEST_F(XACLICheckTest, DataGoesToStandardOutputAndProgressToStandardErrorWithoutEscapes) {
    const XATaskResults json = check({"-o", "json"});
    const nlohmann::json document = nlohmann::json::parse(standardOutput(json), nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << standardOutput(json);
    EXPECT_EQ(document["projectName"], "CheckedApp");
    EXPECT_EQ(document["diagnostics"].size(), 2u);
    EXPECT_THAT(standardError(json), testing::HasSubstr("Checking project: CheckedApp"));
    EXPECT_THAT(standardError(json), testing::HasSubstr("Total 2 diagnostics."));

    const XATaskResults plist = check({"-o", "plist"});
    XAError error;
    const std::optional<XAValue> list = XAPropertyListFromData(standardOutput(plist), "output", &error);
    ASSERT_TRUE(list) << error.message;
    ASSERT_NE(list->stringForKey("targetName"), nullptr);
    EXPECT_EQ(*list->stringForKey("targetName"), "CheckedApp");

    const XATaskResults human = check({});
    for (const XATaskResults *results : {&json, &plist, &human}) {
        EXPECT_THAT(standardOutput(*results), testing::Not(testing::HasSubstr("\x1b[")));
        EXPECT_THAT(standardError(*results), testing::Not(testing::HasSubstr("\x1b[")));
        EXPECT_THAT(standardOutput(*results), testing::Not(testing::HasSubstr("Checking project")));
    }
}

TEST_F(XACLICheckTest, TheMinimumErrorSeverityDecidesTheExitStatus) {
    // The findings are one Warning (NSLog) and one Error (the absolute reference).
    const std::vector<std::pair<std::string, int>> cases = {
        {"Concern", 1}, {"warning", 1}, {"Error", 1}, {"Fatal", 0}, {"None", 0},
    };
    for (const auto &[severity, status] : cases) {
        SCOPED_TRACE(severity);
        EXPECT_EQ(check({"--minErrorStatusSeverity", severity, "-o", "xcode"}).exitStatus, status);
    }
    const XATaskResults warningsOnly = check({"--onlyRules", "NSLogUsed", "-o", "xcode"});
    EXPECT_EQ(warningsOnly.exitStatus, 0) << "a warning is below the default minimum, Error";
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(warningsOnly)), std::vector<std::string>{"NSLogUsed"});
}

TEST_F(XACLICheckTest, NSLogUsedFollowsItsMacroOptionAndItsConfigurations) {
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(check({"--onlyRules", "NSLogUsed", "-o", "xcode"}))).size(), 1u)
        << "the call through the app's macro is allowed by default";

    writeFile(projectFolder() + "/TessaryConfig/main.tessary.json",
              R"({ "ruleOptions": { "NSLogUsed": { "allowMacros": false } } })");
    EXPECT_EQ(rulesOfXcodeLines(standardOutput(check({"--onlyRules", "NSLogUsed", "-o", "xcode"}))).size(), 2u)
        << "with macros not allowed, the call through the macro is reported too";

    const XATaskResults debug = check({"--onlyRules", "NSLogUsed", "--buildConfig", "Debug", "-o", "xcode"});
    EXPECT_TRUE(rulesOfXcodeLines(standardOutput(debug)).empty()) << "debug builds may log";
    EXPECT_THAT(standardError(debug), testing::HasSubstr("Checking project: CheckedApp"));
}

TEST_F(XACLICheckTest, AnUnknownTargetFailsThePreparationWithStatusTwo) {
    const XATaskResults results = check({"--target", "NoSuchTarget"});
    EXPECT_EQ(results.exitStatus, 2);
    EXPECT_THAT(standardError(results), testing::HasSubstr("NoSuchTarget"));
    EXPECT_EQ(standardOutput(results), "");
}

TEST_F(XACLICheckTest, CheckXcodeOutsideABuildPhaseWarnsAndPrintsXcodeLines) {
    const XATaskResults results = check({}, "check-xcode");
    EXPECT_THAT(standardError(results),
                testing::HasSubstr("The check-xcode command was specified, but we do not seem to be running "
                                   "within an Xcode build phase."));
    EXPECT_THAT(standardOutput(results),
                testing::HasSubstr(projectFolder() + "/CheckedApp/AppDelegate.m:9:36: warning: NSLog() used in "
                                                     "release build"));
    EXPECT_EQ(results.exitStatus, 1);
}
