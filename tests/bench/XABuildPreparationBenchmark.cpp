// The preparation of a check up to its compilation infos, on a generated project of one target with 2,000 source
// files: the project loaded (its file read, the settings of both configurations resolved through the xcodebuild
// stand-in), the build log taken from a dry run of the stand-in or from the log cache, cut into steps, and a
// compilation info made for every source file. Precompiled headers are not processed. The counters split each
// preparation into the project load (the resolved settings from xcodebuild, or from the caches folder once they are
// kept there) and the build part (which the log cache spares the xcodebuild dry run).

#include "XABenchmarkEnvironment.h"
#include "XAProjectFileGenerator.h"

#include "codemodel/XABuild.h"
#include "codemodel/XALibclang.h"
#include "codemodel/XALibclangLoader.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "engine/config/XAConfiguration.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

constexpr XAProjectFileGenerator::ProjectShape kShape{1, 4000}; // one target: 2,000 sources and 2,000 headers
constexpr std::size_t kSourceFiles = 2000;

// A generated project in a temporary folder with a caches root of its own, removed at the end.
class XAGeneratedBuildProject {
public:
    XAGeneratedBuildProject() {
        std::filesystem::create_directories(folder_.path() / "Generated.xcodeproj");
        std::ofstream(folder_.path() / "Generated.xcodeproj/project.pbxproj", std::ios::binary)
            << XAProjectFileGenerator::generateProject(kShape);
    }
    std::string xcodeprojPath() const { return folder_.path() / "Generated.xcodeproj"; }

private:
    XABenchmarkFolder folder_{"tessary-bench-build"};
};

// How long the two halves of one preparation took, in milliseconds.
struct XAPreparationTimes {
    double load = 0;  // the project file and the resolved settings
    double build = 0; // the build log (fresh or cached), its steps and the compilation infos
};

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Load, log and compilation infos; the first error text, or nothing when every source file has its info.
std::optional<std::string> prepare(const std::string &xcodeprojPath, bool *usedCachedLog, XAPreparationTimes *times) {
    std::string firstError;
    bool cached = false;
    const XAProgressHandler progress = [&](const XAProgressMessage &message) {
        if (message.isError() && firstError.empty()) {
            firstError = message.message();
        }
        cached = cached || message.message() == "Reading cached build steps";
    };
    const auto start = std::chrono::steady_clock::now();
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    if (!project->loadProject(progress)) {
        return "the project did not load: " + firstError;
    }
    auto target = project->targetForName("Target0");
    auto configuration = project->buildConfigurationForName("Debug");
    if (!target || !configuration) {
        return "the generated project has no Target0 in Debug";
    }
    times->load += millisecondsSince(start);
    const auto buildStart = std::chrono::steady_clock::now();
    XABuild build(project, target, configuration, XAConfiguration());
    if (!build.processBuildWithPermissionToProcessPCHs(false, progress)) {
        return "the preparation failed: " + firstError;
    }
    times->build += millisecondsSince(buildStart);
    if (build.compilationInfosByFilePath().size() != kSourceFiles) {
        return "only " + std::to_string(build.compilationInfosByFilePath().size()) + " compilation infos";
    }
    *usedCachedLog = cached;
    return std::nullopt;
}

void reportTimes(benchmark::State &state, const XAPreparationTimes &times) {
    const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["load_ms"] = times.load / iterations;
    state.counters["build_ms"] = times.build / iterations;
}

void clearCaches(const std::string &xcodeprojPath) {
    XAProject project(xcodeprojPath);
    XAClearAllCachedBuildLogInfo(project, nullptr);
}

// Every iteration starts without a cached log, so xcodebuild runs.
void BM_PrepareBuildOf2000FilesFresh(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedBuildProject generated;
    XAPreparationTimes times;
    for (auto _ : state) {
        state.PauseTiming();
        clearCaches(generated.xcodeprojPath());
        state.ResumeTiming();
        bool cached = true;
        if (auto failure = prepare(generated.xcodeprojPath(), &cached, &times); failure || cached) {
            state.SkipWithError(failure ? failure->c_str() : "a cached log was used");
            break;
        }
    }
    reportTimes(state, times);
}

// Every iteration takes the log that the first run cached.
void BM_PrepareBuildOf2000FilesWithCachedLog(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedBuildProject generated;
    bool cached = false;
    XAPreparationTimes warmUp;
    if (auto failure = prepare(generated.xcodeprojPath(), &cached, &warmUp)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAPreparationTimes times;
    for (auto _ : state) {
        if (auto failure = prepare(generated.xcodeprojPath(), &cached, &times); failure || !cached) {
            state.SkipWithError(failure ? failure->c_str() : "the cached log was not used");
            break;
        }
    }
    reportTimes(state, times);
}

} // namespace

BENCHMARK(BM_PrepareBuildOf2000FilesFresh)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrepareBuildOf2000FilesWithCachedLog)->Unit(benchmark::kMillisecond)->UseRealTime();
