#include "core/XARegex.h"

#include <mutex>
#include <unordered_map>

#include <unicode/regex.h>
#include <unicode/unistr.h>

namespace {

const char *describeCompileError(UErrorCode code) {
    switch (code) {
    case U_REGEX_RULE_SYNTAX:
        return "syntax error";
    case U_REGEX_BAD_ESCAPE_SEQUENCE:
        return "unrecognised backslash escape sequence";
    case U_REGEX_PROPERTY_SYNTAX:
        return "incorrect Unicode property";
    case U_REGEX_UNIMPLEMENTED:
        return "use of a regular-expression feature that is not implemented";
    case U_REGEX_MISMATCHED_PAREN:
        return "unbalanced parentheses";
    case U_REGEX_NUMBER_TOO_BIG:
        return "decimal number is too large";
    case U_REGEX_BAD_INTERVAL:
        return "error in a {min,max} interval";
    case U_REGEX_MAX_LT_MIN:
        return "in {min,max}, max is less than min";
    case U_REGEX_INVALID_BACK_REF:
        return "back-reference to a capture group that does not exist";
    case U_REGEX_INVALID_FLAG:
        return "invalid match mode flags";
    case U_REGEX_LOOK_BEHIND_LIMIT:
        return "look-behind must have a bounded maximum length";
    case U_REGEX_MISSING_CLOSE_BRACKET:
        return "missing closing bracket in a bracket expression";
    case U_REGEX_INVALID_RANGE:
        return "in a character range [x-y], x is greater than y";
    case U_REGEX_PATTERN_TOO_BIG:
        return "pattern is too large";
    case U_REGEX_INVALID_CAPTURE_GROUP_NAME:
        return "invalid capture group name";
    default:
        return u_errorName(code);
    }
}

// A matcher over `text` (already reset to it), or null when ICU refuses.
std::unique_ptr<icu::RegexMatcher> matcherOver(const icu::RegexPattern &pattern, UText *text) {
    if (!text) {
        return nullptr;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(pattern.matcher(status));
    if (U_FAILURE(status) || !matcher) {
        return nullptr;
    }
    matcher->reset(text);
    return matcher;
}

// Reads the current match of `matcher`; native indexes of a UTF-8 text are byte offsets.
XARegexMatch currentMatch(icu::RegexMatcher &matcher, std::string_view text) {
    XARegexMatch match;
    const int32_t groupCount = matcher.groupCount();
    for (int32_t group = 0; group <= groupCount; ++group) {
        UErrorCode status = U_ZERO_ERROR;
        const int64_t start = matcher.start64(group, status);
        const int64_t end = matcher.end64(group, status);
        if (U_FAILURE(status) || start < 0 || end < start || static_cast<uint64_t>(end) > text.size()) {
            match.ranges.emplace_back();
            match.groups.emplace_back();
            continue;
        }
        const XAStringRange range{static_cast<size_t>(start), static_cast<size_t>(end - start)};
        match.ranges.emplace_back(range);
        match.groups.emplace_back(std::string(text.substr(range.location, range.length)));
    }
    return match;
}

bool advance(icu::RegexMatcher &matcher, XAMatchingOptions options) {
    UErrorCode status = U_ZERO_ERROR;
    const bool found = options == XAMatchingOptions::Anchored ? matcher.lookingAt(status) : matcher.find(status);
    return found && U_SUCCESS(status);
}

} // namespace

const std::optional<std::string> &XARegexMatch::group(size_t index) const {
    static const std::optional<std::string> none;
    return index < groups.size() ? groups[index] : none;
}

XARegex::XARegex(std::string pattern, uint32_t flags, std::shared_ptr<const icu::RegexPattern> compiled)
    : pattern_(std::move(pattern)), flags_(flags), compiled_(std::move(compiled)) {}

std::optional<XARegex> XARegex::compile(std::string_view pattern, uint32_t flags, XAError *error) {
    UParseError parseError{};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexPattern> compiled;
    if (pattern.size() > static_cast<size_t>(INT32_MAX)) {
        status = U_REGEX_PATTERN_TOO_BIG;
    } else {
        compiled.reset(icu::RegexPattern::compile(XAUnicodeStringFromUTF8(pattern), flags, parseError, status));
    }
    if (U_FAILURE(status) || !compiled) {
        std::string reason = describeCompileError(status);
        if (parseError.offset >= 0 && status != U_REGEX_PATTERN_TOO_BIG) {
            reason += " at offset " + std::to_string(parseError.offset);
        }
        XASetError(error, "Invalid regular expression '" + std::string(pattern) + "': " + reason);
        return std::nullopt;
    }
    return XARegex(std::string(pattern), flags, std::shared_ptr<const icu::RegexPattern>(std::move(compiled)));
}

size_t XARegex::captureGroupCount() const {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(compiled_->matcher(status));
    return U_SUCCESS(status) && matcher ? static_cast<size_t>(matcher->groupCount()) : 0;
}

bool XARegex::matches(std::string_view text, XAMatchingOptions options) const {
    const XAUTF8UText utext(text);
    std::unique_ptr<icu::RegexMatcher> matcher = matcherOver(*compiled_, utext.get());
    return matcher && advance(*matcher, options);
}

std::optional<XARegexMatch> XARegex::firstMatch(std::string_view text, XAMatchingOptions options) const {
    const XAUTF8UText utext(text);
    std::unique_ptr<icu::RegexMatcher> matcher = matcherOver(*compiled_, utext.get());
    if (!matcher || !advance(*matcher, options)) {
        return std::nullopt;
    }
    return currentMatch(*matcher, text);
}

std::vector<XARegexMatch> XARegex::allMatches(std::string_view text) const {
    std::vector<XARegexMatch> matches;
    const XAUTF8UText utext(text);
    std::unique_ptr<icu::RegexMatcher> matcher = matcherOver(*compiled_, utext.get());
    while (matcher && advance(*matcher, XAMatchingOptions::None)) {
        matches.push_back(currentMatch(*matcher, text));
    }
    return matches;
}

std::string XARegex::replacingMatches(std::string_view text, std::string_view replacement) const {
    const icu::UnicodeString input = XAUnicodeStringFromUTF8(text);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(compiled_->matcher(input, status));
    if (U_FAILURE(status) || !matcher || text.size() > static_cast<size_t>(INT32_MAX)) {
        return std::string(text);
    }
    const icu::UnicodeString replaced = matcher->replaceAll(XAUnicodeStringFromUTF8(replacement), status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    std::string result;
    replaced.toUTF8String(result);
    return result;
}

namespace {

// Compiled expressions of patterns given as text, shared by every thread. Invalid patterns are
// remembered too. The table is emptied when it grows large, which only costs recompilation.
std::optional<XARegex> cachedRegex(std::string_view pattern) {
    constexpr size_t maximumEntries = 512;
    static std::mutex mutex;
    static std::unordered_map<std::string, std::optional<XARegex>> cache;
    std::lock_guard<std::mutex> lock(mutex);
    std::string key(pattern);
    auto found = cache.find(key);
    if (found != cache.end()) {
        return found->second;
    }
    if (cache.size() >= maximumEntries) {
        cache.clear();
    }
    std::optional<XARegex> compiled = XARegex::compile(pattern);
    cache.emplace(std::move(key), compiled);
    return compiled;
}

} // namespace

bool xa_matchesRegex(std::string_view s, std::string_view pattern, XAMatchingOptions options) {
    const std::optional<XARegex> regex = cachedRegex(pattern);
    return regex && regex->matches(s, options);
}

bool xa_matchesRegex(std::string_view s, std::string_view pattern) {
    return xa_matchesRegex(s, pattern, XAMatchingOptions::None);
}

bool xa_matchesAnchoredRegex(std::string_view s, std::string_view pattern) {
    return xa_matchesRegex(s, pattern, XAMatchingOptions::Anchored);
}

std::optional<std::string> xa_substringUsingRegex(std::string_view s, std::string_view pattern, size_t groupIndex) {
    const std::optional<XARegex> regex = cachedRegex(pattern);
    if (!regex) {
        return std::nullopt;
    }
    const std::optional<XARegexMatch> match = regex->firstMatch(s);
    return match ? match->group(groupIndex) : std::nullopt;
}

bool xa_matchesString(const XARegex &regex, const std::optional<std::string_view> &text, XAMatchingOptions options) {
    return text && regex.matches(*text, options);
}
