#include "codemodel/clang/XASymbolIdentity.h"

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "core/XACollections.h"
#include "core/XAPaths.h"

#include <optional>

namespace {

// The USRs of classes, protocols and properties that rules name, built with libclang's construction functions
// (methods are XAObjCMethod's).
std::string classUSR(std::string_view className) {
    const std::string text(className);
    return XAStringFromCXString(XALibclang::fn().clang_constructUSR_ObjCClass(text.c_str())).value_or("");
}

std::string propertyUSR(std::string_view className, std::string_view propertyName) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const std::string container(className);
    const CXString containerString = clang.clang_constructUSR_ObjCClass(container.c_str());
    const std::string propertyText(propertyName);
    const CXString property = clang.clang_constructUSR_ObjCProperty(propertyText.c_str(), containerString);
    clang.clang_disposeString(containerString);
    return XAStringFromCXString(property).value_or("");
}

bool hasUSR(CXCursor cursor, const std::string &usr) {
    return XAStringFromCXString(XALibclang::fn().clang_getCursorUSR(cursor)) == usr;
}

bool isMethodDeclaration(CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCInstanceMethodDecl || cursor.kind == CXCursor_ObjCClassMethodDecl;
}

bool isNull(CXCursor cursor) { return XALibclang::fn().clang_Cursor_isNull(cursor); }

bool methodDeclIs(std::string_view containerName, bool isProtocol, std::string_view selector, bool instance,
                  CXCursor cursor) {
    return isMethodDeclaration(cursor) &&
           XAObjCMethod(std::string(containerName), std::string(selector), instance, isProtocol)
               .matchesMethodDecl(cursor);
}

} // namespace

bool XAIsSelfExpr(CXCursor cursor) { return XAStripParensCastsAndUnexposed(cursor).kind == CXCursor_ObjCSelfExpr; }

bool XAMethodDeclIsMethod(std::string_view className, std::string_view selector, bool instance, CXCursor cursor) {
    return methodDeclIs(className, false, selector, instance, cursor);
}

bool XAMessageCallsMethod(std::string_view className, std::string_view selector, bool instance, CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCMessageExpr &&
           XAMethodDeclIsMethod(className, selector, instance, XALibclang::fn().clang_getCursorReferenced(cursor));
}

bool XAMethodDeclIsProtocolMethod(std::string_view protocolName, std::string_view selector, bool instance,
                                  CXCursor cursor) {
    return methodDeclIs(protocolName, true, selector, instance, cursor);
}

bool XAPropertyDeclIsProperty(std::string_view className, std::string_view propertyName, CXCursor cursor) {
    return cursor.kind == CXCursor_ObjCPropertyDecl && hasUSR(cursor, propertyUSR(className, propertyName));
}

bool XAMemberRefIsProperty(std::string_view className, std::string_view propertyName, CXCursor cursor) {
    return cursor.kind == CXCursor_MemberRefExpr &&
           XAPropertyDeclIsProperty(className, propertyName, XALibclang::fn().clang_getCursorReferenced(cursor));
}

bool XACursorIsClass(std::string_view className, CXCursor cursor) {
    if (cursor.kind == CXCursor_ObjCClassRef) {
        // A reference has no USR of its own; the class it refers to has.
        cursor = XALibclang::fn().clang_getCursorReferenced(cursor);
    }
    const bool classKind = cursor.kind == CXCursor_ObjCInterfaceDecl || cursor.kind == CXCursor_ObjCImplementationDecl;
    return classKind && hasUSR(cursor, classUSR(className));
}

bool XAIsCallToFunction(std::string_view functionName, bool inSystemHeader, CXCursor cursor) {
    if (cursor.kind != CXCursor_CallExpr && cursor.kind != CXCursor_FunctionDecl) {
        return false;
    }
    if (XACursorSpelling(cursor) != functionName) {
        return false;
    }
    if (!inSystemHeader) {
        return true;
    }
    const CXCursor function = XALibclang::fn().clang_getCursorReferenced(cursor);
    return !isNull(function) && XACursorIsInSystemHeader(function);
}

bool XAIsClassRefOrRootInterface(CXCursor cursor) {
    if (cursor.kind == CXCursor_ObjCClassRef) {
        return true;
    }
    return cursor.kind == CXCursor_ObjCInterfaceDecl &&
           isNull(XAFirstChildOfKind(cursor, CXCursor_ObjCSuperClassRef, CXChildVisit_Continue));
}

bool XAIsProtocolRefOrForwardProtocolDecl(CXCursor cursor) {
    if (cursor.kind == CXCursor_ObjCProtocolRef) {
        return true;
    }
    if (cursor.kind != CXCursor_ObjCProtocolDecl) {
        return false;
    }
    // A forward declaration's extent is "@protocol Name"; a declaration with a body has more tokens.
    const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursor);
    return tokens && tokens->size() == 3 && (*tokens)[0].isKind(CXToken_Punctuation, "@") &&
           (*tokens)[1].isKind(CXToken_Keyword, "protocol");
}

bool XAMethodOverrides(std::string_view name, std::string_view selector, bool instance, bool isProtocol,
                       CXCursor cursor) {
    if (cursor.kind != (instance ? CXCursor_ObjCInstanceMethodDecl : CXCursor_ObjCClassMethodDecl)) {
        return false;
    }
    bool overrides = false;
    XAOverriddenCursors(cursor, [&](CXCursor overridden, unsigned, bool &stop) {
        overrides = methodDeclIs(name, isProtocol, selector, instance, overridden) ||
                    XAMethodOverrides(name, selector, instance, isProtocol, overridden);
        stop = overrides;
    });
    return overrides;
}

bool XAMethodOverridesMethodOfClass(std::string_view className, std::string_view selector, bool instance,
                                    CXCursor cursor) {
    return XAMethodOverrides(className, selector, instance, false, cursor);
}

bool XAMethodOverridesProtocolMethod(std::string_view protocolName, std::string_view selector, bool instance,
                                     CXCursor cursor) {
    return XAMethodOverrides(protocolName, selector, instance, true, cursor);
}

CXCursor XAPropertyIvar(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return isNull(cursor) ? cursor : clang.clang_tessary_getObjCPropertyDeclIvarCursor(cursor);
}

CXCursor XAPropertyIvarOrSelf(CXCursor cursor) {
    const CXCursor ivar = XAPropertyIvar(cursor);
    return isNull(ivar) ? cursor : ivar;
}

bool XARefersToSamePropertyOrIvar(CXCursor first, CXCursor second) {
    const auto declarationOf = [](CXCursor cursor) {
        return cursor.kind == CXCursor_ObjCPropertyDecl ? XAPropertyIvarOrSelf(cursor) : cursor;
    };
    return XALibclang::fn().clang_equalCursors(declarationOf(first), declarationOf(second));
}

bool XAIsMainBundleExpr(CXCursor cursor) {
    cursor = XAStripParensCastsAndUnexposed(cursor);
    if (cursor.kind == CXCursor_CallExpr) {
        return XAIsCallToFunction("CFBundleGetMainBundle", true, cursor);
    }
    if (cursor.kind == CXCursor_UnexposedExpr && XACursorSpelling(cursor) == "mainBundle") {
        cursor = XAChildAtIndex(cursor, 0);
    }
    if (cursor.kind != CXCursor_ObjCMessageExpr && cursor.kind != CXCursor_MemberRefExpr) {
        return false;
    }
    return XAMethodDeclIsMethod("NSBundle", "mainBundle", false, XALibclang::fn().clang_getCursorReferenced(cursor));
}

bool XAHasProtocolRefNamed(std::string_view protocolName, CXCursor cursor) {
    bool found = false;
    XAVisitChildren(cursor, [&](CXCursor child) {
        found = child.kind == CXCursor_ObjCProtocolRef && XACursorSpelling(child) == protocolName;
        return found ? CXChildVisit_Break : CXChildVisit_Continue;
    });
    return found;
}

bool XAInheritsFromFrameworks(const std::vector<std::string> &frameworks, CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCInterfaceDecl) {
        return false;
    }
    const std::vector<std::string> bundleNames = fk::map(frameworks, [](const std::string &name) {
        return xa_pathExtension(name) == "framework" ? name : xa_stringByAppendingPathExtension(name, "framework");
    });
    constexpr int kMaximumClasses = 100;
    for (int step = 0; step < kMaximumClasses && !isNull(cursor); ++step) {
        if (xa_containsAnyOf(xa_pathComponents(XACursorFilePath(cursor).value_or("")), bundleNames)) {
            return true;
        }
        cursor = XASuperclassOfInterface(cursor);
    }
    return false;
}

bool XAInheritsFromAppKitOrUIKit(CXCursor cursor) { return XAInheritsFromFrameworks({"AppKit", "UIKit"}, cursor); }
