// Unused methods through a whole checking run of the fixture project unused-methods: a class with a public header, a
// private header and a caller in another file, and a view controller.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(XARuleUnusedMethodFixtureTest, PrivateMethodsNoFileRefersToAreReportedOnce) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "unused-methods", {"UnusedMethod"});
    EXPECT_THAT(check.findings, ElementsAre(XAFixtureFinding{"App/Thing.m", 13, "-[Thing privateDeclared]", ""},
                                            XAFixtureFinding{"App/Thing.m", 19, "-[Thing unusedHelper]", ""}))
        << "not the methods the other file calls, names by selector or string, or whose setter it calls; not the "
           "public, initializer, subscript, action or framework methods";
}

TEST(XARuleUnusedMethodFixtureTest, TheTidyProjectGivesNoFindingsOfTheProjectWideRules) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        XACheckFixture(scratch, "RuleCase",
                       {"UnusedMethod", "CategoryMethodConflict", "RedundantInclude", "PrefixHeaderIncludeSuggestion"});
    EXPECT_THAT(check.findings, IsEmpty());
}
