// The description of a localisation rule on the command line lists the rule's own options and the option that the
// localisation rules share.

#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLILocalizationRuleDescriptionTest, ShowsTheRulesOwnOptionsAndThenTheSharedLocalizationOption) {
    const XATaskResults results = run(launcherPath(), {"rules", "MissingTranslation"}, cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0);
    const std::string output = standardOutput(results);
    const std::size_t own = output.find("MissingTranslation.ignoredKeyPrefixes");
    const std::size_t shared = output.find("_LocalizationRules.localizedStringRoutines");
    EXPECT_NE(output.find("MissingTranslation.checkDevRegion"), std::string::npos) << output;
    ASSERT_NE(own, std::string::npos) << output;
    ASSERT_NE(shared, std::string::npos) << output;
    EXPECT_LT(own, shared) << "the rule's own options come first";
    EXPECT_NE(output.find("Functions used in place of NSLocalizedString", shared), std::string::npos) << output;
}
