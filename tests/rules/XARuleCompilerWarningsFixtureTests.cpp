// Recommended warning options through whole checks of the warning-flags fixture: a C, an Objective-C (compiled with
// its own -Wshadow) and a C++ file, whose target's Debug settings each test varies.

#include "XAFixtureCheckSupport.h"

#include "core/XAPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

constexpr const char *kRule = "CompilerWarnings";

// The fixture with `settings` (project-file lines such as "WARNING_CFLAGS = -Wall;") added to the target's Debug
// configuration, checked with the rule and its options.
XAFixtureCheck checkWithTargetSettings(const XAScratchFolder &scratch, const std::vector<std::string> &settings,
                                       const std::map<std::string, XAOptionValue> &ruleOptions = {}) {
    const std::string folder = scratch.path() + "/warning-flags";
    std::error_code error;
    std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/warning-flags", folder,
                          std::filesystem::copy_options::recursive, error);
    if (error) {
        ADD_FAILURE() << "cannot copy the fixture: " << error.message();
        return {};
    }
    const std::string xcodeprojPath = folder + "/WarningFlags.xcodeproj";
    const std::string projectFile = xcodeprojPath + "/project.pbxproj";
    std::string text = XAContentsOfFile(projectFile, nullptr).value_or("");
    const std::string targetDebug = "260000000000000000000051 /* Debug */ = {";
    const std::size_t settingsStart = text.find("buildSettings = {\n", text.find(targetDebug));
    if (text.find(targetDebug) == std::string::npos || settingsStart == std::string::npos) {
        ADD_FAILURE() << "the fixture has no target Debug configuration";
        return {};
    }
    std::string lines;
    for (const std::string &setting : settings) {
        lines += "\t\t\t\t" + setting + "\n";
    }
    text.insert(settingsStart + std::string("buildSettings = {\n").size(), lines);
    EXPECT_TRUE(XAWriteFileAtomically(projectFile, text, nullptr));
    return XACheckProject(xcodeprojPath, {kRule}, {{kRule, ruleOptions}});
}

XAOptionValue flags(std::vector<std::string> names) { return XAOptionValue::stringArray(std::move(names)); }

std::vector<std::string> filesAndIdentifiers(const XAFixtureCheck &check) {
    std::vector<std::string> result;
    for (const XAFixtureFinding &finding : check.findings) {
        result.push_back(finding.file + " " + finding.identifier);
    }
    return result;
}

} // namespace

TEST(XARuleCompilerWarningsFixtureTest, EveryWarningWithWarningsAsErrorsLeavesNothingMissing) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        checkWithTargetSettings(scratch, {"WARNING_CFLAGS = -Weverything;", "GCC_TREAT_WARNINGS_AS_ERRORS = YES;"});
    EXPECT_THAT(check.findings, IsEmpty());
}

TEST(XARuleCompilerWarningsFixtureTest, EveryWarningWithoutWarningsAsErrorsMissesOnlyWarningsAsErrors) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        checkWithTargetSettings(scratch, {"WARNING_CFLAGS = -Weverything;", "GCC_TREAT_WARNINGS_AS_ERRORS = NO;"});
    EXPECT_THAT(filesAndIdentifiers(check),
                ElementsAre("App/Engine.cpp -Werror", "App/Flags.c -Werror", "App/Thing.m -Werror"));
    ASSERT_FALSE(check.diagnostics.empty());
    const XADiagnostic &diagnostic = check.diagnostics.front();
    EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
    EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityWarning);
    EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceAbsolute);
    EXPECT_EQ(diagnostic.instanceInfo()->xmlString(),
              "<p>The following warning flags are not enabled:</p> <ul><li><accent><strong>-Werror</strong></accent> "
              "\u2014 Treats warnings as errors. Recommended so that warnings could not be ignored out of habit "
              "(warnings that are intentionally ignored should then be ignored explicitly by adding a "
              "&apos;-Wno-&lt;warning-name&gt;&apos; compiler flag). The \u201cTreat Warnings as Errors\u201d "
              "(<code>GCC_TREAT_WARNINGS_AS_ERRORS</code>) Xcode setting controls this.</li></ul>");
}

TEST(XARuleCompilerWarningsFixtureTest, DefaultFlagsAskObjectiveCAloneForDeprecatedImplementations) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = checkWithTargetSettings(scratch, {"WARNING_CFLAGS = \"-Wall -Wextra\";"});
    const std::string cAndCPlusPlus =
        "-Wconversion,-Werror,-Wfloat-equal,-Wimplicit-retain-self,-Wnewline-eof,-Wshadow,-Wundef";
    EXPECT_THAT(filesAndIdentifiers(check),
                ElementsAre("App/Engine.cpp " + cAndCPlusPlus, "App/Flags.c " + cAndCPlusPlus,
                            "App/Thing.m -Wconversion,-Wdeprecated-implementations,-Werror,-Wfloat-equal,"
                            "-Wimplicit-retain-self,-Wnewline-eof,-Wundef"))
        << "-Wextra enables -Wsign-compare; the Objective-C file's own flags enable -Wshadow; the compiler enables "
           "some warnings of -Wreturn-type and -Wempty-body by default, but those of -Wconversion itself only for HLSL";
}

TEST(XARuleCompilerWarningsFixtureTest, WarningsAsErrorsComeFromTheSettingsInTheirOrder) {
    struct SettingsCase {
        const char *title;
        std::vector<std::string> settings;
        std::vector<std::string> filesReported;
    };
    const std::vector<SettingsCase> cases = {
        {"the setting", {"GCC_TREAT_WARNINGS_AS_ERRORS = YES;"}, {}},
        {"-Werror undone later",
         {"OTHER_CFLAGS = \"-Werror -Wno-error\";"},
         {"App/Engine.cpp -Werror", "App/Flags.c -Werror", "App/Thing.m -Werror"}},
        {"-Werror after -Wno-error", {"OTHER_CFLAGS = \"-Wno-error -Werror\";"}, {}},
        {"the setting undone by a flag",
         {"GCC_TREAT_WARNINGS_AS_ERRORS = YES;", "WARNING_CFLAGS = -Wno-error;"},
         {"App/Engine.cpp -Werror", "App/Flags.c -Werror", "App/Thing.m -Werror"}},
        {"C++ flags count for C++ alone",
         {"OTHER_CPLUSPLUSFLAGS = -Werror;"},
         {"App/Flags.c -Werror", "App/Thing.m -Werror"}},
    };
    for (const SettingsCase &testCase : cases) {
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            checkWithTargetSettings(scratch, testCase.settings, {{"flags", flags({"-Werror"})}});
        EXPECT_EQ(filesAndIdentifiers(check), testCase.filesReported) << testCase.title;
    }
}

TEST(XARuleCompilerWarningsFixtureTest, ConfiguredFlagsDecideWhatIsAskedFor) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        checkWithTargetSettings(scratch, {"WARNING_CFLAGS = -Wno-conversion;"},
                                {{"flags", flags({"-Wshadow", "-Wconversion", "-Wunknown-to-us"})}});
    EXPECT_THAT(filesAndIdentifiers(check), ElementsAre("App/Engine.cpp -Wconversion,-Wshadow,-Wunknown-to-us",
                                                        "App/Flags.c -Wconversion,-Wshadow,-Wunknown-to-us",
                                                        "App/Thing.m -Wconversion,-Wunknown-to-us"));
    ASSERT_FALSE(check.findings.empty());
    EXPECT_THAT(check.findings.front().info, HasSubstr("-Wunknown-to-us"));
    EXPECT_THAT(check.findings.front().info, Not(HasSubstr("-Wunknown-to-us \u2014"))) << "no row, no explanation";

    XAScratchFolder emptyScratch;
    EXPECT_THAT(checkWithTargetSettings(emptyScratch, {}, {{"flags", flags({})}}).findings, IsEmpty())
        << "no flags turn the rule off";
}
