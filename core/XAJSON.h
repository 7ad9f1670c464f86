#pragma once

#include "core/XAError.h"
#include "core/XAValue.h"

#include <optional>
#include <string>
#include <string_view>

// Reads JSON into a value: objects keep their key order, integers beyond the 64-bit signed range become reals.
// With `allowComments`, `//` and `/* */` comments are skipped (configuration files carry them). Errors start
// with "<sourceName>:<line>:<column>: ".
std::optional<XAValue> XAValueFromJSON(std::string_view text, bool allowComments, const std::string &sourceName,
                                       XAError *error);

// JSON text of a value, keys in insertion order; `pretty` indents by two spaces per level. JSON has no data
// or date values: data is written as a Base64 string and a date as ISO-8601 text in UTC. Non-finite reals
// become null and malformed UTF-8 in strings becomes U+FFFD, as JSON cannot carry them.
std::string XAJSONString(const XAValue &value, bool pretty);
