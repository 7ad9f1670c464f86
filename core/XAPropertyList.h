#pragma once

#include "core/XAError.h"
#include "core/XAISO8601Date.h" // property lists write dates as ISO-8601 text
#include "core/XAValue.h"

#include <optional>
#include <string>
#include <string_view>

// The formats a property list is stored in.
enum class XAPropertyListFormat { OpenStep, XML, Binary, JSON };

// Reads a property list of any format. Binary lists start with "bplist00"; XML ones with "<?xml", "<plist",
// "<!DOCTYPE" or "<!--" after an optional byte-order mark and blanks; everything else is read as OpenStep text
// (as a project file: an empty text is an error), except that a text that is not OpenStep but is valid JSON
// (an object or array) is taken as JSON. UTF-16 text is converted first.
//
// How values map from libplist: integers above INT64_MAX (stored unsigned) become reals, keyed-archiver UIDs
// become integers, dates keep their fraction of a second. Errors name `sourceName` and, where known, the line.
std::optional<XAValue> XAPropertyListFromData(std::string_view bytes, const std::string &sourceName, XAError *error,
                                              XAPropertyListFormat *formatOut = nullptr);

// Reads the file at `path` as XAPropertyListFromData does; a file that cannot be read gives an error naming
// the file and the system's reason.
std::optional<XAValue> XAPropertyListFromFile(const std::string &path, XAError *error,
                                              XAPropertyListFormat *formatOut = nullptr);

// XML property list (UTF-8). XML 1.0 cannot carry control characters other than tab, line feed and carriage
// return, not even as character references, nor U+FFFE/U+FFFF or malformed UTF-8; each of those in a string or
// key is written as U+FFFD, so that every XML parser, Apple's included, reads the output. Null values cannot
// be written and give an error naming their place.
std::optional<std::string> XAXMLPropertyListData(const XAValue &value, XAError *error);

// Binary property list ("bplist00"). NUL characters and malformed UTF-8 in strings and keys are written as
// U+FFFD (libplist takes strings as C strings). Null values give an error.
std::optional<std::string> XABinaryPropertyListData(const XAValue &value, XAError *error);

// OpenStep text in Xcode's layout (tab indentation, `key = value;`), read back unchanged by XAOpenStepReader:
// strings that are not plain tokens are quoted with escapes. The format has only strings, data, arrays and
// dictionaries, so integers and reals are written as their decimal text, booleans as YES and NO, and dates as
// ISO-8601 text; null values give an error.
std::optional<std::string> XAOpenStepPropertyListData(const XAValue &value, XAError *error);

// The value in the given format (JSON pretty-printed, as XAJSONString writes it).
std::optional<std::string> XAPropertyListData(const XAValue &value, XAPropertyListFormat format, XAError *error);
