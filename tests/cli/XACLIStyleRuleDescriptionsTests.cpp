// The rules command describes the style rules: name, description and every option under the rule's short name.

#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace XAStagedPrograms;
using ::testing::HasSubstr;

TEST(XACLIStyleRuleDescriptionsTest, RulesPrintsEachStyleRuleWithItsDescriptionAndOptions) {
    struct Rule {
        std::string shortName;
        std::string heading;          // short name, rule name and the start of the tags line
        std::string descriptionStart; // descriptions wrap at 80 columns: only their beginnings are looked for
        std::vector<std::string> options;
    };
    const std::vector<Rule> rules = {
        {"OldVerboseObjCSyntax",
         "OldVerboseObjCSyntax\nOld, verbose Objective-C syntax\nTags: Recommended, BestPractice, Style\n",
         "Warns if Objective-C literals, boxed expressions",
         {"expectLiteralSyntaxForMutableCollections"}},
        {"DotSyntax",
         "DotSyntax\nDot syntax usage\nTags: Style\n",
         "Warns about [obj foo] or [obj setFoo:x]",
         {"onlyForProperties", "allowedMethods", "allowConstructors"}},
        {"UnidiomaticAccessorNaming",
         "UnidiomaticAccessorNaming\nUnidiomatic accessor naming\nTags: Recommended, BestPractice, Style\n",
         "Warns if getter methods are named in the form",
         {}},
        {"HardcodedSelfClass",
         "HardcodedSelfClass\nHardcoded self class reference\nTags: Recommended, BestPractice\n",
         "Warns if a class (or an instance of it) sends a message",
         {"warnOnlyAboutAlloc", "checkOnlyFactoryMethods"}},
        {"NullCoalescingOp",
         "NullCoalescingOp\nNull coalescing operator usage\nTags: Recommended, Style\n",
         "Expressions of the form (obj ? obj : other) should be",
         {}},
        {"NonTypedefBlockDeclaration",
         "NonTypedefBlockDeclaration\nBlock-typed declaration without typedef\nTags: Style, BestPractice\n",
         "It is recommended that typedef be used for all",
         {"onlyArguments"}},
        {"IBOutletsInPublicInterface",
         "IBOutletsInPublicInterface\nIBOutlets in public interface\nTags: BestPractice\n",
         "Outlets are often private implementation details",
         {}},
        {"AssertionSideEffects",
         "AssertionSideEffects\nPotential assertion side effects\nTags: Recommended, BestPractice\n",
         "Warns if assertion macro bodies contain invocations",
         {}},
        {"CyclomaticComplexity",
         "CyclomaticComplexity\nCyclomatic complexity\nTags: Pedantic\n",
         "Warns if a routine has high cyclomatic complexity",
         {"warningThresholdCCN"}},
    };
    for (const Rule &rule : rules) {
        SCOPED_TRACE(rule.shortName);
        const XATaskResults results = run(launcherPath(), {"rules", rule.shortName}, cleanEnvironment());
        ASSERT_EQ(results.exitStatus, 0) << standardError(results);
        const std::string output = standardOutput(results);
        EXPECT_EQ(output.rfind(rule.heading, 0), 0u) << output;
        EXPECT_THAT(output, HasSubstr(rule.descriptionStart));
        for (const std::string &option : rule.options) {
            EXPECT_THAT(output, HasSubstr("    " + rule.shortName + "." + option + " ("));
        }
    }
}
