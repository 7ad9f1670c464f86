#include "project/XAResolvedBuildSettingsCache.h"

#include "XAProjectModelTestSupport.h"
#include "project/XAProjectTarget.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

// A copy of the iOSApp fixture whose App.xcconfig also includes Extra.xcconfig (a file the project does not list),
// loaded with a fake xcodebuild and the settings cache in a scratch caches root.
class XAResolvedBuildSettingsCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(TESSARY_FIXTURES_DIR "/projects/iOSApp", folder_ / "iOSApp",
                              std::filesystem::copy_options::recursive);
        append("iOSApp/Config/App.xcconfig", "#include \"Extra.xcconfig\"\n");
        folder_.write("iOSApp/Config/Extra.xcconfig", "EXTRA = 1\n");
        fake_.settings["Debug"] = {{"iOSApp", {{"CONFIGURATION", "Debug"}}}, {"iOSAppTests", {{"A", "b"}}}};
        fake_.settings["Release"] = {{"iOSApp", {{"CONFIGURATION", "Release"}}}, {"iOSAppTests", {{"A", "c"}}}};
    }

    void append(const std::string &relative, const std::string &text) {
        std::ofstream(folder_ / relative, std::ios::app) << text;
    }

    // Loads a new project object for the copy; the number of xcodebuild runs it took.
    std::size_t load(std::shared_ptr<XAProject> *loaded = nullptr) {
        const std::size_t before = fake_.calls().size();
        auto project = XAProject::projectWithXcodeproj(folder_ / "iOSApp/iOSApp.xcodeproj");
        project->setXcodebuildRunnerForTesting(fake_.runner());
        project->setUsesResolvedBuildSettingsDiskCache(true);
        EXPECT_TRUE(project->loadProject(nullptr));
        if (loaded) {
            *loaded = project;
        }
        return fake_.calls().size() - before;
    }

    XAScratchFolder folder_;
    XAScratchFolder caches_;
    XAScopedEnvironmentVariable cacheHome_{"XDG_CACHE_HOME", caches_.path()};
    XAFakeXcodebuild fake_;
};

} // namespace

TEST_F(XAResolvedBuildSettingsCacheTest, ASecondLoadOfAnUnchangedProjectRunsNoXcodebuild) {
    EXPECT_EQ(load(), 2u);
    std::shared_ptr<XAProject> project;
    EXPECT_EQ(load(&project), 0u);
    EXPECT_THAT(*project->resolvedBuildSettingsForTarget(*project->targetForName("iOSApp"), "Release"),
                ElementsAre(Pair("CONFIGURATION", "Release")));
    EXPECT_THAT(*project->resolvedBuildSettingsForTarget(*project->targetForName("iOSAppTests"), "Debug"),
                ElementsAre(Pair("A", "b")));
}

TEST_F(XAResolvedBuildSettingsCacheTest, AnyChangeThatShapesTheSettingsRunsXcodebuildAgain) {
    const std::vector<std::string> changedFiles = {"iOSApp/iOSApp.xcodeproj/project.pbxproj",
                                                   "iOSApp/Config/Shared.xcconfig", "iOSApp/Config/Extra.xcconfig"};
    ASSERT_EQ(load(), 2u);
    for (const std::string &file : changedFiles) {
        append(file, "\n// changed\n");
        EXPECT_EQ(load(), 2u) << file;
        EXPECT_EQ(load(), 0u) << file;
    }
}

TEST_F(XAResolvedBuildSettingsCacheTest, AChangedEnvironmentRunsXcodebuildAgain) {
    ASSERT_EQ(load(), 2u);
    {
        // xcodebuild takes every environment variable as a build setting.
        XAScopedEnvironmentVariable setting("TESSARY_TEST_SETTING", "1");
        EXPECT_EQ(load(), 2u);
        EXPECT_EQ(load(), 0u);
    }
    {
        XAScopedEnvironmentVariable setting("TESSARY_TEST_SETTING", "2");
        EXPECT_EQ(load(), 2u);
    }
    EXPECT_EQ(load(), 2u) << "without the variable again";
}

TEST_F(XAResolvedBuildSettingsCacheTest, IncompleteSettingsAreNotKept) {
    fake_.settings["Release"] = {{"iOSApp", {{"CONFIGURATION", "Release"}}}};
    EXPECT_EQ(load(), 2u);
    EXPECT_EQ(load(), 2u);
}

TEST_F(XAResolvedBuildSettingsCacheTest, AProjectWithATestRunnerKeepsNothingUnlessAsked) {
    XAProject project(folder_ / "iOSApp/iOSApp.xcodeproj");
    EXPECT_TRUE(project.usesResolvedBuildSettingsDiskCache());
    project.setXcodebuildRunnerForTesting(fake_.runner());
    EXPECT_FALSE(project.usesResolvedBuildSettingsDiskCache());
    ASSERT_TRUE(project.loadProject(nullptr));
    EXPECT_FALSE(std::filesystem::exists(XAResolvedBuildSettingsCache(project).filePath()));
}

TEST_F(XAResolvedBuildSettingsCacheTest, AnUnreadableFileCountsAsAbsent) {
    ASSERT_EQ(load(), 2u);
    std::shared_ptr<XAProject> project;
    load(&project);
    std::ofstream(XAResolvedBuildSettingsCache(*project).filePath(), std::ios::trunc) << "not a property list";
    EXPECT_EQ(load(), 2u);
    EXPECT_EQ(load(), 0u);
}
