#include "codemodel/clang/XATypeQueries.h"

#include <array>
#include <initializer_list>

namespace {

// The highest kind the tables know; every kind above it answers false.
constexpr int kLastKnownTypeKind = CXType_Elaborated;

using XATypeKindTable = std::array<bool, kLastKnownTypeKind + 1>;

constexpr XATypeKindTable tableOfKinds(std::initializer_list<CXTypeKind> kinds) {
    XATypeKindTable table{};
    for (CXTypeKind kind : kinds) {
        table[kind] = true;
    }
    return table;
}

constexpr XATypeKindTable tableOfKindRange(CXTypeKind first, CXTypeKind last) {
    XATypeKindTable table{};
    for (int kind = first; kind <= last; ++kind) {
        table[kind] = true;
    }
    return table;
}

constexpr XATypeKindTable kPointerKinds =
    tableOfKinds({CXType_NullPtr, CXType_ObjCId, CXType_ObjCClass, CXType_Pointer, CXType_BlockPointer,
                  CXType_ObjCObjectPointer, CXType_MemberPointer});
constexpr XATypeKindTable kRetainableKinds =
    tableOfKinds({CXType_ObjCId, CXType_ObjCClass, CXType_BlockPointer, CXType_ObjCObjectPointer});
constexpr XATypeKindTable kFloatingKinds =
    tableOfKinds({CXType_Float, CXType_Double, CXType_LongDouble, CXType_Float128});
constexpr XATypeKindTable kIntegerKinds = tableOfKindRange(CXType_Char_U, CXType_Int128);
constexpr XATypeKindTable kBoolKinds = tableOfKinds({CXType_Bool});

constexpr bool isInTable(const XATypeKindTable &table, int kind) {
    return kind >= 0 && kind <= kLastKnownTypeKind && table[kind];
}

static_assert(!isInTable(kIntegerKinds, CXType_Bool), "bool is not an integer kind");
static_assert(isInTable(kPointerKinds, CXType_NullPtr) && !isInTable(kRetainableKinds, CXType_NullPtr));

bool isFunctionLikeDeclaration(CXCursorKind kind) {
    return kind == CXCursor_FunctionDecl || kind == CXCursor_ObjCInstanceMethodDecl ||
           kind == CXCursor_ObjCClassMethodDecl;
}

} // namespace

bool XAIsPointerTypeKind(int kind) { return isInTable(kPointerKinds, kind); }
bool XAIsObjCRetainableTypeKind(int kind) { return isInTable(kRetainableKinds, kind); }
bool XAIsFloatingTypeKind(int kind) { return isInTable(kFloatingKinds, kind); }
bool XAIsIntegerTypeKind(int kind) { return isInTable(kIntegerKinds, kind); }
bool XAIsBoolTypeKind(int kind) { return isInTable(kBoolKinds, kind); }
bool XAIsNumericTypeKind(int kind) { return XAIsIntegerTypeKind(kind) || XAIsFloatingTypeKind(kind); }

CXType XAPlainType(CXType type) {
    const XALibclangFunctions &clang = XALibclang::fn();
    // Each step removes one wrapper; the number of wrappers is small and finite.
    for (;;) {
        if (type.kind == CXType_Elaborated) {
            type = clang.clang_Type_getNamedType(type);
        } else if (type.kind == CXType_Attributed) {
            type = clang.clang_Type_getModifiedType(type);
        } else {
            return type;
        }
    }
}

std::optional<std::string> XATypeSpelling(CXType type) {
    return XAStringFromCXString(XALibclang::fn().clang_getTypeSpelling(type));
}

CXType XAInvalidTypeForTU(CXTranslationUnit translationUnit) {
    return CXType{CXType_Invalid, {nullptr, translationUnit}};
}

CXType XAResolveUnexposedType(CXType type) {
    return type.kind == CXType_Unexposed ? XALibclang::fn().clang_getCanonicalType(type) : type;
}

CXType XAResolveInstancetype(CXType type) {
    if (type.kind != CXType_Typedef || XATypeSpelling(type) != "instancetype") {
        return type;
    }
    return XALibclang::fn().clang_getCanonicalType(type);
}

CXType XACursorType(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (cursor.kind == CXCursor_MemberRefExpr || clang.clang_isReference(cursor.kind)) {
        cursor = clang.clang_getCursorReferenced(cursor);
    } else if (cursor.kind == CXCursor_UnexposedExpr) {
        const CXCursor referenced = clang.clang_getCursorReferenced(cursor);
        if (!clang.clang_Cursor_isNull(referenced)) {
            cursor = referenced;
        }
    }
    if (clang.clang_Cursor_isNull(cursor)) {
        return XAInvalidTypeForTU(clang.clang_Cursor_getTranslationUnit(cursor));
    }
    if (isFunctionLikeDeclaration(cursor.kind)) {
        return XAResolveInstancetype(XAPlainType(clang.clang_getCursorResultType(cursor)));
    }
    return XAResolveUnexposedType(XAPlainType(clang.clang_getCursorType(cursor)));
}

CXTypeKind XACursorTypeKind(CXCursor cursor) { return XACursorType(cursor).kind; }

CXCursor XAClassDeclOfCursorType(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXType type = XACursorType(cursor);
    if (type.kind == CXType_ObjCObjectPointer) {
        type = clang.clang_getCanonicalType(clang.clang_getPointeeType(type));
    }
    // libclang answers "no declaration" with a cursor of an invalid kind, which is not the null cursor.
    const CXCursor declaration = clang.clang_getTypeDeclaration(type);
    return clang.clang_isInvalid(declaration.kind) ? clang.clang_getNullCursor() : declaration;
}

CXType XATypedefUnderlyingType(CXType type) {
    const XALibclangFunctions &clang = XALibclang::fn();
    type = XAPlainType(type);
    const CXCursor declaration = clang.clang_getTypeDeclaration(type);
    if (clang.clang_Cursor_isNull(declaration)) {
        return type;
    }
    const CXType underlying = clang.clang_getTypedefDeclUnderlyingType(declaration);
    return underlying.kind == CXType_Invalid ? type : XAPlainType(underlying);
}

bool XACursorHasPointerType(CXCursor cursor) { return XAIsPointerTypeKind(XACursorTypeKind(cursor)); }

bool XACursorHasPointerOrBoolType(CXCursor cursor) {
    return XACursorHasPointerType(cursor) || XAIsBooleanType(XACursorType(cursor));
}

bool XAIsBooleanType(CXType type) {
    type = XAPlainType(type);
    if (type.kind == CXType_Bool) {
        return true;
    }
    const std::optional<std::string> spelling = XATypeSpelling(type);
    return spelling == "BOOL" || spelling == "bool" || spelling == "_Bool";
}

bool XAIsPointerToObjCClassNamed(std::string_view className, CXType type) {
    type = XAPlainType(type);
    if (type.kind != CXType_ObjCObjectPointer) {
        return false;
    }
    const CXType pointee = XALibclang::fn().clang_getPointeeType(type);
    return pointee.kind == CXType_ObjCInterface && XATypeSpelling(pointee) == className;
}
