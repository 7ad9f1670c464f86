#pragma once

// The strings an expression can evaluate to, when it is built from Objective-C string literals, constants, local
// variables (the values their function gives them: initial value and assignments, null constants adding nothing),
// conditional expressions, NSString's string-building messages (appending a string, a path component, a path
// extension, a format) and calls of functions and methods whose definitions return such strings.
//
// No value means "not known"; the empty set is a known answer with no values (a format without arguments to fill
// it, a definition that returns nothing known). At most 5 nested calls are followed from where the search began (each
// call followed into its definition, and each local variable followed to its values, lowers the depth by one; the
// branches of a conditional and the parts of a message keep the depth of the expression), so the search ends on every
// input, also on definitions that reach themselves again. A result of more than 1000 values is not known. The functions
// keep no state and need a loaded libclang.

#include <clang-c/Index.h>

#include <optional>
#include <set>
#include <string>

using XAPossibleStrings = std::optional<std::set<std::string>>;

// XAPossibleStringValuesToDepth with the depth 5.
XAPossibleStrings XAPossibleStringValues(CXCursor cursor);
XAPossibleStrings XAPossibleStringValuesToDepth(int depth, CXCursor cursor);
// The union of the values of the definition's return statements (an unknown one adds nothing); not known when the
// definition has no body.
XAPossibleStrings XAPossibleReturnStringValues(int depth, CXCursor definition);
// The values of a string-building message of NSString; not known for any other message.
XAPossibleStrings XAPossibleStringValuesOfStringMessage(CXCursor message);
