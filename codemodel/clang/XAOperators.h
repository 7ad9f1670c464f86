#pragma once

// The operator of a BinaryOperator, CompoundAssignOperator or UnaryOperator cursor, as the small codes of our
// libclang extension (CXTessaryBinaryOperatorKind, CXTessaryUnaryOperatorKind in TessaryClangExtensions.h), their
// spellings and their groups. The codes stay the same whatever libclang version is loaded.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>

// 0 (invalid, also for other cursors), 1 ".*" ... 14 "==", 15 "!=" ... 21 "=" ... 31 "|=", 32 ",".
int XABinaryOperatorKind(CXCursor cursor);
// The code of the plain assignment "=".
inline constexpr int XABinaryOperatorKindAssign = 21;
// The spelling of a code ("?" for 0); no value outside 0 to 32.
std::optional<std::string> XABinaryOperatorSpelling(int kind);
// "=" and the compound assignments (21 to 31).
bool XAIsAssignmentOperatorKind(int kind);
// "<", ">", "<=", ">=" and "==" (10 to 14), but not "!=".
bool XAIsOrderedComparisonOperatorKind(int kind);

// 0 (invalid, also for other cursors), 1 postfix ++, 2 postfix --, 3 prefix ++, 4 prefix --, 5 address-of,
// 6 indirection, 7 +, 8 -, 9 bitwise not, 10 logical not, 11 __real, 12 __imag, 13 __extension__.
int XAUnaryOperatorKind(CXCursor cursor);
// The spelling of a code ("?" for 0, "postfix ++", "logical negation", ...); no value outside 0 to 13.
std::optional<std::string> XAUnaryOperatorSpelling(int kind);
// The increments and decrements (1 to 4).
bool XAIsIncrementOrDecrementOperatorKind(int kind);
