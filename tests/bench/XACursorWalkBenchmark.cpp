// A walk over every cursor of a large translation unit with the queries that the checking run and its rules ask of
// each cursor (kind, spelling, file and line, type), set against the parse of that unit. The unit imports the UIKit
// stand-in and holds a generated Objective-C file of about 5,000 lines. Both benchmarks report the unit's cursors.

#include "XAObjectiveCSourceGenerator.h"

#include "codemodel/XALibclang.h"
#include "project/XAParsingArguments.h"
#include "codemodel/XATranslationUnit.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kClasses = 100; // 50 lines each

// An Objective-C file of about 5,000 lines: classes with properties and methods that send messages, branch and loop.
std::string generatedSource() {
    std::ostringstream source;
    source << "#import <UIKit/UIKit.h>\n";
    for (int index = 0; index < kClasses; ++index) {
        source << XAGeneratedObjectiveCClass("XAGenerated" + std::to_string(index), index);
    }
    return source.str();
}

// The generated file in a folder of its own, removed at the end, and the arguments that parse it.
class XALargeUnitSource {
public:
    XALargeUnitSource() {
        folder_ = std::filesystem::temp_directory_path() / ("tessary-bench-cursors-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        std::ofstream(path(), std::ios::binary) << generatedSource();
    }
    ~XALargeUnitSource() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string path() const { return folder_ / "Generated.m"; }

    std::vector<std::string> arguments(const std::string &developerDirectory) const {
        XAParsingArgumentsContext context;
        context.workingDirectory = folder_;
        context.buildSettings = {{"PLATFORM_NAME", "iphoneos"}, {"IPHONEOS_DEPLOYMENT_TARGET", "15.0"}};
        context.resourceDirectory = XALibclang::resourceDirectory();
        context.developerDirectory = developerDirectory;
        return XAArgumentsAdaptedForLoadedClang({"-x", "objective-c", "-arch", "arm64", "-fobjc-arc", "-fblocks"},
                                                context);
    }

private:
    std::filesystem::path folder_;
};

// The staged developer directory beside the benchmark (<stage>/libexec/tessary-benchmarks), after loading the staged
// libclang; an error text when that fails.
std::optional<std::string> loadLibclang(std::string *developerDirectory) {
    const std::optional<std::string> executable = xa_executablePath();
    if (!executable) {
        return "the benchmark executable cannot be found";
    }
    const std::string stage = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
    XAError error;
    if (!XALibclang::load(stage + "/lib/tessary/libclang_llvm19_1.so", &error)) {
        return "libclang cannot be loaded (build tessary_clangext_llvm19): " + error.message;
    }
    *developerDirectory = stage + "/Developer";
    return std::nullopt;
}

// A parsed unit, or an error text.
struct XAParsedLargeUnit {
    XAClangIndexOwner index;
    XATranslationUnitOwner unit;
    std::optional<std::string> failure;
};

XAParsedLargeUnit parse(const XALargeUnitSource &source, const std::string &developerDirectory) {
    XAParsedLargeUnit parsed;
    parsed.index.reset(XALibclang::fn().clang_createIndex(0, 0));
    XAError error;
    parsed.unit.reset(XAParseTranslationUnit(parsed.index.get(), source.path(), source.arguments(developerDirectory),
                                             CXTranslationUnit_DetailedPreprocessingRecord, &error));
    if (!parsed.unit) {
        parsed.failure = "the unit did not parse: " + error.message;
    } else if (XANumberOfErrorDiagnostics(parsed.unit.get()) != 0) {
        parsed.failure = "the unit has errors: " + XAFormattedDiagnostics(parsed.unit.get()).front();
    }
    return parsed;
}

// Every cursor of the unit (the SDK's included), each asked for its kind, spelling, file, line and type.
std::size_t walkWithCommonQueries(CXTranslationUnit unit) {
    const XALibclangFunctions &clang = XALibclang::fn();
    std::size_t cursors = 0;
    XAVisitChildren(clang.clang_getTranslationUnitCursor(unit), [&](CXCursor cursor) {
        ++cursors;
        benchmark::DoNotOptimize(clang.clang_getCursorKind(cursor));
        benchmark::DoNotOptimize(XACursorSpelling(cursor));
        benchmark::DoNotOptimize(XACursorFilePath(cursor));
        benchmark::DoNotOptimize(XACursorStartLocation(cursor));
        benchmark::DoNotOptimize(XACursorTypeKind(cursor));
        return CXChildVisit_Recurse;
    });
    return cursors;
}

void BM_ParseLargeUnit(benchmark::State &state) {
    std::string developerDirectory;
    if (auto failure = loadLibclang(&developerDirectory)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XALargeUnitSource source;
    for (auto _ : state) {
        const XAParsedLargeUnit parsed = parse(source, developerDirectory);
        if (parsed.failure) {
            state.SkipWithError(parsed.failure->c_str());
            break;
        }
    }
}

void BM_WalkLargeUnitWithCommonQueries(benchmark::State &state) {
    std::string developerDirectory;
    if (auto failure = loadLibclang(&developerDirectory)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const XALargeUnitSource source;
    const XAParsedLargeUnit parsed = parse(source, developerDirectory);
    if (parsed.failure) {
        state.SkipWithError(parsed.failure->c_str());
        return;
    }
    std::size_t cursors = 0;
    for (auto _ : state) {
        cursors = walkWithCommonQueries(parsed.unit.get());
    }
    state.counters["cursors"] = static_cast<double>(cursors);
}

} // namespace

BENCHMARK(BM_ParseLargeUnit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WalkLargeUnitWithCommonQueries)->Unit(benchmark::kMillisecond)->UseRealTime();
