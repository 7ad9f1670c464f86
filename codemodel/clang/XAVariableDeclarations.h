#pragma once

// Variables and other declarations: global storage (where a cache of a thread-unsafe object may live), const and
// __weak qualification, and the pure and const function attributes. Nothing here keeps state.

#include "codemodel/XALibclang.h"

#include <functional>

// A VarDecl with static storage duration: at file scope, a static member, a local extern or a static local.
bool XAVarDeclStorageIs2Or4(CXCursor cursor);
// A VarDecl whose type is const-qualified.
bool XAVarDeclIsConst(CXCursor cursor);
// A declaration whose source text, split at white space, holds the word "__weak".
bool XADeclIsWeakQualified(CXCursor cursor);
// A declaration with a direct pure or const attribute child.
bool XAHasPureOrConstAttribute(CXCursor cursor);

// Each value that the body of the function or method gives the variable that the reference refers to, in visiting
// order: the initial value written in its declaration (its last child, when that is an expression after the name) and
// the right operand of every plain assignment ("=") to it. Nothing outside the body is visited; nothing at all without
// a body.
void XAVisitValuesAssignedToVariable(CXCursor reference, CXCursor function,
                                     const std::function<void(CXCursor value)> &block);
