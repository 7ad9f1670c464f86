// FileRefIgnoredInVCS on a generated project of 5,000 file references in a Git working copy whose ignore file
// matches a tenth of them: every reference is resolved, standardised and asked of the repository.

#include "XAProjectFileGenerator.h"

#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>
#include <git2.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr XAProjectFileGenerator::ProjectShape kShape{50, 100}; // 50 targets, 5,000 files

class XAGeneratedWorkingCopy {
public:
    XAGeneratedWorkingCopy() {
        folder_ = std::filesystem::temp_directory_path() / ("tessary-bench-vcs-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "Generated.xcodeproj");
        std::ofstream(folder_ / "Generated.xcodeproj/project.pbxproj", std::ios::binary)
            << XAProjectFileGenerator::generateProject(kShape);
        std::ofstream(folder_ / ".gitignore") << "build/\n*7.m\n";
        git_libgit2_init();
        git_repository *repository = nullptr;
        initialised_ = git_repository_init(&repository, folder_.c_str(), 0) == 0;
        git_repository_free(repository);
        git_libgit2_shutdown();
    }
    ~XAGeneratedWorkingCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    bool initialised() const { return initialised_; }
    std::string xcodeprojPath() const { return folder_ / "Generated.xcodeproj"; }

private:
    std::filesystem::path folder_;
    bool initialised_ = false;
};

void BM_FileRefIgnoredInVCSOnGeneratedProject(benchmark::State &state) {
    XAGeneratedWorkingCopy workingCopy;
    auto project = std::make_shared<XAProject>(workingCopy.xcodeprojPath());
    if (!workingCopy.initialised() || !project->readPbxproj(nullptr)) {
        state.SkipWithError("the generated working copy cannot be made");
        return;
    }
    project->determineAndCacheVCSInfoWithProgress(nullptr);
    const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName("FileRefIgnoredInVCS");
    XARuleContext context(project, project->targets().front(), project->buildConfigurations().front(),
                          XAConfiguration(), nullptr, nullptr, {rule});
    std::size_t reported = 0;
    for (auto _ : state) {
        reported = rule->applyWithContext(context).size();
        benchmark::DoNotOptimize(reported);
    }
    state.counters["references"] = static_cast<double>(project->files().size());
    state.counters["reported"] = static_cast<double>(reported);
}

} // namespace

BENCHMARK(BM_FileRefIgnoredInVCSOnGeneratedProject)->Unit(benchmark::kMillisecond);
