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

std::string identifier(int kind, int index) {
    char text[25];
    std::snprintf(text, sizeof text, "%02X%022d", kind, index);
    return text;
}

// One application target whose Sources phase compiles every file of the folder "Sources".
std::string projectText() {
    std::string fileReferences, buildFiles, children, phaseFiles;
    for (int index = 0; index < kFiles; ++index) {
        const std::string name = "TQXChecked" + std::to_string(index) + ".m";
        fileReferences += "\t\t" + identifier(0xF1, index) +
                          " = {isa = PBXFileReference; lastKnownFileType = sourcecode.c.objc; path = " + name +
                          "; sourceTree = \"<group>\"; };\n";
        buildFiles += "\t\t" + identifier(0xB1, index) +
                      " = {isa = PBXBuildFile; fileRef = " + identifier(0xF1, index) + "; };\n";
        children += "\t\t\t\t" + identifier(0xF1, index) + ",\n";
        phaseFiles += "\t\t\t\t" + identifier(0xB1, index) + ",\n";
    }
    const std::string configuration = "isa = XCBuildConfiguration; buildSettings = {CLANG_ENABLE_OBJC_ARC = YES; "
                                      "IPHONEOS_DEPLOYMENT_TARGET = 12.0; SDKROOT = iphoneos; PRODUCT_NAME = "
                                      "\"$(TARGET_NAME)\";};";
    return "// !$*UTF8*$!\n{\n\tarchiveVersion = 1;\n\tclasses = {\n\t};\n\tobjectVersion = 46;\n\tobjects = {\n" +
           fileReferences + buildFiles +
           "\t\tA0000000000000000000000A = {isa = PBXGroup; children = (A0000000000000000000000B,); sourceTree = "
           "\"<group>\"; };\n"
           "\t\tA0000000000000000000000B = {isa = PBXGroup; children = (\n" +
           children +
           "\t\t\t); path = Sources; sourceTree = \"<group>\"; };\n"
           "\t\tA0000000000000000000000C = {isa = PBXSourcesBuildPhase; buildActionMask = 2147483647; files = (\n" +
           phaseFiles +
           "\t\t\t); runOnlyForDeploymentPostprocessing = 0; };\n"
           "\t\tA0000000000000000000000D = {isa = PBXNativeTarget; buildConfigurationList = A0000000000000000000000F; "
           "buildPhases = (A0000000000000000000000C,); buildRules = (); dependencies = (); name = App; productName = "
           "App; productType = \"com.apple.product-type.application\"; };\n"
           "\t\tA0000000000000000000000E = {isa = PBXProject; attributes = {CLASSPREFIX = TQX;}; "
           "buildConfigurationList = A00000000000000000000010; compatibilityVersion = \"Xcode 3.2\"; "
           "developmentRegion = en; knownRegions = (en,); mainGroup = A0000000000000000000000A; targets = "
           "(A0000000000000000000000D,); };\n"
           "\t\tA0000000000000000000000F = {isa = XCConfigurationList; buildConfigurations = "
           "(A00000000000000000000011,); defaultConfigurationName = Debug; };\n"
           "\t\tA00000000000000000000010 = {isa = XCConfigurationList; buildConfigurations = "
           "(A00000000000000000000012,); defaultConfigurationName = Debug; };\n"
           "\t\tA00000000000000000000011 = {" +
           configuration + " name = Debug; };\n\t\tA00000000000000000000012 = {" + configuration +
           " name = Debug; };\n\t};\n\trootObject = A0000000000000000000000E;\n}\n";
}

class XAGeneratedNamesProject {
public:
    XAGeneratedNamesProject() {
        std::filesystem::create_directories(folder_.path() / "App.xcodeproj");
        std::filesystem::create_directories(folder_.path() / "Sources");
        std::ofstream(folder_.path() / "App.xcodeproj/project.pbxproj") << projectText();
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
