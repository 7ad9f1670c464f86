// The rule context's view of the checked target's XIB files.

#include "engine/XARuleContext.h"

#include "codemodel/XABuild.h"
#include "codemodel/XABuildTestSupport.h"
#include "project/XAXIB.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The one-target project "App", built from a log that gives App two XIB files and the target "Lib" of another
// project one XIB in the archive format of Xcode 4.
class XARuleContextXIBTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(XALoadStagedLibclang());
        project_ = XAProject::projectWithXcodeproj(XAOneTargetProject().write(scratch_, "App"));
        fake_.settings["Debug"] = {{"App", {}}};
        fake_.settings["Release"] = {{"App", {}}};
        project_->setXcodebuildRunnerForTesting(fake_.runner());
        ASSERT_TRUE(project_->loadProject(nullptr));
    }

    // A log whose target App compiles main.m, followed by the given steps of App.
    std::shared_ptr<XABuild> buildFromLog(const std::string &appSteps, const std::string &otherTargets = "") {
        const std::string log = otherTargets + "=== BUILD TARGET App OF PROJECT App WITH CONFIGURATION Debug ===\n" +
                                "CompileC /o/main.o " + (scratch_ / "main.m") +
                                " normal x86_64 objective-c com.apple.compilers.llvm.clang.1_0.compiler\n    cd " +
                                scratch_.path() + "\n    /usr/bin/clang -x objective-c -c main.m -o /o/main.o\n" +
                                appSteps;
        auto build = std::make_shared<XABuild>(project_, project_->targetForName("App"),
                                               project_->buildConfigurationForName("Debug"), XAConfiguration());
        build->setXcodebuildRunnerForTesting(
            [log](const std::optional<std::string> &, const std::vector<std::string> &) {
                XATaskResults results;
                results.standardOutput = log;
                return results;
            });
        EXPECT_TRUE(build->processBuildWithPermissionToProcessPCHs(false, nullptr));
        return build;
    }

    XARuleContext contextFor(const std::shared_ptr<XABuild> &build) {
        return XARuleContext(project_, project_->targetForName("App"), project_->buildConfigurationForName("Debug"),
                             XAConfiguration(), build, nullptr, {});
    }

    XAScratchFolder scratch_;
    XAScopedEnvironmentVariable cacheHome_{"XDG_CACHE_HOME", scratch_ / "caches"};
    XAFakeXcodebuild fake_;
    std::shared_ptr<XAProject> project_;
};

const std::string kXIBs = TESSARY_FIXTURES_DIR "/xib/";

TEST_F(XARuleContextXIBTest, GivesTheCheckedTargetsXIBsAndSeesLegacyOnesAnywhereInTheBuild) {
    auto build =
        buildFromLog("CompileXIB " + kXIBs + "ProfileView.xib\nCompileStoryboard " + kXIBs + "Catalog.storyboard\n",
                     "=== BUILD TARGET Lib OF PROJECT Shared WITH CONFIGURATION Debug ===\nCompileXIB " + kXIBs +
                         "LegacyArchive.xib\n\n");
    build->parseAndCacheXIBs();
    XARuleContext context = contextFor(build);

    const XAXIBs xibs = context.XIBsForCheckedTarget();
    ASSERT_EQ(xibs.size(), 2u);
    EXPECT_EQ(xibs[0]->filePath(), kXIBs + "ProfileView.xib");
    EXPECT_EQ(xibs[1]->filePath(), kXIBs + "Catalog.storyboard");
    EXPECT_TRUE(context.buildContainsXIBsThatCannotBeInterpreted());
}

TEST_F(XARuleContextXIBTest, ABuildWithoutXIBsOrNoBuildGivesNone) {
    XARuleContext withoutXIBs = contextFor(buildFromLog(""));
    EXPECT_TRUE(withoutXIBs.XIBsForCheckedTarget().empty());
    EXPECT_FALSE(withoutXIBs.buildContainsXIBsThatCannotBeInterpreted());

    XARuleContext withoutBuild(nullptr, nullptr, nullptr, XAConfiguration(), nullptr, nullptr, {});
    EXPECT_TRUE(withoutBuild.XIBsForCheckedTarget().empty());
    EXPECT_FALSE(withoutBuild.buildContainsXIBsThatCannotBeInterpreted());
}

} // namespace
