#pragma once

#include "core/XAError.h"

#include <string>
#include <string_view>

// Checks XML property-list text with pugixml before libplist reads it. libplist says nothing about why XML
// fails, while pugixml's errors carry a position; and libplist then only ever sees well-formed XML of bounded
// size and depth. Returns whether the text may be read; otherwise sets an error that starts with `sourceName`
// and, for XML that is not well-formed, the line.
bool XACheckXMLPropertyList(std::string_view text, const std::string &sourceName, XAError *error);
