#include "codemodel/clang/XAVariableDeclarations.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAOperators.h"

#include <sstream>
#include <string>

bool XAVarDeclStorageIs2Or4(CXCursor cursor) {
    const int storage = XALibclang::fn().clang_tessary_getVarDeclStorage(cursor);
    return storage == CXTessaryVarDeclStorage_Global || storage == CXTessaryVarDeclStorage_StaticLocal;
}

bool XAVarDeclIsConst(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return cursor.kind == CXCursor_VarDecl && clang.clang_isConstQualifiedType(clang.clang_getCursorType(cursor));
}

bool XADeclIsWeakQualified(CXCursor cursor) {
    if (!XALibclang::fn().clang_isDeclaration(cursor.kind)) {
        return false;
    }
    const std::optional<std::string> text = XACursorSourceText(cursor);
    if (!text) {
        return false;
    }
    std::istringstream words(*text);
    for (std::string word; words >> word;) {
        if (word == "__weak") {
            return true;
        }
    }
    return false;
}

bool XAHasPureOrConstAttribute(CXCursor cursor) {
    bool found = false;
    XAVisitChildren(cursor, [&](CXCursor child) {
        found = child.kind == CXCursor_PureAttr || child.kind == CXCursor_ConstAttr;
        return found ? CXChildVisit_Break : CXChildVisit_Continue;
    });
    return found;
}

namespace {

unsigned nameOffset(CXCursor declaration) {
    unsigned offset = 0;
    XALibclang::fn().clang_getExpansionLocation(XALibclang::fn().clang_getCursorLocation(declaration), nullptr, nullptr,
                                                nullptr, &offset);
    return offset;
}

} // namespace

void XAVisitValuesAssignedToVariable(CXCursor reference, CXCursor function,
                                     const std::function<void(CXCursor value)> &block) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor body = XAFirstChildOfKind(function, CXCursor_CompoundStmt, CXChildVisit_Recurse);
    const CXCursor variable = clang.clang_getCursorReferenced(reference);
    if (XAIsNullCursor(body) || XAIsNullCursor(variable)) {
        return;
    }
    const auto isTheVariable = [&](CXCursor cursor) { return clang.clang_equalCursors(cursor, variable) != 0; };
    XAVisitChildren(body, [&](CXCursor descendant) {
        if (descendant.kind == CXCursor_VarDecl && isTheVariable(descendant)) {
            // An initial value written in the source stands after the name; ARC's implicit nil has no place there.
            const CXCursor initialValue = XALastChild(descendant);
            if (clang.clang_isExpression(initialValue.kind) &&
                XACursorExtentStart(initialValue).offset > nameOffset(descendant)) {
                block(initialValue);
            }
        } else if (descendant.kind == CXCursor_BinaryOperator &&
                   XABinaryOperatorKind(descendant) == XABinaryOperatorKindAssign &&
                   isTheVariable(clang.clang_getCursorReferenced(
                       XAStripParensCastsAndUnexposed(XAChildAtIndex(descendant, 0))))) {
            block(XAChildAtIndex(descendant, 1));
        }
        return CXChildVisit_Recurse;
    });
}
