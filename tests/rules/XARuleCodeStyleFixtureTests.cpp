// The style rules through a whole checking run of the fixture project code-style: an iOS app whose view controller
// declares outlets in its public interface and its class extension, connected in the XIB it owns or not at all.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(XARuleCodeStyleFixtureTest, OnlyTheConnectedPublicOutletIsReportedOnItsProperty) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "code-style", {"IBOutletsInPublicInterface"});
    EXPECT_THAT(check.findings, ElementsAre(XAFixtureFinding{"App/FooViewController.h", 10, "", ""}))
        << "not the unconnected outlet, the connected delegate, nor the connected outlet of the class extension";
}
