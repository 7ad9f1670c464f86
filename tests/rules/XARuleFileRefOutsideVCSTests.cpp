// File references outside the working copy, checked from end to end in prepared working copies: the run's hiding of
// findings on files outside the working copy must not swallow this rule's.

#include "XAWorkingCopyCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

const char *const kRule = "FileRefOutsideVCS";

} // namespace

TEST(XARuleFileRefOutsideVCSTest, ReferencesOutsideTheWorkingCopyInEachKindOfWorkingCopy) {
    struct Case {
        const char *name;
        const char *fixture;
        XAWorkingCopy workingCopy;
        std::vector<XAFileAndIdentifier> expected;
        const char *systemName;
    };
    const std::string ignoresDependencies = "build/\nPods/\nCarthage/\n";
    const std::vector<Case> cases = {
        {"an absolute path in a home folder", "outside-absolute", {}, {{"/Users/dev/Shared/logo.png", ""}}, "Git"},
        {"a sibling folder whose name extends the root's",
         "outside-sibling",
         {},
         {{"../app-assets/logo.png", ""}},
         "Git"},
        {"sources inside, SDK, developer, product, build-setting and system references",
         "exempt",
         {.files = {{".gitignore", ignoresDependencies}}},
         {},
         "Git"},
        {"under Mercurial",
         "outside-absolute",
         {.kind = XAWorkingCopyKind::Mercurial},
         {{"/Users/dev/Shared/logo.png", ""}},
         "Mercurial"},
        {"a Git marker that cannot be opened still marks the root",
         "outside-absolute",
         {.kind = XAWorkingCopyKind::BrokenGit},
         {{"/Users/dev/Shared/logo.png", ""}},
         "Git"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder scratch;
        const std::string xcodeproj = XAPrepareWorkingCopy(scratch, testCase.fixture, testCase.workingCopy);
        const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
        EXPECT_THAT(XAFilesAndIdentifiers(check), ElementsAreArray(testCase.expected));
        for (const XADiagnostic &diagnostic : check.diagnostics) {
            EXPECT_EQ(diagnostic.instanceInfo()->xmlString(),
                      std::string("File referenced by project is outside the ") + testCase.systemName +
                          " working copy root, which is at: <filepath>" + check.projectFolder + "</filepath>");
            EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
            EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
            EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceAbsolute);
        }
    }
}

TEST(XARuleFileRefOutsideVCSTest, WithoutAWorkingCopyTheRuleIsNotApplied) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(scratch, "outside-absolute", {.kind = XAWorkingCopyKind::None});
    const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule, "FileRefWithAbsPath"});
    EXPECT_THAT(XAFilesAndIdentifiers(check), ElementsAre(XAFileAndIdentifier{"/Users/dev/Shared/logo.png", ""}))
        << "only the absolute-path rule's finding";
    EXPECT_TRUE(
        XARuleWasNotApplied(check, kRule,
                            "Applies to projects using one of these version control systems: Git, Mercurial, Bazaar, "
                            "Subversion, Fossil."))
        << ::testing::PrintToString(check.debugMessages);
}

TEST(XARuleFileRefOutsideVCSTest, TheRootIsEscapedInTheMarkup) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(scratch, "outside-absolute", {.projectFolderName = "R&D <1>"});
    const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
    ASSERT_EQ(check.diagnostics.size(), 1u);
    EXPECT_THAT(check.diagnostics[0].instanceInfo()->xmlString(), HasSubstr("/R&amp;D &lt;1&gt;</filepath>"));
}

TEST(XARuleFileRefOutsideVCSTest, ConfiguredExclusionsOfTheRuleStillApply) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(scratch, "outside-absolute", {});
    const XAFixtureCheck check =
        XACheckProject(xcodeproj, {kRule}, {{kRule, {{"ignoredFileRegexes", XAOptionValue::Array{"^/Users/dev/"}}}}});
    EXPECT_TRUE(check.findings.empty());
}
