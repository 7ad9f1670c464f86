#pragma once

// Limits and character classes shared by the property-list readers and writers; not for use outside them.

#include <cstddef>
#include <string_view>

namespace xa_detail {

// Deeper nesting than this is no real property list; every reader refuses it, which keeps the recursive
// conversions (ours and libplist's) off the stack limit.
inline constexpr std::size_t kMaxPropertyListNestingDepth = 512;

// U+FFFD, which stands for what cannot be decoded or carried.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The dates that ISO-8601 text with four-digit years can carry, in seconds since 2001-01-01T00:00:00Z.
inline constexpr double kEarliestWritableDate = -63113904000.0; // 0001-01-01T00:00:00Z
inline constexpr double kLatestWritableDate = 252423993599.0;   // 9999-12-31T23:59:59Z

// The characters of unquoted OpenStep strings: the reader takes runs of them as strings, so the writer may
// leave a string made only of them unquoted.
constexpr bool isOpenStepTokenCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_$+/:.-").find(c) != std::string_view::npos;
}

} // namespace xa_detail
