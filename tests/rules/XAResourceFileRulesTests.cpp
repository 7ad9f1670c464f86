// The rules on resource names, duplicates and image variants beyond their case files: silence on the tidy project,
// what a duplicate finding names, and the duplicate search on a target with many resources of one size.

#include "XAFixtureCheckSupport.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"
#include "project/XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using ::testing::IsEmpty;

namespace {

const std::vector<std::string> kResourceFileRules = {
    "UnknownResourceModifier", "GlobalAndLocalizedResource",    "DuplicateResource",
    "RetinaImagesResolution",  "MissingImageResolutionVariant", "MissingDeviceTypeResource"};

} // namespace

TEST(XAResourceFileRulesTest, TheTidyProjectGivesNoFindings) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "RuleCase", kResourceFileRules);
    EXPECT_THAT(check.findings, IsEmpty());
}

TEST(XAResourceFileRulesTest, ADuplicateNamesTheOtherFileByItsPath) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "resource-duplicates", {"DuplicateResource"});
    const auto first = std::find_if(check.diagnostics.begin(), check.diagnostics.end(), [](const XADiagnostic &d) {
        return d.filePath() && d.filePath()->ends_with("/App/dup-first.txt");
    });
    ASSERT_NE(first, check.diagnostics.end());
    EXPECT_EQ(first->instanceIdentifier(), check.projectFolder + "/App/dup-second.txt");
    EXPECT_EQ(first->severity(), XADiagnosticSeverityConcern);
    EXPECT_EQ(first->confidence(), XADiagnosticConfidenceAbsolute);
}

// 2,000 resources, 500 of them of one size with different contents, and one pair of equal files among those: each
// size is read once and contents are compared by digest, so the search stays far from quadratic file reading.
TEST(XAResourceFileRulesTest, DuplicatesAmongManyFilesOfOneSizeAreFoundQuickly) {
    XAScratchFolder scratch;
    std::vector<std::string> references;
    for (int index = 0; index < 2000; ++index) {
        // The first 500 files hold eight bytes each, the last of them a copy of the first; the others differ in size.
        const std::string contents = index < 500 ? std::to_string(10000000 + (index == 499 ? 0 : index))
                                                 : std::string(static_cast<std::size_t>(index), 'x');
        scratch.write("r" + std::to_string(index) + ".dat", contents);
        references.push_back("F_R" + std::to_string(index));
    }
    XATestProjectBuilder builder = XAOneTargetProject(references, references);
    for (std::size_t index = 0; index < references.size(); ++index) {
        builder.fileReference(references[index], "r" + std::to_string(index) + ".dat", "file");
    }
    const std::string xcodeproj = builder.write(scratch, "Many");
    auto project = XAProject::projectWithXcodeproj(xcodeproj);
    ASSERT_TRUE(project->readPbxproj(nullptr));
    ASSERT_TRUE(project->primaryAppTarget());
    ASSERT_EQ(project->primaryAppTarget()->resourceFiles().size(), 2000u);

    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("DuplicateResource");
    ASSERT_NE(rule, nullptr);
    XARuleContext context(project, project->primaryAppTarget(), nullptr, XAConfiguration(), nullptr, nullptr, {rule});
    const auto start = std::chrono::steady_clock::now();
    const XADiagnostics diagnostics = rule->applyWithContext(context);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics.front().filePath(), scratch / "r0.dat");
    EXPECT_EQ(diagnostics.front().instanceIdentifier(), scratch / "r499.dat");
    EXPECT_LT(elapsed, std::chrono::seconds(1));
}

// A folder reference whose folder holds a link to itself: the link is taken as it is, never followed, so the walk
// ends; the copy inside the folder is still found.
TEST(XAResourceFileRulesTest, ALinkInsideAFolderReferenceIsNotFollowed) {
    XAScratchFolder scratch;
    scratch.write("Top.txt", "top contents");
    scratch.write("Data/Copy.txt", "top contents");
    std::filesystem::create_directory_symlink("..", scratch / "Data/Loop");
    XATestProjectBuilder builder = XAOneTargetProject({"F_TOP", "F_DATA"}, {"F_TOP", "F_DATA"});
    builder.fileReference("F_TOP", "Top.txt", "text");
    builder.fileReference("F_DATA", "Data", "folder");
    auto project = XAProject::projectWithXcodeproj(builder.write(scratch, "Linked"));
    ASSERT_TRUE(project->readPbxproj(nullptr));

    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("DuplicateResource");
    ASSERT_NE(rule, nullptr);
    XARuleContext context(project, project->primaryAppTarget(), nullptr, XAConfiguration(), nullptr, nullptr, {rule});
    const XADiagnostics diagnostics = rule->applyWithContext(context);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics.front().filePath(), scratch / "Top.txt");
    EXPECT_EQ(diagnostics.front().instanceIdentifier(), scratch / "Data/Copy.txt");
}
