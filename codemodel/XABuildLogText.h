#pragma once

// The text of an xcodebuild log before it is cut into steps: split into lines (XAValidUTF8 makes it valid first).

#include <string>
#include <string_view>
#include <vector>

// The lines of a text, without their terminators. A line ends at a line feed, a carriage return (a carriage return
// followed by a line feed ending one line), U+0085, U+2028 or U+2029. A terminator at the very end opens no further
// line, and an empty text has no lines. The views point into `text`.
std::vector<std::string_view> XABuildLogLines(std::string_view text);
