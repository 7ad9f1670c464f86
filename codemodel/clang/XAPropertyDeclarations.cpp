#include "codemodel/clang/XAPropertyDeclarations.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XACursorTypeSupport.h"
#include "codemodel/clang/XATranslationUnitMemo.h"
#include "codemodel/clang/XATypeQueries.h"

namespace {

constexpr unsigned kPropertySearchDistance = 10;

} // namespace

bool XAIsIBOutletProperty(CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCPropertyDecl &&
           !XAIsNullCursor(XAFirstChildOfKind(cursor, CXCursor_IBOutletAttr, CXChildVisit_Continue));
}

CXCursor XAPropertyDeclOfAccessor(CXCursor cursor) {
    return XAMemoisedAnswer<CXCursor>("property of accessor", cursor, [cursor] {
        return XALibclang::fn().clang_tessary_getObjCMethodDeclPropertyDecl(cursor, 0);
    });
}

bool XAIsPropertyAccessor(CXCursor method) { return !XAIsNullCursor(XAPropertyDeclOfAccessor(method)); }

namespace {
// The class interface of an interface, category or class extension.
CXCursor classInterfaceOfContainer(CXCursor container) {
    const XALibclangFunctions &clang = XALibclang::fn();
    switch (clang.clang_getCursorKind(container)) {
    case CXCursor_ObjCInterfaceDecl:
        return container;
    case CXCursor_ObjCCategoryDecl:
        return clang.clang_getCursorReferenced(
            XAFirstChildOfKind(container, CXCursor_ObjCClassRef, CXChildVisit_Continue));
    default:
        return clang.clang_getNullCursor();
    }
}
} // namespace

CXCursor XAPropertySetterDefinition(CXCursor property) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXCursor found = clang.clang_getNullCursor();
    if (clang.clang_getCursorKind(property) != CXCursor_ObjCPropertyDecl) {
        return found;
    }
    const CXCursor interface = classInterfaceOfContainer(clang.clang_getCursorSemanticParent(property));
    if (XAIsNullCursor(interface)) {
        return found;
    }
    const CXCursor implementation = clang.clang_tessary_getInterfaceDeclImplementation(interface);
    const std::optional<std::string> setterName =
        XAStringFromCXString(clang.clang_Cursor_getObjCPropertySetterName(property));
    if (!setterName) {
        return found;
    }
    XAVisitChildren(implementation, [&](CXCursor child) {
        if (child.kind == CXCursor_ObjCInstanceMethodDecl && XACursorSpelling(child) == *setterName &&
            !XAIsNullCursor(XAFirstChildOfKind(child, CXCursor_CompoundStmt, CXChildVisit_Continue))) {
            found = child;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Continue;
    });
    return found;
}

CXCursor XAPropertyDeclAfterCursor(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const XACursorPosition end = XACursorExtentEnd(cursor);
    CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(cursor);
    if (end.offset == 0 || !unit) {
        return clang.clang_getNullCursor();
    }
    for (unsigned distance = 0; distance < kPropertySearchDistance; ++distance) {
        const CXCursor found =
            clang.clang_getCursor(unit, clang.clang_getLocationForOffset(unit, end.file, end.offset + distance));
        if (found.kind == CXCursor_ObjCPropertyDecl) {
            return found;
        }
    }
    return clang.clang_getNullCursor();
}

std::optional<std::string> XAPropertyAttributeName(unsigned attribute) {
    switch (attribute) {
    case CXObjCPropertyAttr_noattr:
        return "";
    case CXObjCPropertyAttr_readonly:
        return "readonly";
    case CXObjCPropertyAttr_getter:
        return "getter";
    case CXObjCPropertyAttr_assign:
        return "assign";
    case CXObjCPropertyAttr_readwrite:
        return "readwrite";
    case CXObjCPropertyAttr_retain:
        return "retain";
    case CXObjCPropertyAttr_copy:
        return "copy";
    case CXObjCPropertyAttr_nonatomic:
        return "nonatomic";
    case CXObjCPropertyAttr_setter:
        return "setter";
    case CXObjCPropertyAttr_atomic:
        return "atomic";
    case CXObjCPropertyAttr_weak:
        return "weak";
    case CXObjCPropertyAttr_strong:
        return "strong";
    case CXObjCPropertyAttr_unsafe_unretained:
        return "unsafe_unretained";
    case CXObjCPropertyAttr_class:
        return "class";
    default:
        return std::nullopt;
    }
}

unsigned XAPropertyOwnershipAttribute(bool isUsingARC, CXCursor cursor) {
    if (XAIsNullCursor(cursor)) {
        return 0;
    }
    const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
    if (attributes & CXObjCPropertyAttr_readonly) {
        return 0;
    }
    for (unsigned ownership :
         {CXObjCPropertyAttr_retain, CXObjCPropertyAttr_strong, CXObjCPropertyAttr_assign,
          CXObjCPropertyAttr_unsafe_unretained, CXObjCPropertyAttr_weak, CXObjCPropertyAttr_copy}) {
        if (attributes & ownership) {
            return ownership;
        }
    }
    if (!isUsingARC) {
        return CXObjCPropertyAttr_assign;
    }
    const CXTypeKind typeKind = xa_cursor_support::canonicalDeclaredTypeKind(cursor);
    if (!XAIsObjCRetainableTypeKind(typeKind)) {
        return CXObjCPropertyAttr_assign;
    }
    return typeKind == CXType_BlockPointer ? CXObjCPropertyAttr_copy : CXObjCPropertyAttr_strong;
}
