#include "codemodel/clang/XAVariableDeclarations.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

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
