// Build settings of a release configuration whose resolved value is known to be wrong for what ships: profiling and
// test-coverage instrumentation on, optimisation off, the static analyser not run.

#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"

namespace {

struct ProblematicReleaseSetting {
    const char *name;
    std::vector<std::string> reportedValues; // compared with the resolved text exactly
    const char *explanation;
};

const std::vector<ProblematicReleaseSetting> &problematicReleaseSettings() {
    static const std::vector<ProblematicReleaseSetting> settings = {
        {"GENERATE_PROFILING_CODE",
         {"YES"},
         "Profiling code is not needed in release builds. If you want test coverage reports, use a separate build "
         "configuration for tests."},
        {"GCC_GENERATE_TEST_COVERAGE_FILES",
         {"YES"},
         "Test coverage file generation is not needed in release builds. If you want test coverage reports, use a "
         "separate build configuration for tests."},
        {"GCC_INSTRUMENT_PROGRAM_FLOW_ARCS",
         {"YES"},
         "Program flow instrumentation is not needed in release builds. If you want test coverage reports, use a "
         "separate build configuration for tests."},
        {"GCC_OPTIMIZATION_LEVEL",
         {"0"},
         "Compiler optimizations make your program faster and are almost always safe."},
        {"RUN_CLANG_STATIC_ANALYZER", {"NO"}, "The static analyzer may find bugs in your program."},
    };
    return settings;
}

} // namespace

struct XARuleReleaseBuildConfig : XAProjectRule<XARuleReleaseBuildConfig> {
    static XAXMLString ruleName() { return XAXMLString("Problematic release build settings"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns about build setting values that are problematic in release builds.</p> <p>For "
                           "example: program flow instrumentation is enabled, the compiler optimization level is too "
                           "low, or the static analyzer is not run.</p>");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectBuildConfig() && context.projectBuildConfig()->isReleaseConfiguration();
    }
    static std::string applicationConditionDescription() { return "Applies to release builds."; }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project() || !context.projectTarget() || !context.projectBuildConfig()) {
            return diagnostics;
        }
        const std::shared_ptr<const XABuildSettings> resolved = context.project()->resolvedBuildSettingsForTarget(
            *context.projectTarget(), context.projectBuildConfig()->name());
        if (!resolved) {
            return diagnostics;
        }
        for (const ProblematicReleaseSetting &setting : problematicReleaseSettings()) {
            const auto value = resolved->find(setting.name);
            if (value == resolved->end() || std::find(setting.reportedValues.begin(), setting.reportedValues.end(),
                                                      value->second) == setting.reportedValues.end()) {
                continue;
            }
            std::string info = std::string("The build setting <code>") + setting.name +
                               "</code> should not be set to the value <code>" + value->second +
                               "</code> for release builds.";
            if (*setting.explanation) {
                info += std::string(" ") + setting.explanation;
            }
            diagnostics.push_back(diagnosticWithFile(std::nullopt, XAXMLString(info), std::nullopt,
                                                     XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern,
                                                     XADiagnosticConfidenceHigh));
        }
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleReleaseBuildConfig)
