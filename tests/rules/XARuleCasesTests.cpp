// The rules' examples: every case file in tests/rules/code and tests/rules/project, each checked with only its rule running.

#include "engine/XARuleRegistry.h"
#include "ruledriver/XARuleCaseTestSupport.h"

namespace {

[[maybe_unused]] testing::Environment *const kRuleCaseEnvironment =
    testing::AddGlobalTestEnvironment(new XARuleCaseEnvironment);

TEST_P(XARuleCaseTest, ReportsExactlyWhatTheCaseExpects) { runCase(); }

INSTANTIATE_TEST_SUITE_P(CodeRules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(),
                                                                    TESSARY_SOURCE_DIR "/tests/rules/code")),
                         XARuleCaseTestName);
INSTANTIATE_TEST_SUITE_P(ProjectRules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(),
                                                                    TESSARY_SOURCE_DIR "/tests/rules/project")),
                         XARuleCaseTestName);

} // namespace
