#pragma once

#include "core/XAError.h"

#include <string>
#include <string_view>

// Checks the structure of binary property-list bytes before libplist reads them, so that libplist only ever
// sees sound lists of bounded size: the "bplist00" version, the trailer and offset table, objects and
// references that stay within the data, dictionary keys that are strings without NUL characters (libplist
// aborts on those), the nesting depth, cycles, and the number of values once objects shared by several parents
// are expanded. Returns whether the bytes may be read; otherwise sets an error that starts with `sourceName`.
bool XACheckBinaryPropertyList(std::string_view bytes, const std::string &sourceName, XAError *error);
