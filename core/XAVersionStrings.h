#pragma once

#include <optional>
#include <string_view>

// The order of two compared values, with the values of the platform's comparison result.
enum XAComparisonResult : int {
    XAOrderedAscending = -1, // the first is smaller
    XAOrderedSame = 0,
    XAOrderedDescending = 1, // the first is larger
};

// Compares dotted version strings ("10.15.2") component by component as integers. A component counts as its
// leading decimal integer (after blanks, with an optional sign, saturating at the 64-bit limits), 0 when it has
// none; a missing component counts as 0, so "10" and "10.0" are the same and "1.2a" equals "1.2". No version orders
// before every version, and two missing versions are the same.
XAComparisonResult XACompareVersionStrings(std::optional<std::string_view> first,
                                           std::optional<std::string_view> second);
