#pragma once

// A method named by its class or protocol and its selector, as rules name the platform methods they look for
// (+[NSBundle mainBundle], -[NSArray objectAtIndex:]). It is matched by libclang's unified symbol resolution string,
// so a match does not depend on spelling, categories, redeclarations or the header a declaration came from.
//
// A method keeps only texts, never a cursor, so it may outlive any translation unit; making one asks the loaded
// libclang (XALibclang) to build the resolution string. It never changes after it is made and may be shared between
// threads.

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XACodeSymbolRef.h"

#include <optional>
#include <string>

class XAObjCMethod {
public:
    XAObjCMethod(std::string classOrProtocolName, std::string methodName, bool isInstanceMethod, bool isProtocolMethod);
    static XAObjCMethod methodWithClassName(std::string className, std::string methodName, bool isInstanceMethod);
    static XAObjCMethod protocolMethodWithProtocolName(std::string protocolName, std::string methodName,
                                                       bool isInstanceMethod);

    // The class of a class's method; no value for a protocol method.
    const std::optional<std::string> &className() const { return className_; }
    // The protocol of a protocol method; no value for a class's method.
    const std::optional<std::string> &protocolName() const { return protocolName_; }
    // The selector.
    const std::string &methodName() const { return methodName_; }
    bool isInstanceMethod() const { return isInstanceMethod_; }
    bool isProtocolMethod() const { return isProtocolMethod_; }
    // The method's unified symbol resolution string, by which tables of methods look up a declaration at once; empty
    // when libclang could not build one.
    const std::string &usr() const { return usr_; }

    // Whether the cursor's resolution string is this method's: a declaration of it, in any redeclaration or category.
    bool matchesMethodDecl(CXCursor cursor) const;
    // Whether the cursor is a message whose referenced method declaration is this method; never for a call.
    bool matchesMessageExpr(CXCursor cursor) const;
    // "-[NSBundle localizedStringForKey:value:table:]" or "+[NSBundle mainBundle]", with the protocol's name for a
    // protocol method.
    std::string displayName() const;
    // The reference into the platform documentation for a class's method; no value for a protocol method.
    std::optional<XACodeSymbolRef> codeSymbolRef() const;

private:
    std::optional<std::string> className_;
    std::optional<std::string> protocolName_;
    std::string methodName_;
    bool isInstanceMethod_ = false;
    bool isProtocolMethod_ = false;
    std::string usr_; // the method's unified symbol resolution string
};
