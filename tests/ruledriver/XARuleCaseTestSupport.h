#pragma once

// The GoogleTest side of the rule test driver: one test per case of every case file of a folder, each case file
// named after the rule it tests (NSLogUsed.m for the rule NSLogUsed, found in the given registry). A test binary
// adds the environment once and instantiates the suite:
//
//     TEST_P(XARuleCaseTest, ReportsExactlyWhatTheCaseExpects) { runCase(); }
//     INSTANTIATE_TEST_SUITE_P(CodeRules, XARuleCaseTest,
//                              testing::ValuesIn(XARuleCaseTestParameters(XARuleRegistry::shared(), folder)),
//                              XARuleCaseTestName);

#include "engine/XARuleRegistry.h"
#include "ruledriver/XARuleCaseFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The staged developer-directory stand-in as the process's developer tools, a caches folder of its own (removed at
// the end), and the staged libclang: what checking a case needs.
class XARuleCaseEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::string cachesFolder_;
};

struct XARuleCaseTestParameter {
    const XARuleRegistry *registry = nullptr;
    XARuleCase ruleCase;
    std::string fixturesFolder;
};

void PrintTo(const XARuleCaseTestParameter &parameter, std::ostream *out);

// One parameter per case of the folder's case files; fixtures come from the tests' fixture projects.
std::vector<XARuleCaseTestParameter> XARuleCaseTestParameters(const XARuleRegistry &registry,
                                                              const std::string &folder);
std::string XARuleCaseTestName(const testing::TestParamInfo<XARuleCaseTestParameter> &info);

class XARuleCaseTest : public testing::TestWithParam<XARuleCaseTestParameter> {
protected:
    // Runs the case and fails with each of its problems.
    void runCase();
};
