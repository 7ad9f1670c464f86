#pragma once

// Regular expressions in ICU syntax, as users write them in configuration files.
//
// XARegex is a compiled expression: immutable, cheap to copy (copies share the compiled pattern)
// and safe to use from many threads at once, since every search makes its own matcher. Positions
// in results are byte offsets into the UTF-8 text that was searched.

#include "core/XAError.h"
#include "core/XAString.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class RegexPattern;
U_NAMESPACE_END

enum class XAMatchingOptions : unsigned {
    None = 0,
    Anchored = 1, // a match must begin at the start of the text; the pattern's own anchors decide the end
};

// One match: the range and text of the whole match (group 0) and of every capture group; a group
// that took no part in the match has no value.
struct XARegexMatch {
    std::vector<std::optional<XAStringRange>> ranges;
    std::vector<std::optional<std::string>> groups;

    XAStringRange range() const { return ranges.empty() || !ranges[0] ? XAStringRange{} : *ranges[0]; }
    const std::optional<std::string> &group(size_t index) const;
};

class XARegex {
public:
    // Compiles `pattern` with ICU's URegexpFlag bits in `flags` (0 for none). An invalid pattern
    // gives no expression and an error "Invalid regular expression '<pattern>': <reason>".
    static std::optional<XARegex> compile(std::string_view pattern, uint32_t flags = 0, XAError *error = nullptr);

    const std::string &pattern() const { return pattern_; }
    uint32_t flags() const { return flags_; }
    size_t captureGroupCount() const;

    // True when the expression matches somewhere in the text (or at its start, when anchored).
    bool matches(std::string_view text, XAMatchingOptions options = XAMatchingOptions::None) const;

    std::optional<XARegexMatch> firstMatch(std::string_view text,
                                           XAMatchingOptions options = XAMatchingOptions::None) const;
    std::vector<XARegexMatch> allMatches(std::string_view text) const;

    // Every match replaced by `replacement`, in which "$n" stands for group n and "\" escapes.
    std::string replacingMatches(std::string_view text, std::string_view replacement) const;

    // Expressions are equal when compiled from the same pattern with the same flags; they sort by
    // pattern (byte order), then flags.
    bool operator==(const XARegex &other) const { return pattern_ == other.pattern_ && flags_ == other.flags_; }
    bool operator<(const XARegex &other) const {
        return pattern_ != other.pattern_ ? pattern_ < other.pattern_ : flags_ < other.flags_;
    }

private:
    XARegex(std::string pattern, uint32_t flags, std::shared_ptr<const icu::RegexPattern> compiled);

    std::string pattern_;
    uint32_t flags_ = 0;
    std::shared_ptr<const icu::RegexPattern> compiled_;
};

// String helpers over a pattern given as text. Compiled patterns are cached process-wide, so a
// constant pattern in a hot loop is compiled once. An invalid pattern never matches.
bool xa_matchesRegex(std::string_view s, std::string_view pattern, XAMatchingOptions options);
bool xa_matchesRegex(std::string_view s, std::string_view pattern);
bool xa_matchesAnchoredRegex(std::string_view s, std::string_view pattern);

// The text of capture group `groupIndex` (0 for the whole match) of the first match; empty when the
// pattern is invalid, nothing matches, or the group does not exist or took no part.
std::optional<std::string> xa_substringUsingRegex(std::string_view s, std::string_view pattern, size_t groupIndex);

// The expression's own test, for an optional text: false for no text.
bool xa_matchesString(const XARegex &regex, const std::optional<std::string_view> &text,
                      XAMatchingOptions options = XAMatchingOptions::None);
