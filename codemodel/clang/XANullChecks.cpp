#include "codemodel/clang/XANullChecks.h"

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XATypeQueries.h"

#include "platform/clangext/TessaryClangExtensions.h"

#include <cstdint>

namespace {

bool isNull(CXCursor cursor) { return XALibclang::fn().clang_Cursor_isNull(cursor); }

// A missing value reads as 0, as the literal's value is read as a 32-bit signed number.
bool isZeroLiteral(CXCursor literal) {
    return static_cast<std::int32_t>(XAIntegerLiteralValue(literal).value_or(0)) == 0;
}

// The expression under its parentheses and explicit casts.
CXCursor withoutParensAndCasts(CXCursor cursor) {
    for (;;) {
        if (cursor.kind == CXCursor_ParenExpr) {
            cursor = XAChildAtIndex(cursor, 0);
        } else if (cursor.kind == CXCursor_CStyleCastExpr) {
            cursor = XALastChild(cursor);
        } else {
            return cursor;
        }
    }
}

// The first integer literal below the cursor, looking only through casts and parentheses.
CXCursor castIntegerLiteralBelow(CXCursor cursor) {
    CXCursor literal = XALibclang::fn().clang_getNullCursor();
    XAVisitChildren(cursor, [&](CXCursor child) {
        switch (child.kind) {
        case CXCursor_IntegerLiteral:
            literal = child;
            return CXChildVisit_Break;
        case CXCursor_CStyleCastExpr:
        case CXCursor_ParenExpr:
            return CXChildVisit_Recurse;
        default:
            return CXChildVisit_Continue;
        }
    });
    return literal;
}

bool counts(bool pointerOnly, CXCursor operand) {
    return pointerOnly ? XACursorHasPointerType(operand) : XACursorHasPointerOrBoolType(operand);
}

void write(CXCursor *outOperand, CXCursor operand) {
    if (outOperand) {
        *outOperand = operand;
    }
}

void write(bool *outIsNilTest, bool isNilTest) {
    if (outIsNilTest) {
        *outIsNilTest = isNilTest;
    }
}

} // namespace

bool XAIsNullConstantExpr(CXCursor cursor) {
    cursor = withoutParensAndCasts(cursor);
    if (isNull(cursor)) {
        return false;
    }
    const CXCursorKind strippedKind = XAStripParensCastsAndUnexposed(cursor).kind;
    if (strippedKind == CXCursor_GNUNullExpr || strippedKind == CXCursor_CXXNullPtrLiteralExpr) {
        return true;
    }
    if (cursor.kind == CXCursor_IntegerLiteral) {
        return isZeroLiteral(cursor);
    }
    if (XALibclang::fn().clang_getCanonicalType(XACursorType(cursor)).kind == CXType_ObjCObjectPointer) {
        const CXCursor literal = castIntegerLiteralBelow(cursor);
        return !isNull(literal) && isZeroLiteral(literal);
    }
    return false;
}

bool XAMatchNilCheck(bool pointerOnly, CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor) {
    if (counts(pointerOnly, XAStripParensCastsAndUnexposed(cursor))) {
        write(outOperand, cursor);
        write(outIsNilTest, false);
        return true;
    }
    if (XAUnaryOperatorKind(cursor) == CXTessaryUnaryOperator_LNot) {
        const CXCursor negated = XAChildAtIndex(cursor, 0);
        if (counts(pointerOnly, XAStripParensCastsAndUnexposed(negated))) {
            write(outOperand, negated);
            write(outIsNilTest, true);
            return true;
        }
    }
    const int comparison = XABinaryOperatorKind(cursor);
    if (comparison != CXTessaryBinaryOperator_EQ && comparison != CXTessaryBinaryOperator_NE) {
        return false;
    }
    write(outIsNilTest, comparison == CXTessaryBinaryOperator_EQ);
    const CXCursor left = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 0));
    const CXCursor right = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 1));
    if (XAIsNullConstantExpr(left) && counts(pointerOnly, right)) {
        write(outOperand, right);
        return true;
    }
    if (counts(pointerOnly, left) && XAIsNullConstantExpr(right)) {
        write(outOperand, left);
        return true;
    }
    return false;
}

bool XAMatchPointerNilCheck(CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor) {
    return XAMatchNilCheck(true, outOperand, outIsNilTest, cursor);
}

bool XAMatchPointerOrBoolNilCheck(CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor) {
    return XAMatchNilCheck(false, outOperand, outIsNilTest, cursor);
}
