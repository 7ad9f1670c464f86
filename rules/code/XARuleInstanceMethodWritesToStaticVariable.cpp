// Writes to variables with static storage (file-scope statics and globals, static locals) inside instance methods:
// such shared state makes instances interfere with one another. One-time initialisation inside dispatch_once() is
// what such variables are for and is allowed.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "engine/XARule.h"

struct XARuleInstanceMethodWritesToStaticVariable : XACursorRule<XARuleInstanceMethodWritesToStaticVariable> {
    static XAXMLString ruleName() { return XAXMLString("Instance method writes to static variable"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Writing to static variables (global state) in instance methods is bad practice: it "
                           "leads to surprising behaviour when several instances are manipulated.</p>"
                           "<p>Assignments inside <cfunction>dispatch_once()</cfunction> blocks are not "
                           "reported.</p>");
    }
    static std::vector<std::string> tags() { return {"BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl) {
            return {};
        }
        XADiagnostics diagnostics;
        XAVisitChildren(cursor, [&](CXCursor descendant) {
            if (writesStaticVariable(descendant) && !isInsideDispatchOnce(descendant)) {
                diagnostics.push_back(diagnosticWithCursor(descendant, std::nullopt, std::nullopt,
                                                           XADiagnosticImpactMaintainability,
                                                           XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh));
            }
            return CXChildVisit_Recurse;
        });
        return diagnostics;
    }

private:
    // The operand that an increment, decrement or assignment writes; the null cursor for any other cursor.
    static CXCursor writtenOperand(CXCursor cursor) {
        const CXCursorKind kind = XALibclang::fn().clang_getCursorKind(cursor);
        const bool writes =
            (kind == CXCursor_UnaryOperator && XAIsIncrementOrDecrementOperatorKind(XAUnaryOperatorKind(cursor))) ||
            (kind == CXCursor_BinaryOperator && XAIsAssignmentOperatorKind(XABinaryOperatorKind(cursor))) ||
            kind == CXCursor_CompoundAssignOperator;
        return writes ? XAChildAtIndex(cursor, 0) : XALibclang::fn().clang_getNullCursor();
    }

    // The operand itself must name the variable: an element of a static array or a member of a static structure
    // refers to no variable declaration.
    static bool writesStaticVariable(CXCursor cursor) {
        const CXCursor operand = writtenOperand(cursor);
        if (XAIsNullCursor(operand)) {
            return false;
        }
        const CXCursor variable = XALibclang::fn().clang_getCursorReferenced(operand);
        return XALibclang::fn().clang_getCursorKind(variable) == CXCursor_VarDecl && XAVarDeclStorageIs2Or4(variable);
    }

    // The SDK's dispatch_once() is a macro for the inline _dispatch_once(); headers without that inline form call
    // dispatch_once() itself.
    static bool isInsideDispatchOnce(CXCursor cursor) {
        const CXCursor call = XAFindSameExtentInEnclosingFunction(cursor, [](CXCursor candidate) {
            return XAIsCallToFunction("_dispatch_once", true, candidate) ||
                   XAIsCallToFunction("dispatch_once", true, candidate);
        });
        return !XAIsNullCursor(call);
    }
};

TESSARY_REGISTER_RULE(XARuleInstanceMethodWritesToStaticVariable)
