#include "core/XAVersionStrings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

std::vector<std::string_view> dotSeparatedComponents(std::string_view version) {
    std::vector<std::string_view> components;
    for (;;) {
        const size_t dot = version.find('.');
        components.push_back(version.substr(0, dot));
        if (dot == std::string_view::npos) {
            return components;
        }
        version.remove_prefix(dot + 1);
    }
}

// The leading decimal integer after blanks and an optional sign, saturating at the 64-bit limits; 0 without digits.
int64_t leadingInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            if (value < (std::numeric_limits<int64_t>::min() + digit) / 10) {
                return std::numeric_limits<int64_t>::min();
            }
            value = value * 10 - digit;
        } else {
            if (value > (std::numeric_limits<int64_t>::max() - digit) / 10) {
                return std::numeric_limits<int64_t>::max();
            }
            value = value * 10 + digit;
        }
    }
    return value;
}

} // namespace

XAComparisonResult XACompareVersionStrings(std::optional<std::string_view> first,
                                           std::optional<std::string_view> second) {
    if (!first || !second) {
        return !first && !second ? XAOrderedSame : (!first ? XAOrderedAscending : XAOrderedDescending);
    }
    const std::vector<std::string_view> firstComponents = dotSeparatedComponents(*first);
    const std::vector<std::string_view> secondComponents = dotSeparatedComponents(*second);
    const size_t count = std::max(firstComponents.size(), secondComponents.size());
    for (size_t index = 0; index < count; ++index) {
        const int64_t a = index < firstComponents.size() ? leadingInteger(firstComponents[index]) : 0;
        const int64_t b = index < secondComponents.size() ? leadingInteger(secondComponents[index]) : 0;
        if (a != b) {
            return a < b ? XAOrderedAscending : XAOrderedDescending;
        }
    }
    return XAOrderedSame;
}
