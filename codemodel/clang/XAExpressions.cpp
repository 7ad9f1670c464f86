#include "codemodel/clang/XAExpressions.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAOperators.h"

namespace {

bool isDecisionPoint(CXCursor cursor) {
    switch (cursor.kind) {
    case CXCursor_CaseStmt:
    case CXCursor_IfStmt:
    case CXCursor_WhileStmt:
    case CXCursor_DoStmt:
    case CXCursor_ForStmt:
    case CXCursor_ObjCAtCatchStmt:
    case CXCursor_ObjCForCollectionStmt:
    case CXCursor_CXXCatchStmt:
    case CXCursor_ConditionalOperator:
        return true;
    case CXCursor_BinaryOperator: {
        const int kind = XABinaryOperatorKind(cursor);
        return kind == CXTessaryBinaryOperator_LAnd || kind == CXTessaryBinaryOperator_LOr;
    }
    default:
        return false;
    }
}

} // namespace

bool XAIsBlockOrLambdaExpr(CXCursor cursor) {
    return cursor.kind == CXCursor_BlockExpr || cursor.kind == CXCursor_LambdaExpr;
}

CXCursor XAVarDeclInitializer(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (cursor.kind != CXCursor_VarDecl) {
        return clang.clang_getNullCursor();
    }
    const CXCursor last = XALastChild(cursor);
    return clang.clang_isReference(last.kind) ? clang.clang_getNullCursor() : last;
}

unsigned XACyclomaticComplexity(CXCursor cursor) {
    if (XAIsNullCursor(cursor)) {
        return 0;
    }
    unsigned complexity = 1;
    XAVisitChildren(cursor, [&](CXCursor descendant) {
        complexity += isDecisionPoint(descendant) ? 1 : 0;
        return CXChildVisit_Recurse;
    });
    return complexity;
}

bool XAAllSwitchEnumCasesCovered(CXCursor cursor) {
    return XALibclang::fn().clang_tessary_areAllSwitchStmtEnumCasesCovered(cursor) != 0;
}

CXCursor XASwitchDefaultStmt(CXCursor cursor) {
    CXCursor found = XALibclang::fn().clang_getNullCursor();
    if (cursor.kind != CXCursor_SwitchStmt) {
        return found;
    }
    XAVisitChildren(cursor, [&](CXCursor descendant) {
        if (descendant.kind == CXCursor_SwitchStmt) {
            return CXChildVisit_Continue; // a nested switch's default is its own
        }
        if (descendant.kind == CXCursor_DefaultStmt) {
            found = descendant;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Recurse;
    });
    return found;
}
