// Calls of the Objective-C runtime functions that change method implementations (method swizzling), whose effects
// are global and hard to follow.

#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"

#include <algorithm>
#include <array>

struct XARuleSwizzling : XACursorRule<XARuleSwizzling> {
    static XAXMLString ruleName() { return XAXMLString("Method swizzling"); }

    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about calls of the Objective-C runtime functions that change method "
                           "implementations: <cfunction>class_replaceMethod</cfunction>, "
                           "<cfunction>method_exchangeImplementations</cfunction> and "
                           "<cfunction>method_setImplementation</cfunction>. Method swizzling changes the behaviour "
                           "of a method for every caller in the process, which makes the code hard to follow.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Stack Overflow: What are the dangers of method swizzling in Objective-C?",
            "https://stackoverflow.com/questions/5339276/what-are-the-dangers-of-method-swizzling-in-objective-c")};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        static constexpr std::array<std::string_view, 3> swizzlingFunctions = {
            "class_replaceMethod", "method_exchangeImplementations", "method_setImplementation"};
        if (kind != CXCursor_CallExpr) {
            return {};
        }
        const std::string callee = XACursorSpelling(cursor).value_or("");
        if (std::find(swizzlingFunctions.begin(), swizzlingFunctions.end(), callee) == swizzlingFunctions.end()) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleSwizzling)
