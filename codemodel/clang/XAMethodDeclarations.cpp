#include "codemodel/clang/XAMethodDeclarations.h"

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XACursorTypeSupport.h"
#include "core/XAString.h"

namespace {

bool isMethodDecl(CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCInstanceMethodDecl || cursor.kind == CXCursor_ObjCClassMethodDecl;
}

bool isASCIIUpper(char c) { return c >= 'A' && c <= 'Z'; }

// The name of a method's or property's container: a category stands for its class.
std::optional<std::string> containerName(CXCursor container) {
    switch (container.kind) {
    case CXCursor_ObjCInterfaceDecl:
    case CXCursor_ObjCProtocolDecl:
    case CXCursor_ObjCImplementationDecl:
        return XACursorDisplayName(container);
    case CXCursor_ObjCCategoryDecl:
    case CXCursor_ObjCCategoryImplDecl:
        return XACursorDisplayName(XAChildAtIndex(container, 0)); // the class reference
    default:
        return std::nullopt;
    }
}

// The first direct child of the container with the method's kind and the spelling.
CXCursor sibling(CXCursor container, CXCursorKind kind, std::string_view spelling) {
    CXCursor found = XALibclang::fn().clang_getNullCursor();
    XAVisitChildren(container, [&](CXCursor child) {
        if (child.kind == kind && XACursorSpelling(child) == spelling) {
            found = child;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Continue;
    });
    return found;
}

} // namespace

std::optional<std::string> XAMethodDeclDisplayName(CXCursor cursor) {
    if (!isMethodDecl(cursor) && cursor.kind != CXCursor_ObjCPropertyDecl) {
        return std::nullopt;
    }
    const std::optional<std::string> container = containerName(XALibclang::fn().clang_getCursorSemanticParent(cursor));
    if (!container || container->empty()) {
        return std::nullopt;
    }
    const char *sign = cursor.kind == CXCursor_ObjCClassMethodDecl ? "+" : "-";
    return sign + ("[" + *container + " " + XACursorDisplayName(cursor).value_or("(null)") + "]");
}

bool XAIsIBActionMethod(CXCursor cursor) {
    return isMethodDecl(cursor) &&
           !XAIsNullCursor(XAFirstChildOfKind(cursor, CXCursor_IBActionAttr, CXChildVisit_Continue));
}

bool XAObjCMethodFamily(CXCursor cursor) {
    return XALibclang::fn().clang_tessary_getObjCMethodFamily(cursor) == CXTessaryMethodFamily_Init;
}

bool XAIsSetterMethodDecl(CXCursor cursor) {
    if (!isMethodDecl(cursor) || xa_cursor_support::canonicalResultTypeKind(cursor) != CXType_Void ||
        XALibclang::fn().clang_Cursor_getNumArguments(cursor) != 1) {
        return false;
    }
    const std::string name = XACursorSpelling(cursor).value_or("");
    return name.size() > 3 && name.compare(0, 3, "set") == 0 && isASCIIUpper(name[3]);
}

bool XAIsGetterMethodDecl(CXCursor cursor) {
    return isMethodDecl(cursor) && xa_cursor_support::canonicalResultTypeKind(cursor) != CXType_Void &&
           XALibclang::fn().clang_Cursor_getNumArguments(cursor) == 0;
}

std::string XAPropertyNameFromSetterName(std::string_view setterName) {
    std::string_view name = setterName.substr(std::min<size_t>(3, setterName.size()));
    if (!name.empty() && name.back() == ':') {
        name.remove_suffix(1);
    }
    if (name.size() >= 2 && isASCIIUpper(name[0]) && isASCIIUpper(name[1])) {
        return std::string(name); // an acronym stays as it is: setURL: names the property URL
    }
    return xa_firstCharLowercased(name);
}

std::string XASetterNameForPropertyName(std::string_view propertyName) {
    return "set" + xa_firstCharCapitalized(propertyName) + ":";
}

CXCursor XAAccessorCounterpart(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::string name = XACursorSpelling(cursor).value_or("");
    std::string counterpartName;
    if (XAIsGetterMethodDecl(cursor)) {
        counterpartName = XASetterNameForPropertyName(name);
    } else if (XAIsSetterMethodDecl(cursor)) {
        counterpartName = XAPropertyNameFromSetterName(name);
    } else {
        return clang.clang_getNullCursor();
    }
    return sibling(clang.clang_getCursorSemanticParent(cursor), cursor.kind, counterpartName);
}

CXCursor XAFindMethodInInterface(CXCursor cursor, std::string_view selector) {
    const XALibclangFunctions &clang = XALibclang::fn();
    for (CXCursor interface = cursor; interface.kind == CXCursor_ObjCInterfaceDecl;) {
        CXCursor found = clang.clang_getNullCursor();
        XAVisitChildren(interface, [&](CXCursor child) {
            if (isMethodDecl(child) && XACursorSpelling(child) == selector) {
                found = child;
                return CXChildVisit_Break;
            }
            return CXChildVisit_Continue;
        });
        if (!XAIsNullCursor(found)) {
            return found;
        }
        interface = clang.clang_getCursorReferenced(
            XAFirstChildOfKind(interface, CXCursor_ObjCSuperClassRef, CXChildVisit_Continue));
    }
    return clang.clang_getNullCursor();
}
