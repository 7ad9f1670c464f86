// scripts/check-real-projects, run on fixture folders with the staged checker.

#include "platform/XAStagedProgramSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace XAStagedPrograms;

namespace {

// The script run in `folder` on the folders it names relative to it, with caches and temporary files inside it.
XATaskResults checkRealProjects(const std::string &folder, const std::vector<std::string> &projectFolders) {
    Environment environment = cleanEnvironment();
    environment["HOME"] = folder;
    environment["TMPDIR"] = folder;
    environment["TESSARY_OUT"] = stageDir();
    std::vector<std::string> arguments = {std::string(TESSARY_SOURCE_DIR) + "/scripts/check-real-projects"};
    arguments.insert(arguments.end(), projectFolders.begin(), projectFolders.end());
    return XATask::xa_execute("/bin/sh", arguments, folder, std::nullopt,
                              [&environment](XATaskSetup &setup) { setup.environment = environment; });
}

// The app imports the framework of the other project of the folder's workspace, which it links without depending on
// it: only through the workspace's scheme do its imports resolve. Both targets are checked, each once.
TEST(XARealProjectsScriptTest, ChecksTheTargetsOfAWorkspaceThroughItsSchemes) {
    TemporaryFolder folder;
    std::filesystem::copy(std::string(TESSARY_FIXTURES_DIR) + "/projects/ModuleFramework",
                          folder.path() + "/ModuleFramework", std::filesystem::copy_options::recursive);
    const XATaskResults results = checkRealProjects(folder.path(), {"ModuleFramework"});
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    const std::string report = standardOutput(results);
    EXPECT_THAT(report, testing::HasSubstr(
                            "ModuleFramework: 2 targets, 3 files checked, 0 with compiler errors (100.0% parse)\n"));
    EXPECT_THAT(report,
                testing::HasSubstr("  target ModuleFramework/App.xcodeproj App: 2 files, 0 with compiler errors "
                                   "(SDK gap not completed 0, missing project file 0, missing dependency 0), "
                                   "100.0% parse;"));
    EXPECT_THAT(report, testing::HasSubstr("  target ModuleFramework/Kit/Kit.xcodeproj Kit: 1 files, 0 with compiler "
                                           "errors"));
}

// A module that no SDK framework provides (a Swift package's, say) is a missing dependency, not an SDK gap.
TEST(XARealProjectsScriptTest, CountsAMissingModuleOfAPackageAsAMissingDependency) {
    TemporaryFolder folder;
    std::filesystem::copy(std::string(TESSARY_FIXTURES_DIR) + "/projects/ModuleFramework",
                          folder.path() + "/ModuleFramework", std::filesystem::copy_options::recursive);
    std::ofstream(folder.path() + "/ModuleFramework/App/main.m", std::ios::app) << "\n@import FancySwiftPackage;\n";
    const XATaskResults results = checkRealProjects(folder.path(), {"ModuleFramework"});
    EXPECT_EQ(results.exitStatus, 0) << standardError(results);
    EXPECT_THAT(standardOutput(results),
                testing::HasSubstr("  target ModuleFramework/App.xcodeproj App: 2 files, 1 with compiler errors "
                                   "(SDK gap not completed 0, missing project file 0, missing dependency 1), "));
}

} // namespace
