// The after-code passes of the rules that gather across the whole project, UnusedMethod and CategoryMethodConflict,
// on the state a check of a generated project of 2,000 files leaves: one class or category implementation per file
// with ten methods each, 20,000 definitions in all. Every category method is recorded twice, from its declaration in
// the category's header and from its definition; half of the methods are referred to, a quarter are declared in
// public headers, and the categories of each class share some method names, so there are conflicts to report.

#include "XABenchmarkEnvironment.h"

#include "codemodel/clang/XACodeModelRecords.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSupport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kFiles = 2000;
constexpr int kMethodsPerFile = 10;
constexpr int kClasses = 50;

const XARuleDescriptor &rule(const char *shortName) { return *XARuleRegistry::shared().ruleWithShortName(shortName); }

// What UnusedMethod's walk of the files leaves in the state.
void addUnusedMethodState(XARuleStateStore &state) {
    const XARuleDescriptor &unusedMethod = rule("UnusedMethod");
    for (int file = 0; file < kFiles; ++file) {
        const std::string className = "Class" + std::to_string(file);
        const std::string path = "/Project/Sources/" + className + ".m";
        for (int method = 0; method < kMethodsPerFile; ++method) {
            const std::string name = "method" + std::to_string(method) + "With:";
            const std::string fullName = "-[" + className + " " + name + "]";
            XADiagnostic candidate = XARuleDiagnosticWithFile(
                unusedMethod, path, XADiagnosticPosition::positionAtLine(method + 1, 1, method * 40),
                XADiagnosticPosition::positionAtLine(method + 1, 30, method * 40 + 29), std::nullopt, std::nullopt,
                fullName, XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium);
            XADictionary &userInfo = candidate.userInfo();
            userInfo.set("methodName", XAValue(name));
            userInfo.set("methodFullName", XAValue(fullName));
            userInfo.set(
                "superclassVariantMethodFullNames",
                XAValue(XAValue::Array{XAValue("-[BaseClass " + name + "]"), XAValue("-[NSObject " + name + "]")}));
            state.addValueToStateList(std::move(candidate), "UnusedObjCMethodDiagnostics");
            if (method % 2 == 0) {
                state.addValueToStateSet(fullName, "UsedObjCMethods");
            }
            if (method % 4 == 1) {
                state.addValueToStateSet(fullName, "PublicObjCMethods");
            }
        }
    }
}

// What CategoryMethodConflict's walk of the files leaves in the state.
void addCategoryMethodState(XARuleStateStore &state) {
    for (int file = 0; file < kFiles; ++file) {
        for (int method = 0; method < kMethodsPerFile; ++method) {
            XACategoryMethodInfo info;
            info.setCategoryClassName("Class" + std::to_string(file % kClasses));
            info.setCategoryName("Category" + std::to_string(file));
            info.setMethodName("-method" + std::to_string(method) + "_" + std::to_string(file % 7));
            info.setCursorFilePath("/Project/Sources/Category" + std::to_string(file) + ".m");
            const unsigned line = 3 + 4 * method;
            info.setCursorPositions(
                XAPair(XASourcePosition{line, 1, line * 30}, XASourcePosition{line, 25, line * 30 + 24}));
            state.addValueToStateList(info, "possiblyConflictingCategoryMethods");
            state.addValueToStateList(std::move(info), "possiblyConflictingCategoryMethods");
        }
    }
}

void BM_ProjectWideRulesAfterCode(benchmark::State &state) {
    // The rules ask the developer tools for the SDK, and a tool set up without them stays failed for the process.
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    const std::vector<const XARuleDescriptor *> rules = {&rule("UnusedMethod"), &rule("CategoryMethodConflict")};
    XARuleContext context(nullptr, nullptr, nullptr, XAConfiguration(), nullptr, nullptr, rules);
    addUnusedMethodState(context.stateStore());
    addCategoryMethodState(context.stateStore());
    std::size_t unused = 0;
    std::size_t conflicts = 0;
    for (auto _ : state) {
        unused = rules[0]->applyAfterCodeWithContext(context).size();
        conflicts = rules[1]->applyAfterCodeWithContext(context).size();
    }
    if (unused == 0 || conflicts == 0) {
        state.SkipWithError("the passes found nothing to report");
    }
    state.counters["unused"] = static_cast<double>(unused);
    state.counters["conflicts"] = static_cast<double>(conflicts);
}

} // namespace

BENCHMARK(BM_ProjectWideRulesAfterCode)->Unit(benchmark::kMillisecond);
