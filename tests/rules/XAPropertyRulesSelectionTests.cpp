// The experimental property-declaration rules in the shared registry are hidden: they join a run only when named, never
// through a tag.

#include "engine/XARule.h"
#include "engine/XARuleSet.h"
#include "engine/XARuleTags.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> selectedShortNames(const std::vector<std::string> &tags,
                                            const std::vector<std::string> &names) {
    std::vector<std::string> errors;
    const XARuleSet set = XARuleSet::ruleSetWithRulesWithTags(
        tags, names, {}, [&errors](const XAProgressMessage &message) { errors.push_back(message.message()); });
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    std::vector<std::string> shortNames;
    for (const XARuleDescriptor *rule : set.rules()) {
        shortNames.push_back(rule->shortName);
    }
    return shortNames;
}

bool contains(const std::vector<std::string> &names, const std::string &name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const std::vector<std::string> kExperimentalRules = {"UnsafeUnretainedUsed", "CorrectVariableDecoration"};

TEST(XAPropertyRulesSelectionTest, ExperimentalRulesRunOnlyWhenNamed) {
    std::vector<std::string> everyTag = XARulePublicTagNames();
    everyTag.push_back(XARuleTagExperimental);
    const std::vector<std::string> byTags = selectedShortNames(everyTag, {});
    const std::vector<std::string> byName = selectedShortNames({}, kExperimentalRules);
    for (const std::string &name : kExperimentalRules) {
        const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName(name);
        ASSERT_NE(rule, nullptr) << name;
        EXPECT_FALSE(rule->isPublic) << name;
        EXPECT_FALSE(contains(byTags, name)) << name;
        EXPECT_TRUE(contains(byName, name)) << name;
    }
}

} // namespace
