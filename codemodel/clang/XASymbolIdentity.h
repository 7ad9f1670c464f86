#pragma once

// Whether a cursor is a platform symbol that a rule names in plain words: the class method mainBundle of NSBundle, an
// override of viewDidLoad of UIViewController, a class that inherits from an AppKit class.
//
// Identities are compared by libclang's unified symbol resolution strings (USRs): the USR of the named symbol is built
// with libclang's USR construction functions and compared byte for byte with the cursor's, so a match holds through
// categories, redeclarations and whichever header declared the symbol. A selector is written as in source
// ("initWithNibName:bundle:"); `instance` is true for an instance method. The functions keep no state and need a
// loaded libclang (XALibclang).

#include <clang-c/Index.h>

#include <string>
#include <string_view>
#include <vector>

// `self`, under parentheses, casts and unexposed wrappers.
bool XAIsSelfExpr(CXCursor cursor);

// A method declaration that is the named method of the class (of either kind: the instance flag takes part only
// through the USR).
bool XAMethodDeclIsMethod(std::string_view className, std::string_view selector, bool instance, CXCursor cursor);
// A message expression that sends the named method of the class.
bool XAMessageCallsMethod(std::string_view className, std::string_view selector, bool instance, CXCursor cursor);
// A method declaration that is the named method of the protocol.
bool XAMethodDeclIsProtocolMethod(std::string_view protocolName, std::string_view selector, bool instance,
                                  CXCursor cursor);
// A property declaration that is the named property of the class.
bool XAPropertyDeclIsProperty(std::string_view className, std::string_view propertyName, CXCursor cursor);
// A member reference to the named property of the class.
bool XAMemberRefIsProperty(std::string_view className, std::string_view propertyName, CXCursor cursor);
// An interface, implementation or class reference of the named class.
bool XACursorIsClass(std::string_view className, CXCursor cursor);

// A call expression or function declaration spelled exactly `functionName`; with `inSystemHeader`, only when the
// function it refers to is declared in a system header, so that a project function of the same name does not count.
bool XAIsCallToFunction(std::string_view functionName, bool inSystemHeader, CXCursor cursor);

// A class reference, or the interface of a root class (one declared without a superclass).
bool XAIsClassRefOrRootInterface(CXCursor cursor);
// A protocol reference, or the forward declaration of a single protocol ("@protocol Name;").
bool XAIsProtocolRefOrForwardProtocolDecl(CXCursor cursor);

// A method declaration of the given kind (instance or class method) that overrides the named method of the class
// (or, with `isProtocol`, of the protocol), directly or through the methods it overrides in turn.
bool XAMethodOverrides(std::string_view name, std::string_view selector, bool instance, bool isProtocol,
                       CXCursor cursor);
bool XAMethodOverridesMethodOfClass(std::string_view className, std::string_view selector, bool instance,
                                    CXCursor cursor);
bool XAMethodOverridesProtocolMethod(std::string_view protocolName, std::string_view selector, bool instance,
                                     CXCursor cursor);

// The instance variable that backs a property declaration (as the class's implementation synthesizes it); the null
// cursor for a property without one and for any other cursor.
CXCursor XAPropertyIvar(CXCursor cursor);
// XAPropertyIvar when there is one, else the cursor itself.
CXCursor XAPropertyIvarOrSelf(CXCursor cursor);
// The two cursors are the same declaration once each property is replaced by its backing instance variable: a
// property and its own instance variable are the same thing.
bool XARefersToSamePropertyOrIvar(CXCursor first, CXCursor second);

// The main bundle in its three spellings: [NSBundle mainBundle], NSBundle.mainBundle and CFBundleGetMainBundle().
bool XAIsMainBundleExpr(CXCursor cursor);

// A direct child of the cursor is a reference to the protocol of that name.
bool XAHasProtocolRefNamed(std::string_view protocolName, CXCursor cursor);

// An interface declaration whose class, or one of its first 100 superclasses, is declared in one of the frameworks
// ("AppKit" or "AppKit.framework"), judged by the folders of the declaring file.
bool XAInheritsFromFrameworks(const std::vector<std::string> &frameworks, CXCursor cursor);
bool XAInheritsFromAppKitOrUIKit(CXCursor cursor);
