#include "codemodel/clang/XACursorTypeSupport.h"


namespace xa_cursor_support {


CXTypeKind canonicalDeclaredTypeKind(CXCursor declaration) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return clang.clang_getCanonicalType(clang.clang_getCursorType(declaration)).kind;
}

CXTypeKind canonicalResultTypeKind(CXCursor function) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return clang.clang_getCanonicalType(clang.clang_getCursorResultType(function)).kind;
}

} // namespace xa_cursor_support
