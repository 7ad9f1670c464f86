#include "codemodel/clang/XAMessageSends.h"

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XATypeQueries.h"

namespace {

bool isSendToSuper(int receiverKind) {
    return receiverKind == CXTessaryMessageReceiver_SuperClass ||
           receiverKind == CXTessaryMessageReceiver_SuperInstance;
}

// Sends to a class or an instance have their receiver as child 0.
bool hasReceiverChild(int receiverKind) {
    return receiverKind == CXTessaryMessageReceiver_Class || receiverKind == CXTessaryMessageReceiver_Instance;
}

bool isSendToClass(int receiverKind) {
    return receiverKind == CXTessaryMessageReceiver_Class || receiverKind == CXTessaryMessageReceiver_SuperClass;
}

// The expression or declaration whose type names the class a message is sent to.
CXCursor receiverTypeCursor(CXCursor message, int receiverKind) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (isSendToSuper(receiverKind)) {
        return XASuperclassOfInterface(XAEnclosingObjCImplementation(message));
    }
    if (!hasReceiverChild(receiverKind)) {
        return clang.clang_getNullCursor();
    }
    const CXCursor receiver = XAChildAtIndex(message, 0);
    if (receiver.kind == CXCursor_UnexposedExpr && XACursorDisplayName(receiver) == "alloc") {
        // [Foo alloc] as a receiver: the class that is allocated.
        return XAFirstChildOfKind(receiver, CXCursor_ObjCClassRef, CXChildVisit_Recurse);
    }
    return receiver;
}

} // namespace

int XAMessageReceiverKind(CXCursor cursor) { return XALibclang::fn().clang_tessary_getObjCMessageReceiverKind(cursor); }

std::optional<std::string> XAMessageReceiverKindName(int kind) {
    switch (kind) {
    case CXTessaryMessageReceiver_Class:
        return "class";
    case CXTessaryMessageReceiver_Instance:
        return "instance";
    case CXTessaryMessageReceiver_SuperClass:
        return "superclass";
    case CXTessaryMessageReceiver_SuperInstance:
        return "superclass instance";
    default:
        return std::nullopt;
    }
}

CXCursor XAExplicitMessageReceiver(CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCMessageExpr || !hasReceiverChild(XAMessageReceiverKind(cursor))) {
        return XALibclang::fn().clang_getNullCursor();
    }
    return XAChildAtIndex(cursor, 0);
}

CXCursor XAMessageReceiver(CXCursor cursor, uint64_t index) {
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return XALibclang::fn().clang_getNullCursor();
    }
    return XAChildAtIndex(cursor, isSendToSuper(XAMessageReceiverKind(cursor)) ? index : index + 1);
}

unsigned XAMessageArgumentCount(CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return 0;
    }
    const unsigned children = XAChildCount(cursor);
    const unsigned receivers = isSendToSuper(XAMessageReceiverKind(cursor)) ? 0 : 1;
    return children > receivers ? children - receivers : 0;
}

CXCursor XAMessageReceiverClassDecl(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return clang.clang_getNullCursor();
    }
    const CXCursor receiver = receiverTypeCursor(cursor, XAMessageReceiverKind(cursor));
    return XAIsNullCursor(receiver) ? receiver : XAClassDeclOfCursorType(receiver);
}

std::optional<std::string> XAMessageExprMethodDisplayName(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return std::nullopt;
    }
    const std::string sign = isSendToClass(XAMessageReceiverKind(cursor)) ? "+" : "-";
    const std::string selector = XACursorDisplayName(cursor).value_or("(null)");
    const CXCursor classDeclaration = XAMessageReceiverClassDecl(cursor);
    if (classDeclaration.kind == CXCursor_TypedefDecl && XACursorSpelling(classDeclaration) == "id") {
        return sign + selector;
    }
    std::optional<std::string> className = XACursorDisplayName(classDeclaration);
    if (!className || className->empty()) {
        className = XACursorDisplayName(clang.clang_getCursorSemanticParent(clang.clang_getCursorReferenced(cursor)));
    }
    return sign + "[" + className.value_or("(null)") + " " + selector + "]";
}
