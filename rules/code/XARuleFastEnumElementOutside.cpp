// Reports "for (x in items)" whose element variable x was declared before the loop.

#include "codemodel/clang/XACursorNavigation.h"
#include "engine/XARule.h"

struct XARuleFastEnumElementOutside : XACursorRule<XARuleFastEnumElementOutside> {
    static XAXMLString ruleName() {
        return XAXMLString("Element variable of fast enumeration loop declared outside the loop");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString("The element variable of a fast enumeration loop should not be used for anything other "
                           "than holding the loop iteration element, so it follows that there is no reason for the "
                           "variable to be visible outside the loop.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCForCollectionStmt}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCForCollectionStmt) { // the translation unit comes first
            return {};
        }
        // "for (id x in items)" begins with the declaration of x.
        if (XALibclang::fn().clang_getCursorKind(XAChildAtIndex(cursor, 0)) == CXCursor_DeclStmt) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleFastEnumElementOutside)
