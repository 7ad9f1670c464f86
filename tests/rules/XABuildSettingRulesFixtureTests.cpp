// The build-setting rules through whole checks of their fixtures: the lines of `.xcconfig` findings, findings that
// several configurations share shown once, and the scales of each rule's findings.

#include "XAFixtureCheckSupport.h"

#include <chrono>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

// "file:line" of each finding, "" for one in no file.
std::vector<std::string> places(const XAFixtureCheck &check) {
    std::vector<std::string> result;
    for (const XAFixtureFinding &finding : check.findings) {
        result.push_back(finding.file.empty() ? "" : finding.file + ":" + std::to_string(finding.line));
    }
    return result;
}

void expectScales(const XAFixtureCheck &check, XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability) << diagnostic.ruleShortName();
        EXPECT_EQ(diagnostic.severity(), severity) << diagnostic.ruleShortName();
        EXPECT_EQ(diagnostic.confidence(), confidence) << diagnostic.ruleShortName();
    }
}

} // namespace

TEST(XABuildSettingRulesFixtureTest, OverwritesAreReportedOnTheLineThatOverwrites) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "xcconfig-overwrites", {"XcconfigOverwrites"});
    EXPECT_THAT(
        check.findings,
        ElementsAre(
            XAFixtureFinding{"App/Base.xcconfig", 5, "", "Overwritten value of BAZ defined in Base.xcconfig (line 4)"},
            XAFixtureFinding{"App/Late.xcconfig", 1, "",
                             "Overwritten value of QUX defined in Layered.xcconfig (line 1)"},
            XAFixtureFinding{"App/Leaf.xcconfig", 4, "", "Overwritten value of FOO defined in Base.xcconfig (line 3)"},
            XAFixtureFinding{"App/Repeats.xcconfig", 5, "",
                             "Overwritten value of FOO defined in Repeats.xcconfig (line 2)"},
            XAFixtureFinding{"App/Repeats.xcconfig", 9, "",
                             "Overwritten value of FOO defined in Repeats.xcconfig (line 2)"}))
        << "FOO[config=Debug] is a key of its own; the file that is not on disk gives nothing; Base.xcconfig's own "
           "overwrite shows once although Leaf.xcconfig and Twice.xcconfig include it, and Twice.xcconfig's second "
           "include "
           "of it overwrites nothing";
    expectScales(check, XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);
}

TEST(XABuildSettingRulesFixtureTest, AbsolutePathsInConfigurationFilesAreReportedOnTheirLine) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "abs-path-settings", {"AbsPathInBuildSetting"});
    EXPECT_THAT(places(check), ElementsAre("", "", "", "", "App/Paths.xcconfig:7", "App/Paths.xcconfig:8"))
        << "the configuration file shared by Debug and Release gives its findings once; its quoted path is as "
           "absolute as the unquoted one";
    expectScales(check, XADiagnosticSeverityError, XADiagnosticConfidenceMedium);
}

TEST(XABuildSettingRulesFixtureTest, SelfReferencesInEachConfigurationAreSeparateFindings) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "self-reference-settings", {"BuildSettingSelfReference"});
    EXPECT_THAT(places(check), ElementsAre("", "", "", "App/Links.xcconfig:4"))
        << "the project's Debug, the target's Debug and Release, and the configuration file";
    expectScales(check, XADiagnosticSeverityWarning, XADiagnosticConfidenceAbsolute);
}

TEST(XABuildSettingRulesFixtureTest, ThousandsOfSelfReferencesInOneFileAreCheckedQuickly) {
    // Every finding's line is found in one scan of the file, not in a scan per finding.
    constexpr int kLines = 5000;
    XAScratchFolder scratch;
    std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/self-reference-settings", scratch.path(),
                          std::filesystem::copy_options::recursive);
    std::string settings;
    for (int line = 0; line < kLines; ++line) {
        const std::string key = "FLAGS_" + std::to_string(line % 50);
        settings += key + " = $(" + key + ") -DVALUE_" + std::to_string(line) + "\n";
    }
    scratch.write("App/Links.xcconfig", settings);

    const auto start = std::chrono::steady_clock::now();
    const XAFixtureCheck check = XACheckProject(scratch / "SelfReferenceSettings.xcodeproj",
                                                {"BuildSettingSelfReference", "XcconfigOverwrites"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::size_t selfReferences = 0;
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        selfReferences += diagnostic.ruleShortName() == "BuildSettingSelfReference" && diagnostic.filePath();
    }
    EXPECT_EQ(selfReferences, static_cast<std::size_t>(kLines));
    EXPECT_EQ(check.findings.back().line, static_cast<std::uint64_t>(kLines));
    EXPECT_LT(seconds, 15.0) << "meant to take well under 5 seconds; the bound leaves room for a busy machine";
}

TEST(XABuildSettingRulesFixtureTest, SettingsStoredInTheProjectAndMisplacedArgumentsAreConcerns) {
    XAScratchFolder guiScratch;
    const XAFixtureCheck stored = XACheckFixture(guiScratch, "gui-settings", {"BuildSettingsSetInGUI"});
    EXPECT_EQ(stored.findings.size(), 2u);
    expectScales(stored, XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);

    XAScratchFolder placementScratch;
    const XAFixtureCheck misplaced = XACheckFixture(placementScratch, "setting-placement", {"BuildSettingPlacement"});
    EXPECT_EQ(misplaced.findings.size(), 4u);
    expectScales(misplaced, XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);
}
