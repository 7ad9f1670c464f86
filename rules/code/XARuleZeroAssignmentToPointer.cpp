// Reports the literal zero assigned to a pointer: the author may have meant an integer member of what it points to.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

struct XARuleZeroAssignmentToPointer : XACursorRule<XARuleZeroAssignmentToPointer> {
    static XAXMLString ruleName() { return XAXMLString("Assignment of literal zero to pointer"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Assigning the literal zero to a pointer value might be an indication of a mistake where "
                           "the programmer actually wanted to assign to an integer-typed member of the pointer type "
                           "value. Assigning <code>NULL</code>, <code>nil</code>, or <code>Nil</code> instead "
                           "suppresses warnings from this rule.");
    }
    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_BinaryOperator) { // the translation unit comes first
            return {};
        }
        constexpr int kAssignment = 21;
        if (XABinaryOperatorKind(cursor) != kAssignment) {
            return {};
        }
        const CXCursor right = XAChildAtIndex(cursor, 1);
        const CXCursor castOrValue = firstAccepted(right, true);
        if (kindOf(castOrValue) == CXCursor_CStyleCastExpr && XAIsPointerTypeKind(XACursorTypeKind(castOrValue))) {
            return {}; // zero cast to a pointer type on purpose
        }
        if (!XAIsPointerTypeKind(XACursorTypeKind(XAChildAtIndex(cursor, 0)))) {
            return {};
        }
        const CXCursor value = firstAccepted(right, false);
        // NULL, nil and Nil are spelled by their macro names; only a written zero is reported.
        if (!XAIsNullConstantExpr(value) || !XACursorSourceText(value).value_or("").starts_with("0")) {
            return {};
        }
        return {diagnosticWithCursor(cursor,
                                     XAXMLString("Literal zero is assigned to pointer type variable or member. If this "
                                                 "is intentional, use <code>NULL</code>, <code>nil</code>, or "
                                                 "<code>Nil</code> instead."),
                                     std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                     XADiagnosticConfidenceHigh)};
    }

private:
    static CXCursorKind kindOf(CXCursor cursor) { return XALibclang::fn().clang_getCursorKind(cursor); }

    // Parentheses and unexposed wrappers are looked through (an unexposed NSNumber expression, a boxed value, is not);
    // C-style casts too unless `acceptCasts`.
    static bool isAccepted(CXCursor cursor, bool acceptCasts) {
        switch (kindOf(cursor)) {
        case CXCursor_ParenExpr:
            return false;
        case CXCursor_UnexposedExpr:
            return XAIsPointerToObjCClassNamed("NSNumber", XACursorType(cursor));
        case CXCursor_CStyleCastExpr:
            return acceptCasts;
        default:
            return true;
        }
    }

    // The right side itself when accepted, else the first accepted cursor below it.
    static CXCursor firstAccepted(CXCursor right, bool acceptCasts) {
        if (isAccepted(right, acceptCasts)) {
            return right;
        }
        return XADescendThroughChildren(right, [acceptCasts](CXCursor c) { return isAccepted(c, acceptCasts); });
    }
};

TESSARY_REGISTER_RULE(XARuleZeroAssignmentToPointer)
