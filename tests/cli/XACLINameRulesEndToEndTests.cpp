// The "rules" command on the name rules: each public rule's name, condition, tags, description and options as a user
// reads them, against a golden file.

#include "core/XAPaths.h"
#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLINameRulesEndToEndTest, RulesDescribeEachPublicNameRule) {
    const XATaskResults results =
        run(launcherPath(),
            {"rules", "ReservedPrefix", "UnprefixedClass", "UnprefixedCategoryMethod", "PrivateCategory",
             "IdentifierNaming", "ReservedIdentifierNaming", "MacroLiteral", "MacroBasedIncludeGuard", "Spelling"},
            cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    const std::optional<std::string> golden =
        XAContentsOfFile(TESSARY_FIXTURES_DIR "/cli/NameRules.rules.txt", nullptr);
    ASSERT_TRUE(golden);
    EXPECT_EQ(standardOutput(results), *golden);
}
