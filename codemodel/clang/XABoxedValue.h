#pragma once

// libclang handles kept as one value type, each recording the type encoding of what it holds: a cursor
// ("{?=ii[3^v]}"), a translation unit ("^{CXTranslationUnitImpl=}") or an index ("^v"). A box holds a copy of the
// cursor or pointer and owns nothing.
//
// A boxed cursor also keeps a snapshot of the cursor (XACursorSnapshot), taken when it is boxed, and describes itself
// from it: the description is safe to read after the cursor's translation unit is disposed, while the cursor itself
// may be unboxed and used only as long as its unit lives. (Image sizes, which the project layer keeps in lists, are
// kept there as plain values.)

#include "codemodel/clang/XACursorSnapshot.h"

#include <clang-c/Index.h>

#include <string>
#include <variant>

class XABoxedValue {
public:
    // The type encoding of the boxed value.
    const char *objCType() const;

private:
    struct BoxedCursor {
        CXCursor cursor;
        XACursorSnapshot snapshot;
    };
    using Contents = std::variant<BoxedCursor, CXTranslationUnit, CXIndex>;

    explicit XABoxedValue(Contents contents) : contents_(std::move(contents)) {}

    friend XABoxedValue xa_valueWithCXCursor(CXCursor cursor);
    friend CXCursor xa_CXCursorValue(const XABoxedValue &value);
    friend std::string xa_CXCursorValueDescription(const XABoxedValue &value);
    friend XABoxedValue xa_valueWithCXTranslationUnit(CXTranslationUnit translationUnit);
    friend CXTranslationUnit xa_CXTranslationUnitValue(const XABoxedValue &value);
    friend XABoxedValue xa_valueWithCXIndex(CXIndex index);
    friend CXIndex xa_CXIndexValue(const XABoxedValue &value);

    Contents contents_;
};

// Boxes the cursor; its translation unit must be alive.
XABoxedValue xa_valueWithCXCursor(CXCursor cursor);
// The boxed cursor, valid only while its translation unit lives; the null cursor for a box of something else.
CXCursor xa_CXCursorValue(const XABoxedValue &value);
// XACursorDebugDescription of the cursor as it was when boxed ("<null cursor>" for the null cursor).
std::string xa_CXCursorValueDescription(const XABoxedValue &value);

XABoxedValue xa_valueWithCXTranslationUnit(CXTranslationUnit translationUnit);
// The boxed unit; null for a box of something else.
CXTranslationUnit xa_CXTranslationUnitValue(const XABoxedValue &value);

XABoxedValue xa_valueWithCXIndex(CXIndex index);
// The boxed index; null for a box of something else.
CXIndex xa_CXIndexValue(const XABoxedValue &value);
