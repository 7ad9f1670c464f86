// The version-control rules on the command line.

#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace XAStagedPrograms;
using ::testing::HasSubstr;

namespace {

XATaskResults tessary(const std::vector<std::string> &arguments) {
    return run(launcherPath(), arguments, cleanEnvironment());
}

} // namespace

TEST(XACLIVersionControlRulesTest, TheRulePageShowsDescriptionOptionsAndLinks) {
    const XATaskResults results = tessary({"rules", "RecommendedVCSIgnores"});
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    const std::string output = standardOutput(results);
    for (const char *expected : {
             "RecommendedVCSIgnores\nRecommended VCS ignores\n(Applies to projects under Git version control.)\n"
             "Tags: Recommended, VCS\n\nWarns when files that are recommended to be ignored",
             "    Stack Overflow: Git ignore file for Xcode projects\n    https://",
             "    CocoaPods Guides: Using CocoaPods\n    https://",
             "    Carthage Documentation: Artifacts\n    https://",
             "RecommendedVCSIgnores.workspaceIgnored (Boolean. Default: no)\n"
             "        Whether the Xcode workspace data should be ignored\n    RecommendedVCSIgnores.cocoaPodsIgnored",
             "RecommendedVCSIgnores.cocoaPodsIgnored (Boolean. Default: no)\n"
             "        Whether CocoaPods data should be ignored\n"
             "        (i.e. The Pods folder. Warns only if CocoaPods is used.)",
             "RecommendedVCSIgnores.carthageBuildIgnored (Boolean. Default: yes)",
             "RecommendedVCSIgnores.carthageCheckoutsIgnored (Boolean. Default: no)",
             "RecommendedVCSIgnores.appCodeUserDataIgnored (Boolean. Default: yes)",
         }) {
        EXPECT_THAT(output, HasSubstr(expected));
    }
}
