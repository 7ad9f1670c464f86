#pragma once

// The values that literals in code stand for: the text of a string literal, the value of an integer literal, the
// selector of a selector expression, the string literals passed to a message. No value means "not such a literal".
// The functions keep no state and need a loaded libclang (XALibclang).

#include <clang-c/Index.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The value of a C string literal, an Objective-C string literal (@"...") or a CFSTR("...") expression. A variable
// that holds a literal is not followed.
std::optional<std::string> XAStringLiteralValue(CXCursor cursor);
// The value of an integer literal (0x10 gives 16).
std::optional<std::uint64_t> XAIntegerLiteralValue(CXCursor cursor);
// The selector of @selector(...), as written between its parentheses ("initWithFrame:style:"); "" for a selector
// expression without parentheses.
std::optional<std::string> XASelectorExprString(CXCursor cursor);

// XAStringLiteralValue of a message's argument at the 0-based index (the receiver not counted), under parentheses.
std::optional<std::string> XAStringLiteralArgumentOfMessage(uint64_t index, CXCursor cursor);
// The string-literal values of a message's arguments from an index on, with no value where an argument is no string
// literal; at most 1000 entries. No value when the cursor is no message.
std::optional<std::vector<std::optional<std::string>>> XAStringLiteralArgumentsOfMessage(uint64_t firstIndex,
                                                                                         CXCursor cursor);
// The text of a string literal, or of a macro that expands to one, read from the tokens where it is spelled
// (adjacent literals joined, the quotes removed). No value for other cursors and when nothing can be tokenized.
std::optional<std::string> XAStringLiteralTextFromTokens(CXCursor cursor);
