#pragma once

// The text of an xcodebuild log before it is cut into steps: made valid UTF-8, then split into lines.

#include <string>
#include <string_view>
#include <vector>

// The log as valid UTF-8: every invalid byte sequence (one per maximal invalid part) becomes U+FFFD and everything
// else is kept, so that a single stray byte in a compiler's output never costs the whole log. Returns `bytes` itself
// when it is valid, else a view of `storage`, which then holds the decoded text.
std::string_view XABuildLogTextAsUTF8(std::string_view bytes, std::string &storage);

// The lines of a text, without their terminators. A line ends at a line feed, a carriage return (a carriage return
// followed by a line feed ending one line), U+0085, U+2028 or U+2029. A terminator at the very end opens no further
// line, and an empty text has no lines. The views point into `text`.
std::vector<std::string_view> XABuildLogLines(std::string_view text);
