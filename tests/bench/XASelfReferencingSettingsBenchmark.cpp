// A whole check, with every rule of the registry, of a one-file project whose target is based on a `.xcconfig` file of
// 5,000 lines that each refer to their own setting: 5,000 self-references and nearly as many overwrites, all placed
// on their lines of the one file. Meant to stay well under 5 seconds a check; the positions of the findings cost one
// scan of the file, not one scan per finding.
//
// Counters: "diagnostics" (findings of the check).

#include "XABenchmarkEnvironment.h"

#include "engine/XACheckingOperation.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

constexpr int kLines = 5000;

class XASelfReferencingSettingsProject {
public:
    XASelfReferencingSettingsProject() {
        std::filesystem::create_directories(folder_.path() / "App.xcodeproj");
        std::filesystem::create_directories(folder_.path() / "Sources");
        std::ofstream(folder_.path() / "App.xcodeproj/project.pbxproj")
            << XASourcesOnlyProjectText({"main.m"}, "", {}, "Settings.xcconfig");
        std::ofstream(folder_.path() / "Sources/main.m") << "int main(void) { return 0; }\n";
        std::ofstream settings(folder_.path() / "Sources/Settings.xcconfig");
        for (int line = 0; line < kLines; ++line) {
            const std::string key = "FLAGS_" + std::to_string(line % 50);
            settings << key << " = $(" << key << ") -DVALUE_" << line << "\n";
        }
    }
    std::string xcodeprojPath() const { return folder_.path() / "App.xcodeproj"; }

private:
    XABenchmarkFolder folder_{"tessary-bench-self-references"};
};

// The number of findings of a check with every rule; no value when the check fails.
std::optional<std::size_t> check(const std::string &xcodeprojPath) {
    auto project = XAProject::projectWithXcodeproj(xcodeprojPath);
    if (!project->loadProject(nullptr)) {
        return std::nullopt;
    }
    const XAConfiguration configuration;
    auto ruleSet = std::make_shared<XARuleSet>();
    ruleSet->rules() = XARuleRegistry::shared().allRules();
    auto target = XACheckingOperation::determineTargetForProject(*project, configuration, nullptr);
    auto buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, nullptr);
    auto operation = XACheckingOperation::operationWithProject(project, target, buildConfig, ruleSet, configuration);
    operation->applyRulesWithProgress(nullptr, nullptr, true);
    if (!operation->diagnostics()) {
        return std::nullopt;
    }
    return operation->diagnostics()->size();
}

void BM_CheckOfFiveThousandSelfReferencingSettings(benchmark::State &state) {
    if (auto failure = XASetUpToolsAndLibclang()) {
        state.SkipWithError(failure->c_str());
        return;
    }
    XASelfReferencingSettingsProject generated;
    std::optional<std::size_t> diagnostics;
    for (auto _ : state) {
        diagnostics = check(generated.xcodeprojPath());
        if (!diagnostics) {
            state.SkipWithError("the check failed");
            break;
        }
    }
    state.counters["diagnostics"] = static_cast<double>(diagnostics.value_or(0));
}

} // namespace

BENCHMARK(BM_CheckOfFiveThousandSelfReferencingSettings)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
