// Reports a pointer compared with zero by "<", ">", "<=" or ">=", where an equality test was most likely meant.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

struct XARuleOrderedPointerToZeroComparison : XACursorRule<XARuleOrderedPointerToZeroComparison> {
    static XAXMLString ruleName() { return XAXMLString("Ordered comparison of pointer and zero"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns whenever a pointer value is compared to zero using an ordered comparison "
                           "operator.</p> <p>The Clang compiler should warn about similar comparisons to values other "
                           "than zero.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_BinaryOperator) { // the translation unit comes first
            return {};
        }
        const int op = XABinaryOperatorKind(cursor);
        if (op < 10 || op > 13) { // "<", ">", "<=", ">="
            return {};
        }
        const CXCursor left = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 0));
        const CXCursor right = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 1));
        const bool leftIsPointer = XAIsPointerTypeKind(XACursorTypeKind(left));
        const bool rightIsPointer = XAIsPointerTypeKind(XACursorTypeKind(right));
        if (leftIsPointer == rightIsPointer || !isLiteralZero(leftIsPointer ? right : left)) {
            return {};
        }
        const std::string type = XATypeSpelling(XACursorType(leftIsPointer ? left : right)).value_or("");
        const std::string message = "<p><codesymbol>" + xa_escapedForXML(type) +
                                    "</codesymbol> is compared to zero using an ordered comparison.</p> <p>If you "
                                    "want to check for <code>NULL</code> or <code>nil</code>, use the equality "
                                    "operator.</p>";
        return {diagnosticWithCursor(cursor, XAXMLString(message), std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium)};
    }

private:
    // The integer literal 0, also behind a macro that expands to it.
    static bool isLiteralZero(CXCursor operand) {
        if (XALibclang::fn().clang_getCursorKind(operand) == CXCursor_MacroExpansion) {
            operand = XALibclang::fn().clang_getCursorReferenced(operand);
        }
        if (XALibclang::fn().clang_getCursorKind(operand) != CXCursor_IntegerLiteral) {
            return false;
        }
        const std::optional<std::uint64_t> value = XAIntegerLiteralValue(operand);
        return value && *value == 0;
    }
};

TESSARY_REGISTER_RULE(XARuleOrderedPointerToZeroComparison)
