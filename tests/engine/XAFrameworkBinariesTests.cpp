// The binaries a target links, found from its "Link Binary with Libraries" phase.

#include "engine/XAFrameworkBinaries.h"

#include "engine/XARuleContext.h"
#include "project/XAProjectModelTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

using Visits = std::vector<std::pair<bool, std::string>>;

class XAFrameworkBinariesTest : public ::testing::Test {
protected:
    // The one-target project App whose frameworks phase links the given file references, in order.
    std::shared_ptr<XAProject> projectLinking(const std::vector<std::pair<std::string, std::string>> &pathsAndTypes) {
        std::vector<std::string> fileRefs;
        for (std::size_t index = 0; index < pathsAndTypes.size(); ++index) {
            fileRefs.push_back("F_LINK" + std::to_string(index));
        }
        XATestProjectBuilder builder = XAOneTargetProject({}, fileRefs);
        std::vector<std::string> buildFiles;
        for (std::size_t index = 0; index < pathsAndTypes.size(); ++index) {
            const std::string id = std::to_string(index);
            builder.fileReference("F_LINK" + id, pathsAndTypes[index].first, pathsAndTypes[index].second, "<absolute>");
            buildFiles.push_back(builder.buildFile("B_LINK" + id, "F_LINK" + id));
        }
        builder.phase("P_LINK", "PBXFrameworksBuildPhase", buildFiles);
        XADictionary target = *builder.objects.get("T_APP")->dictionary();
        target.set("buildPhases", XATestProjectBuilder::list({"P_SRC", "P_RES", "P_LINK"}));
        builder.objects.set("T_APP", XAValue(std::move(target)));
        auto project = XAProject::projectWithXcodeproj(builder.write(scratch_, "App"));
        fake_.settings["Debug"] = {{"App", {}}};
        fake_.settings["Release"] = {{"App", {}}};
        project->setXcodebuildRunnerForTesting(fake_.runner());
        EXPECT_TRUE(project->loadProject(nullptr));
        return project;
    }

    Visits visit(const std::shared_ptr<XAProject> &project) {
        XARuleContext context(project, project->targetForName("App"), project->buildConfigurationForName("Debug"),
                              XAConfiguration(), nullptr, nullptr, {});
        Visits visits;
        frameworkBinariesInBuildPhases(
            context, [&visits](bool isDylib, const std::string &path) { visits.emplace_back(isDylib, path); });
        return visits;
    }

    XAScratchFolder scratch_;
    XAFakeXcodebuild fake_;
};

TEST_F(XAFrameworkBinariesTest, LibrariesAndTheExecutablesOfFrameworksAreVisitedInPhaseOrder) {
    const std::string dylib = scratch_.write("Libs/libShared.dylib", "");
    const std::string archive = scratch_.write("Libs/libStatic.a", "");
    const std::string executable = scratch_.write("Libs/Kit.framework/Versions/A/Kit", "");
    const std::string nested = scratch_.write("Libs/Kit.framework/Versions/A/Libraries/libInner.dylib", "");
    scratch_.write("Libs/Kit.framework/Versions/A/Resources/Info.plist", "");
    scratch_.write("Libs/Kit.framework/Versions/A/.hidden", "");
    std::filesystem::create_symlink("Versions/A/Kit", scratch_ / "Libs/Kit.framework/Kit");
    auto project = projectLinking({{scratch_ / "Libs/Kit.framework", "wrapper.framework"},
                                   {dylib, "compiled.mach-o.dylib"},
                                   {scratch_ / "Libs/libMissing.dylib", "compiled.mach-o.dylib"},
                                   {"/usr/lib/os-release", "compiled.mach-o.dylib"},
                                   {archive, "archive.ar"},
                                   {scratch_.write("Libs/notes.txt", ""), "text"}});

    EXPECT_THAT(visit(project),
                ElementsAre(Pair(true, executable), Pair(true, nested), Pair(true, dylib), Pair(false, archive)));
}

} // namespace
