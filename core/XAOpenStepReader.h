#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"

#include <optional>
#include <string>
#include <string_view>

// What the caller is reading, which decides how an empty text is taken.
enum class XAOpenStepReadMode {
    // A property list such as `project.pbxproj`: an empty text (or one of only comments) is an error.
    PropertyList,
    // A `.strings` table: an empty text is an empty dictionary, and the top level must be a dictionary.
    StringsFile,
};

// Reader of old-style (OpenStep, "ASCII") property lists: Xcode project files and `.strings` tables.
//
// Values are strings, arrays, dictionaries and data only. The reader accepts what Xcode and translators
// write: `//` and `/* */` comments wherever blanks may stand, unquoted tokens of [A-Za-z0-9_$+/:.-],
// "double" and 'single' quoted strings with every escape, `<hex data>`, a missing ';' before '}', a
// trailing ',' in arrays, the `"key";` shorthand for `"key" = "key";`, and a top level made of
// `key = value;` pairs without braces (the `.strings` form). Later duplicates of a key replace earlier ones.
//
// Errors name the source, the 1-based line, what was expected and what was found; a text with unresolved
// merge-conflict markers says so. The text is parsed in place without per-character allocations.
class XAOpenStepReader {
public:
    XAOpenStepReader() = delete;

    // Parses `bytes` (UTF-8 with or without a byte-order mark, or UTF-16 with or without one).
    // `sourceName` (usually the file path) starts every error message.
    static std::optional<XAValue> read(std::string_view bytes, const std::string &sourceName, XAOpenStepReadMode mode,
                                       XAError *error);
};
