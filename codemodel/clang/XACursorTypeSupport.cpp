#include "codemodel/clang/XACursorTypeSupport.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

namespace xa_cursor_support {

namespace {

// The type of what the cursor stands for, with instancetype and unexposed types resolved.
CXType typeOfCursor(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (cursor.kind == CXCursor_MemberRefExpr || clang.clang_isReference(cursor.kind)) {
        cursor = clang.clang_getCursorReferenced(cursor);
    } else if (cursor.kind == CXCursor_UnexposedExpr) {
        const CXCursor referenced = clang.clang_getCursorReferenced(cursor);
        if (!XAIsNullCursor(referenced)) {
            cursor = referenced;
        }
    }
    if (XAIsNullCursor(cursor)) {
        return CXType{CXType_Invalid, {nullptr, nullptr}};
    }
    if (cursor.kind == CXCursor_FunctionDecl || cursor.kind == CXCursor_ObjCInstanceMethodDecl ||
        cursor.kind == CXCursor_ObjCClassMethodDecl) {
        const CXType result = clang.clang_getCursorResultType(cursor);
        const bool isInstancetype = result.kind == CXType_Typedef &&
                                    XAStringFromCXString(clang.clang_getTypeSpelling(result)) == "instancetype";
        return isInstancetype ? clang.clang_getCanonicalType(result) : result;
    }
    const CXType type = clang.clang_getCursorType(cursor);
    return type.kind == CXType_Unexposed ? clang.clang_getCanonicalType(type) : type;
}

} // namespace

CXTypeKind canonicalDeclaredTypeKind(CXCursor declaration) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return clang.clang_getCanonicalType(clang.clang_getCursorType(declaration)).kind;
}

CXTypeKind canonicalResultTypeKind(CXCursor function) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return clang.clang_getCanonicalType(clang.clang_getCursorResultType(function)).kind;
}

bool isObjCRetainableTypeKind(CXTypeKind kind) {
    return kind == CXType_ObjCId || kind == CXType_ObjCClass || kind == CXType_BlockPointer ||
           kind == CXType_ObjCObjectPointer;
}

CXCursor classDeclOfCursorType(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXType type = typeOfCursor(cursor);
    if (type.kind == CXType_ObjCObjectPointer) {
        type = clang.clang_getCanonicalType(clang.clang_getPointeeType(type));
    }
    const CXCursor declaration = clang.clang_getTypeDeclaration(type);
    // libclang answers "no declaration found" with an invalid cursor of its own; callers test for the null cursor.
    return clang.clang_isInvalid(declaration.kind) ? clang.clang_getNullCursor() : declaration;
}

} // namespace xa_cursor_support
