#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"

#include <optional>
#include <string>

// Writer of OpenStep text in Xcode's layout (tab indentation, `key = value;`), which XAOpenStepReader reads back
// unchanged: strings that are not plain tokens are quoted with escapes. The format has only strings, data,
// arrays and dictionaries, so integers and reals are written as their decimal text, booleans as YES and NO,
// and dates as ISO-8601 text; null values give an error naming their place.
class XAOpenStepWriter {
public:
    XAOpenStepWriter() = delete;

    // The text of `value`, ending with a line break.
    static std::optional<std::string> write(const XAValue &value, XAError *error);
};
