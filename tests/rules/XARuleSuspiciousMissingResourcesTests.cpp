// String tables that no target of the project copies as a resource.

#include "XAFixtureCheckSupport.h"

#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"
#include "project/XAProject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAre;

TEST(XARuleSuspiciousMissingResourcesTest, StringTablesInNoTargetAreReportedWithoutInfo) {
    struct Case {
        std::string fixture;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        // Not the table of the second target, nor the text and configuration files that are in no target either.
        {"orphan-strings", {{"App/Orphan.strings", 0, "", ""}}},
        {"RuleCase", {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.fixture);
        XAScratchFolder scratch;
        const XAFixtureCheck check = XACheckFixture(scratch, testCase.fixture, {"SuspiciousMissingResources"});
        EXPECT_THAT(check.findings, ElementsAreArray(testCase.expected));
    }
}

// A project without targets cannot be checked as a whole; the rule is given the project alone.
TEST(XARuleSuspiciousMissingResourcesTest, AProjectWithoutTargetsHasEveryStringTableReported) {
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("SuspiciousMissingResources");
    ASSERT_NE(rule, nullptr);
    const std::string folder = TESSARY_FIXTURES_DIR "/projects/no-targets";
    auto project = XAProject::projectWithXcodeproj(folder + "/NoTargets.xcodeproj");
    ASSERT_TRUE(project->readPbxproj(nullptr));
    ASSERT_TRUE(project->targets().empty());
    XARuleContext context(project, nullptr, nullptr, XAConfiguration(), nullptr, nullptr, {rule});
    std::vector<std::string> paths;
    for (const XADiagnostic &diagnostic : rule->applyWithContext(context)) {
        paths.push_back(diagnostic.filePath().value_or(""));
        EXPECT_FALSE(diagnostic.instanceInfo().has_value());
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactFunctionality);
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityWarning);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceHigh);
    }
    EXPECT_THAT(paths, UnorderedElementsAre(folder + "/App/Main.strings", folder + "/App/de.lproj/Main.strings"));
}
