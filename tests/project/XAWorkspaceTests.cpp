#include "project/XAWorkspace.h"

#include "core/XAPaths.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string workspaceData(const std::string &elements) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Workspace version = \"1.0\">\n" + elements + "</Workspace>\n";
}

XATaskResults listResults(int status, const std::string &output, const std::string &error = "") {
    XATaskResults results;
    results.exitStatus = status;
    results.standardOutput = output;
    results.standardError = error;
    return results;
}

} // namespace

TEST(XAWorkspace, FileReferencesResolveByLocationKind) {
    XAScratchFolder folder;
    const std::string root = xa_stringByStandardizingPath(folder.path());
    for (const char *file : {"A/B/c.xcodeproj/project.pbxproj", "d.xcodeproj/project.pbxproj", "Notes.txt",
                             "abs/e.xcodeproj/project.pbxproj"}) {
        folder.write(file, "");
    }
    folder.write("Shop.xcworkspace/contents.xcworkspacedata",
                 workspaceData(R"(<Group location = "group:A"><Group location = "group:B">
                                      <FileRef location = "group:c.xcodeproj"/></Group></Group>
                                  <Group location = "container:"><FileRef location = "group:"/></Group>
                                  <FileRef location = "container:d.xcodeproj"/>
                                  <FileRef location = "developer:Applications/Instruments.app"/>
                                  <FileRef location = "self:"/>
                                  <FileRef location = "Notes.txt"/>
                                  <FileRef location = "group:a:b.xcodeproj"/>
                                  <FileRef/>
                                  <Other location = "group:Notes.txt"/>
                                  <FileRef location = " GROUP :Missing.xcodeproj"/>
                                  <FileRef location = "absolute:)" +
                               root + R"(/abs/e.xcodeproj"/>
                                  <FileRef location = "group:Notes.txt"/>)"));
    XAWorkspace workspace(folder / "Shop.xcworkspace");
    XAProgressRecorder recorder;
    ASSERT_TRUE(workspace.readWorkspaceDataWithProgress(recorder.handler()));
    EXPECT_EQ(workspace.workspaceName(), "Shop");
    EXPECT_THAT(workspace.fileReferencePaths(), ElementsAre(root + "/A/B/c.xcodeproj", root, root + "/d.xcodeproj",
                                                            root + "/abs/e.xcodeproj", root + "/Notes.txt"));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError),
                ElementsAre("Unknown workspace FileRef location format: Notes.txt",
                            "Unknown workspace FileRef location format: group:a:b.xcodeproj",
                            "Unknown workspace FileRef location format: ",
                            "Workspace FileRef not found on disk: " + root + "/Missing.xcodeproj"));
}

TEST(XAWorkspace, DisplayNameAndReadingFailures) {
    XAScratchFolder folder;
    folder.write("App.xcodeproj/project.xcworkspace/contents.xcworkspacedata", workspaceData(""));
    folder.write("Broken.xcworkspace/contents.xcworkspacedata", "<Workspace><FileRef");
    XAWorkspace projectWorkspace(folder / "App.xcodeproj/project.xcworkspace");
    EXPECT_TRUE(projectWorkspace.readWorkspaceDataWithProgress(nullptr));
    EXPECT_EQ(projectWorkspace.workspaceName(), "App (Project workspace)");
    EXPECT_THAT(projectWorkspace.fileReferencePaths(), IsEmpty());

    struct Case {
        std::string path;
        std::string error;
    } cases[] = {{"", "No path to xcworkspace given"},
                 {folder / "Missing.xcworkspace", "Could not read workspace data: "},
                 {folder / "Broken.xcworkspace", "Could not parse workspace data XML: "}};
    for (const Case &c : cases) {
        XAProgressRecorder recorder;
        XAWorkspace workspace(c.path);
        EXPECT_FALSE(workspace.readWorkspaceDataWithProgress(recorder.handler())) << c.path;
        const auto errors = recorder.texts(XAProgressMessageKindError);
        ASSERT_EQ(errors.size(), 1u) << c.path;
        EXPECT_TRUE(errors[0].starts_with(c.error)) << errors[0];
    }
}

TEST(XAWorkspace, SchemeNamesAreTheIndentedLinesAfterTheSchemesHeading) {
    XAWorkspace workspace("/work/Shop.xcworkspace");
    std::vector<std::pair<std::optional<std::string>, std::vector<std::string>>> calls;
    std::string output = "Information about workspace \"Shop\":\n    Targets:\n        App\n        Lib\n\n"
                         "    Schemes:\n        Shop\n        Lib\n        Shop\n      Indented less\n        Late\n";
    workspace.setXcodebuildRunnerForTesting([&](const auto &directory, const auto &arguments) {
        calls.emplace_back(directory, arguments);
        return listResults(0, output);
    });
    ASSERT_TRUE(workspace.gatherSchemeNamesWithProgress(nullptr));
    EXPECT_THAT(workspace.schemeNames(), ElementsAre("Shop", "Lib"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, "/work");
    EXPECT_THAT(calls[0].second, ElementsAre("-workspace", "Shop.xcworkspace", "-list"));

    output = "    schemes:\n        First\n\n        After a blank line\n";
    ASSERT_TRUE(workspace.gatherSchemeNamesWithProgress(nullptr));
    EXPECT_THAT(workspace.schemeNames(), ElementsAre("First"));

    XAProgressRecorder recorder;
    workspace.setXcodebuildRunnerForTesting(
        [](const auto &, const auto &) { return listResults(66, "", "xcodebuild: error: no workspace"); });
    EXPECT_FALSE(workspace.gatherSchemeNamesWithProgress(recorder.handler()));
    EXPECT_THAT(recorder.texts(XAProgressMessageKindError), ElementsAre("xcodebuild: error: no workspace"));
    EXPECT_THAT(workspace.schemeNames(), ElementsAre("First")) << "a failed run leaves the names as they were";
}

TEST(XAWorkspace, SchemesThroughTheStandInXcodebuild) {
    XAStagedDeveloperToolsScope tools;
    if (!tools.usable()) {
        GTEST_SKIP() << "the developer directory of this process was fixed before this test";
    }
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    ASSERT_TRUE(environment.setUp());
    XAWorkspace workspace(TESSARY_FIXTURES_DIR "/workspaces/Shop.xcworkspace");
    XAProgressRecorder recorder;
    ASSERT_TRUE(workspace.gatherSchemeNamesWithProgress(recorder.handler()))
        << testing::PrintToString(recorder.texts(XAProgressMessageKindError));
    EXPECT_THAT(workspace.schemeNames(), ElementsAre("Ghost", "Library", "Shop"));
}
