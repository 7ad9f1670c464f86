// The code rules against their examples: every case file under tests/rules/code, each named after the rule it tests.

#include "ruledriver/XARuleCaseTestSupport.h"

#include <gtest/gtest.h>

namespace {

[[maybe_unused]] testing::Environment *const kRuleCaseEnvironment =
    testing::AddGlobalTestEnvironment(new XARuleCaseEnvironment);

TEST_P(XARuleCaseTest, ReportsExactlyWhatTheCaseExpects) { runCase(); }

INSTANTIATE_TEST_SUITE_P(CodeRules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(),
                                                                    TESSARY_SOURCE_DIR "/tests/rules/code")),
                         XARuleCaseTestName);

} // namespace
