#pragma once

// Finding the lookups of localised strings in code: the project's own lookup routines (NSLocalizedString and the
// like, named by the rules' option "localizedStringRoutines"), CFBundleCopyLocalizedString on the main bundle and
// -[NSBundle localizedStringForKey:value:table:] sent to the main bundle. Lookups in other bundles are not the
// application's tables and are not reported. The functions keep no state and need a loaded libclang.

#include <clang-c/Index.h>

#include <optional>
#include <string>
#include <vector>

// The table a lookup without a table of its own reads.
inline constexpr const char *kXADefaultStringsTableName = "Localizable";

// One key looked up in one table; no key when the key argument is no known string, no table where the table cannot
// be known.
struct XALocalizedStringLookup {
    std::optional<std::string> key;
    std::optional<std::string> table;

    bool operator==(const XALocalizedStringLookup &) const = default;
};
using XALocalizedStringLookups = std::vector<XALocalizedStringLookup>;

// The lookups a cursor makes, by the first form it matches: a call of one of the routines (one lookup in the default
// table per possible value of its first argument; skipped when the list is empty), a call of the system's
// CFBundleCopyLocalizedString, or the NSBundle message. No value when the cursor is none of them.
std::optional<XALocalizedStringLookups> findLocalizedStringCalls(const std::vector<std::string> &routineNames,
                                                                 CXCursor cursor);
// For a call CFBundleCopyLocalizedString(bundle, key, value, table) on the main bundle: the literal key and the
// literal table, the default table when the table is no literal or an empty one. No value for another bundle.
std::optional<XALocalizedStringLookups> XACFBundleLocalizedStringCallKeys(CXCursor cursor);
// For a message localizedStringForKey:value:table: to the main bundle: one lookup per possible value of the key. The
// table is the literal table; the default table for a null constant; none for any other expression (a variable, an
// empty literal). No value for another bundle.
std::optional<XALocalizedStringLookups> XABundleLocalizedStringMessageKeys(CXCursor cursor);
