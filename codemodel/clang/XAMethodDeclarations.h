#pragma once

// Questions about Objective-C method declarations that rules on unused methods, accessor naming, dot syntax and
// superclass checks share: the method's full name, whether it is an action, an initializer, a getter or a setter,
// its accessor counterpart, and where a class (or a superclass) declares a selector.
//
// A method declaration is an ObjCInstanceMethodDecl or ObjCClassMethodDecl cursor; its spelling is the full selector
// with colons. Nothing here keeps state.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>
#include <string_view>

// "-[Class selector]" or "+[Class selector]" for a method declaration or an ObjCPropertyDecl: the container is the
// semantic parent, named by its display name for an interface, protocol or implementation and by its class for a
// category or category implementation (so a method of a category of NSString gives -[NSString method]). No value for
// other kinds or when the container has no name.
std::optional<std::string> XAMethodDeclDisplayName(CXCursor cursor);
// A method declaration marked IBAction.
bool XAIsIBActionMethod(CXCursor cursor);
// A method declaration of the init family.
bool XAObjCMethodFamily(CXCursor cursor);
// A method declaration with a void result, exactly one argument and a name that begins with "set" and a capital A-Z.
bool XAIsSetterMethodDecl(CXCursor cursor);
// A method declaration with a non-void result and no arguments.
bool XAIsGetterMethodDecl(CXCursor cursor);

// The property name of a setter name, as key-value coding derives it: "set" and the trailing ":" removed, the first
// character lower-cased unless the second is upper-case too ("setName:" gives "name", "setURL:" gives "URL").
std::string XAPropertyNameFromSetterName(std::string_view setterName);
// "set" + the name with its first character upper-cased + ":" ("name" gives "setName:").
std::string XASetterNameForPropertyName(std::string_view propertyName);
// For a getter the method named by its setter name, for a setter the method named by its property name, of the same
// kind among the direct children of the method's semantic parent; the null cursor when there is none or the method is
// neither.
CXCursor XAAccessorCounterpart(CXCursor cursor);
// For an ObjCInterfaceDecl, the first method declaration among its direct children whose spelling is the selector,
// else the same search up its superclass chain; the null cursor for other cursors or when the chain ends.
CXCursor XAFindMethodInInterface(CXCursor cursor, std::string_view selector);
