// Calls of the C library functions that end the process, in release builds of iOS apps, which should never quit
// themselves.

#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"
#include "project/XAProjectBuildConfiguration.h"

#include <algorithm>
#include <array>

struct XARuleTerminatingApp : XACursorRule<XARuleTerminatingApp> {
    static XAXMLString ruleName() { return XAXMLString("Terminating the app in a release build"); }

    static XAXMLString ruleDescription() {
        return XAXMLString("The iOS Human Interface Guidelines say that an iOS app should never quit "
                           "programmatically: to the user, an app that ends itself looks as if it crashed.");
    }

    static bool appliesToContext(XARuleContext &context) {
        return context.targetPlatform() == XAPlatformIOS && context.projectBuildConfig() &&
               context.projectBuildConfig()->isReleaseConfiguration();
    }

    static std::string applicationConditionDescription() { return "Applies to release builds of iOS targets."; }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle("Technical Q&A QA1561: How do I programmatically quit my iOS application?",
                                          "https://developer.apple.com/library/archive/qa/qa1561/_index.html")};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        static constexpr std::array<std::string_view, 3> terminatingFunctions = {"abort", "exit", "_Exit"};
        if (kind != CXCursor_CallExpr ||
            std::none_of(terminatingFunctions.begin(), terminatingFunctions.end(),
                         [&](std::string_view name) { return XAIsCallToFunction(name, true, cursor); })) {
            return {};
        }
        const XAXMLString info("The <cfunction>" + XACursorDisplayName(cursor).value_or("") +
                               "</cfunction> function is called");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityError, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleTerminatingApp)
