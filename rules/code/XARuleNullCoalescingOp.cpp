// (obj ? obj : other), which the ?: operator says once: obj ?: other.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XANullChecks.h"
#include "engine/XARule.h"

#include <algorithm>

struct XARuleNullCoalescingOp : XACursorRule<XARuleNullCoalescingOp> {
    static XAXMLString ruleName() { return XAXMLString("Null coalescing operator usage"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Expressions of the form <code>(obj ? obj : other)</code> should be written as <code>obj ?: "
                           "other</code>.");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("Please note that in the form <code>(obj ? obj : other)</code> the <code>obj</code> "
                           "expression is evaluated twice, while in the <code>obj ?: other</code> form it is evaluated "
                           "only once.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Style"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ConditionalOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ConditionalOperator || !nonNilBranchRepeatsOperand(cursor) ||
            XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }

private:
    // The condition tests a pointer against nil and the branch taken when it is not nil is that same pointer: the
    // same declaration written the same way (a.name and b.name refer to one property but are different values).
    static bool nonNilBranchRepeatsOperand(CXCursor conditional) {
        CXCursor operand = XALibclang::fn().clang_getNullCursor();
        bool isNilTest = false;
        if (!XAMatchPointerNilCheck(&operand, &isNilTest,
                                    XAStripParensCastsAndUnexposed(XAChildAtIndex(conditional, 0)))) {
            return false;
        }
        const CXCursor branch = XAStripParensCastsAndUnexposed(XAChildAtIndex(conditional, isNilTest ? 2 : 1));
        if (branch.kind == CXCursor_CallExpr) {
            return false;
        }
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor operandDecl = clang.clang_getCursorReferenced(operand);
        if (XAIsNullCursor(operandDecl) ||
            !clang.clang_equalCursors(operandDecl, clang.clang_getCursorReferenced(branch))) {
            return false;
        }
        return tokenSpellings(XAStripParensCastsAndUnexposed(operand)) == tokenSpellings(branch);
    }

    static std::vector<std::optional<std::string>> tokenSpellings(CXCursor cursor) {
        std::vector<std::optional<std::string>> spellings;
        for (const XAClangToken &token : XATokensOfCursor(cursor).value_or(std::vector<XAClangToken>{})) {
            spellings.push_back(token.spelling());
        }
        return spellings;
    }
};

TESSARY_REGISTER_RULE(XARuleNullCoalescingOp)
