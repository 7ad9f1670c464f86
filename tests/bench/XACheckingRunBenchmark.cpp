// Whole checks against the bare parse of the same files, side by side: each round parses the files once with
// libclang on as many workers (no rule, no walk) and checks them once as the command line does, so that both meet the
// same load of a shared machine; "ratio" is the median over the rounds of the check's time over the parse's. Before
// the rounds one check fills the caches (the resolved settings, the build log and the module cache), so every timed
// check is a second check of an unchanged project.
//
// BM_ColdCheckOf300Files/completion: a cold check (the build-log cache cleared before each) of a generated project
// of 300 files, a third of which use SDK members the stand-in lacks, with the SDK completion of the xcodebuild
// stand-in (1) and without it (0): completion may cost at most half again as much.
//
// BM_CheckAgainstBareParse/<files>/<rules>: a generated project of Objective-C files, each importing the UIKit
// stand-in; rules 0 are the default rules of a check, 1 every public rule. BM_CheckOfGivenProject does the same for
// the project at $TESSARY_BENCH_XCODEPROJ (with $TESSARY_BENCH_TARGET, else the default target), and is skipped
// without it; with $TESSARY_BENCH_PARSING_FILES_ONLY=YES, the files in which a first check meets compiler errors are
// excluded from both. Both read the modules that the check before them built, as a second check of an unchanged
// project does; with $TESSARY_BENCH_COLD_MODULES=YES the module caches are cleared before each round's parse, which
// then builds the modules that its check reads. BM_CachedCheckPreparation: the preparation's part of a second check of
// a small project.
//
// Counters: "files"; "check_ms" and "parse_ms" (medians); "ratio"; "preparation_share" (the preparation's part of the
// check, from the operation's own dates, as its statistics message says); "peak_rss_mib" (the process's peak resident
// memory so far). $TESSARY_BENCH_JOBS sets the number of jobs of both (default 4), $TESSARY_BENCH_ROUNDS the number of
// rounds (default 3).

#include "XABenchmarkEnvironment.h"
#include "XAObjectiveCSourceGenerator.h"

#include "codemodel/XABuild.h"
#include "codemodel/XAModulesCache.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "codemodel/XATranslationUnit.h"
#include "core/XAParallelFor.h"
#include "core/XARegex.h"
#include "engine/XACheckingOperation.h"
#include "engine/XACursorRuleDispatch.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <benchmark/benchmark.h>

#include <tbb/task_arena.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <mutex>
#include <set>

#include <sys/resource.h>

namespace {

int numberOfJobs() {
    const char *given = std::getenv("TESSARY_BENCH_JOBS");
    return given && std::atoi(given) > 0 ? std::atoi(given) : 4;
}

// Rounds of the side-by-side benchmarks: $TESSARY_BENCH_ROUNDS, default 3.
int numberOfRounds() {
    const char *given = std::getenv("TESSARY_BENCH_ROUNDS");
    return given && std::atoi(given) > 0 ? std::atoi(given) : 3;
}

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
    explicit XAGeneratedCheckedProject(int files, int gapEvery = 0) {
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

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

enum class XABenchmarkRules { defaults, everyPublicRule };

XAConfiguration benchmarkConfiguration(const std::optional<std::string> &target = std::nullopt) {
    XAConfiguration configuration;
    configuration.setValue(XAOptionValue(numberOfJobs()),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kNumConcurrentJobs));
    if (target) {
        configuration.setValue(XAOptionValue(*target),
                               *XAConfiguration::appOptionWithLongName(XAConfiguration::kTarget));
    }
    return configuration;
}

std::shared_ptr<const XARuleSet> ruleSetFor(XABenchmarkRules rules, const XAConfiguration &configuration) {
    if (rules == XABenchmarkRules::defaults) {
        return XACheckingOperation::determineRuleSetWithConfiguration(configuration, nullptr);
    }
    auto ruleSet = std::make_shared<XARuleSet>();
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (rule->isPublic) {
            ruleSet->rules().push_back(rule);
        }
    }
    return ruleSet;
}

struct XACheckOutcome {
    std::optional<std::string> failure;
    double seconds = 0;
    double preparationShare = 0;
    std::vector<std::shared_ptr<const XACompilationInfo>> checkedFiles;
    std::set<std::string> filesWithCompilerErrors; // paths in Xcode
};

// A check as the command line runs one: load the project, choose, run.
XACheckOutcome check(const std::string &xcodeprojPath, XABenchmarkRules rules, const XAConfiguration &configuration) {
    XACheckOutcome outcome;
    std::string firstError;
    std::mutex compilerErrorsLock;
    const XAProgressHandler progress = [&](const XAProgressMessage &message) {
        if (message.kind() == XAProgressMessageKindCompilerError) {
            const XAValue *file = message.userInfo().get("file");
            std::lock_guard lock(compilerErrorsLock);
            outcome.filesWithCompilerErrors.insert(file && file->string() ? *file->string() : "");
        } else if (message.isError() && firstError.empty()) {
            firstError = message.logMessage();
        }
    };
    const auto start = std::chrono::steady_clock::now();
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    if (!project->loadProject(progress)) {
        outcome.failure = "the project did not load: " + firstError;
        return outcome;
    }
    auto target = XACheckingOperation::determineTargetForProject(*project, configuration, progress);
    auto buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, progress);
    auto operation = XACheckingOperation::operationWithProject(project, target, buildConfig,
                                                               ruleSetFor(rules, configuration), configuration);
    operation->applyRulesWithProgress(progress, nullptr, true);
    outcome.seconds = secondsSince(start);
    if (!operation->diagnostics()) {
        outcome.failure = "the check failed: " + firstError;
        return outcome;
    }
    outcome.preparationShare = operation->preparationDuration() / operation->operationDuration();
    for (const auto &info : operation->compilationInfosForFilesToCheck()) {
        outcome.checkedFiles.push_back(info);
    }
    return outcome;
}

// The files parsed and disposed of with libclang, one index per file, on as many workers; no rule, no walk. With
// modules the first file is parsed alone first, as concurrent first builds of one module can fail.
double bareParseSeconds(const std::vector<std::shared_ptr<const XACompilationInfo>> &infos) {
    const auto parse = [&](std::size_t index) {
        XAClangIndexOwner libclangIndex(XALibclang::fn().clang_createIndex(0, 0));
        XAError error;
        XATranslationUnitOwner unit(XAParseTranslationUnit(libclangIndex.get(), infos[index]->filePath(),
                                                           infos[index]->parsingCompilerArgs(),
                                                           CXTranslationUnit_DetailedPreprocessingRecord, &error));
        benchmark::DoNotOptimize(unit.get());
    };
    const auto start = std::chrono::steady_clock::now();
    tbb::task_arena arena(numberOfJobs());
    arena.execute([&] {
        if (!infos.empty()) {
            parse(0);
        }
        XAParallelFor(infos.size() > 1 ? infos.size() - 1 : 0, [&](std::size_t index) { parse(index + 1); });
    });
    return secondsSince(start);
}

// Rounds of one bare parse and one check of the project, after one check that fills the caches.
void compareWithBareParse(benchmark::State &state, const std::string &xcodeprojPath, XABenchmarkRules rules,
                          const XAConfiguration &configuration) {
    XACheckOutcome outcome = check(xcodeprojPath, rules, configuration);
    if (outcome.failure) {
        state.SkipWithError(outcome.failure->c_str());
        return;
    }
    const char *coldModules = std::getenv("TESSARY_BENCH_COLD_MODULES");
    const bool parseWithColdModules = coldModules && std::string(coldModules) == "YES";
    std::vector<double> checks, parses, ratios, shares;
    for (auto _ : state) {
        if (parseWithColdModules) {
            XAClearModuleCaches(nullptr);
        }
        const double parse = bareParseSeconds(outcome.checkedFiles);
        outcome = check(xcodeprojPath, rules, configuration);
        if (outcome.failure) {
            state.SkipWithError(outcome.failure->c_str());
            return;
        }
        checks.push_back(outcome.seconds);
        parses.push_back(parse);
        ratios.push_back(outcome.seconds / parse);
        shares.push_back(outcome.preparationShare);
    }
    state.counters["files"] = static_cast<double>(outcome.checkedFiles.size());
    state.counters["check_ms"] = 1000 * median(checks);
    state.counters["parse_ms"] = 1000 * median(parses);
    state.counters["ratio"] = median(ratios);
    state.counters["preparation_share"] = median(shares);
    state.counters["peak_rss_mib"] = peakResidentMiB();
}

// state.range(0): the number of files; state.range(1): 0 for the default rules, 1 for every public rule.
void BM_CheckAgainstBareParse(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XAGeneratedCheckedProject generated(static_cast<int>(state.range(0)));
    compareWithBareParse(state, generated.xcodeprojPath(),
                         state.range(1) == 0 ? XABenchmarkRules::defaults : XABenchmarkRules::everyPublicRule,
                         benchmarkConfiguration());
}

// The configuration with the files of the project that the first check found compiler errors in excluded, so that
// the check and the parse cover only files that parse and reach the rules.
std::optional<std::string> excludeFilesWithCompilerErrors(const std::string &xcodeprojPath, XABenchmarkRules rules,
                                                          XAConfiguration &configuration) {
    const XACheckOutcome outcome = check(xcodeprojPath, rules, configuration);
    if (outcome.failure) {
        return outcome.failure;
    }
    XAOptionValue::Array exclusions;
    for (const auto &info : outcome.checkedFiles) {
        if (outcome.filesWithCompilerErrors.contains(XAPathInXcodeOfCompilation(*info))) {
            std::optional<XARegex> regex =
                XARegex::compile("^\\Q" + xa_stringByStandardizingPath(info->filePath()) + "\\E$");
            exclusions.push_back(XAOptionValue(std::move(*regex)));
        }
    }
    configuration.setValue(XAOptionValue(std::move(exclusions)),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kFileExclusionRegexes));
    return std::nullopt;
}

void BM_CheckOfGivenProject(benchmark::State &state) {
    const char *xcodeproj = std::getenv("TESSARY_BENCH_XCODEPROJ");
    if (!xcodeproj || !*xcodeproj) {
        state.SkipWithError("no project given in TESSARY_BENCH_XCODEPROJ");
        return;
    }
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XABenchmarkFolder caches("tessary-bench-given");
    const char *target = std::getenv("TESSARY_BENCH_TARGET");
    const XABenchmarkRules rules = state.range(0) == 0 ? XABenchmarkRules::defaults : XABenchmarkRules::everyPublicRule;
    XAConfiguration configuration =
        benchmarkConfiguration(target && *target ? std::optional<std::string>(target) : std::nullopt);
    const char *parsingOnly = std::getenv("TESSARY_BENCH_PARSING_FILES_ONLY");
    if (parsingOnly && std::string(parsingOnly) == "YES") {
        if (auto failure = excludeFilesWithCompilerErrors(xcodeproj, rules, configuration)) {
            state.SkipWithError(failure->c_str());
            return;
        }
    }
    compareWithBareParse(state, xcodeproj, rules, configuration);
}

// The preparation's part of second checks of a 70-file project with the default rules.
void BM_CachedCheckPreparation(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XAGeneratedCheckedProject generated(70);
    const XAConfiguration configuration = benchmarkConfiguration();
    XACheckOutcome outcome = check(generated.xcodeprojPath(), XABenchmarkRules::defaults, configuration);
    std::vector<double> shares;
    for (auto _ : state) {
        outcome = check(generated.xcodeprojPath(), XABenchmarkRules::defaults, configuration);
        if (outcome.failure) {
            state.SkipWithError(outcome.failure->c_str());
            return;
        }
        shares.push_back(outcome.preparationShare);
    }
    state.counters["files"] = static_cast<double>(outcome.checkedFiles.size());
    state.counters["preparation_share"] = median(shares);
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
    const XAConfiguration configuration = benchmarkConfiguration();
    std::size_t files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        XAClearAllCachedBuildLogInfo(*project, nullptr);
        ::setenv("TESSARY_SDK_COMPLETION", completion ? "YES" : "NO", 1);
        state.ResumeTiming();
        const XACheckOutcome outcome = check(generated.xcodeprojPath(), XABenchmarkRules::defaults, configuration);
        if (outcome.failure) {
            state.SkipWithError(outcome.failure->c_str());
            break;
        }
        files = outcome.checkedFiles.size();
    }
    ::unsetenv("TESSARY_SDK_COMPLETION");
    state.counters["files"] = static_cast<double>(files);
}

} // namespace

BENCHMARK(BM_CheckAgainstBareParse)
    ->Args({500, 0})
    ->Args({500, 1})
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->ArgNames({"files", "everyPublicRule"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(numberOfRounds());
BENCHMARK(BM_CheckOfGivenProject)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("everyPublicRule")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(numberOfRounds());
BENCHMARK(BM_CachedCheckPreparation)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ColdCheckOf300Files)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("completion")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
