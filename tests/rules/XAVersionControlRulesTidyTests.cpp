// The tidy project in a Git working copy with the recommended ignore file gets nothing from the version-control rules.

#include "XAWorkingCopyCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

TEST(XAVersionControlRulesTidyTest, TheTidyProjectGivesNoFindings) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(scratch, TESSARY_FIXTURES_DIR "/projects/RuleCase",
                                                       {.files = {{".gitignore", kXARecommendedGitIgnore}}});
    const std::vector<std::string> rules = {"FileRefOutsideVCS", "FileRefIgnoredInVCS", "RecommendedVCSIgnores",
                                            "StringsFileEncoding"};
    const XAFixtureCheck check = XACheckProject(xcodeproj, rules);
    EXPECT_THAT(check.findings, ::testing::IsEmpty());
    for (const std::string &rule : rules) {
        EXPECT_FALSE(XARuleWasNotApplied(check, rule)) << rule << " must have run to give nothing";
    }
}
