// The rules that hold XIB files against the bundle and the code describe themselves on the command line.

#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLIXIBRuleDescriptionTest, EachRulePrintsItsTitleAndDescription) {
    struct Case {
        std::string shortName;
        std::string heading; // the name, the title and what follows them
        std::string description;
    };
    const std::vector<Case> cases = {
        {"UnknownResourceXIBReference",
         "UnknownResourceXIBReference\nXIB refers to unknown resource\n(Applies to application targets.)\n",
         "iOS devices have a case-sensitive file system."},
        {"ViewLayoutInXIB", "ViewLayoutInXIB\nErroneous view layout in XIB\nTags: Recommended, Config\n",
         "This rule relies on annotations that Xcode adds to the files"},
        {"WeakReferenceToTopLevelXIBObject",
         "WeakReferenceToTopLevelXIBObject\nWeak reference to top-level XIB object\nTags: Recommended, Resources\n",
         "IBOutlet references to top-level objects of XIB files should be strong"},
        {"XIBRuntimeAttributeMismatch",
         "XIBRuntimeAttributeMismatch\nXIB User-defined runtime attribute mismatch\nTags: Recommended, Resources\n",
         "a key path that matches no property or\nsetter"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.shortName);
        const XATaskResults results = run(launcherPath(), {"rules", testCase.shortName}, cleanEnvironment());
        EXPECT_EQ(results.exitStatus, 0);
        const std::string output = standardOutput(results);
        EXPECT_EQ(output.rfind(testCase.heading, 0), 0u) << output;
        EXPECT_NE(output.find(testCase.description), std::string::npos) << output;
    }
}
