#pragma once

// Null constants (nil, Nil, NULL, nullptr, 0 in their macro and cast spellings) and conditions that test an operand
// against null: the operand alone, its negation, or its comparison with a null constant on either side. The
// functions keep no state and need a loaded libclang (XALibclang).

#include <clang-c/Index.h>

// The expression is a null constant, also under parentheses, casts and macros: the literal 0 in any spelling (the
// value is tested: 0x0 and 0L count), __null, nullptr, and an object-pointer conversion of a cast 0 (the nil macro
// where an object is expected). A literal 0 converted to a plain C pointer does not count.
bool XAIsNullConstantExpr(CXCursor cursor);

// Whether the condition is a nil check of an operand that counts: with `pointerOnly` an operand of pointer type, else
// one of pointer or boolean type (so that `if (flag)` on a BOOL counts too). When it is, `outOperand` receives the
// tested operand (for the operand alone the condition as given, parentheses included; for a negation the negated
// expression as given; for a comparison the compared side without its wrappers) and `outIsNilTest` whether the
// condition holds when the operand is null (negation, "=="). Either may be null. Nothing is written when the answer is
// false, except that a "==" or "!=" comparison writes `outIsNilTest` before its sides are examined.
bool XAMatchNilCheck(bool pointerOnly, CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor);
bool XAMatchPointerNilCheck(CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor);
bool XAMatchPointerOrBoolNilCheck(CXCursor *outOperand, bool *outIsNilTest, CXCursor cursor);
