#include "ruledriver/XARuleCaseTestSupport.h"

#include "codemodel/XABuildTestSupport.h"
#include "core/XATemporaryFiles.h"
#include "ruledriver/XARuleCaseRunner.h"

#include <cstdlib>
#include <filesystem>

#include <unicode/locid.h>

void XARuleCaseEnvironment::SetUp() {
    // Findings name languages in the user's language; the cases are written in American English.
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
    ASSERT_TRUE(U_SUCCESS(status)) << "cannot make en_US the default locale";
    XAStagedDeveloperToolsEnvironment().SetUp();
    cachesFolder_ = XATemporaryDirectoryPath("tessary-rule-caches-XXXXXX").value_or("");
    ::setenv("XDG_CACHE_HOME", cachesFolder_.c_str(), 1);
    ASSERT_FALSE(cachesFolder_.empty()) << "cannot create a caches folder";
    ASSERT_TRUE(XALoadStagedLibclang());
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    ASSERT_TRUE(environment.setUp()) << (environment.errors().empty() ? "" : environment.errors().back().message);
}

void XARuleCaseEnvironment::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(cachesFolder_, ignored);
}

std::vector<XARuleCaseTestParameter> XARuleCaseTestParameters(const XARuleRegistry &registry,
                                                              const std::string &folder) {
    std::vector<XARuleCaseTestParameter> parameters;
    for (XARuleCase &ruleCase : XAReadRuleCaseFolder(folder)) {
        parameters.push_back({&registry, std::move(ruleCase), TESSARY_FIXTURES_DIR "/projects"});
    }
    return parameters;
}

void PrintTo(const XARuleCaseTestParameter &parameter, std::ostream *out) {
    *out << parameter.ruleCase.caseFilePath << ":" << parameter.ruleCase.titleLine;
}

std::string XARuleCaseTestName(const testing::TestParamInfo<XARuleCaseTestParameter> &info) {
    return info.param.ruleCase.testName();
}

void XARuleCaseTest::runCase() {
    const XARuleCaseTestParameter &parameter = GetParam();
    const XARuleCase &ruleCase = parameter.ruleCase;
    const std::vector<std::string> problems = XARunRuleCase(
        parameter.registry->ruleWithShortName(ruleCase.ruleShortName), ruleCase, parameter.fixturesFolder);
    for (const std::string &problem : problems) {
        ADD_FAILURE_AT(ruleCase.caseFilePath.c_str(), static_cast<int>(ruleCase.titleLine))
            << "case \"" << ruleCase.title << "\": " << problem;
    }
}
