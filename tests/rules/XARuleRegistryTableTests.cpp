// The registered rules against the introduction-order table: every rule the program registers has its number, so the
// "new since" search and the desktop's new-rule notices know it.

#include "engine/XARule.h"
#include "engine/XARuleIntroductionOrder.h"

#include <gtest/gtest.h>

namespace {

TEST(XARuleRegistryTableTest, EveryRegisteredRuleIsInTheIntroductionOrderTable) {
    const XARuleRegistry &registry = XARuleRegistry::shared();
    ASSERT_FALSE(registry.allRules().empty());
    const std::vector<std::string> &table = XARuleShortNamesInOrderOfIntroduction();
    for (const XARuleDescriptor *rule : registry.allRules()) {
        EXPECT_NE(std::find(table.begin(), table.end(), rule->shortName), table.end())
            << rule->className << " is not in the introduction-order table";
        EXPECT_EQ(rule->className.rfind("XA", 0), 0u) << rule->className;
    }
}

TEST(XARuleRegistryTableTest, TheDebuggingRuleIsRegisteredHiddenAndFirst) {
    const XARuleRegistry &registry = XARuleRegistry::shared();
    const XARuleDescriptor *debugging = registry.ruleWithShortName("debugging");
    ASSERT_NE(debugging, nullptr);
    EXPECT_EQ(debugging->className, "XADebuggingRule");
    EXPECT_EQ(debugging->introductionOrderNumber(), 0u);
    EXPECT_FALSE(debugging->isPublic);
    EXPECT_TRUE(debugging->tags.empty());
    EXPECT_EQ(debugging->cursorKinds, (std::vector<int>{CXCursor_ObjCInstanceMethodDecl}));
    EXPECT_EQ(registry.allRules().front(), debugging);
    const std::vector<std::string> publicNames = registry.allPublicRuleShortNames();
    EXPECT_EQ(std::find(publicNames.begin(), publicNames.end(), "Debugging"), publicNames.end());
}

} // namespace
