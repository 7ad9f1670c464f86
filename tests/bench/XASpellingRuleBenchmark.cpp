// The cost of the spelling rule in a whole check: a generated project of 500 Objective-C files that all import one
// header declaring 2,000 names (classes, properties and methods made of English words, a few of them misspelled),
// checked with every code rule but the spelling rule, and with it. Each check parses every file, so the rule sees the
// header's names once per file; compare the real times of the two benchmarks. Before the timed checks one check fills
// the caches (the resolved settings and the build log), so every timed check is a second check of an unchanged
// project.

#include "XABenchmarkEnvironment.h"

#include "core/XAString.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <fstream>

namespace {

constexpr int kFiles = 500;
constexpr int kHeaderClasses = 200; // each with ten names: 2,000 in all
constexpr int kJobs = 4;

constexpr std::array<const char *, 24> kWords = {"Account", "Balance", "Cache",   "Delivery", "Editor",  "Filter",
                                                 "Gallery", "History", "Invoice", "Journal",  "Keyword", "Ledger",
                                                 "Message", "Network", "Order",   "Payment",  "Query",   "Record",
                                                 "Session", "Ticket",  "Upload",  "Widht",    "Recieve", "Adress"};

std::string word(int index) { return kWords[static_cast<std::size_t>(index) % kWords.size()]; }

// Class i: its name, four properties, four instance methods and a class method, ten names in all.
std::string headerText() {
    std::string text = "#import <Foundation/Foundation.h>\n\n";
    for (int i = 0; i < kHeaderClasses; ++i) {
        const std::string name = "TQX" + word(i) + word(i / 24) + std::to_string(i);
        text += "@interface " + name + " : NSObject\n";
        for (int p = 0; p < 4; ++p) {
            text += "@property (nonatomic) NSInteger " + xa_firstCharLowercased(word(i + p)) + word(p + 3) + "Count;\n";
        }
        for (int m = 0; m < 4; ++m) {
            text += "- (void)update" + word(i + m + 5) + "With" + word(m + 7) + ":(NSInteger)value;\n";
        }
        text += "+ (instancetype)shared" + word(i + 11) + ";\n@end\n\n";
    }
    return text;
}

std::string sourceText(int index) {
    const std::string name = "TQXChecked" + std::to_string(index);
    return "#import \"Names.h\"\n\n@interface " + name + " : NSObject\n- (NSInteger)total;\n@end\n\n@implementation " +
           name + "\n- (NSInteger)total {\n    return " + std::to_string(index) + ";\n}\n@end\n";
}

class XAGeneratedNamesProject {
public:
    XAGeneratedNamesProject() {
        std::filesystem::create_directories(folder_.path() / "App.xcodeproj");
        std::filesystem::create_directories(folder_.path() / "Sources");
        std::ofstream(folder_.path() / "App.xcodeproj/project.pbxproj") << XASourcesOnlyProjectText(
            XANumberedSourceFileNames("TQXChecked", kFiles), "CLASSPREFIX = TQX;", {"Names.h"});
        std::ofstream(folder_.path() / "Sources/Names.h") << headerText();
        for (int index = 0; index < kFiles; ++index) {
            std::ofstream(folder_.path() / "Sources" / ("TQXChecked" + std::to_string(index) + ".m"))
                << sourceText(index);
        }
    }
    std::string xcodeprojPath() const { return folder_.path() / "App.xcodeproj"; }

private:
    XABenchmarkFolder folder_{"tessary-bench-spelling"};
};

// A check with every code rule, the spelling rule only when asked; the error text of a failed check, and the number
// of findings.
std::optional<std::string> check(const std::string &xcodeprojPath, bool withSpelling, std::size_t *findings) {
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
    XAConfiguration configuration;
    configuration.setValue(XAOptionValue(kJobs),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kNumConcurrentJobs));
    auto ruleSet = std::make_shared<XARuleSet>();
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (rule->isCursorRule && (withSpelling || rule->shortName != "Spelling")) {
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
    *findings = operation->diagnostics()->size();
    return std::nullopt;
}

void checkRepeatedly(benchmark::State &state, bool withSpelling) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XAGeneratedNamesProject generated;
    std::size_t findings = 0;
    if (auto failure = check(generated.xcodeprojPath(), withSpelling, &findings)) {
        state.SkipWithError(failure->c_str());
        return;
    }
    for (auto _ : state) {
        if (auto failure = check(generated.xcodeprojPath(), withSpelling, &findings)) {
            state.SkipWithError(failure->c_str());
            break;
        }
    }
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_CheckOf500FilesWithoutSpelling(benchmark::State &state) { checkRepeatedly(state, false); }
void BM_CheckOf500FilesWithSpelling(benchmark::State &state) { checkRepeatedly(state, true); }

} // namespace

BENCHMARK(BM_CheckOf500FilesWithoutSpelling)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CheckOf500FilesWithSpelling)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
