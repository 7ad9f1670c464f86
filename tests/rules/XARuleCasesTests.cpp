// The rules' examples: every case file in tests/rules/code and tests/rules/project, each checked with only its rule
// running.

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
// Framework declarations reach a file through modules when they are on (as in Xcode's new projects) and through
// headers when they are off; rules that look at framework declarations run their cases both ways.
std::vector<XARuleCaseTestParameter> casesWithModules(const std::string &caseFile, bool modules) {
    std::vector<XARuleCaseTestParameter> parameters;
    for (XARuleCase &ruleCase : XAReadRuleCaseFile(TESSARY_SOURCE_DIR "/tests/rules/code/" + caseFile)) {
        ruleCase.projectFacts.set("modules", XAValue(modules));
        ruleCase.title += modules ? " (modules on)" : " (modules off)";
        parameters.push_back({&XARuleRegistry::shared(), std::move(ruleCase), TESSARY_FIXTURES_DIR "/projects"});
    }
    return parameters;
}

INSTANTIATE_TEST_SUITE_P(FrameworkCategoriesWithModules, XARuleCaseTest,
                         testing::ValuesIn(casesWithModules("CategoryMethodConflict.m", true)), XARuleCaseTestName);
INSTANTIATE_TEST_SUITE_P(FrameworkCategoriesWithoutModules, XARuleCaseTest,
                         testing::ValuesIn(casesWithModules("CategoryMethodConflict.m", false)), XARuleCaseTestName);
INSTANTIATE_TEST_SUITE_P(ProjectRules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(),
                                                                    TESSARY_SOURCE_DIR "/tests/rules/project")),
                         XARuleCaseTestName);

} // namespace
