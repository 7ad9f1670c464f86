#include "project/XAPodfile.h"
#include "project/XAProject.h"
#include "project/XAWorkspace.h"

#include "core/XAPaths.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::vector<std::string> workspaceNames(const std::vector<std::shared_ptr<XAWorkspace>> &workspaces) {
    std::vector<std::string> names;
    for (const auto &workspace : workspaces) {
        names.push_back(workspace->workspaceName());
    }
    return names;
}

} // namespace

TEST(XAPodfile, WorkspaceStatement) {
    struct Case {
        const char *text;
        std::optional<std::string> workspace;
    } cases[] = {
        {"platform :ios, '8.0'\nworkspace 'Shop'\npod 'AFNetworking'\n", "Shop"},
        {"  workspace \"My Shop\"  \n", "My Shop"},
        {"workspace 'My Shop'\n", "'My"},
        {"workspace\n", std::nullopt},
        {"# workspace 'Commented'\n", std::nullopt},
        {"workspace 'First'\n\nworkspace\tSecond.xcworkspace\n", "Second.xcworkspace"},
        {"target 'App' do\n  workspace 'Inner'\nend\n", "Inner"},
    };
    XAScratchFolder folder;
    for (const Case &c : cases) {
        const std::string path = folder.write("Podfile", c.text);
        EXPECT_EQ(XAPodfile(path).workspaceName(), c.workspace) << c.text;
    }
    XALogCapture log;
    EXPECT_EQ(XAPodfile(folder / "Missing/Podfile").workspaceName(), std::nullopt);
    ASSERT_FALSE(log.lines().empty());
    EXPECT_THAT(log.lines().back().second, HasSubstr("Error reading CocoaPods podfile " + folder / "Missing/Podfile"));
}

TEST(XAProjectDependencyManagers, PodfileAndCartfileSearchStopsAtTheWorkingCopyRoot) {
    XAScratchFolder folder;
    const std::string root = xa_stringByStandardizingPath(folder.path());
    std::filesystem::create_directories(folder / "repo/.git");
    std::filesystem::create_directories(folder / "repo/a/b/App.xcodeproj");
    std::filesystem::create_directories(folder / "plain/a/App.xcodeproj");
    folder.write("repo/Podfile", "workspace 'Shop'\n");
    folder.write("repo/Shop.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    std::filesystem::create_directories(folder / "repo/Pods");
    folder.write("Cartfile", "github \"above/the-root\"\n");
    folder.write("plain/Podfile", "");
    folder.write("plain/a/Cartfile", "");

    XAProject inRepository(folder / "repo/a/b/App.xcodeproj");
    EXPECT_EQ(inRepository.cocoaPodsPodfilePath(), root + "/repo/Podfile");
    EXPECT_TRUE(inRepository.usesCocoaPods());
    EXPECT_EQ(inRepository.cocoaPodsFolderPath(), root + "/repo/Pods");
    EXPECT_EQ(inRepository.cocoaPodsWorkspacePath(), root + "/repo/Shop.xcworkspace");
    EXPECT_EQ(inRepository.cocoaPodsPodfile()->workspaceName(), "Shop");
    EXPECT_EQ(inRepository.carthageCartfilePath(), std::nullopt) << "the Cartfile lies above the working copy";
    EXPECT_FALSE(inRepository.usesCarthage());

    // Without a working copy only the project folder counts.
    XAProject plain(folder / "plain/a/App.xcodeproj");
    EXPECT_EQ(plain.cocoaPodsPodfilePath(), std::nullopt);
    EXPECT_EQ(plain.cocoaPodsFolderPath(), std::nullopt);
    EXPECT_EQ(plain.cocoaPodsWorkspacePath(), std::nullopt);
    EXPECT_EQ(plain.carthageCartfilePath(), root + "/plain/a/Cartfile");
}

TEST(XAProjectDependencyManagers, CocoaPodsWorkspaceDefaultsToTheProjectName) {
    XAScratchFolder folder;
    std::filesystem::create_directories(folder / "App.xcodeproj");
    folder.write("Podfile", "pod 'X'\n");
    XAProject project(folder / "App.xcodeproj");
    EXPECT_EQ(project.cocoaPodsWorkspacePath(), std::nullopt);
    EXPECT_EQ(project.cocoaPodsFolderPath(), std::nullopt);
    folder.write("App.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    EXPECT_EQ(project.cocoaPodsWorkspacePath(), xa_stringByStandardizingPath(folder / "App.xcworkspace"));
}

TEST(XAProjectDependencyManagers, RelatedWorkspacesAreLookedForFromTheProjectFolderUpToTheWorkingCopyRoot) {
    XAScratchFolder folder;
    std::filesystem::create_directories(folder / "repo/.git");
    folder.write("repo/Shop.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    folder.write("repo/a/App.xcodeproj/project.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    folder.write("repo/a/Broken.xcworkspace/contents.xcworkspacedata", "<Workspace");
    folder.write("repo/a/Aardvark.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    folder.write("repo/a/.Hidden.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    // Folders below the project folder and beside it are not where the project's workspace lives.
    folder.write("repo/a/sub/Deep.xcworkspace/contents.xcworkspacedata", "<Workspace");
    folder.write("repo/b/Unrelated.xcworkspace/contents.xcworkspacedata", "<Workspace");
    folder.write("Outside.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    XAProject project(folder / "repo/a/App.xcodeproj");
    XAProgressRecorder recorder;
    const auto workspaces = project.relatedWorkspacesWithProgress(recorder.handler());
    EXPECT_THAT(workspaceNames(workspaces), ElementsAre("App (Project workspace)", "Aardvark", "Broken", "Shop"));
    const auto errors = recorder.texts(XAProgressMessageKindError);
    ASSERT_EQ(errors.size(), 1u) << "only the project's own folders are read";
    EXPECT_THAT(errors[0], HasSubstr("Reading workspace data: Could not parse workspace data XML"));

    // Without a working copy only the project folder is searched.
    folder.write("plain/a/App.xcodeproj/project.pbxproj", "");
    folder.write("plain/Above.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    folder.write("plain/a/Beside.xcworkspace/contents.xcworkspacedata", "<Workspace/>");
    EXPECT_THAT(workspaceNames(XAProject(folder / "plain/a/App.xcodeproj").relatedWorkspacesWithProgress(nullptr)),
                ElementsAre("Beside"));
}
