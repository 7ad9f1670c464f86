// The rule on possibly unused resources as the staged command line describes it: its description for people, and
// its warning among the rule descriptions for tools.

#include "core/XAJSON.h"
#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLIResourceRulesTest, TheUnusedResourceRuleIsDescribedWithItsWarning) {
    const XATaskResults described = run(launcherPath(), {"rules", "UnusedResource"}, cleanEnvironment());
    EXPECT_EQ(described.exitStatus, 0) << standardError(described);
    EXPECT_THAT(standardOutput(described), testing::StartsWith("UnusedResource\nPossibly unused resource\n"
                                                               "Tags: Resources\n\nWarns about resource files that do "
                                                               "not seem to be referred to in code or XIB\nfiles.\n"));

    const XATaskResults listed = run(launcherPath(), {"dev_rulejson"}, cleanEnvironment());
    ASSERT_EQ(listed.exitStatus, 0) << standardError(listed);
    const std::optional<XAValue> rules = XAValueFromJSON(standardOutput(listed), false, "dev_rulejson", nullptr);
    ASSERT_TRUE(rules && rules->array());
    const auto rule = std::find_if(rules->array()->begin(), rules->array()->end(), [](const XAValue &entry) {
        return entry.get("shortName") && *entry.get("shortName") == XAValue("UnusedResource");
    });
    ASSERT_NE(rule, rules->array()->end());
    EXPECT_THAT(*rule->get("warning")->string(),
                testing::StartsWith("Please make sure that a resource really is unused before you remove it"));
}
