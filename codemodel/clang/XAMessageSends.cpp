#include "codemodel/clang/XAMessageSends.h"

#include "codemodel/clang/XACursorNavigation.h"

namespace {

bool isSendToSuper(int receiverKind) {
    return receiverKind == CXTessaryMessageReceiver_SuperClass ||
           receiverKind == CXTessaryMessageReceiver_SuperInstance;
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
    const int kind = XAMessageReceiverKind(cursor);
    if (cursor.kind != CXCursor_ObjCMessageExpr ||
        (kind != CXTessaryMessageReceiver_Class && kind != CXTessaryMessageReceiver_Instance)) {
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
