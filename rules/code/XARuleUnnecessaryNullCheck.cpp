// Reports "if (p) free(p);": free() does nothing with NULL, so the test is not needed.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleUnnecessaryNullCheck : XACursorRule<XARuleUnnecessaryNullCheck> {
    static XAXMLString ruleName() {
        return XAXMLString("Unnecessary <codesymbol>NULL</codesymbol> check before <cfunction>free()</cfunction>");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString("Passing <codesymbol>NULL</codesymbol> to <cfunction>free()</cfunction> is a no-op.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Pedantic"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("free() man page", "https://man7.org/linux/man-pages/man3/free.3.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_IfStmt}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_IfStmt) { // the translation unit comes first
            return {};
        }
        // With an else branch the test chooses between two paths and is needed.
        if (XAChildCount(cursor) > 2) {
            return {};
        }
        CXCursor checked = XALibclang::fn().clang_getNullCursor();
        bool isNilTest = false;
        const CXCursor condition = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 0));
        if (!XAMatchPointerNilCheck(&checked, &isNilTest, condition) || isNilTest) {
            return {};
        }
        const CXCursor call = onlyStatement(XAChildAtIndex(cursor, 1));
        if (XAIsNullCursor(call) || !XAIsCallToFunction("free", true, call) ||
            !XALibclang::fn().clang_equalCursors(referencedDeclaration(checked),
                                                 referencedDeclaration(XAChildAtIndex(call, 1))) ||
            XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }

private:
    // The branch itself, or the one statement of a compound branch; the null cursor for more than one.
    static CXCursor onlyStatement(CXCursor branch) {
        if (XALibclang::fn().clang_getCursorKind(branch) != CXCursor_CompoundStmt) {
            return branch;
        }
        return XAChildCount(branch) > 1 ? XALibclang::fn().clang_getNullCursor() : XAChildAtIndex(branch, 0);
    }

    // What the expression refers to, looking through the implicit conversions around a variable's use.
    static CXCursor referencedDeclaration(CXCursor expression) {
        return XALibclang::fn().clang_getCursorReferenced(XAStripParensCastsAndUnexposed(expression));
    }
};

TESSARY_REGISTER_RULE(XARuleUnnecessaryNullCheck)
