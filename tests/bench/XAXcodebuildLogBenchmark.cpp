// The dry-run log of the xcodebuild stand-in for one target of 2,000 Objective-C files: the target's settings
// resolved, its steps planned and the log text written, as `xcodebuild -dry-run build` does it for the checker.

#include "XAProjectFileGenerator.h"

#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "platform/devtools/XAStandInProject.h"
#include "platform/devtools/XAXcodebuildBuildLog.h"
#include "platform/devtools/XAXcodebuildBuildSteps.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr XAProjectFileGenerator::ProjectShape kShape{1, 4000}; // one target: 2,000 sources and 2,000 headers

class XAGeneratedLogProject {
public:
    XAGeneratedLogProject() {
        folder_ = std::filesystem::temp_directory_path() / ("tessary-bench-xcodebuild-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "Generated.xcodeproj");
        std::ofstream(folder_ / "Generated.xcodeproj/project.pbxproj", std::ios::binary)
            << XAProjectFileGenerator::generateProject(kShape);
    }
    ~XAGeneratedLogProject() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string xcodeprojPath() const { return folder_ / "Generated.xcodeproj"; }
    std::string productsPath() const { return folder_ / "Products"; }

private:
    std::filesystem::path folder_;
};

// The developer directory the build lays out beside the benchmark (<stage>/libexec/tessary-benchmarks).
std::string stagedDeveloperDirectory() {
    std::optional<std::string> executable = xa_executablePath();
    return executable ? xa_stringByStandardizingPath(
                            xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable)) +
                            "/Developer")
                      : std::string();
}

void BM_XcodebuildDryRunLogOf2000Files(benchmark::State &state) {
    XAGeneratedLogProject generated;
    const std::string developerDirectory = stagedDeveloperDirectory();
    std::string error;
    std::optional<XAStandInProject> project =
        XAStandInProject::read(generated.xcodeprojPath(), developerDirectory, &error);
    if (!project || project->targets().empty()) {
        state.SkipWithError(("the generated project cannot be read: " + error).c_str());
        return;
    }
    const std::string products = generated.productsPath();
    const XATargetBuildSettingsInput input{"build",
                                           "Debug",
                                           developerDirectory,
                                           std::nullopt,
                                           std::nullopt,
                                           {{"SYMROOT", products},
                                            {"OBJROOT", products + "/Tessary-ObjRoot"},
                                            {"SHARED_PRECOMPS_DIR", products + "/Tessary-PCH"}}};
    std::size_t compiles = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        XAStandInTargetBuild build = XAPlanTargetBuild(*project, *project->targets().front(), input);
        std::string log = XATargetBuildLogText(build);
        compiles = build.steps.size();
        bytes = log.size();
        benchmark::DoNotOptimize(log);
    }
    state.counters["steps"] = static_cast<double>(compiles);
    state.counters["logMB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(compiles));
}

} // namespace

BENCHMARK(BM_XcodebuildDryRunLogOf2000Files)->Unit(benchmark::kMillisecond);
