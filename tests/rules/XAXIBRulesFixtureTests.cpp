// The rules that hold XIB and storyboard files against the bundle and the code, through whole checking runs of small
// fixture apps: xib-resources (images named by a storyboard and two XIBs, and a framework target with a XIB),
// xib-resources-mac, xib-layout (views Xcode marked, with and without auto layout), xib-outlets (a File's Owner of two
// XIBs, one source file compiled without ARC) and xib-attributes (runtime attributes on custom classes).

#include "XAFixtureCheckSupport.h"

#include "engine/config/XAConfiguration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

std::vector<std::string> infosOf(const XADiagnostics &diagnostics) {
    std::vector<std::string> infos;
    for (const XADiagnostic &diagnostic : diagnostics) {
        infos.push_back(diagnostic.instanceInfo() ? diagnostic.instanceInfo()->plainString() : "");
    }
    return infos;
}

} // namespace

TEST(XAXIBRulesFixtureTest, UnknownXIBResourcesAreReportedPerFileWithASuggestion) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "xib-resources", {"UnknownResourceXIBReference"});
    EXPECT_THAT(
        check.findings,
        ElementsAre(XAFixtureFinding{"App/About.xib", 0, "missing.png",
                                     "XIB references unknown resource named missing.png (Image) Did you mean "
                                     "Logo.png?"},
                    XAFixtureFinding{"App/Main.storyboard", 0, "logo.png",
                                     "Storyboard references unknown resource named logo.png (Image) Did you mean "
                                     "Logo.png?"},
                    XAFixtureFinding{"App/Welcome.xib", 0, "missing.png",
                                     "XIB references unknown resource named missing.png (Image) Did you mean "
                                     "Logo.png?"}))
        << "not the extension-less icon found as icon.png, the provisioning profile or the empty name";
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactFunctionality);
    }
}

TEST(XAXIBRulesFixtureTest, AnUnknownXIBResourceIsLikelierAfterAFullBuild) {
    struct Case {
        bool fullBuild;
        XADiagnosticConfidence confidence;
    };
    for (const Case &testCase : {Case{false, XADiagnosticConfidenceMedium}, Case{true, XADiagnosticConfidenceHigh}}) {
        SCOPED_TRACE(testCase.fullBuild ? "full build" : "dry run");
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            XACheckFixture(scratch, "xib-resources", {"UnknownResourceXIBReference"}, {},
                           {{{XAConfiguration::kFullBuild, XAOptionValue(testCase.fullBuild)}}, {}});
        ASSERT_EQ(check.diagnostics.size(), 3u);
        for (const XADiagnostic &diagnostic : check.diagnostics) {
            EXPECT_EQ(diagnostic.confidence(), testCase.confidence);
        }
    }
}

TEST(XAXIBRulesFixtureTest, XIBResourcesOfAFrameworkAreNotCheckedAndMacSystemIconsAreSkipped) {
    struct Case {
        std::string fixture;
        std::map<std::string, XAOptionValue> appOptions;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        // The framework's XIB names a missing image, but the rule is for application targets.
        {"xib-resources", {{XAConfiguration::kTarget, XAOptionValue(std::string("Kit"))}}, {}},
        // A system icon is skipped and an image found with one of the platform's extensions; the other is not.
        {"xib-resources-mac",
         {},
         {{"App/Toolbar.xib", 0, "sidebar",
           "XIB references unknown resource named sidebar (Image) Did you mean toolbar.png?"}}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.fixture);
        XAScratchFolder scratch;
        const XAFixtureCheck check =
            XACheckFixture(scratch, testCase.fixture, {"UnknownResourceXIBReference"}, {}, {testCase.appOptions, {}});
        EXPECT_EQ(check.findings, testCase.expected);
    }
}

TEST(XAXIBRulesFixtureTest, MarkedViewsOfAutoLayoutFilesAreReportedMisplacedFirst) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "xib-layout", {"ViewLayoutInXIB"});
    EXPECT_THAT(
        infosOf(check.diagnostics),
        ElementsAre(
            "Misplaced view: UILabel Title (id Layout-2) \u2014 the frame of this view will be different at runtime.",
            "Ambiguous view: UIButton (id Layout-3) \u2014 the position and size of this view are ambiguous.",
            "Misplaced view: UIImageView (id Layout-4) \u2014 the frame of this view will be different at runtime.",
            "Ambiguous view: UIImageView (id Layout-4) \u2014 the position and size of this view are ambiguous."))
        << "nothing of Legacy.xib, which does not use auto layout";
    ASSERT_EQ(check.diagnostics.size(), 4u);
    const XADiagnostic &both = check.diagnostics[2];
    EXPECT_EQ(both.instanceIdentifier(), "UIImageView (id Layout-4)");
    EXPECT_EQ(check.diagnostics[3].instanceIdentifier(), both.instanceIdentifier());
    EXPECT_THAT(both.instanceInfo()->xmlString(), HasSubstr("<objcclass>UIImageView</objcclass>"));
    EXPECT_EQ(both.impact(), XADiagnosticImpactMaintainability);
    EXPECT_EQ(both.severity(), XADiagnosticSeverityWarning);
    EXPECT_EQ(both.confidence(), XADiagnosticConfidenceAbsolute);
}

TEST(XAXIBRulesFixtureTest, NonOwningOutletsOfTheFilesOwnerToTopLevelObjectsAreReportedPerXIB) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "xib-outlets", {"WeakReferenceToTopLevelXIBObject"});
    ASSERT_EQ(check.findings.size(), 3u)
        << "not the strong or retained outlets, the outlet to a subview nor the helper object's outlet";
    // The class extension's weak outlet, once for each XIB that connects it.
    EXPECT_EQ(check.findings[0].file, "App/PanelController+Legacy.m");
    EXPECT_EQ(check.findings[0].line, 5u);
    EXPECT_THAT(check.findings[0].info, HasSubstr("/App/Panel.xib. Use the retain attribute (instead of assign)"));
    EXPECT_EQ(check.findings[1].file, "App/PanelController.m");
    EXPECT_EQ(check.findings[1].line, 4u);
    EXPECT_EQ(check.findings[2].file, "App/PanelController.m");
    EXPECT_EQ(check.findings[2].line, 4u);
    std::vector<std::string> weakInfos = {check.findings[1].info, check.findings[2].info};
    std::sort(weakInfos.begin(), weakInfos.end());
    EXPECT_THAT(weakInfos[0], HasSubstr("/App/Panel.xib. Use the strong attribute (instead of weak) to keep the "
                                        "object from being deallocated prematurely."));
    EXPECT_THAT(weakInfos[1], HasSubstr("/App/PanelCompact.xib. Use the strong attribute (instead of weak)"));
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceHigh);
        EXPECT_FALSE(diagnostic.instanceIdentifier().has_value());
    }
}

TEST(XAXIBRulesFixtureTest, RuntimeAttributesAreHeldAgainstTheClassInEachXIB) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "xib-attributes", {"XIBRuntimeAttributeMismatch"});
    EXPECT_THAT(
        check.findings,
        ElementsAre(
            XAFixtureFinding{"App/Badge.xib", 0, "icon",
                             "User-defined runtime attribute configured for BadgeView key path icon has type "
                             "\u201cboolean\u201d (and value YES) but the type expected in setter is UIImage *. This "
                             "runtime attribute is set for XIB object ID Badge-2."},
            XAFixtureFinding{
                "App/Badge.xib", 0, "rank",
                "User-defined runtime attribute configured for BadgeView key path rank has type "
                "\u201cstring\u201d (and value &lt;b&gt; &amp; co) but the type expected in setter is NSInteger. "
                "This runtime attribute is set for XIB object ID Badge-2."},
            XAFixtureFinding{"App/Badge.xib", 0, "shadowDepth",
                             "User-defined runtime attribute configured for unknown BadgeView key path shadowDepth. "
                             "This runtime attribute is set for XIB object ID Badge-2."},
            XAFixtureFinding{"App/BadgeList.xib", 0, "shadowDepth",
                             "User-defined runtime attribute configured for unknown BadgeView key path shadowDepth. "
                             "This runtime attribute is set for XIB object ID List-1."}))
        << "keys found in the class, its superclass, class extension and category, the dotted key and the "
           "unimplemented GhostView give nothing";
    // The plain form strips the markup's tags and keeps its entities: the value was escaped, not taken for a tag.
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceMedium);
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        if (diagnostic.instanceIdentifier() == "rank") {
            EXPECT_THAT(diagnostic.instanceInfo()->xmlString(), HasSubstr("<code>&lt;b&gt; &amp; co</code>"));
        }
    }
}

// The tidy project's target has no XIBs at all.
TEST(XAXIBRulesFixtureTest, TheXIBProjectRulesAreSilentOnTheTidyProject) {
    XAScratchFolder scratch;
    EXPECT_THAT(XACheckFixture(scratch, "RuleCase", {"UnknownResourceXIBReference", "ViewLayoutInXIB"}).findings,
                IsEmpty());
}
