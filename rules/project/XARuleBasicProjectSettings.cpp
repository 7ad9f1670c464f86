// The project-wide settings of the project document: the organisation name and the class prefix must be filled in,
// and the editor text settings recorded on the main group must match what the user configured. Each text check stays
// off until its option has a value.

#include "core/XAString.h"
#include "engine/XARule.h"

#include <cctype>

namespace {

constexpr const char *kIndentType = "indentType";
constexpr const char *kTabWidth = "tabWidth";
constexpr const char *kIndentWidth = "indentWidth";
constexpr const char *kWrapLines = "wrapLines";
constexpr const char *kExpectClassPrefix = "expectClassPrefix";
constexpr const char *kDisabledWhenEmpty = "An empty value disables this check.";

// Xcode's value of a text setting that the project does not record.
constexpr std::int64_t kDefaultWidth = 4;

bool isBlank(const std::optional<std::string> &text) { return !text || xa_trimmed(*text).empty(); }

// The option's text, lower-cased and trimmed; empty when it is no string.
std::string normalizedText(const std::optional<XAOptionValue> &value) {
    return value && value->string() ? xa_lowercased(xa_trimmed(*value->string())) : "";
}

XADiagnosticConfidence confidenceFor(bool projectSetsValue) {
    return projectSetsValue ? XADiagnosticConfidenceAbsolute : XADiagnosticConfidenceMedium;
}

} // namespace

struct XARuleBasicProjectSettings : XAProjectRule<XARuleBasicProjectSettings> {
    static XAXMLString ruleName() { return XAXMLString("Recommended project settings"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The ‘Organization’ and ‘Class Prefix’ project settings should always have a value. The "
                           "values that the other checked project settings should have can be configured.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {
            XARuleOption::ruleOptionWithName(kIndentType, "The indentation type that should be set", kDisabledWhenEmpty,
                                             XAOptionValue(nullptr), XAOptionValueTypeString,
                                             {XAOptionValue(nullptr), XAOptionValue("tabs"), XAOptionValue("spaces")}),
            XARuleOption::ruleOptionWithName(kTabWidth, "The ‘tab width’ that should be set", kDisabledWhenEmpty,
                                             XAOptionValue(nullptr), XAOptionValueTypePositiveInteger),
            XARuleOption::ruleOptionWithName(kIndentWidth, "The ‘indent width’ that should be set", kDisabledWhenEmpty,
                                             XAOptionValue(nullptr), XAOptionValueTypePositiveInteger),
            XARuleOption::ruleOptionWithName(kWrapLines, "Whether the ‘wrap lines’ setting should be set or not",
                                             kDisabledWhenEmpty, XAOptionValue(nullptr), XAOptionValueTypeString,
                                             {XAOptionValue(nullptr), XAOptionValue("wrap"), XAOptionValue("nowrap")}),
            XARuleOption::ruleOptionWithName(kExpectClassPrefix,
                                             "Whether the ‘class prefix’ project setting should have a value",
                                             std::nullopt, XAOptionValue(true), XAOptionValueTypeBool),
        };
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        diagnostics.reserve(10);
        if (!context.project()) {
            return diagnostics;
        }
        const XAProject &project = *context.project();
        if (isBlank(project.organizationName())) {
            diagnostics.push_back(missingValue("The ‘Organization’ project setting field has no value. Its value "
                                               "should reflect the copyright holder for this project."));
        }
        if (boolForOption(kExpectClassPrefix, context) && isBlank(project.classPrefix())) {
            diagnostics.push_back(missingValue("The ‘Class Prefix’ project setting field has no value."));
        }
        const XAProjectFileTextSettings settings = project.editorTextSettings();
        for (std::optional<XADiagnostic> found :
             {checkIndentType(settings, context), checkWrapLines(settings, context),
              checkWidth(kTabWidth, "Tab Width", settings.tabWidth, context),
              checkWidth(kIndentWidth, "Indent Width", settings.indentWidth, context)}) {
            if (found) {
                diagnostics.push_back(std::move(*found));
            }
        }
        return diagnostics;
    }

private:
    static XADiagnostic missingValue(const std::string &info) {
        return diagnosticWithFile(std::nullopt, XAXMLString(info), std::nullopt, XADiagnosticImpactMaintainability,
                                  XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute);
    }

    static XADiagnostic textSettingMismatch(const std::string &info, bool projectSetsValue) {
        return diagnosticWithFile(std::nullopt, XAXMLString(info), std::nullopt, XADiagnosticImpactStyle,
                                  XADiagnosticSeverityConcern, confidenceFor(projectSetsValue));
    }

    static std::optional<XADiagnostic> checkIndentType(const XAProjectFileTextSettings &settings,
                                                       const XARuleContext &context) {
        if (!optionHasMeaningfulValue(kIndentType, context)) {
            return std::nullopt;
        }
        std::string expected = normalizedText(valueForOption(kIndentType, context));
        if (expected != "tabs" && expected != "spaces") {
            return std::nullopt;
        }
        expected[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(expected[0])));
        const std::string actual = settings.indentMode == 1 ? "Tabs" : "Spaces";
        if (actual == expected) {
            return std::nullopt;
        }
        return textSettingMismatch("The ‘Indent Using’ project setting value is <string>" + actual +
                                       "</string> when it should be <string>" + expected + "</string>.",
                                   settings.indentMode != 0);
    }

    static std::optional<XADiagnostic> checkWrapLines(const XAProjectFileTextSettings &settings,
                                                      const XARuleContext &context) {
        if (!optionHasMeaningfulValue(kWrapLines, context)) {
            return std::nullopt;
        }
        const bool expected = normalizedText(valueForOption(kWrapLines, context)) == "wrap";
        const bool actual = settings.wrapLines.value_or(0) != 0;
        if (actual == expected) {
            return std::nullopt;
        }
        return textSettingMismatch(std::string("The ‘Wrap Lines’ project setting should be ") +
                                       (expected ? "on" : "off") + ".",
                                   settings.wrapLines.has_value());
    }

    static std::optional<XADiagnostic> checkWidth(const char *optionName, const std::string &settingTitle,
                                                  const std::optional<std::int64_t> &projectWidth,
                                                  const XARuleContext &context) {
        if (!optionHasMeaningfulValue(optionName, context)) {
            return std::nullopt;
        }
        const std::optional<XAOptionValue> value = valueForOption(optionName, context);
        const std::int64_t expected = value ? value->integer().value_or(0) : 0;
        const std::int64_t actual = projectWidth.value_or(kDefaultWidth);
        if (expected <= 0 || actual == expected) {
            return std::nullopt;
        }
        return textSettingMismatch("The ‘" + settingTitle + "’ project setting value is <strong>" +
                                       std::to_string(actual) + "</strong> when it should be <strong>" +
                                       std::to_string(expected) + "</strong>.",
                                   projectWidth.has_value());
    }
};

TESSARY_REGISTER_RULE(XARuleBasicProjectSettings)
