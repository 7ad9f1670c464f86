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

} // namespace xa_cursor_support
