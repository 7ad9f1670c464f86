// +initialize defined in a category: it replaces the class's own +initialize, which then never runs.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"

struct XARuleInitializeMethodCategoryOverride : XACursorRule<XARuleInitializeMethodCategoryOverride> {
    static XAXMLString ruleName() {
        return XAXMLString("Overridden <objcmethod>+[NSObject initialize]</objcmethod> method in a category");
    }

    static XAXMLString ruleDescription() {
        return XAXMLString("<objcmethod>+[NSObject initialize]</objcmethod> should not be overridden in categories: "
                           "the category's method replaces the class's own implementation, which then never runs. "
                           "<objcmethod>+[NSObject load]</objcmethod> can often be used instead, since the runtime "
                           "calls it separately for a class and for each of its categories.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCClassMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCClassMethodDecl || XACursorSpelling(cursor) != "initialize" ||
            XAIsNullCursor(XAAncestorOfKinds(cursor, {CXCursor_ObjCCategoryImplDecl}))) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleInitializeMethodCategoryOverride)
