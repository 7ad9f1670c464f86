#pragma once

// What an Objective-C message is sent to and which method it names.
//
// The receiver kinds are those of our libclang extension (CXTessaryMessageReceiverKind): 1 a class, 2 an instance,
// 3 super in a class method, 4 super in an instance method. Kinds 1 and 3 send to a class, 2 and 4 to an instance.
// The children of an ObjCMessageExpr are the receiver (kinds 1 and 2 only: a send to super has none) followed by the
// arguments in order.

#include "codemodel/XALibclang.h"

#include <cstdint>
#include <optional>
#include <string>

// The receiver kind of an ObjCMessageExpr; 0 for any other cursor.
int XAMessageReceiverKind(CXCursor cursor);
// "class", "instance", "superclass", "superclass instance" for 1 to 4; no value otherwise.
std::optional<std::string> XAMessageReceiverKindName(int kind);
// The receiver expression or class reference of a message to a class or an instance (child 0); the null cursor for
// sends to super and other cursors.
CXCursor XAExplicitMessageReceiver(CXCursor cursor);
// The message's argument at the 0-based index (the child after the receiver, if any); the null cursor past the last
// argument and for other cursors. (The name says receiver; it reads the arguments.)
CXCursor XAMessageReceiver(CXCursor cursor, uint64_t index);
// The number of arguments of a message (its children after the receiver, if any); 0 for other cursors.
// (libclang's clang_Cursor_getNumArguments knows calls only and gives -1 for messages.)
unsigned XAMessageArgumentCount(CXCursor cursor);
// The declaration of the class a message is sent to: for a send to a class or an instance, the class that the
// receiver's type denotes (for a receiver such as [Foo alloc], the class Foo); for a send to super, the superclass of
// the enclosing implementation's class. For a receiver typed id, the typedef declaration of id. The null cursor when
// it is not known and for other cursors.
CXCursor XAMessageReceiverClassDecl(CXCursor cursor);
// The bracketed name of the method a message names, such as -[NSString length] or +[NSDate date]: "+" for sends to
// a class or to super in a class method, the receiver's class (or, when that has no name, the class, category or
// protocol that declares the method), and the selector. For a receiver typed id only the sign and the selector
// (-count). No value for other cursors.
std::optional<std::string> XAMessageExprMethodDisplayName(CXCursor cursor);
