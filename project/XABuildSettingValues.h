#pragma once

// Small operations on build-setting keys and values and on text that Xcode's tools print: conditional keys,
// variable references, xcodebuild's re-encoded non-ASCII output, log prefixes and printf-style format specifiers.
// All are pure functions, safe on any thread.

#include "core/XAValue.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The key without its condition: the text before the first "[" ("OTHER_LDFLAGS" for "OTHER_LDFLAGS[sdk=*]").
std::string xa_baseBuildSettingKey(std::string_view key);

// True when equal, or when `other` is the string's UTF-8 bytes read as Mac OS Roman, the default C-string encoding
// of the Mac, which is how xcodebuild re-encodes names with non-ASCII characters in its output.
bool xa_isEqualToXcodebuildOutputMangledString(std::string_view s, std::string_view other);

// Removes every "${...}", then every "$(...)", then every bare reference: "$", one character other than "(" and "{",
// then one or more non-whitespace characters.
std::string xa_stringByDeletingUnresolvedXcodeVariables(std::string_view s);
// True when the deletion above changes the string.
bool xa_containsUnresolvedXcodeVariables(std::string_view s);

// Every line without a leading NSLog-style prefix ("2015-03-01 12:00:00.123 tool[123:456] "), joined with "\n".
std::string xa_stringByTrimmingNSLogPrefixes(std::string_view s);

// The printf-style specifiers of the string ("%@", "%5.2f", "%1$@"), escaped "%%" skipped. With `logicalOrder`,
// positional specifiers are ordered by their position and returned without it ("%2$@ %1$d" gives "%d", "%@");
// specifiers without a position follow, in text order.
std::vector<std::string> xa_formatSpecifiersInStringInLogicalOrder(std::string_view s, bool logicalOrder);

// The arguments the string's printf-style specifiers read, as (position, specifier without its position), each once and
// by position: "%2$@ %1$d %1$d" gives (1, "%d"), (2, "%@"). Specifiers without a position read the arguments in turn
// ("%@ %d" gives (1, "%@"), (2, "%d")).
std::vector<std::pair<std::uint64_t, std::string>> xa_formatArgumentsInString(std::string_view s);

// The value of a list setting: an array's strings as they are; a string split as a command line is, each argument
// quoted again for use as one argument. No value when the key is missing (or its value is neither).
std::optional<std::vector<std::string>> xa_arrayValueOfListSetting(const XADictionary &settings, std::string_view key);
std::optional<std::vector<std::string>> xa_arrayValueOfListSetting(const std::map<std::string, std::string> &settings,
                                                                   const std::string &key);
