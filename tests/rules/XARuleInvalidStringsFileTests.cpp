// String tables of the checked target that do not read as property lists, with the reader's message.

#include "XAFixtureCheckSupport.h"

#include "core/XAPaths.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"
#include "project/XAProject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

namespace {

const std::string kPrefix = "String resource file could not be interpreted. Error: ";

const XARuleDescriptor &invalidStringsFileRule() {
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("InvalidStringsFile");
    EXPECT_NE(rule, nullptr);
    return *rule;
}

// The message names the table by its path in the scratch copy; "$PROJECT" stands for the project folder.
std::string withProjectFolderAsPlaceholder(std::string text, const std::string &projectFolder) {
    for (std::size_t at = text.find(projectFolder); !projectFolder.empty() && at != std::string::npos;
         at = text.find(projectFolder, at)) {
        text.replace(at, projectFolder.size(), "$PROJECT");
    }
    return text;
}

// The rule given the fixture project, read where it lies, and its first application target.
struct XAFixtureRuleRun {
    explicit XAFixtureRuleRun(const std::string &fixture, const std::string &xcodeproj)
        : folder(TESSARY_FIXTURES_DIR "/projects/" + fixture),
          project(XAProject::projectWithXcodeproj(folder + "/" + xcodeproj + ".xcodeproj")) {
        EXPECT_TRUE(project->readPbxproj(nullptr)) << fixture;
        context.emplace(project, project->primaryAppTarget(), nullptr, XAConfiguration(), nullptr, nullptr,
                        std::vector<const XARuleDescriptor *>{&invalidStringsFileRule()});
    }

    std::string folder;
    std::shared_ptr<XAProject> project;
    std::optional<XARuleContext> context;
};

} // namespace

TEST(XARuleInvalidStringsFileTest, TablesThatDoNotReadAreReportedWithTheReadersMessage) {
    struct Case {
        std::string fixture;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        // The semicolon is missing after the entry of line 2; the reader stops at the next entry. Its message quotes
        // the file, so it is escaped into the markup.
        {"strings-invalid",
         {{"App/Localizable.strings", 0, "",
           kPrefix + "$PROJECT/App/Localizable.strings: line 3: expected &apos;;&apos; after the value of key "
                     "&quot;greeting&quot; but found a quoted string"}}},
        {"strings-missing",
         {{"App/Localizable.strings", 0, "",
           kPrefix + "$PROJECT/App/Localizable.strings: file does not exist or is not readable or is not a regular "
                     "file"}}},
        // An empty table, one of blank lines and a valid one; the broken table is in no target.
        {"strings-valid", {}},
        {"RuleCase", {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.fixture);
        XAScratchFolder scratch;
        XAFixtureCheck check = XACheckFixture(scratch, testCase.fixture, {"InvalidStringsFile"});
        for (XAFixtureFinding &finding : check.findings) {
            finding.info = withProjectFolderAsPlaceholder(finding.info, check.projectFolder);
        }
        EXPECT_THAT(check.findings, ElementsAreArray(testCase.expected));
    }
}

TEST(XARuleInvalidStringsFileTest, AppliesOnlyToProjectsWithStringTables) {
    const auto applies = [](const std::string &fixture, const std::string &xcodeproj) {
        XAFixtureRuleRun run(fixture, xcodeproj);
        return invalidStringsFileRule().appliesToContext(*run.context);
    };
    EXPECT_TRUE(applies("strings-valid", "StringsValid"));
    EXPECT_TRUE(applies("no-targets", "NoTargets")) << "tables in no target make a localised project too";
    EXPECT_FALSE(applies("xcconfig-resource", "XcconfigResource"));
    EXPECT_FALSE(applies("RuleCase", "RuleCase"));
}

// The tables are checked at the same time; the findings still come in the order of the Resources phase, which here
// runs against the order of the names.
TEST(XARuleInvalidStringsFileTest, FindingsComeInTheOrderOfTheTargetsResources) {
    XAFixtureRuleRun run("strings-invalid-several", "StringsInvalidSeveral");
    std::vector<std::string> reported;
    for (const XADiagnostic &diagnostic : invalidStringsFileRule().applyWithContext(*run.context)) {
        reported.push_back(xa_lastPathComponent(diagnostic.filePath().value_or("")));
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactFunctionality);
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceHigh);
    }
    EXPECT_THAT(reported, ElementsAreArray({"Table11.strings", "Table09.strings", "Table07.strings", "Table05.strings",
                                            "Table03.strings", "Table01.strings"}));
}
