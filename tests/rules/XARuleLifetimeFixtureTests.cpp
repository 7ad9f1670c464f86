// Rules on API availability and object lifetime through a whole checking run of the fixture project lifetime-app: an
// iOS 6.0 application whose one class sets a property in its initializer, writes a static counter in an instance
// method, uses self in a notification observer block and calls an iOS 8.0 function.

#include "XAFixtureCheckSupport.h"

#include <gtest/gtest.h>

namespace {
const std::string kWatcher = "App/Watcher.m";
} // namespace

TEST(XARuleLifetimeFixtureTest, EachRuleFindsItsOneFaultInTheProject) {
    struct Expectation {
        std::string rule;
        XAFixtureFinding finding;
    };
    const std::vector<Expectation> expectations = {
        {"SetterInvocationInInitOrDealloc", {kWatcher, 15, "name", ""}},
        {"InstanceMethodWritesToStaticVariable", {kWatcher, 21, "", ""}},
        {"BlockAPIRetainCycle",
         {kWatcher, 26, "", "Referencing self in blocks passed to this method causes a retain cycle."}},
        {"APIAvailability",
         {kWatcher, 34, "UIAccessibilityIsBoldTextEnabled",
          "UIAccessibilityIsBoldTextEnabled is only available since 8.0, but the minimum deployment target is 6.0"}},
    };
    for (const Expectation &expectation : expectations) {
        XAScratchFolder scratch;
        const XAFixtureCheck check = XACheckFixture(scratch, "lifetime-app", {expectation.rule});
        ASSERT_EQ(check.findings.size(), 1u) << expectation.rule;
        const XAFixtureFinding &found = check.findings.front();
        EXPECT_EQ(found.file, expectation.finding.file) << expectation.rule;
        EXPECT_EQ(found.line, expectation.finding.line) << expectation.rule;
        EXPECT_EQ(found.identifier, expectation.finding.identifier) << expectation.rule;
        if (!expectation.finding.info.empty()) {
            EXPECT_EQ(found.info, expectation.finding.info) << expectation.rule;
        }
    }
}
