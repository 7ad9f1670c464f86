// The unsafe_unretained property attribute in headers of projects whose deployment target has weak properties
// (iOS 5, OS X 10.7), where weak is the safe choice. Experimental: it runs only when named.

#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"

struct XARuleUnsafeUnretainedUsed : XACursorRule<XARuleUnsafeUnretainedUsed> {
    static XAXMLString ruleName() {
        return XAXMLString("Property attribute <codesymbol>unsafe_unretained</codesymbol> used");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString("Weak properties are available since iOS 5 and Mac OS 10.7. With such a minimum deployment "
                           "target, <code>weak</code> should be used instead of <code>unsafe_unretained</code>.");
    }

    // Any minimum deployment target from iOS 5.0 or OS X 10.7 on, and any target of another platform.
    static bool appliesToContext(XARuleContext &context) {
        return context.comparisonOfMinimumDeploymentTargetToiOSVersion("5.0", "10.7") != XAOrderedAscending;
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects targeting iOS 5+ or Mac OS 10.7+.";
    }

    static std::vector<std::string> tags() { return {XARuleTagExperimental}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCPropertyDecl || !XACursorIsInHeaderFile(cursor)) {
            return {};
        }
        const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
        if (!(attributes & CXObjCPropertyAttr_unsafe_unretained)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleUnsafeUnretainedUsed)
