#include "XABenchmarkEnvironment.h"
#include "XAProjectFileGenerator.h"

#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr XAProjectFileGenerator::ProjectShape kShape{50, 100}; // 50 targets, 5,000 files

// A generated project in a temporary folder, removed at the end.
class XAGeneratedProject {
public:
    explicit XAGeneratedProject(const XAProjectFileGenerator::ProjectShape &shape) {
        folder_ = std::filesystem::temp_directory_path() / ("tessary-bench-load-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "Generated.xcodeproj");
        std::ofstream(folder_ / "Generated.xcodeproj/project.pbxproj", std::ios::binary)
            << XAProjectFileGenerator::generateProject(shape);
    }
    ~XAGeneratedProject() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string xcodeprojPath() const { return folder_ / "Generated.xcodeproj"; }

private:
    std::filesystem::path folder_;
};

std::size_t cachedSettingsCount(const XAProject &project) {
    std::size_t count = 0;
    for (const auto &target : project.targets()) {
        for (const auto &configuration : project.buildConfigurations()) {
            count += project.resolvedBuildSettingsForTarget(*target, configuration->name()) ? 1 : 0;
        }
    }
    return count;
}

// Reads the project file and builds the file tree and the targets with their phase files.
void BM_ReadGeneratedProject(benchmark::State &state) {
    XAGeneratedProject generated(kShape);
    for (auto _ : state) {
        XAProject project(generated.xcodeprojPath());
        if (!project.readPbxproj(nullptr)) {
            state.SkipWithError("the generated project cannot be read");
            break;
        }
        benchmark::DoNotOptimize(project.targets().size());
    }
}

// The whole load: project file, the resolved settings of every target in both configurations through the
// xcodebuild stand-in (one run per configuration), and validation.
void BM_LoadGeneratedProjectWithStandInXcodebuild(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedProject generated(kShape);
    for (auto _ : state) {
        XAProject project(generated.xcodeprojPath());
        std::string firstError;
        bool loaded = project.loadProject([&firstError](const XAProgressMessage &message) {
            if (message.isError() && firstError.empty()) {
                firstError = message.message();
            }
        });
        const std::size_t expected = static_cast<std::size_t>(kShape.targets) * 2;
        if (!loaded || cachedSettingsCount(project) != expected) {
            state.SkipWithError(("the generated project did not load completely: " + firstError).c_str());
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_ReadGeneratedProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGeneratedProjectWithStandInXcodebuild)->Unit(benchmark::kMillisecond)->UseRealTime();
