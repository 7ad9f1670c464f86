#include "engine/XARuleRegistryOptionGroups.h"

#include "engine/XARuleOptionGroupsTestSupport.h"
#include "engine/XATestRuleDescriptors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> shortNames(const std::vector<XARuleOptionGroup> &groups) {
    std::vector<std::string> names;
    for (const XARuleOptionGroup &group : groups) {
        names.push_back(group.shortName);
    }
    return names;
}

TEST(XARuleRegistryOptionGroupsTest, RulesThatAreNotPublicKeepTheirGroupsApart) {
    XARuleOption limit =
        XARuleOption::ruleOptionWithName("limit", "Limit", std::nullopt, 3, XAOptionValueTypePositiveInteger);
    XATestRules rules({{"NSLogUsed", {"Recommended"}},
                       {"CyclomaticComplexity", {"Pedantic"}, {limit}},
                       {"ObjCPointerComparison", {"Experimental"}, {limit}}});
    XARuleOptionGroups groups = XARuleOptionGroupsOfRegistry(rules.registry());
    // Every rule has its own group, with the option common to all rules at least; ordered by group name.
    EXPECT_THAT(shortNames(groups.publicGroups), testing::ElementsAre("CyclomaticComplexity", "NSLogUsed"));
    EXPECT_THAT(shortNames(groups.otherGroups), testing::ElementsAre("ObjCPointerComparison"));

    XAConfiguration::RuleOptionGroupsProvider saved = XAConfiguration::setRuleOptionGroupsProvider(nullptr);
    XAUseRuleOptionGroupsOfRegistry(rules.registry());
    XAConfiguration configuration;
    EXPECT_EQ(configuration.valueOfRuleOption("CyclomaticComplexity", "limit"), XAOptionValue(3));
    EXPECT_FALSE(configuration.ruleOptionValuesDictionary().contains("ObjCPointerComparison"));
    XAConfiguration::setRuleOptionGroupsProvider(std::move(saved));
}

} // namespace
