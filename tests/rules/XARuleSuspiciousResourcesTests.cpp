// Build-time files among the checked target's bundle resources, checked from end to end on fixture apps.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

TEST(XARuleSuspiciousResourcesTest, BuildTimeFilesAmongTheResourcesAreReportedByKind) {
    struct Case {
        std::string fixture;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        // The other configuration file is only in the project, the text file is an ordinary resource.
        {"xcconfig-resource",
         {{"App/Release.xcconfig", 0, "",
           "It is unlikely that this Xcode build configuration file should be a resource file that is copied into "
           "the bundle."}}},
        {"config-file-resource",
         {{"App/main.tessary.json", 0, "",
           "It is unlikely that this Tessary configuration file should be a resource file that is copied into the "
           "bundle."}}},
        // The shared tidy project's target has no resources.
        {"RuleCase", {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.fixture);
        XAScratchFolder scratch;
        const XAFixtureCheck check = XACheckFixture(scratch, testCase.fixture, {"SuspiciousResources"});
        EXPECT_THAT(check.findings, ElementsAreArray(testCase.expected));
    }
}
