// The code rules' examples: every case file in tests/rules/code is run against the registered rules.

#include "engine/XARuleRegistry.h"
#include "ruledriver/XARuleCaseTestSupport.h"

#include <gtest/gtest.h>

namespace {

[[maybe_unused]] testing::Environment *const kRuleCaseEnvironment =
    testing::AddGlobalTestEnvironment(new XARuleCaseEnvironment);

TEST_P(XARuleCaseTest, ReportsExactlyWhatTheCaseExpects) { runCase(); }

INSTANTIATE_TEST_SUITE_P(Rules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(),
                                                                    TESSARY_SOURCE_DIR "/tests/rules/code")),
                         XARuleCaseTestName);

} // namespace
