// The example-driven rule test driver, proved on the two test-only rules: their case files pass, and cases that are
// wrong in each way the driver guards against fail with the problem named.

#include "core/XAPathsTestSupport.h"
#include "engine/XATestRules.h"
#include "ruledriver/XARuleCaseProject.h"
#include "ruledriver/XARuleCaseRunner.h"
#include "ruledriver/XARuleCaseTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

[[maybe_unused]] testing::Environment *const kRuleCaseEnvironment =
    testing::AddGlobalTestEnvironment(new XARuleCaseEnvironment);

TEST_P(XARuleCaseTest, ReportsExactlyWhatTheCaseExpects) { runCase(); }

INSTANTIATE_TEST_SUITE_P(TestRules, XARuleCaseTest,
                         testing::ValuesIn(XARuleCaseTestParameters(XATestRuleRegistry(),
                                                                    TESSARY_SOURCE_DIR "/tests/engine/rulecases")),
                         XARuleCaseTestName);

} // namespace

namespace {

// The cases of a case file written with the given text.
std::vector<XARuleCase> casesOf(const XAScratchFolder &folder, const std::string &fileName, const std::string &text) {
    return XAReadRuleCaseFile(folder.write(fileName, text));
}

// The problems of running the only case of a case file for the rule the file is named after.
std::vector<std::string> problemsOf(const std::string &fileName, const std::string &text) {
    XAScratchFolder folder;
    const std::vector<XARuleCase> cases = casesOf(folder, fileName, text);
    EXPECT_EQ(cases.size(), 1u);
    return XARunRuleCase(XATestRuleRegistry().ruleWithShortName(cases[0].ruleShortName), cases[0],
                         TESSARY_FIXTURES_DIR "/projects");
}

TEST(XARuleCaseFileTest, ReadsCasesFilesAndMarkers) {
    XAScratchFolder folder;
    const std::vector<XARuleCase> cases = casesOf(folder, "TestForbiddenCall+More.mm",
                                                  "| options: {\"functionNames\": [\"exit\"]}\n"
                                                  "#include <stdlib.h>\n"
                                                  "\n"
                                                  "//--- first: one file\n"
                                                  "\n"
                                                  "void f(void) { \u2193exit(1); } // expect: id=exit\n"
                                                  "//--- second, with two files\n"
                                                  "| options: {\"functionNames\": [\"abort\"]}\n"
                                                  "| project: {\"arc\": false}\n"
                                                  "| file: A.h\n"
                                                  "void a(void);\n"
                                                  "| file: Sub/B.c\n"
                                                  "void b(void) {\n"
                                                  "    \u2193abort(); \u2193abort();\n"
                                                  "}\n"
                                                  "// expect-nofile:\n"
                                                  "//--- first: one file\n"
                                                  "void g(void) {}\n");
    ASSERT_EQ(cases.size(), 3u);
    for (const XARuleCase &ruleCase : cases) {
        EXPECT_THAT(ruleCase.problems, IsEmpty()) << ruleCase.title;
        EXPECT_EQ(ruleCase.ruleShortName, "TestForbiddenCall");
    }
    const XARuleCase &first = cases[0];
    EXPECT_EQ(first.testName(), "TestForbiddenCall_first__one_file");
    ASSERT_EQ(first.files.size(), 1u);
    EXPECT_EQ(first.files[0].name, "Case.mm");
    EXPECT_EQ(first.files[0].text, "#include <stdlib.h>\n\nvoid f(void) { exit(1); } \n");
    ASSERT_EQ(first.markers.size(), 1u);
    EXPECT_EQ(first.markers[0].offset, first.files[0].text.find("exit"));
    EXPECT_EQ(first.markers[0].line, 3u);
    EXPECT_EQ(first.markers[0].column, 16u);
    EXPECT_EQ(first.markers[0].caseFileLine, 6u);
    EXPECT_EQ(first.markers[0].identifier, "exit");
    EXPECT_EQ(first.options.get("functionNames")->array()->size(), 1u);

    const XARuleCase &second = cases[1];
    EXPECT_EQ(second.options.get("functionNames")->array()->front(), XAValue("abort"));
    EXPECT_EQ(second.projectFacts.get("arc")->boolean(), false);
    ASSERT_EQ(second.files.size(), 2u);
    EXPECT_EQ(second.files[1].name, "Sub/B.c");
    ASSERT_EQ(second.markers.size(), 2u);
    EXPECT_EQ(second.markers[1].fileName, "Sub/B.c");
    EXPECT_EQ(second.markers[1].line, 4u);
    EXPECT_EQ(second.markers[1].column, 14u);
    EXPECT_FALSE(second.markers[1].identifier);
    ASSERT_EQ(second.otherFindings.size(), 1u);
    EXPECT_FALSE(second.otherFindings[0].path);
    EXPECT_FALSE(second.otherFindings[0].identifier);

    // A repeated title is told apart.
    EXPECT_EQ(cases[2].testName(), "TestForbiddenCall_first__one_file_2");
}

TEST(XARuleCaseFileTest, NamesWhatIsWrongWithTheNotation) {
    struct Case {
        const char *text;
        const char *problem;
    };
    const Case cases[] = {
        {"void f(void) {}\n", "holds no case"},
        {"//---\nvoid f(void) {}\n", "the case has no title"},
        {"//--- empty\n\n", "the case has no code"},
        {"//--- x\n| option: {}\nvoid f(void) {}\n", "unknown directive \"| option: {}\""},
        {"| fixtures: iOSApp\n//--- x\nvoid f(void) {}\n", "unknown header directive"},
        {"//--- x\n| options: [1]\nvoid f(void) {}\n", "is not a JSON object"},
        {"//--- x\n| options: {\"a\": }\nvoid f(void) {}\n", "is not JSON"},
        {"//--- x\n| project: {\"platform\": \"tvos\"}\nvoid f(void) {}\n", "\"platform\" must be"},
        {"//--- x\n| project: {\"arc\": \"no\"}\nvoid f(void) {}\n", "\"arc\" must be true or false"},
        {"//--- x\n| project: {\"prefix\": \"A\"}\nvoid f(void) {}\n", "unknown project fact \"prefix\""},
        {"//--- x\n| file: ../Out.m\nvoid f(void) {}\n", "relative file name"},
        {"//--- x\n| file: A.m\n| file: A.m\nvoid f(void) {}\n", "names the file A.m twice"},
        {"//--- x\nvoid f(void) {} // expect: id=f\n", "expects 1 identifiers but marks 0"},
        {"//--- x\nvoid f(void) {} // expect: name=f\n", "only \"id=<identifier>\""},
        {"//--- x\n// expect-file: id=f\nvoid f(void) {}\n", "needs a path"},
        {"void \u2193g(void);\n//--- x\nvoid f(void) {}\n", "a marker stands above the first case"},
        {"//--- x\n// expect-info: abort\nvoid f(void) {}\n", "needs a text and a marked line before it"},
        {"//--- x\n// expect-error:\nvoid f(void) {}\n", "\"// expect-error:\" needs a text"},
        {"//--- x\n// expect-severity: 5\nvoid f(void) {}\n", "needs a number and a marked line before it"},
        {"//--- x\nvoid \u2193f(void);\n// expect-severity: high\n", "needs a number and a marked line before it"},
        {"//--- x\n| project: {\"name\": \"a/b\"}\nvoid f(void) {}\n", "\"name\" must be a file name"},
    };
    for (const Case &c : cases) {
        XAScratchFolder folder;
        const std::vector<XARuleCase> read = casesOf(folder, "TestForbiddenCall.m", c.text);
        ASSERT_FALSE(read.empty()) << c.text;
        EXPECT_THAT(read[0].problems, Contains(HasSubstr(c.problem))) << c.text;
    }
}

TEST(XARuleCaseRunnerTest, ACaseThatDoesNotCompileFails) {
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "//--- x\nvoid f(void) { int broken = ; }\n"),
                Contains(HasSubstr("the case does not compile")));
}

TEST(XARuleCaseRunnerTest, AFindingWithoutAMarkerFails) {
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "#include <stdlib.h>\n//--- x\nvoid f(void) { abort(); }\n"),
                ElementsAre(HasSubstr("Case.m:2:16 id=abort \"abort is forbidden\": a finding without a marker")));
}

TEST(XARuleCaseRunnerTest, AMarkerWithoutAFindingFails) {
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "#include <stdlib.h>\n//--- x\nvoid f(void) { \u2193exit(1); }\n"),
                ElementsAre(HasSubstr("Case.m:2:16 (case file line 3): a marker without a finding")));
}

TEST(XARuleCaseRunnerTest, AFindingWithAnotherIdentifierFailsBothWays) {
    EXPECT_THAT(
        problemsOf("TestForbiddenCall.m",
                   "#include <stdlib.h>\n//--- x\nvoid f(void) { \u2193abort(); } // expect: id=exit\n"),
        ElementsAre(HasSubstr("a finding without a marker"), HasSubstr("a marker without a finding with id=exit")));
}

TEST(XARuleCaseRunnerTest, InfoExpectationsApplyToTheLastMarkedLine) {
    const std::string header = "#include <stdlib.h>\n//--- x\nvoid f(void) { \u2193abort(); \u2193abort(); }\n";
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", header + "// expect-info: abort is forbidden\nvoid g(void);\n"),
                IsEmpty());
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", header + "// expect-info: exit\n"),
                ElementsAre(HasSubstr("(case file line 3): the info \"abort is forbidden\" does not contain \"exit\""),
                            HasSubstr("the info \"abort is forbidden\" does not contain \"exit\"")));
}

TEST(XARuleCaseRunnerTest, SeverityExpectationsApplyToTheLastMarkedLine) {
    const std::string header = "#include <stdlib.h>\n//--- x\nvoid f(void) { \u2193abort(); \u2193abort(); }\n";
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", header + "// expect-severity: 5\n"), IsEmpty());
    EXPECT_THAT(
        problemsOf("TestForbiddenCall.m", header + "// expect-severity: 3\n"),
        ElementsAre(HasSubstr("(case file line 3): severity 5 instead of 3"), HasSubstr("severity 5 instead of 3")));
}

TEST(XARuleCaseProjectTest, TheCaseNamesTheProjectAndItsPlatform) {
    XAScratchFolder folder;
    const std::vector<XARuleCase> cases =
        casesOf(folder, "TestForbiddenCall.m",
                "//--- x\n| project: {\"name\": \"Zorbl\", \"platform\": \"watchos\"}\nvoid f(void);\n");
    ASSERT_EQ(cases.size(), 1u);
    EXPECT_THAT(cases[0].problems, IsEmpty());
    XAScratchFolder scratch;
    std::vector<std::string> problems;
    const std::optional<XARuleCaseProject> project =
        XAMakeRuleCaseProject(cases[0], scratch.path(), TESSARY_FIXTURES_DIR "/projects", problems);
    ASSERT_TRUE(project) << testing::PrintToString(problems);
    EXPECT_EQ(project->xcodeprojPath, scratch.path() + "/RuleCase/Zorbl.xcodeproj");
    EXPECT_TRUE(std::filesystem::is_regular_file(project->xcodeprojPath + "/project.pbxproj"));
    EXPECT_FALSE(std::filesystem::exists(scratch.path() + "/RuleCase/RuleCase.xcodeproj"));
}

TEST(XARuleCaseRunnerTest, ExpectationsOfOtherFilesMustBeMet) {
    EXPECT_THAT(problemsOf("TestUnprefixedClass.m", "| project: {\"classPrefix\": \"TQX\"}\n"
                                                    "//--- x\n"
                                                    "void f(void);\n"
                                                    "// expect-nofile: id=classPrefix\n"
                                                    "// expect-file: Other.m id=Other\n"),
                ElementsAre(HasSubstr("case file line 4: no finding without a file with id=classPrefix"),
                            HasSubstr("case file line 5: no finding in Other.m with id=Other")));
}

TEST(XARuleCaseRunnerTest, InfoExpectationsRightAfterAnExpectationOfAnotherFileApplyToIt) {
    const std::string header = "| fixture: iOSApp\n| project: {\"classPrefix\": \"TQX\"}\n//--- x\nvoid f(void);\n"
                               "// expect-file: iOSApp/AppDelegate.h id=IAAppDelegate\n";
    EXPECT_THAT(problemsOf("TestUnprefixedClass.m", header + "// expect-info: IAAppDelegate\n"), IsEmpty());
    EXPECT_THAT(problemsOf("TestUnprefixedClass.m", header + "// expect-info: Nothing like it\n"),
                ElementsAre(HasSubstr("(case file line 5): the info \"")));
}

TEST(XARuleCaseRunnerTest, AnExpectedErrorThatTheRuleDoesNotReportFails) {
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "//--- x\nvoid f(void);\n// expect-error: Cannot read\n"),
                ElementsAre(HasSubstr("case file line 3: no error containing \"Cannot read\"")));
}

TEST(XARuleCaseRunnerTest, RuleOptionsAreCheckedAgainstTheRule) {
    EXPECT_THAT(
        problemsOf("TestForbiddenCall.m", "//--- x\n"
                                          "| options: {\"functionName\": [\"exit\"], \"ignoredFileRegexes\": [\"(\"]}\n"
                                          "void f(void);\n"),
        ElementsAre(HasSubstr("has no option functionName"), HasSubstr("the option ignoredFileRegexes does not take")));
}

TEST(XARuleCaseRunnerTest, ACaseNeedsAKnownRuleAndAnExistingConfiguration) {
    EXPECT_THAT(problemsOf("NoSuchRule.m", "//--- x\nvoid f(void);\n"),
                ElementsAre(HasSubstr("there is no rule named NoSuchRule")));
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "//--- x\n| project: {\"configuration\": \"Beta\"}\nvoid f(void);\n"),
                ElementsAre(HasSubstr("no build configuration named Beta")));
    EXPECT_THAT(problemsOf("TestForbiddenCall.m", "| fixture: NoSuchFixture\n//--- x\nvoid f(void);\n"),
                ElementsAre(HasSubstr("cannot copy the fixture project")));
}

} // namespace
