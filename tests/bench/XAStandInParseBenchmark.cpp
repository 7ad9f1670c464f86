// The cost of the SDK stand-in itself: parsing a small file that imports UIKit, once on its own and once with UIKit
// already in a precompiled prefix header, as a project with a prefix header is parsed.

#include "XABenchmarkEnvironment.h"

#include "project/XAParsingArguments.h"
#include "codemodel/XATranslationUnit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <sys/resource.h>

namespace {

std::vector<std::string> argumentsIn(const std::filesystem::path &folder, std::vector<std::string> extra) {
    XAParsingArgumentsContext context;
    context.workingDirectory = folder;
    context.buildSettings = {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "15.0"}};
    context.resourceDirectory = XALibclang::resourceDirectory();
    context.developerDirectory = XADevEnvironment::sharedEnvironment().devDirRootPath().value_or("");
    std::vector<std::string> arguments = {"-arch", "arm64", "-fobjc-arc", "-fblocks"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return XAArgumentsAdaptedForLoadedClang(arguments, context);
}

// User and system time of every thread of the process so far.
double processCPUSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Parses the file; an error text when it does not parse cleanly.
std::optional<std::string> parseCleanly(const std::string &path, const std::vector<std::string> &arguments,
                                        unsigned options, const std::optional<std::string> &savePath = std::nullopt) {
    XAClangIndexOwner index(XALibclang::fn().clang_createIndex(0, 0));
    XAError error;
    XATranslationUnitOwner unit(XAParseTranslationUnit(index.get(), path, arguments, options, &error));
    if (!unit) {
        return "the file did not parse: " + error.message;
    }
    if (XANumberOfErrorDiagnostics(unit.get()) != 0) {
        return "the file has errors: " + XAFormattedDiagnostics(unit.get()).front();
    }
    if (savePath && XALibclang::fn().clang_saveTranslationUnit(unit.get(), savePath->c_str(), 0) != 0) {
        return "the prefix header could not be saved";
    }
    return std::nullopt;
}

// state.range(0): 0 parses the file alone, 1 with UIKit in a precompiled prefix header made beforehand.
void BM_ParseUIKitImport(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XABenchmarkFolder folder("tessary-bench-standin");
    const std::string source = folder.path() / "View.m";
    std::ofstream(source)
        << "#import <UIKit/UIKit.h>\n\n@interface View : UIView\n@end\n\n@implementation View\n"
           "- (void)layoutSubviews { [super layoutSubviews]; self.backgroundColor = UIColor.redColor; }\n"
           "@end\n";
    std::vector<std::string> arguments = argumentsIn(folder.path(), {"-x", "objective-c"});
    if (state.range(0) == 1) {
        const std::string header = folder.path() / "Prefix.pch";
        std::ofstream(header) << "#import <UIKit/UIKit.h>\n";
        const std::string saved = header + ".pch";
        if (auto failure = parseCleanly(header, argumentsIn(folder.path(), {"-x", "objective-c-header"}),
                                        CXTranslationUnit_ForSerialization, saved)) {
            state.SkipWithError(failure->c_str());
            return;
        }
        arguments.insert(arguments.end(), {"-include-pch", saved});
    }
    // libclang parses on a thread of its own, so the benchmark's CPU time misses the parse; the process's CPU time
    // over all threads counts it, and on a busy machine it says more than the wall-clock time.
    const double processSecondsBefore = processCPUSeconds();
    for (auto _ : state) {
        if (auto failure = parseCleanly(source, arguments, CXTranslationUnit_DetailedPreprocessingRecord)) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    state.counters["processCPU_ms"] = benchmark::Counter(1000 * (processCPUSeconds() - processSecondsBefore) /
                                                         static_cast<double>(std::max<int64_t>(state.iterations(), 1)));
}

} // namespace

BENCHMARK(BM_ParseUIKitImport)->Arg(0)->Arg(1)->ArgName("prefixHeader")->Unit(benchmark::kMillisecond)->UseRealTime();
