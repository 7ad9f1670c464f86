// BM_ColdCheckOf300Files: a cold check (the build-log cache cleared before each) of a generated project of 300 files,
// a third of which use SDK members the stand-in lacks, with the SDK completion of the xcodebuild stand-in (argument 1)
// and without it (argument 0): completion may cost at most half again as much.
//
// A whole check of a generated project of 500 Objective-C files, each importing the UIKit stand-in, with every code
// rule of the registry, against the bare parse of the same files with libclang on as many workers. Before the timed
// checks one check fills the caches (the resolved settings and the build log), so every timed check is a second check
// of an unchanged project.
//
// Counters: "files"; "preparation_share" (the preparation's part of the whole check, from the operation's own
// dates); "peak_rss_mib" (the process's peak resident memory so far, meaningful when the benchmark runs alone in its
// process). Compare the real times of BM_CheckingRunOf500Files and BM_BareParseOf500Files for the engine's overhead.

#include "XABenchmarkEnvironment.h"
#include "XAObjectiveCSourceGenerator.h"

#include "codemodel/XABuild.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAParallelFor.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>

#include <tbb/task_arena.h>

#include <cstdlib>
#include <fstream>

#include <sys/resource.h>

namespace {

constexpr int kFiles = 500;
constexpr int kJobs = 4;

// One Objective-C file with one class.
std::string sourceText(int index) {
    return "#import <UIKit/UIKit.h>\n\n" + XAGeneratedObjectiveCClass("XAChecked" + std::to_string(index), index);
}

// A use of SDK members the SDK stand-in lacks, which the SDK completion declares.
std::string sdkGapText(int index) {
    return "\nstatic CGFloat XAUsesGaps" + std::to_string(index) +
           "(UIView *view, id sender) {\n"
           "    [view fancyPokeWithLevel:3];\n"
           "    [sender fancyNudge:view];\n"
           "    NSString *key = UIFancyChangedNotification;\n"
           "    (void)key;\n"
           "    return [view fancyWidth];\n"
           "}\n";
}

class XAGeneratedCheckedProject {
public:
    // Every `gapEvery`-th file (none for 0) also uses SDK members the stand-in lacks.
    explicit XAGeneratedCheckedProject(int files = kFiles, int gapEvery = 0) {
        std::filesystem::create_directories(folder_.path() / "App.xcodeproj");
        std::filesystem::create_directories(folder_.path() / "Sources");
        std::ofstream(folder_.path() / "App.xcodeproj/project.pbxproj")
            << XASourcesOnlyProjectText(XANumberedSourceFileNames("XAChecked", files));
        for (int index = 0; index < files; ++index) {
            std::ofstream(folder_.path() / "Sources" / ("XAChecked" + std::to_string(index) + ".m"))
                << sourceText(index) << (gapEvery > 0 && index % gapEvery == 0 ? sdkGapText(index) : "");
        }
    }
    std::string xcodeprojPath() const { return folder_.path() / "App.xcodeproj"; }

private:
    XABenchmarkFolder folder_{"tessary-bench-check"};
};

double peakResidentMiB() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

XAConfiguration benchmarkConfiguration() {
    XAConfiguration configuration;
    configuration.setValue(XAOptionValue(kJobs),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kNumConcurrentJobs));
    return configuration;
}

// A check as the command line runs one: load the project, choose, run; the error text of a failed check.
std::optional<std::string> check(const std::string &xcodeprojPath, double *preparationShare,
                                 std::size_t *checkedFiles) {
    std::string firstError;
    const XAProgressHandler progress = [&](const XAProgressMessage &message) {
        if (message.isError() && firstError.empty()) {
            firstError = message.logMessage();
        }
    };
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    if (!project->loadProject(progress)) {
        return "the project did not load: " + firstError;
    }
    const XAConfiguration configuration = benchmarkConfiguration();
    auto ruleSet = std::make_shared<XARuleSet>();
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (rule->isCursorRule) {
            ruleSet->rules().push_back(rule);
        }
    }
    auto target = XACheckingOperation::determineTargetForProject(*project, configuration, progress);
    auto buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, progress);
    auto operation = XACheckingOperation::operationWithProject(project, target, buildConfig, ruleSet, configuration);
    operation->applyRulesWithProgress(progress, nullptr, true);
    if (!operation->diagnostics()) {
        return "the check failed: " + firstError;
    }
    *preparationShare = operation->preparationDuration() / operation->operationDuration();
    *checkedFiles = operation->compilationInfosForFilesToCheck().size();
    return std::nullopt;
}

void BM_CheckingRunOf500Files(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedCheckedProject generated;
    double share = 0;
    std::size_t files = 0;
    if (auto failure = check(generated.xcodeprojPath(), &share, &files)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    double shares = 0;
    for (auto _ : state) {
        if (auto failure = check(generated.xcodeprojPath(), &share, &files)) {
            state.SkipWithError(failure->c_str());
            break;
        }
        shares += share;
    }
    state.counters["files"] = static_cast<double>(files);
    state.counters["preparation_share"] =
        shares / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["peak_rss_mib"] = peakResidentMiB();
}

// The same files parsed and disposed of with libclang, one index per file, on as many workers, with the compilation
// infos of a prepared build; no rule, no walk.
void BM_BareParseOf500Files(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedCheckedProject generated;
    auto project = XAProject::projectWithXcodeproj(generated.xcodeprojPath());
    project->loadProject(nullptr);
    const auto target = project->targetForName("App");
    XABuild build(project, target, target ? target->buildConfigurationForName("Debug") : nullptr,
                  benchmarkConfiguration());
    if (!target || !build.processBuildWithPermissionToProcessPCHs(true, nullptr)) {
        state.SkipWithError("the generated project does not build");
        return;
    }
    std::vector<std::shared_ptr<const XAProjectFileCompilationInfo>> infos;
    for (const auto &[path, info] : build.compilationInfosByFilePath()) {
        infos.push_back(info);
    }
    tbb::task_arena arena(kJobs);
    for (auto _ : state) {
        arena.execute([&] {
            XAParallelFor(infos.size(), [&](std::size_t index) {
                XAClangIndexOwner libclangIndex(XALibclang::fn().clang_createIndex(0, 0));
                XAError error;
                XATranslationUnitOwner unit(XAParseTranslationUnit(
                    libclangIndex.get(), infos[index]->filePath(), infos[index]->parsingCompilerArgs(),
                    CXTranslationUnit_DetailedPreprocessingRecord, &error));
                benchmark::DoNotOptimize(unit.get());
            });
        });
    }
    state.counters["files"] = static_cast<double>(infos.size());
    state.counters["peak_rss_mib"] = peakResidentMiB();
}

// state.range(0): 1 with the SDK completion, 0 without it (TESSARY_SDK_COMPLETION=NO for the xcodebuild stand-in).
void BM_ColdCheckOf300Files(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const bool completion = state.range(0) == 1;
    XAGeneratedCheckedProject generated(300, 3);
    auto project = XAProject::projectWithXcodeproj(generated.xcodeprojPath());
    project->loadProject(nullptr);
    double share = 0;
    std::size_t files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        XAClearAllCachedBuildLogInfo(*project, nullptr);
        ::setenv("TESSARY_SDK_COMPLETION", completion ? "YES" : "NO", 1);
        state.ResumeTiming();
        if (auto failure = check(generated.xcodeprojPath(), &share, &files)) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    ::unsetenv("TESSARY_SDK_COMPLETION");
    state.counters["files"] = static_cast<double>(files);
}

} // namespace

BENCHMARK(BM_ColdCheckOf300Files)->Arg(0)->Arg(1)->ArgName("completion")->Unit(benchmark::kMillisecond)->UseRealTime()
    ->Iterations(2);
BENCHMARK(BM_CheckingRunOf500Files)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BareParseOf500Files)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
