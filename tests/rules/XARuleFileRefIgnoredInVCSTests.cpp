// File references that the Git repository ignores, checked from end to end in prepared working copies.

#include "XAWorkingCopyCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const char *const kRule = "FileRefIgnoredInVCS";

std::string checkIgnoreCommand(const std::string &path) { return "git check-ignore -v \"" + path + "\""; }

} // namespace

TEST(XARuleFileRefIgnoredInVCSTest, IgnoredReferencesInsideTheWorkingCopy) {
    struct Case {
        const char *name;
        const char *fixture;
        XAWorkingCopy workingCopy;
        std::vector<XAFileAndIdentifier> expected;
        const char *resolvedPath; // relative to the project folder
    };
    const std::vector<Case> cases = {
        {"a file in an ignored build folder",
         "ignored-build",
         {.files = {{".gitignore", "build/\n"}}},
         {{"build/Generated.h", ""}},
         "build/Generated.h"},
        {"a path through a build setting names the stored path and asks about the resolved one",
         "ignored-srcroot",
         {.files = {{".gitignore", "Generated/\n"}}},
         {{"${SRCROOT}/Generated/Config.h", ""}},
         "Generated/Config.h"},
        {"dependency managers' files, files left out of the index, SDK, product and system references",
         "exempt",
         {.files = {{".gitignore", "build/\nPods/\nCarthage/\n*.framework\nlogo.png\n"}}},
         {},
         nullptr},
        {"a sibling folder whose name extends the root's is outside the working copy",
         "outside-sibling",
         {.files = {{".gitignore", "*.png\n"}}},
         {},
         nullptr},
        {"a repository that cannot be opened is asked nothing",
         "ignored-build",
         {.kind = XAWorkingCopyKind::BrokenGit, .files = {{".gitignore", "build/\n"}}},
         {},
         nullptr},
        {"an ignore file one level up, at the root of the working copy",
         "ignored-build",
         {.rootAboveProject = true, .files = {{"../.gitignore", "Generated.h\n"}}},
         {{"build/Generated.h", ""}},
         "build/Generated.h"},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder scratch;
        const std::string xcodeproj = XAPrepareWorkingCopy(scratch, testCase.fixture, testCase.workingCopy);
        const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
        EXPECT_THAT(XAFilesAndIdentifiers(check), ElementsAreArray(testCase.expected));
        EXPECT_FALSE(XARuleWasNotApplied(check, kRule)) << "a Git marker, even a broken one, makes a Git project";
        for (const XADiagnostic &diagnostic : check.diagnostics) {
            EXPECT_EQ(diagnostic.instanceInfo()->xmlString(),
                      "This file is ignored in the VCS. You can use the following command to determine which ignore "
                      "rule applies to the file: <code>" +
                          checkIgnoreCommand(check.projectFolder + "/" + testCase.resolvedPath) + "</code>");
            EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityError);
            EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
            EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceAbsolute);
        }
    }
}

TEST(XARuleFileRefIgnoredInVCSTest, OnlyGitProjectsAreChecked) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(
        scratch, "ignored-build", {.kind = XAWorkingCopyKind::Mercurial, .files = {{".gitignore", "build/\n"}}});
    const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
    EXPECT_THAT(check.findings, IsEmpty());
    EXPECT_TRUE(XARuleWasNotApplied(check, kRule, "Applies to projects under Git version control."));
}

TEST(XARuleFileRefIgnoredInVCSTest, TheResolvedPathIsEscapedInTheMarkup) {
    XAScratchFolder scratch;
    const std::string xcodeproj = XAPrepareWorkingCopy(
        scratch, "ignored-build", {.projectFolderName = "R&D", .files = {{".gitignore", "build/\n"}}});
    const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
    ASSERT_EQ(check.diagnostics.size(), 1u);
    EXPECT_THAT(check.diagnostics[0].instanceInfo()->xmlString(), HasSubstr("/R&amp;D/build/Generated.h\"</code>"));
}
