// For teams that keep every build setting in `.xcconfig` files: build configurations of the project or its targets
// that still store settings in the project file (set in Xcode's editor), apart from settings that are hard to set in
// `.xcconfig` files.

#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

namespace {
constexpr const char *kAllowedGUISettings = "allowedGUISettings";
}

struct XARuleBuildSettingsSetInGUI : XAProjectRule<XARuleBuildSettingsSetInGUI> {
    static XAXMLString ruleName() { return XAXMLString("Build settings set in Xcode GUI"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Enable this rule to keep all build configuration values in <code>.xcconfig</code> files "
                           "and be warned whenever something is set in the GUI by accident.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.project() && context.project()->usesBuildConfigurationFiles();
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects that use Xcode build configuration files.";
    }
    static std::vector<std::string> tags() { return {"Config"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAllowedGUISettings, "Which settings are allowed to be set in the GUI",
            "Some settings are difficult to set in .xcconfig files.",
            XAOptionValue::stringArray({"CODE_SIGN_IDENTITY", "PROVISIONING_PROFILE"}), XAOptionValueTypeStringArray)};
    }

    static std::string pluralizedInfoPrefix(std::size_t count) {
        return std::to_string(count) + (count == 1 ? " build setting is set" : " build settings are set");
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        diagnostics.reserve(10);
        if (!context.project()) {
            return diagnostics;
        }
        const std::vector<std::string> allowed = stringsForOption(kAllowedGUISettings, context);
        for (const auto &configuration : context.project()->buildConfigurations()) {
            const std::vector<std::string> names = settingsSetInGUI(*configuration, allowed);
            if (!names.empty()) {
                diagnostics.push_back(diagnosticForInfo(
                    pluralizedInfoPrefix(names.size()) + " in the project build configuration <buildconfig>" +
                    xa_escapedForXML(configuration->name()) + "</buildconfig>: " + joinedNames(names)));
            }
        }
        for (const auto &target : context.project()->targets()) {
            for (const auto &configuration : target->buildConfigurations()) {
                const std::vector<std::string> names = settingsSetInGUI(*configuration, allowed);
                if (!names.empty()) {
                    diagnostics.push_back(diagnosticForInfo(
                        pluralizedInfoPrefix(names.size()) + " in the build configuration <buildconfig>" +
                        xa_escapedForXML(configuration->name()) + "</buildconfig> for target <target>" +
                        xa_escapedForXML(target->name()) + "</target>: " + joinedNames(names)));
                }
            }
        }
        return diagnostics;
    }

private:
    // The names of the configuration's stored settings, in project-file order, whose name without its condition is
    // not allowed.
    static std::vector<std::string> settingsSetInGUI(const XAProjectBuildConfiguration &configuration,
                                                     const std::vector<std::string> &allowed) {
        std::vector<std::string> names;
        for (const auto &[name, value] : configuration.buildSettings()) {
            if (std::find(allowed.begin(), allowed.end(), xa_baseBuildSettingKey(name)) == allowed.end()) {
                names.push_back(name);
            }
        }
        return names;
    }

    static std::string joinedNames(const std::vector<std::string> &names) {
        std::vector<std::string> escaped;
        for (const std::string &name : names) {
            escaped.push_back(xa_escapedForXML(name));
        }
        return xa_componentsJoinedByString(escaped, ", ");
    }

    static XADiagnostic diagnosticForInfo(const std::string &info) {
        return diagnosticWithFile(std::nullopt, XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleBuildSettingsSetInGUI)
