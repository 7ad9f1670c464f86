// The rules on project and build settings, install names and usage descriptions, checked from end to end on fixture
// projects: what the case files cannot show (confidences, conditions, exclusions, the tidy project).

#include "XAFixtureCheckSupport.h"
#include "XAWorkingCopyCheckSupport.h"
#include "core/XARegex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::vector<std::string> kProjectSettingsRules = {"BasicProjectSettings", "ImplicitBundleId",
                                                        "ReleaseBuildConfig", "DylibInstallName"};

// The confidence of the findings whose info contains the text, in order.
std::vector<int> confidencesOf(const XAFixtureCheck &check, const std::string &text) {
    std::vector<int> confidences;
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        if (diagnostic.instanceInfo() && diagnostic.instanceInfo()->plainString().find(text) != std::string::npos) {
            confidences.push_back(diagnostic.confidence());
        }
    }
    return confidences;
}

} // namespace

TEST(XAProjectSettingsRulesTest, TheTidyProjectGivesNoFindingsInEitherConfiguration) {
    for (const char *configuration : {"Debug", "Release"}) {
        SCOPED_TRACE(configuration);
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            XACheckFixture(scratch, "RuleCase", kProjectSettingsRules, {},
                           {.appOptions = {{"buildConfig", XAOptionValue(configuration)}}, .files = {}});
        EXPECT_THAT(check.findings, IsEmpty());
    }
}

// A text setting the project records is compared with certainty; one it leaves unset is compared as Xcode's default,
// with less.
TEST(XAProjectSettingsRulesTest, TextSettingsLeftUnsetGiveMediumConfidence) {
    const XAFixtureRuleOptions options = {{"BasicProjectSettings",
                                           {{"indentType", XAOptionValue("spaces")},
                                            {"tabWidth", XAOptionValue(2)},
                                            {"wrapLines", XAOptionValue("nowrap")}}}};
    XAScratchFolder setScratch;
    const XAFixtureCheck set = XACheckFixture(setScratch, "project-settings", {"BasicProjectSettings"}, options);
    EXPECT_THAT(confidencesOf(set, "Indent Using"), ElementsAre(10));
    EXPECT_THAT(confidencesOf(set, "Tab Width"), ElementsAre(10));
    EXPECT_THAT(confidencesOf(set, "Wrap Lines"), ElementsAre(10));
    EXPECT_THAT(confidencesOf(set, "Organization"), ElementsAre(10));

    const XAFixtureRuleOptions otherOptions = {{"BasicProjectSettings",
                                                {{"indentType", XAOptionValue("tabs")},
                                                 {"tabWidth", XAOptionValue(2)},
                                                 {"wrapLines", XAOptionValue("wrap")}}}};
    XAScratchFolder unsetScratch;
    const XAFixtureCheck unset =
        XACheckFixture(unsetScratch, "project-settings-unset", {"BasicProjectSettings"}, otherOptions);
    EXPECT_THAT(confidencesOf(unset, "Indent Using"), ElementsAre(5));
    EXPECT_THAT(confidencesOf(unset, "Tab Width"), ElementsAre(5));
    EXPECT_THAT(confidencesOf(unset, "Wrap Lines"), ElementsAre(5));
    for (const XADiagnostic &diagnostic : unset.diagnostics) {
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityConcern);
        EXPECT_FALSE(diagnostic.filePath().has_value()) << "project settings are in no file of their own";
    }
}

// A library ships with the product wherever it lies, so a folder excluded from the check does not hide it.
TEST(XAProjectSettingsRulesTest, AbsoluteInstallNamesAreReportedEvenInAnExcludedFolder) {
    XAScratchFolder scratch;
    const XAOptionValue excludedVendor(XAOptionValue::Array{XAOptionValue(*XARegex::compile(".*/Vendor/.*"))});
    const XAFixtureCheck check =
        XACheckFixture(scratch, "dylib-app", {"DylibInstallName"}, {},
                       {.appOptions = {{"fileExclusionRegexes", excludedVendor}}, .files = {}});
    std::vector<std::string> files;
    for (const XAFixtureFinding &finding : check.findings) {
        files.push_back(finding.file);
    }
    EXPECT_THAT(files, ElementsAre("Libs/libFat.dylib", "Libs/libFoo.dylib", "Vendor/libFoo.dylib"));
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceHigh);
    }
}

TEST(XAProjectSettingsRulesTest, UsageDescriptionsAreCheckedForApplicationTargetsOnly) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "usage-descriptions", {"MissingAPIUsageDescription"}, {},
                                                {.appOptions = {{"target", XAOptionValue("Kit")}}, .files = {}});
    EXPECT_THAT(check.findings, IsEmpty());
    EXPECT_TRUE(XARuleWasNotApplied(check, "MissingAPIUsageDescription", "Applies to application targets."));
}
