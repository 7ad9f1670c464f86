#pragma once

// What type an expression or declaration has, and what kind of type that is.
//
// Plain functions over libclang values passed by value; they keep no state and may be called from any thread on the
// cursors of a translation unit that thread owns. They need a loaded libclang (XALibclang) and abort like it without.
//
// libclang 19 reports a type named through a typedef as CXType_Elaborated around the CXType_Typedef that older
// libraries gave, and may wrap a type in CXType_Attributed (nullability and other type attributes). XAPlainType
// removes both wrappers; every function here that hands out a type applies it, so callers see the typedef as a
// CXType_Typedef (spelled "NSInteger", "BOOL", ...) whichever libclang is loaded, and never unwrap anything themselves.

#include "codemodel/XALibclang.h"

#include <clang-c/Index.h>

#include <optional>
#include <string>
#include <string_view>

// ---- Type-kind tables
//
// Each answers for the kinds up to CXType_Elaborated, the highest kind the checker knows; a higher kind (one a newer
// libclang added) is in no table.

// CXType_NullPtr, CXType_ObjCId, CXType_ObjCClass, CXType_Pointer, CXType_BlockPointer, CXType_ObjCObjectPointer and
// CXType_MemberPointer.
bool XAIsPointerTypeKind(int kind);
// The kinds ARC manages: CXType_ObjCId, CXType_ObjCClass, CXType_BlockPointer and CXType_ObjCObjectPointer (a null
// pointer type is a pointer but not retainable).
bool XAIsObjCRetainableTypeKind(int kind);
// CXType_Float, CXType_Double, CXType_LongDouble and CXType_Float128.
bool XAIsFloatingTypeKind(int kind);
// The integer kinds CXType_Char_U to CXType_Int128; CXType_Bool is not an integer kind.
bool XAIsIntegerTypeKind(int kind);
// CXType_Bool.
bool XAIsBoolTypeKind(int kind);
// An integer or a floating kind.
bool XAIsNumericTypeKind(int kind);

// ---- Types

// The type without the CXType_Elaborated and CXType_Attributed wrappers of libclang 19 (see above); any other type
// unchanged.
CXType XAPlainType(CXType type);

// clang_getTypeSpelling of the type; no value when libclang gives no text.
std::optional<std::string> XATypeSpelling(CXType type);

// The invalid type of a translation unit, shaped as libclang makes it: kind CXType_Invalid, first data word null,
// second the unit.
CXType XAInvalidTypeForTU(CXTranslationUnit translationUnit);

// The canonical type of a CXType_Unexposed type; any other type unchanged.
CXType XAResolveUnexposedType(CXType type);
// The canonical type behind the typedef "instancetype"; any other type unchanged.
CXType XAResolveInstancetype(CXType type);

// The type of a declaration or expression. A reference (clang_isReference) or a member reference stands for the
// declaration it refers to, and so does an unexposed expression that refers to one; a function or method declaration
// gives its result type ("instancetype" resolved to the type behind it), anything else its own type (an unexposed
// type resolved to its canonical type). The invalid type of the cursor's unit when there is nothing to ask.
CXType XACursorType(CXCursor cursor);
CXTypeKind XACursorTypeKind(CXCursor cursor);

// The declaration of the cursor's type; for an object pointer, of the class it points to. The null cursor when
// libclang knows none.
CXCursor XAClassDeclOfCursorType(CXCursor cursor);

// The underlying type of the typedef that declares the type (one step of a typedef chain); the type itself when it
// is declared by no typedef.
CXType XATypedefUnderlyingType(CXType type);

bool XACursorHasPointerType(CXCursor cursor);
// A pointer type, or a boolean one (XAIsBooleanType).
bool XACursorHasPointerOrBoolType(CXCursor cursor);
// CXType_Bool, or a type spelled "BOOL", "bool" or "_Bool" (the Objective-C boolean is a typedef whose underlying
// type differs between platforms, so it is known by its name).
bool XAIsBooleanType(CXType type);
// An object pointer whose pointee is the Objective-C class of exactly that name (not a subclass, not a typedef of the
// pointer, not id).
bool XAIsPointerToObjCClassNamed(std::string_view className, CXType type);
