#pragma once

// The few questions about types that the cursor library's declaration and message helpers ask, answered from
// libclang directly. libclang 19 hands typedefs out wrapped as CXType_Elaborated; these helpers look through such
// sugar (to the canonical type) where the question is what a type is, so that no caller has to.
//
// Internal to codemodel/clang: rules ask the type queries of the code model instead.

#include "codemodel/XALibclang.h"

namespace xa_cursor_support {

// The canonical kind of the declared type of a declaration (clang_getCursorType): a property typed with a block
// typedef is CXType_BlockPointer, one typed NSString * CXType_ObjCObjectPointer.
CXTypeKind canonicalDeclaredTypeKind(CXCursor declaration);
// The canonical kind of a function's or method's result type.
CXTypeKind canonicalResultTypeKind(CXCursor function);
// The kinds that ARC retains: id, Class, blocks and object pointers.
bool isObjCRetainableTypeKind(CXTypeKind kind);
// The declaration of the class that the type of an expression or declaration denotes: a reference (or an unexposed
// expression that refers to something) stands for what it refers to, a function or method for its result type
// (instancetype resolved), an object pointer for the class it points to. For a receiver typed id this is the typedef
// declaration of id. The null cursor when the type has no declaration.
CXCursor classDeclOfCursorType(CXCursor cursor);

} // namespace xa_cursor_support
