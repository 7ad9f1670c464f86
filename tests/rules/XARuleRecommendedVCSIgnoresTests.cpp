// The repository's ignore rules held against what an Xcode project should ignore, on the tidy project in prepared
// Git working copies.

#include "XAWorkingCopyCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

const char *const kRule = "RecommendedVCSIgnores";
const std::string kTidyProject = TESSARY_FIXTURES_DIR "/projects/RuleCase";
const std::string kRecommended = kXARecommendedGitIgnore;

struct ReportedGroup {
    std::string name;
    std::string markup; // the finding's info
    bool operator==(const ReportedGroup &) const = default;
};

void PrintTo(const ReportedGroup &group, std::ostream *stream) { *stream << group.name << ": " << group.markup; }

ReportedGroup shouldBeIgnored(const std::string &name, const std::string &listItems) {
    return {name, "<strong>" + name +
                      "</strong> should be ignored in the version control system. The un-ignored "
                      "paths are: <ul>" +
                      listItems + "</ul>"};
}

ReportedGroup shouldNotBeIgnored(const std::string &name, const std::string &listItems) {
    return {name, "<strong>" + name +
                      "</strong> should <strong>not</strong> be ignored in the version control "
                      "system. The ignored paths are: <ul>" +
                      listItems + "</ul>"};
}

std::vector<ReportedGroup> reportedGroups(const XAFixtureCheck &check) {
    std::vector<ReportedGroup> groups;
    for (const XADiagnostic &diagnostic : check.diagnostics) {
        groups.push_back({diagnostic.instanceIdentifier().value_or(""), diagnostic.instanceInfo()->xmlString()});
        EXPECT_EQ(diagnostic.filePath(), std::nullopt);
        EXPECT_EQ(diagnostic.severity(), XADiagnosticSeverityConcern);
        EXPECT_EQ(diagnostic.impact(), XADiagnosticImpactMaintainability);
        EXPECT_EQ(diagnostic.confidence(), XADiagnosticConfidenceHigh);
    }
    return groups;
}

} // namespace

TEST(XARuleRecommendedVCSIgnoresTest, GroupsWhoseIgnoreStateDiffersFromTheExpectation) {
    struct Case {
        const char *name;
        XAWorkingCopy workingCopy;
        XAFixtureRuleOptions options;
        std::vector<ReportedGroup> expected;
    };
    const std::vector<Case> cases = {
        {"the recommended ignores", {.files = {{".gitignore", kRecommended}}}, {}, {}},
        {"build folders and swap files ignored, but not .DS_Store",
         {.files = {{".gitignore", "build/\nDerivedData/\n*.swp\n*.mode1v3\n*.mode2v3\n*.perspectivev3\n"
                                   "*.moved-aside\n"}}},
         {},
         {shouldBeIgnored("Temporary files", "<li><code>.DS_Store</code></li>")}},
        {"nothing ignored: each folder pattern shown as its folder",
         {},
         {},
         {shouldBeIgnored("The Xcode build folder", "<li><code>build/</code></li> <li><code>DerivedData/</code></li>"),
          shouldBeIgnored("Temporary files", "<li><code>.DS_Store</code></li> <li><code>*.swp</code></li>"),
          shouldBeIgnored("Xcode private settings files", "<li><code>*.mode1v3</code></li> "
                                                          "<li><code>*.mode2v3</code></li> "
                                                          "<li><code>*.perspectivev3</code></li>"),
          shouldBeIgnored("Xcode moved-aside files", "<li><code>*.moved-aside</code></li>")}},
        {"ignored workspace data",
         {.files = {{".gitignore", kRecommended + "RuleCase.xcodeproj/project.xcworkspace/\n"}}},
         {},
         {shouldNotBeIgnored("The Xcode workspace data",
                             "<li><code>RuleCase.xcodeproj/project.xcworkspace/contents.xcworkspacedata</code></li>")}},
        {"ignored workspace data that should be ignored",
         {.files = {{".gitignore", kRecommended + "RuleCase.xcodeproj/project.xcworkspace/\n"}}},
         {{kRule, {{"workspaceIgnored", true}}}},
         {}},
        {"workspace data that should be ignored but is not",
         {.files = {{".gitignore", kRecommended}}},
         {{kRule, {{"workspaceIgnored", true}}}},
         {shouldBeIgnored("The Xcode workspace data",
                          "<li><code>RuleCase.xcodeproj/project.xcworkspace/contents.xcworkspacedata</code></li>")}},
        {"an ignored Pods folder without a Podfile", {.files = {{".gitignore", kRecommended + "Pods/\n"}}}, {}, {}},
        {"an ignored Pods folder with a Podfile one level up",
         {.rootAboveProject = true,
          .files = {{"../.gitignore", kRecommended + "Pods/\n"}, {"../Podfile", "target 'RuleCase'\n"}}},
         {},
         {shouldNotBeIgnored("CocoaPods", "<li><code>Pods/</code></li> <li><code>Pods/Manifest.lock</code></li>")}},
        {"an ignored Podfile.lock, whatever the options say",
         {.files = {{".gitignore", kRecommended + "Podfile.lock\n"}, {"Podfile", ""}}},
         {{kRule, {{"cocoaPodsIgnored", true}}}},
         {shouldBeIgnored("CocoaPods", "<li><code>Pods/</code></li> <li><code>Pods/Manifest.lock</code></li>"),
          shouldNotBeIgnored("CocoaPods Podfile.lock", "<li><code>Podfile.lock</code></li>")}},
        {"an ignored Cartfile.resolved",
         {.files = {{".gitignore", kRecommended + "Carthage/Build/\nCartfile.resolved\n"}, {"Cartfile", ""}}},
         {},
         {shouldNotBeIgnored("Carthage Cartfile.resolved", "<li><code>Cartfile.resolved</code></li>")}},
        {"Carthage folders against their options",
         {.files = {{".gitignore", kRecommended + "Carthage/Checkouts/\n"}, {"Cartfile", ""}}},
         {{kRule, {{"carthageCheckoutsIgnored", true}, {"carthageBuildIgnored", false}}}},
         {}},
        {"no .idea folder: the AppCode group is not looked at", {.files = {{".gitignore", kRecommended}}}, {}, {}},
        {"one AppCode pattern of three not ignored",
         {.files = {{".gitignore", kRecommended + ".idea/workspace.xml\n.idea/*.iws\n"}, {".idea/misc.xml", ""}}},
         {},
         {shouldBeIgnored("User-specific AppCode data files", "<li><code>.idea/tasks.xml</code></li>")}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        XAScratchFolder scratch;
        const std::string xcodeproj = XAPrepareWorkingCopy(scratch, kTidyProject, testCase.workingCopy);
        const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule}, testCase.options);
        EXPECT_THAT(reportedGroups(check), ElementsAreArray(testCase.expected));
    }
}

TEST(XARuleRecommendedVCSIgnoresTest, NothingWithoutAUsableGitRepository) {
    for (XAWorkingCopyKind kind :
         {XAWorkingCopyKind::BrokenGit, XAWorkingCopyKind::Mercurial, XAWorkingCopyKind::None}) {
        SCOPED_TRACE(static_cast<int>(kind));
        XAScratchFolder scratch;
        const std::string xcodeproj = XAPrepareWorkingCopy(scratch, kTidyProject, {.kind = kind});
        const XAFixtureCheck check = XACheckProject(xcodeproj, {kRule});
        EXPECT_THAT(check.findings, IsEmpty());
        EXPECT_EQ(XARuleWasNotApplied(check, kRule, "Applies to projects under Git version control."),
                  kind != XAWorkingCopyKind::BrokenGit);
    }
}
