// Reports assignments, compound assignments, increments and decrements of a parameter variable.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAOperators.h"
#include "engine/XARule.h"

struct XARuleArgumentModification : XACursorRule<XARuleArgumentModification> {
    static XAXMLString ruleName() { return XAXMLString("Modifying the value of an argument variable"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Argument variable values should not be modified directly \u2014 code is easier to follow "
                           "if you can always trust that argument variable values do not change.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() {
        return {CXCursor_CompoundAssignOperator, CXCursor_BinaryOperator, CXCursor_UnaryOperator};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (!modifiesItsOperand(cursor, kind)) {
            return {};
        }
        const CXCursor operand = XAChildAtIndex(cursor, 0);
        if (XAIsNullCursor(operand)) {
            return {};
        }
        // Through a pointer (*p = x) or a member (p->x = x) the first child is no reference to the parameter.
        const CXCursor definition = XALibclang::fn().clang_getCursorDefinition(operand);
        if (XALibclang::fn().clang_getCursorKind(definition) != CXCursor_ParmDecl ||
            XALibclang::fn().clang_getCursorType(definition).kind == CXType_LValueReference) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }

private:
    static bool modifiesItsOperand(CXCursor cursor, int kind) {
        switch (kind) {
        case CXCursor_UnaryOperator:
            return XAIsIncrementOrDecrementOperatorKind(XAUnaryOperatorKind(cursor));
        case CXCursor_CompoundAssignOperator:
            return true;
        case CXCursor_BinaryOperator:
            return XAIsAssignmentOperatorKind(XABinaryOperatorKind(cursor));
        default:
            return false;
        }
    }
};

TESSARY_REGISTER_RULE(XARuleArgumentModification)
