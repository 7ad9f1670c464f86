// The rules that hold code against the resources and XIBs of a target, through whole checking runs of the fixture
// project resources-ios: an app and a framework target, resources, an asset catalog, two XIBs and two libraries.

#include "XAFixtureCheckSupport.h"

#include "engine/XADiagnostic.h"
#include "engine/config/XAConfiguration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::IsEmpty;

namespace {

const XARuleCaseSourceFile kLoadMissingImage{"Load.m", "#import <UIKit/UIKit.h>\n"
                                                       "UIImage *loadMissing(void) {\n"
                                                       "    return [UIImage imageNamed:@\"missing\"];\n"
                                                       "}\n"};

} // namespace

TEST(XAResourceRulesFixtureTest, AnUnknownResourceIsLikelierAfterAFullBuild) {
    struct Case {
        bool fullBuild;
        XADiagnosticConfidence confidence;
    };
    for (const Case &testCase : {Case{false, XADiagnosticConfidenceMedium}, Case{true, XADiagnosticConfidenceHigh}}) {
        SCOPED_TRACE(testCase.fullBuild ? "full build" : "dry run");
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            XACheckFixture(scratch, "resources-ios", {"UnknownResourceCodeReference"}, {},
                           {{{XAConfiguration::kFullBuild, XAOptionValue(testCase.fullBuild)}}, {kLoadMissingImage}});
        ASSERT_EQ(check.findings.size(), 1u);
        EXPECT_EQ(check.findings.front().file, "CaseFiles/Load.m");
        EXPECT_EQ(check.findings.front().identifier, "missing");
        EXPECT_EQ(check.diagnostics.front().confidence(), testCase.confidence);
    }
}

TEST(XAResourceRulesFixtureTest, TheRulesForAppsAreNotAppliedToAFramework) {
    XAScratchFolder scratch;
    const std::vector<std::string> appRules = {"UnknownResourceCodeReference", "UnnecessaryNibMethod"};
    const XAFixtureCheck kit = XACheckFixture(scratch, "resources-ios", appRules, {},
                                              {{{XAConfiguration::kTarget, XAOptionValue(std::string("Kit"))}}, {}});
    EXPECT_THAT(kit.findings, IsEmpty()) << "the framework's missing image and awakeFromNib are not looked at";
}
