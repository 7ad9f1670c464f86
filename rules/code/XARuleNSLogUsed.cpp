// Direct calls of NSLog() in a release build: logging belongs in debug builds, fatal errors perhaps excepted. A call
// through a macro (a project's own logging macro) is allowed by default, so a project can keep one logging path for
// fatal errors and still hear about direct calls.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"
#include "project/XAProjectBuildConfiguration.h"

namespace {
constexpr const char *kAllowMacros = "allowMacros";
}

struct XARuleNSLogUsed : XACursorRule<XARuleNSLogUsed> {
    static XAXMLString ruleName() { return XAXMLString("<codesymbol>NSLog()</codesymbol> used in release build"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Logging should be switched off in release builds, except perhaps for fatal errors.");
    }

    // Only release configurations: debug builds may log as they like.
    static bool appliesToContext(XARuleContext &context) {
        return context.projectBuildConfig() && context.projectBuildConfig()->isReleaseConfiguration();
    }
    static std::string applicationConditionDescription() { return "Applies to release builds."; }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAllowMacros, "Allow calling NSLog() via macros",
            "This lets you log e.g. fatal errors even in release builds, but still get warnings if NSLog() is used "
            "directly.",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_CallExpr || XACursorDisplayName(cursor) != "NSLog") {
            return {};
        }
        if (boolForOption(kAllowMacros, context) && XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleNSLogUsed)
