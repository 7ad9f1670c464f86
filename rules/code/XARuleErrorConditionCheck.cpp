// Methods that pass back an NSError by reference signal failure by their return value (NO or nil); the error object
// means something only after a failure. Reported: a routine that passes the address of a local NSError * variable to
// such a method and then decides about failure by testing that variable in an if condition, while neither the call's
// value nor the variable that stores it is tested in any if condition of the routine. The finding is at the test of
// the error variable.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAExpressions.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

#include <algorithm>
#include <vector>

namespace {
constexpr const char *kOnlySystemFrameworks = "onlySystemFrameworks";

// A message that passes the address of a local NSError * variable, and the variable that receives the message's value
// (the null cursor when its value is not stored).
struct XAErrorOutCall {
    CXCursor call;
    CXCursor errorVariable;
    CXCursor resultVariable;
};

// A variable tested in an if condition, and the part of the condition that tests it.
struct XATestedVariable {
    CXCursor declaration;
    CXCursor test;
};

bool sameDeclaration(CXCursor first, CXCursor second) { return XALibclang::fn().clang_equalCursors(first, second); }

// Expressions are compared by kind and extent: the same expression reached by two walks of the body may come with
// different parent data.
bool sameExpression(CXCursor first, CXCursor second) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return first.kind == second.kind &&
           clang.clang_equalRanges(clang.clang_getCursorExtent(first), clang.clang_getCursorExtent(second));
}

CXType resolvedType(CXType type) { return XAResolveInstancetype(XAResolveUnexposedType(XAPlainType(type))); }

// The type NSError **, through nullability and other sugar at each level.
bool isPointerToNSErrorPointer(CXType type) {
    const XALibclangFunctions &clang = XALibclang::fn();
    type = XAResolveUnexposedType(XAPlainType(type));
    if (type.kind != CXType_Pointer) {
        return false;
    }
    return XAIsPointerToObjCClassNamed("NSError", clang.clang_getPointeeType(type));
}

// The 0-based index of the method's first NSError ** parameter.
std::optional<unsigned> errorParameterIndex(CXCursor method) {
    std::optional<unsigned> found;
    XAMethodArguments(method, [&](CXCursor parameter, unsigned index, bool &stop) {
        if (isPointerToNSErrorPointer(XALibclang::fn().clang_getCursorType(parameter))) {
            found = index;
            stop = true;
        }
    });
    return found;
}

// For a message to a method that returns a pointer or a boolean and passes back an NSError, with the address of a
// local NSError * variable as that argument: the variable's declaration. The null cursor otherwise.
CXCursor errorVariableOfErrorOutCall(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor none = clang.clang_getNullCursor();
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return none;
    }
    const CXCursor method = clang.clang_getCursorReferenced(cursor);
    const CXCursorKind methodKind = clang.clang_getCursorKind(method);
    if (methodKind != CXCursor_ObjCInstanceMethodDecl && methodKind != CXCursor_ObjCClassMethodDecl) {
        return none;
    }
    const CXType resultType = resolvedType(clang.clang_getCursorResultType(method));
    if (!XAIsPointerTypeKind(resultType.kind) && !XAIsBooleanType(resultType)) {
        return none;
    }
    const std::optional<unsigned> index = errorParameterIndex(method);
    if (!index) {
        return none;
    }
    const CXCursor argument = XAStripParensCastsAndUnexposed(XAMessageReceiver(cursor, *index));
    if (XAUnaryOperatorKind(argument) != 5) { // address-of
        return none;
    }
    const CXCursor operand = XAChildAtIndex(argument, 0);
    if (clang.clang_getCursorKind(operand) != CXCursor_DeclRefExpr) {
        return none;
    }
    const CXCursor variable = clang.clang_getCursorReferenced(operand);
    if (clang.clang_getCursorKind(variable) != CXCursor_VarDecl ||
        !XAIsPointerToObjCClassNamed("NSError", clang.clang_getCursorType(variable))) {
        return none;
    }
    return variable;
}

// Gathers the error-out calls of a body. Messages inside a C function call standing on its own are not gathered;
// messages anywhere in an initialiser or the right-hand side of an assignment are, with the receiving variable.
class XAErrorOutCallCollector {
public:
    std::vector<XAErrorOutCall> calls;

    void collect(CXCursor cursor) {
        XAVisitChildren(cursor, [this](CXCursor child) { return visit(child); });
    }

private:
    CXChildVisitResult visit(CXCursor cursor) {
        const XALibclangFunctions &clang = XALibclang::fn();
        switch (cursor.kind) {
        case CXCursor_CallExpr:
            return CXChildVisit_Continue;
        case CXCursor_VarDecl: {
            const CXCursor initialiser = XAStripParensCastsAndUnexposed(XALastChild(cursor));
            collectAssigned(initialiser, cursor);
            return CXChildVisit_Continue;
        }
        default:
            break;
        }
        if (cursor.kind == CXCursor_BinaryOperator && XABinaryOperatorKind(cursor) == 21) { // "="
            const CXCursor rightSide = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 1));
            collectAssigned(rightSide, clang.clang_getCursorReferenced(XAChildAtIndex(cursor, 0)));
            return CXChildVisit_Continue;
        }
        const CXCursor errorVariable = errorVariableOfErrorOutCall(cursor);
        if (!XAIsNullCursor(errorVariable)) {
            calls.push_back({cursor, errorVariable, clang.clang_getNullCursor()});
        }
        return cursor.kind == CXCursor_ObjCMessageExpr ? CXChildVisit_Continue : CXChildVisit_Recurse;
    }

    // The value and every message inside it (outside blocks) go to the receiving declaration.
    void collectAssigned(CXCursor value, CXCursor receiver) {
        record(value, receiver);
        XAVisitChildren(value, [&](CXCursor child) {
            if (XAIsBlockOrLambdaExpr(child)) {
                collect(child); // calls inside a block are not attributed to the receiver
                return CXChildVisit_Continue;
            }
            record(child, receiver);
            return CXChildVisit_Recurse;
        });
    }

    // A field or a property receiving the value is not a variable that the routine could test: nothing is recorded.
    void record(CXCursor cursor, CXCursor receiver) {
        const CXCursorKind receiverKind = XALibclang::fn().clang_getCursorKind(receiver);
        if (receiverKind == CXCursor_FieldDecl || receiverKind == CXCursor_ObjCPropertyDecl) {
            return;
        }
        const CXCursor errorVariable = errorVariableOfErrorOutCall(cursor);
        if (!XAIsNullCursor(errorVariable)) {
            calls.push_back({cursor, errorVariable, receiver});
        }
    }
};

// Gathers what the if conditions of a body test against nil, NO or 0: variables and error-out calls.
class XAConditionCollector {
public:
    std::vector<XATestedVariable> testedVariables;
    std::vector<CXCursor> testedCalls;

    void collect(CXCursor body) {
        XAVisitChildren(body, [this](CXCursor child) {
            if (child.kind == CXCursor_IfStmt) {
                examineCondition(XAStripParensCastsAndUnexposed(XAChildAtIndex(child, 0)));
            }
            return CXChildVisit_Recurse;
        });
    }

private:
    void examineCondition(CXCursor condition) {
        const int operatorKind = XABinaryOperatorKind(condition);
        if (operatorKind == 19 || operatorKind == 20) { // "&&", "||"
            examineCondition(XAStripParensCastsAndUnexposed(XAChildAtIndex(condition, 0)));
            examineCondition(XAStripParensCastsAndUnexposed(XAChildAtIndex(condition, 1)));
            return;
        }
        CXCursor operand;
        if (!XAMatchPointerOrBoolNilCheck(&operand, nullptr, condition)) {
            return;
        }
        operand = XAStripParensCastsAndUnexposed(operand);
        if (operand.kind == CXCursor_DeclRefExpr || operand.kind == CXCursor_MemberRefExpr) {
            const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(operand);
            const CXCursorKind kind = XALibclang::fn().clang_getCursorKind(declaration);
            if (kind == CXCursor_VarDecl || kind == CXCursor_ParmDecl || kind == CXCursor_ObjCIvarDecl) {
                testedVariables.push_back({declaration, condition});
            }
        }
        if (!XAIsNullCursor(errorVariableOfErrorOutCall(operand))) {
            testedCalls.push_back(operand);
        }
    }
};
} // namespace

struct XARuleErrorConditionCheck : XACursorRule<XARuleErrorConditionCheck> {
    static XAXMLString ruleName() { return XAXMLString("Fragile error condition check"); }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "Methods that pass back <objcclass>NSError</objcclass> objects by reference return <codesymbol>NO"
            "</codesymbol> or <codesymbol>nil</codesymbol> to indicate an error condition. This rule warns when the "
            "<objcclass>NSError</objcclass> pointer is checked against <codesymbol>nil</codesymbol> without the "
            "return value being checked.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice", "APIUsage"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
                    "Error Handling Programming Guide: Using and Creating Error Objects: Handling Error Objects "
                    "Returned From Methods",
                    "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/ErrorHandlingCocoa/"
                    "CreateCustomizeNSError/CreateCustomizeNSError.html"),
                XAExternalLink::linkWithTitle(
                    "Programming with Objective-C: Dealing with Errors: Some Methods Pass Errors by Reference",
                    "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/"
                    "ProgrammingWithObjectiveC/ErrorHandling/ErrorHandling.html"),
                XAExternalLink::linkWithTitle("NYTimes Objective-C Style Guide: Error Handling",
                                              "https://github.com/NYTimes/objective-c-style-guide#error-handling")};
    }

    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kOnlySystemFrameworks, "Apply only to system framework methods",
            "Don’t warn when the invoked method is not declared in a system framework header.", XAOptionValue(false),
            XAOptionValueTypeBool)};
    }

    static std::vector<int> cursorKinds() {
        return {CXCursor_FunctionDecl, CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_FunctionDecl && kind != CXCursor_ObjCInstanceMethodDecl &&
            kind != CXCursor_ObjCClassMethodDecl) {
            return {};
        }
        const CXCursor body = XAFirstChildOfKind(cursor, CXCursor_CompoundStmt, CXChildVisit_Recurse);
        if (XAIsNullCursor(body)) {
            return {};
        }
        XAErrorOutCallCollector calls;
        calls.collect(body);
        XAConditionCollector conditions;
        conditions.collect(body);

        const bool onlySystemFrameworks = boolForOption(kOnlySystemFrameworks, context);
        XADiagnostics diagnostics;
        for (const XAErrorOutCall &call : calls.calls) {
            const std::optional<CXCursor> test = fragileTest(call, conditions, onlySystemFrameworks);
            if (test) {
                diagnostics.push_back(diagnosticWithCursor(*test, infoNamingResultVariable(call.resultVariable),
                                                           std::nullopt, XADiagnosticImpactFunctionality,
                                                           XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium));
            }
        }
        return diagnostics;
    }

private:
    // The test of the call's error variable when the call's value is tested nowhere.
    static std::optional<CXCursor> fragileTest(const XAErrorOutCall &call, const XAConditionCollector &conditions,
                                               bool onlySystemFrameworks) {
        if (XAIsNullCursor(call.call) || XAIsNullCursor(call.errorVariable)) {
            return std::nullopt;
        }
        const auto testsDeclaration = [&](CXCursor declaration) {
            return std::find_if(
                conditions.testedVariables.begin(), conditions.testedVariables.end(),
                [&](const XATestedVariable &tested) { return sameDeclaration(tested.declaration, declaration); });
        };
        if (!XAIsNullCursor(call.resultVariable) &&
            testsDeclaration(call.resultVariable) != conditions.testedVariables.end()) {
            return std::nullopt;
        }
        if (std::any_of(conditions.testedCalls.begin(), conditions.testedCalls.end(),
                        [&](CXCursor tested) { return sameExpression(tested, call.call); })) {
            return std::nullopt;
        }
        const auto errorTest = testsDeclaration(call.errorVariable);
        if (errorTest == conditions.testedVariables.end() || XAIsNullCursor(errorTest->test)) {
            return std::nullopt;
        }
        if (onlySystemFrameworks && !XACursorIsInSystemHeader(XALibclang::fn().clang_getCursorReferenced(call.call))) {
            return std::nullopt;
        }
        return errorTest->test;
    }

    static std::optional<XAXMLString> infoNamingResultVariable(CXCursor resultVariable) {
        if (XAIsNullCursor(resultVariable)) {
            return std::nullopt;
        }
        return XAXMLString("Check the method return value (stored in the <codesymbol>" +
                           XACursorSpelling(resultVariable).value_or("") + "</codesymbol> variable) instead.");
    }
};

TESSARY_REGISTER_RULE(XARuleErrorConditionCheck)
