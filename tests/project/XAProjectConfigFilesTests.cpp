#include "project/XAProject.h"

#include "core/XAHashing.h"
#include "core/XAPaths.h"
#include "project/XAProjectModelTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A project "App" in a scratch folder whose file tree holds the given file names (in the project folder).
std::shared_ptr<XAProject> projectWithFiles(const XAScratchFolder &folder, const std::vector<std::string> &names) {
    std::vector<std::string> ids;
    for (size_t i = 0; i < names.size(); ++i) {
        ids.push_back("F_CONFIG" + std::to_string(i));
    }
    XATestProjectBuilder builder = XAOneTargetProject({}, ids);
    for (size_t i = 0; i < names.size(); ++i) {
        builder.fileReference(ids[i], names[i], "text.json");
    }
    auto project = XAProject::projectWithXcodeproj(builder.write(folder, "App"));
    EXPECT_TRUE(project->readPbxproj(nullptr));
    return project;
}

} // namespace

TEST(XAProjectConfigFiles, ThePrimaryFileIsTheMainOneWhateverTheOrder) {
    struct Case {
        std::string projectFile; // listed before the folder's files
        std::string folderFile;
        std::string primary;
    };
    const Case cases[] = {
        {"TessaryConfig/other.tessary.json", "main.tessary.json", "TessaryConfig/main.tessary.json"},
        {"TessaryConfig/main.tessary.json", "a.tessary.json", "TessaryConfig/main.tessary.json"},
    };
    for (const Case &c : cases) {
        XAScratchFolder folder;
        folder.write(c.projectFile, "{}");
        folder.write("TessaryConfig/" + c.folderFile, "{}");
        folder.write("TessaryConfig/notes.json", "{}");
        const auto project = projectWithFiles(folder, {c.projectFile});
        EXPECT_EQ(project->tessaryConfigFileFolderPath(), folder / "TessaryConfig");
        EXPECT_EQ(project->tessaryConfigFilePaths().size(), 3u) << "the project file is listed again from the folder";
        EXPECT_EQ(project->primaryTessaryConfigFilePath(), folder / c.primary);
        EXPECT_TRUE(project->hasProjectSpecificTessaryConfigFile());
    }
}

TEST(XAProjectConfigFiles, ProjectFilesComeFirstAndTheSuffixTestIsCaseSensitive) {
    XAScratchFolder folder;
    folder.write("TessaryConfig/Main.tessary.json", "{}");
    folder.write("TessaryConfig/strict.TESSARY.json", "{}");
    const auto project = projectWithFiles(folder, {"TessaryConfig/Main.tessary.json", "readme.txt"});
    const std::vector<std::string> expected = {folder / "TessaryConfig/Main.tessary.json",
                                               folder / "TessaryConfig/Main.tessary.json"};
    EXPECT_EQ(project->tessaryConfigFilePaths(), expected) << "a file in both places is listed twice";
    EXPECT_EQ(project->primaryTessaryConfigFilePath(), expected[0])
        << "without a lower-case main file, the first file is primary";
    EXPECT_TRUE(XAProject::filenameIsTessaryConfigFile("Main.tessary.json"));
    EXPECT_FALSE(XAProject::filenameIsTessaryConfigFile("main.tessary.JSON"));
}

TEST(XAProjectConfigFiles, AProjectWithoutConfigurationFilesHasNoPrimaryOne) {
    XAScratchFolder folder;
    const auto project = projectWithFiles(folder, {});
    EXPECT_TRUE(project->tessaryConfigFilePaths().empty());
    EXPECT_EQ(project->primaryTessaryConfigFilePath(), std::nullopt);
    EXPECT_FALSE(project->hasProjectSpecificTessaryConfigFile());
    EXPECT_EQ(project->defaultPathForSavingNewConfigFile(), folder / "TessaryConfig/main.tessary.json");
}

TEST(XAProjectConfigFiles, SavingCreatesTheMissingFolder) {
    XAScratchFolder folder;
    const auto project = projectWithFiles(folder, {});
    XAError error;
    ASSERT_TRUE(XAProject::saveConfigurationText("{\n}\n", project->defaultPathForSavingNewConfigFile(), &error))
        << error.message;
    EXPECT_EQ(XAContentsOfFile(project->defaultPathForSavingNewConfigFile(), nullptr), "{\n}\n");
    EXPECT_EQ(project->primaryTessaryConfigFilePath(), project->defaultPathForSavingNewConfigFile());

    folder.write("blocked", "a file where a folder should be");
    EXPECT_FALSE(XAProject::saveConfigurationText("{}", folder / "blocked/main.tessary.json", &error));
    EXPECT_FALSE(error.message.empty());
}

TEST(XAProjectNewRules, TheNumberStartsAt110AndMarkingStoresTheCurrentMaximum) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable data("XDG_DATA_HOME", folder / "data");
    const auto project = projectWithFiles(folder, {});
    EXPECT_EQ(project->newRulesNotificationOrderNumberCacheKey(), xa_SHA1Hash("App"));
    EXPECT_EQ(project->lastNotificationRuleIntroOrderNumber(), 110u);

    const std::vector<XAProject::RuleIntroduction> rules = {
        {"OldRule", 100}, {"NewRule", 111}, {"NewSelectedRule", 112}, {"NewestRule", 120}};
    EXPECT_EQ(project->newRulesToNotifyAbout(rules, {"NewSelectedRule"}),
              (std::vector<std::string>{"NewRule", "NewestRule"}));

    project->markNewRulesNotified(115);
    EXPECT_EQ(project->lastNotificationRuleIntroOrderNumber(), 115u);
    EXPECT_EQ(project->newRulesToNotifyAbout(rules, {}), std::vector<std::string>{"NewestRule"});

    XAScratchFolder otherFolder;
    const auto otherProject = projectWithFiles(otherFolder, {});
    EXPECT_EQ(otherProject->lastNotificationRuleIntroOrderNumber(), 115u) << "projects of one name share the entry";
}

TEST(XAProjectNewRules, AnUnreadableRecordReadsAsNothingAnnounced) {
    XAScratchFolder folder;
    const XAScopedEnvironmentVariable data("XDG_DATA_HOME", folder / "data");
    folder.write("data/tessary/NewRuleNotificationOrderNumbers.plist", "<?xml broken");
    const auto project = projectWithFiles(folder, {});
    EXPECT_EQ(project->lastNotificationRuleIntroOrderNumber(), 110u);
    project->markNewRulesNotified(130);
    EXPECT_EQ(project->lastNotificationRuleIntroOrderNumber(), 130u);
}
