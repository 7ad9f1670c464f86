// The "rules" command on the rules about resource file names, duplicates and image variants: each rule's name,
// condition, tags, description, links and options as a user reads them, against a golden file.

#include "core/XAPaths.h"
#include "platform/XAStagedProgramSupport.h"

#include <gtest/gtest.h>

using namespace XAStagedPrograms;

TEST(XACLIResourceFileRulesEndToEndTest, RulesDescribeEachResourceFileRule) {
    const XATaskResults results =
        run(launcherPath(),
            {"rules", "UnknownResourceModifier", "GlobalAndLocalizedResource", "DuplicateResource",
             "RetinaImagesResolution", "MissingImageResolutionVariant", "MissingDeviceTypeResource"},
            cleanEnvironment());
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    const std::optional<std::string> golden =
        XAContentsOfFile(TESSARY_FIXTURES_DIR "/cli/ResourceFileRules.rules.txt", nullptr);
    ASSERT_TRUE(golden);
    EXPECT_EQ(standardOutput(results), *golden);
}
