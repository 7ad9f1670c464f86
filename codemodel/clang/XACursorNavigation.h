#pragma once

// Walks of the cursor tree that rules share: a cursor's n-th child, the first child of a kind, the expression under
// casts and parentheses, the enclosing method or class, the methods a method overrides.
//
// Every function that gives a cursor gives the null cursor when nothing is found; the child and descent functions
// also give it for a null input. Children come in source order. Nothing here keeps state; every function may run on
// any checking thread. All functions need a loaded libclang (XALibclang) and abort like it without one.

#include "codemodel/XALibclang.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <type_traits>

// Calls the visitor with each child of the cursor (and, as libclang's visit results say, their descendants): the
// visitor takes the child, or the child and its parent, and returns CXChildVisit_Break, _Continue (next sibling,
// without entering this child) or _Recurse (this child's children first). Non-zero when the visit was broken off.
template <typename Visitor> unsigned XAVisitChildren(CXCursor cursor, Visitor &&visitor) {
    using VisitorType = std::remove_reference_t<Visitor>;
    const CXCursorVisitor trampoline = [](CXCursor child, CXCursor parent, CXClientData data) -> CXChildVisitResult {
        VisitorType &visit = *static_cast<VisitorType *>(data);
        if constexpr (std::invocable<VisitorType &, CXCursor, CXCursor>) {
            return visit(child, parent);
        } else {
            return visit(child);
        }
    };
    return XALibclang::fn().clang_visitChildren(cursor, trampoline,
                                                const_cast<void *>(static_cast<const void *>(&visitor)));
}

// A list of cursor kinds, written in braces at the call ({CXCursor_ParenExpr, CXCursor_CStyleCastExpr}) or viewing an
// array. It refers to the kinds it was made from, which must outlive it (a braced list lives until the call returns).
class XACursorKindList {
public:
    XACursorKindList(std::initializer_list<CXCursorKind> kinds) : kinds_(kinds.begin(), kinds.size()) {}
    XACursorKindList(std::span<const CXCursorKind> kinds) : kinds_(kinds) {}
    template <std::size_t N> XACursorKindList(const std::array<CXCursorKind, N> &kinds) : kinds_(kinds) {}

    bool contains(CXCursorKind kind) const;

private:
    std::span<const CXCursorKind> kinds_;
};

// The built-in lists.
inline constexpr std::array<CXCursorKind, 3> XAWrapperExprKinds = {CXCursor_ParenExpr, CXCursor_UnexposedExpr,
                                                                   CXCursor_CStyleCastExpr};
inline constexpr std::array<CXCursorKind, 3> XAFunctionLikeKinds = {
    CXCursor_FunctionDecl, CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl};
inline constexpr std::array<CXCursorKind, 2> XAObjCImplementationKinds = {CXCursor_ObjCImplementationDecl,
                                                                          CXCursor_ObjCCategoryImplDecl};
inline constexpr std::array<CXCursorKind, 4> XAObjCContainerKinds = {
    CXCursor_ObjCInterfaceDecl, CXCursor_ObjCCategoryDecl, CXCursor_ObjCImplementationDecl,
    CXCursor_ObjCCategoryImplDecl};

// Whether the cursor is libclang's null cursor, which stands for "none".
inline bool XAIsNullCursor(CXCursor cursor) { return XALibclang::fn().clang_Cursor_isNull(cursor) != 0; }

// --- Children

// The number of direct children; 0 for the null cursor.
unsigned XAChildCount(CXCursor cursor);
// The direct child at a 0-based index.
CXCursor XAChildAtIndex(CXCursor cursor, uint64_t index);
CXCursor XALastChild(CXCursor cursor);
// The first child of the kind. While a child does not match, the walk goes on with `visitResult`: CXChildVisit_Continue
// searches the direct children only, CXChildVisit_Recurse the whole subtree in pre-order.
CXCursor XAFirstChildOfKind(CXCursor cursor, CXCursorKind kind, CXChildVisitResult visitResult);
// The cursor at the byte one past the cursor's location (expansion offset + 1 in the same file): for a statement
// written by a macro, the macro expansion.
CXCursor XACursorAfterLocation(CXCursor cursor);

// --- Descending and stripping

// Steps down from the cursor (which is not itself tested) to child 0, or to child 1 of a C-style cast that has more
// than one child (its type reference comes first), until `stop` says yes for the cursor reached; the null cursor when
// a step finds no child or `stop` is empty. After 1001 steps the cursor reached is the answer whatever `stop` says.
CXCursor XADescendThroughChildren(CXCursor cursor, const std::function<bool(CXCursor)> &stop);
// XADescendThroughChildren down to the first cursor whose kind is not in the list.
CXCursor XADescendThroughKinds(CXCursor cursor, XACursorKindList kinds);
bool XAKindIsInList(CXCursorKind kind, XACursorKindList kinds);
// For a cursor whose kind is in the list, the first cursor below it whose kind is not; any other cursor itself.
CXCursor XAStripExprWrappersOfKinds(CXCursor cursor, XACursorKindList kinds);
// XAStripExprWrappersOfKinds with parentheses, unexposed expressions and C-style casts.
CXCursor XAStripParensCastsAndUnexposed(CXCursor cursor);

// --- Ancestors

// The nearest ancestor (semantic parent, or lexical parent where there is no semantic one) whose kind is in the list,
// at most 1000 levels up; never the cursor itself.
CXCursor XAAncestorOfKinds(CXCursor cursor, XACursorKindList kinds);
// The nearest enclosing function or method declaration; for a method declaration itself the null cursor.
CXCursor XAEnclosingFunctionOrMethod(CXCursor cursor);
// The first of the cursor and its semantic parents that is a class or category implementation.
CXCursor XAEnclosingObjCImplementation(CXCursor cursor);
// clang_getCanonicalCursor of XAEnclosingObjCImplementation.
CXCursor XAEnclosingObjCImplementationCanonical(CXCursor cursor);
// The first of the cursor and its semantic parents that is an interface, category, implementation or category
// implementation.
CXCursor XAEnclosingObjCContainer(CXCursor cursor);
// Inside the cursor's enclosing function or method, the first descendant in pre-order that passes the test and has
// the same extent as the cursor (XACursorsHaveSameExtent).
CXCursor XAFindSameExtentInEnclosingFunction(CXCursor cursor, const std::function<bool(CXCursor)> &test);

// --- Enumerators: the block gets each item with its index and a stop flag that ends the walk after that item.

using XACursorEnumerator = std::function<void(CXCursor cursor, unsigned index, bool &stop)>;

// Each method that the method overrides (clang_getOverriddenCursors).
void XAOverriddenCursors(CXCursor cursor, const XACursorEnumerator &block);
// The overridden method at the index.
CXCursor XAOverriddenCursorAtIndex(CXCursor cursor, uint32_t index);
// Each argument declaration of a function or method; nothing for other cursors.
void XAMethodArguments(CXCursor cursor, const XACursorEnumerator &block);
// Each direct child that is an attribute, with an index that counts attributes only.
void XAEnumerateAttributes(CXCursor cursor, const XACursorEnumerator &block);
