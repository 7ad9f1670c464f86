#pragma once

// Macros around cursors: the parameters of a macro definition, whether a cursor's code comes from a macro use, and
// the definition of that macro. Finding macro expansions needs a unit parsed with a detailed preprocessing record,
// as the checking run parses. Nothing here keeps state.

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XAClangToken.h"

#include <optional>
#include <vector>

// For a MacroDefinition, the identifier tokens that name its parameters, in order: "F(a, b)" gives a and b. An
// object-like macro whose body begins with punctuation other than "(" gives no value; one whose body begins with
// anything else gives an empty list, and so does one whose body begins with "(" (tokens carry no spacing, so such a
// body reads as a parameter list: "X (1)" gives an empty list). No value for other cursors.
std::optional<std::vector<XAClangToken>> XAMacroDefinitionParameterTokens(CXCursor cursor);
// Whether the cursor found one byte past the cursor's location (XACursorAfterLocation) is a macro expansion: the
// cursor's code is written through a macro.
bool XACursorIsInMacroExpansion(CXCursor cursor);
// The definition of the macro expanded where the cursor is written, when that expansion is another cursor than the
// given one; otherwise the given cursor.
CXCursor XAMacroDefinitionAtCursor(CXCursor cursor);
