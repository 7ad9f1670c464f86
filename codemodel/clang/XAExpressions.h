#pragma once

// Expressions and statements that rules ask about: blocks, a variable's initializer, the cyclomatic complexity of a
// function or method, and a switch's enumeration coverage and default. Nothing here keeps state.

#include "codemodel/XALibclang.h"

// A BlockExpr or LambdaExpr.
bool XAIsBlockOrLambdaExpr(CXCursor cursor);
// The initializer of a VarDecl: its last direct child, unless that is a reference (the type reference of a
// declaration without initializer); the null cursor otherwise and for other cursors.
CXCursor XAVarDeclInitializer(CXCursor cursor);
// 1 + the number of decision points in the whole subtree: case labels, if, while, do, for, for-in, @catch and C++
// catch statements, conditional operators, and the operators && and ||. A default label, a switch and a C++ range
// for add nothing. 0 for the null cursor.
unsigned XACyclomaticComplexity(CXCursor cursor);
// A SwitchStmt over an enumeration whose cases name every enumerator.
bool XAAllSwitchEnumCasesCovered(CXCursor cursor);
// The DefaultStmt of a SwitchStmt, not looking into nested switches; the null cursor when it has none and for other
// cursors.
CXCursor XASwitchDefaultStmt(CXCursor cursor);
