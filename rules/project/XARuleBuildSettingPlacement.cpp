// Compiler arguments in the wrong build setting: preprocessor definitions made with "-D" in OTHER_CFLAGS or
// WARNING_CFLAGS instead of GCC_PREPROCESSOR_DEFINITIONS, and arguments in WARNING_CFLAGS that are no warning options.
// Judged on the resolved settings of the checked target and configuration.

#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"

namespace {

std::vector<std::string> resolvedWords(const XABuildSettings &settings, const std::string &key) {
    const auto found = settings.find(key);
    return found == settings.end() ? std::vector<std::string>{} : xa_argumentLineColumns(found->second);
}

} // namespace

struct XARuleBuildSettingPlacement : XAProjectRule<XARuleBuildSettingPlacement> {
    static XAXMLString ruleName() { return XAXMLString("Incorrect placement of build setting value"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns about preprocessor definitions made with the <code>-D</code> argument instead of "
                           "in the <code>GCC_PREPROCESSOR_DEFINITIONS</code> (\u201cPreprocessor macros\u201d) build "
                           "setting.</p><p>Warns also about arguments in <code>WARNING_CFLAGS</code> that are not "
                           "warning flags, which belong in <code>OTHER_CFLAGS</code>.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        diagnostics.reserve(10);
        if (!context.project() || !context.projectTarget() || !context.projectBuildConfig()) {
            return diagnostics;
        }
        const std::shared_ptr<const XABuildSettings> settings = context.project()->resolvedBuildSettingsForTarget(
            *context.projectTarget(), context.projectBuildConfig()->name());
        if (!settings) {
            return diagnostics;
        }
        for (const std::string key : {"OTHER_CFLAGS", "WARNING_CFLAGS"}) {
            for (const std::string &word : resolvedWords(*settings, key)) {
                if (word.starts_with("-D")) {
                    diagnostics.push_back(diagnostic(
                        "The preprocessor definition <code>" + xa_escapedForXML(word.substr(2)) +
                            "</code> is defined in the <code>" + key +
                            "</code> build setting, using the <code>-D</code> argument prefix. Define preprocessor "
                            "macros in the <code>GCC_PREPROCESSOR_DEFINITIONS</code> (\u201cPreprocessor macros\u201d) "
                            "build setting.",
                        key));
                }
            }
        }
        for (const std::string &word : resolvedWords(*settings, "WARNING_CFLAGS")) {
            if (!word.starts_with("-W") && word != "-w") {
                diagnostics.push_back(diagnostic("The argument <code>" + xa_escapedForXML(word) +
                                                     "</code> is defined in <code>WARNING_CFLAGS</code>. Compiler "
                                                     "arguments that do not relate to warnings should be defined in "
                                                     "<code>OTHER_CFLAGS</code> instead.",
                                                 "WARNING_CFLAGS"));
            }
        }
        return diagnostics;
    }

private:
    static XADiagnostic diagnostic(const std::string &info, const std::string &settingName) {
        return diagnosticWithFile(std::nullopt, XAXMLString(info), settingName, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleBuildSettingPlacement)
