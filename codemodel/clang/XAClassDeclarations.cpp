#include "codemodel/clang/XAClassDeclarations.h"

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"

namespace {

constexpr int kMaximumSuperclassNames = 100;

CXCursor superClassReference(CXCursor interface) {
    return XAFirstChildOfKind(interface, CXCursor_ObjCSuperClassRef, CXChildVisit_Continue);
}

} // namespace

CXCursor XAInterfaceDefinition(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor canonical = clang.clang_getCanonicalCursor(cursor);
    const CXCursor interface = XAIsNullCursor(canonical) ? cursor : canonical;
    if (interface.kind != CXCursor_ObjCInterfaceDecl) {
        return clang.clang_getNullCursor();
    }
    // libclang shows a forward declaration as a reference to the class, whose referenced cursor is the definition.
    const CXCursor forwardReference = XAChildAtIndex(interface, 0);
    if (forwardReference.kind == CXCursor_ObjCClassRef) {
        const CXCursor definition = clang.clang_getCursorReferenced(forwardReference);
        return definition.kind == CXCursor_ObjCInterfaceDecl ? definition : interface;
    }
    return interface;
}

CXCursor XASuperclassOfInterface(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor firstChild = XAChildAtIndex(XAInterfaceDefinition(cursor), 0);
    if (firstChild.kind != CXCursor_ObjCSuperClassRef) {
        return clang.clang_getNullCursor();
    }
    return clang.clang_getCursorReferenced(firstChild);
}

CXCursor XAClassOfObjCContainer(CXCursor container) {
    const XALibclangFunctions &clang = XALibclang::fn();
    switch (container.kind) {
    case CXCursor_ObjCInterfaceDecl:
        return clang.clang_getCanonicalCursor(container);
    case CXCursor_ObjCImplementationDecl:
        // libclang gives an implementation's class interface as its canonical cursor.
        return clang.clang_getCanonicalCursor(clang.clang_getCanonicalCursor(container));
    case CXCursor_ObjCCategoryDecl:
    case CXCursor_ObjCCategoryImplDecl: {
        const CXCursor classReference = XAChildAtIndex(container, 0);
        return classReference.kind == CXCursor_ObjCClassRef
                   ? clang.clang_getCanonicalCursor(clang.clang_getCursorReferenced(classReference))
                   : clang.clang_getNullCursor();
    }
    default:
        return clang.clang_getNullCursor();
    }
}

std::vector<std::string> XASuperclassNames(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    std::vector<std::string> names;
    if (cursor.kind != CXCursor_ObjCInterfaceDecl) {
        return names;
    }
    for (int step = 0; step < kMaximumSuperclassNames && cursor.kind == CXCursor_ObjCInterfaceDecl; ++step) {
        const CXCursor reference = superClassReference(cursor);
        if (XAIsNullCursor(reference)) {
            break;
        }
        cursor = clang.clang_getCursorReferenced(reference);
        if (XAIsNullCursor(cursor)) {
            break;
        }
        if (std::optional<std::string> name = XACursorSpelling(cursor); name && !name->empty()) {
            names.push_back(std::move(*name));
        }
    }
    return names;
}

void XAVisitKnownCategoriesOfInterface(const std::function<bool(CXCursor category)> &visitor, CXCursor cursor) {
    if (!visitor) {
        return;
    }
    XALibclang::fn().clang_tessary_visitKnownCategoriesOfInterfaceDecl(
        cursor,
        [](CXCursor category, CXClientData data) -> unsigned {
            return (*static_cast<const std::function<bool(CXCursor)> *>(data))(category) ? 1 : 0;
        },
        const_cast<void *>(static_cast<const void *>(&visitor)));
}
