// Reports ">" and ">=": comparisons read more easily with the smaller value on the left.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XAOperators.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

struct XARuleOrderedComparisonOpDirection : XACursorRule<XARuleOrderedComparisonOpDirection> {
    static XAXMLString ruleName() { return XAXMLString("Direction of ordered comparison operators"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if the <code>&gt;</code> or <code>&gt;=</code> operators are used (the "
                           "<code>&lt;</code> or <code>&lt;=</code> operators should be used instead). This is based "
                           "on the idea that it is easier to read comparisons where the smaller values are on the "
                           "left.");
    }
    static std::vector<std::string> tags() { return {"Style"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_BinaryOperator) { // the translation unit comes first
            return {};
        }
        const int op = XABinaryOperatorKind(cursor);
        const int mirror = mirrorOperatorKind(op);
        if (mirror == 0 || XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        const std::string message = "The <code>" + xa_escapedForXML(*XABinaryOperatorSpelling(op)) +
                                    "</code> operator is used. Invert this comparison to use the <code>" +
                                    xa_escapedForXML(*XABinaryOperatorSpelling(mirror)) + "</code> operator instead.";
        return {diagnosticWithCursor(cursor, XAXMLString(message), std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }

private:
    // "<" for ">", "<=" for ">="; 0 for every other operator.
    static int mirrorOperatorKind(int op) {
        constexpr int kLess = 10, kGreater = 11, kLessOrEqual = 12, kGreaterOrEqual = 13;
        return op == kGreater ? kLess : op == kGreaterOrEqual ? kLessOrEqual : 0;
    }
};

TESSARY_REGISTER_RULE(XARuleOrderedComparisonOpDirection)
