#include "codemodel/clang/XAObjCMethod.h"

XAObjCMethod::XAObjCMethod(std::string classOrProtocolName, std::string methodName, bool isInstanceMethod,
                           bool isProtocolMethod)
    : methodName_(std::move(methodName)), isInstanceMethod_(isInstanceMethod), isProtocolMethod_(isProtocolMethod) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXString container = isProtocolMethod ? clang.clang_constructUSR_ObjCProtocol(classOrProtocolName.c_str())
                                                : clang.clang_constructUSR_ObjCClass(classOrProtocolName.c_str());
    usr_ = XAStringFromCXString(clang.clang_constructUSR_ObjCMethod(methodName_.c_str(), isInstanceMethod, container))
               .value_or("");
    clang.clang_disposeString(container);
    (isProtocolMethod ? protocolName_ : className_) = std::move(classOrProtocolName);
}

XAObjCMethod XAObjCMethod::methodWithClassName(std::string className, std::string methodName, bool isInstanceMethod) {
    return XAObjCMethod(std::move(className), std::move(methodName), isInstanceMethod, false);
}

XAObjCMethod XAObjCMethod::protocolMethodWithProtocolName(std::string protocolName, std::string methodName,
                                                          bool isInstanceMethod) {
    return XAObjCMethod(std::move(protocolName), std::move(methodName), isInstanceMethod, true);
}

bool XAObjCMethod::matchesMethodDecl(CXCursor cursor) const {
    return !usr_.empty() && XAStringFromCXString(XALibclang::fn().clang_getCursorUSR(cursor)) == usr_;
}

bool XAObjCMethod::matchesMessageExpr(CXCursor cursor) const {
    return cursor.kind == CXCursor_ObjCMessageExpr &&
           matchesMethodDecl(XALibclang::fn().clang_getCursorReferenced(cursor));
}

std::string XAObjCMethod::displayName() const {
    const std::string &container = isProtocolMethod_ ? *protocolName_ : *className_;
    return (isInstanceMethod_ ? "-[" : "+[") + container + " " + methodName_ + "]";
}

std::optional<XACodeSymbolRef> XAObjCMethod::codeSymbolRef() const {
    if (!className_) {
        return std::nullopt;
    }
    return XACodeSymbolRef::withObjCMethod(*className_, methodName_, isInstanceMethod_);
}
