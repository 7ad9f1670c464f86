// The style rules through a whole checking run of the fixture project code-style: an iOS app whose view controller
// declares outlets in its public interface and its class extension, connected in the XIB it owns or not at all, and
// a view whose XIB another class owns.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(XARuleCodeStyleFixtureTest, OnlyTheConnectedPublicOutletIsReportedOnItsProperty) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "code-style", {"IBOutletsInPublicInterface"});
    EXPECT_THAT(check.findings, ElementsAre(XAFixtureFinding{"App/FooViewController.h", 10, "", ""}))
        << "not the unconnected outlet, the connected delegate, the connected outlet of the class extension, nor the "
           "outlet of a view whose XIB another class owns";
}

TEST(XARuleCodeStyleFixtureTest, EachStyleRuleFindsItsOneFaultInTheProject) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(
        scratch, "code-style",
        {"OldVerboseObjCSyntax", "DotSyntax", "UnidiomaticAccessorNaming", "HardcodedSelfClass", "NullCoalescingOp",
         "NonTypedefBlockDeclaration", "IBOutletsInPublicInterface", "AssertionSideEffects", "CyclomaticComplexity"});
    EXPECT_THAT(check.findings,
                ElementsAre(XAFixtureFinding{"App/FooViewController.h", 10, "", ""}, //
                            XAFixtureFinding{"App/FooViewController.m", 11, "FooViewController", ""},
                            XAFixtureFinding{"App/FooViewController.m", 14, "-[FooViewController getTitle]",
                                             "In Cocoa, it is idiomatic for accessor methods to be "
                                             "named in the form something instead of e.g. "
                                             "getSomething."},
                            XAFixtureFinding{"App/FooViewController.m", 21, "", ""},
                            XAFixtureFinding{"App/FooViewController.m", 29, "", ""},
                            XAFixtureFinding{"App/FooViewController.m", 33, "", ""},
                            XAFixtureFinding{"App/Style.m", 5, "",
                                             "+[NSArray arrayWithObject:] is called. Consider using an "
                                             "Objective-C container literal expression instead."},
                            XAFixtureFinding{"App/Style.m", 9, "", ""},
                            XAFixtureFinding{"App/Style.m", 12, "StyleWeight",
                                             "The cyclomatic complexity number of this routine is 11, "
                                             "which exceeds the configured threshold of 10."}));
}
