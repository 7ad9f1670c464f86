// Getters named "getSomething": in Cocoa a getter is named after what it returns, and "get" marks methods that fill
// buffers passed by reference.

#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "core/XARegex.h"
#include "engine/XARule.h"

struct XARuleUnidiomaticAccessorNaming : XACursorRule<XARuleUnidiomaticAccessorNaming> {
    static XAXMLString ruleName() { return XAXMLString("Unidiomatic accessor naming"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if getter methods are named in the form <code>getSomething</code> instead of "
                           "<code>something</code>.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice", "Style"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl || !XAIsGetterMethodDecl(cursor)) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        if (!name.starts_with("get") || !xa_matchesRegex(name, "get\\p{Lu}")) {
            return {};
        }
        return {diagnosticWithCursor(cursor,
                                     XAXMLString("In Cocoa, it is idiomatic for accessor methods to be named in the "
                                                 "form <code>something</code> instead of e.g. "
                                                 "<code>getSomething</code>."),
                                     XAMethodDeclDisplayName(cursor), XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleUnidiomaticAccessorNaming)
