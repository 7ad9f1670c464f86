#include "project/XABuildSettingValues.h"

#include "core/XARegex.h"
#include "core/XAString.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <set>

#include <unicode/unistr.h>

namespace {

const XARegex *compiledPattern(const std::optional<XARegex> &regex) { return regex ? &*regex : nullptr; }

std::string replacingMatches(const std::optional<XARegex> &regex, std::string_view text) {
    const XARegex *compiled = compiledPattern(regex);
    return compiled ? compiled->replacingMatches(text, "") : std::string(text);
}

std::vector<std::string_view> piecesSeparatedByNewline(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t position = text.find('\n'); position != std::string_view::npos; position = text.find('\n', start)) {
        pieces.push_back(text.substr(start, position - start));
        start = position + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// ---- Format specifiers ----

constexpr std::string_view kDigitsAndPoint = "0123456789.";
constexpr std::string_view kFlags = "'-+#0";
constexpr std::string_view kLengthModifiers = "hlqLztj ";

class SpecifierScanner {
public:
    explicit SpecifierScanner(std::string_view text)
        : text_(text), containsDollar_(text.find('$') != std::string_view::npos) {}

    std::vector<std::string> specifiers() {
        std::vector<std::string> found;
        while (true) {
            const size_t start = text_.find('%', position_);
            if (start == std::string_view::npos) {
                break;
            }
            position_ = start + 1;
            if (atEnd()) {
                break;
            }
            if (text_[position_] == '%') {
                ++position_; // an escaped percent sign
                continue;
            }
            if (!scanSpecifierBody()) {
                break;
            }
            found.emplace_back(text_.substr(start, position_ - start));
        }
        return found;
    }

private:
    bool atEnd() const { return position_ >= text_.size(); }

    std::string_view scanCharacters(std::string_view set) {
        const size_t start = position_;
        while (!atEnd() && set.find(text_[position_]) != std::string_view::npos) {
            ++position_;
        }
        return text_.substr(start, position_ - start);
    }

    // Position, flags, width, precision, length and conversion after the "%"; false when the text ends first.
    bool scanSpecifierBody() {
        bool scanFlags = true;
        if (containsDollar_) {
            const std::string_view position = scanCharacters(kDigitsAndPoint);
            if (position.find('.') != std::string_view::npos) {
                scanFlags = false;
            } else if (!position.empty()) {
                scanCharacters("$");
            }
        }
        if (scanFlags) {
            scanCharacters(kFlags);
        }
        scanCharacters(kDigitsAndPoint);
        for (int modifiers = 0;
             modifiers < 2 && !atEnd() && kLengthModifiers.find(text_[position_]) != std::string_view::npos;
             ++modifiers) {
            ++position_;
        }
        if (atEnd()) {
            return false;
        }
        position_ += std::max<size_t>(1, XADecodeUTF8(text_, position_).length);
        return true;
    }

    std::string_view text_;
    bool containsDollar_;
    size_t position_ = 0;
};

// (position, specifier without its position) of a positional specifier such as "%2$@"; the largest key and the
// specifier unchanged otherwise.
constexpr std::uint64_t kNoPosition = std::numeric_limits<std::uint64_t>::max();

std::pair<std::uint64_t, std::string> logicalOrderKey(const std::string &specifier) {
    static const std::optional<XARegex> positional = XARegex::compile("(?s)^%(\\d+)\\$(.*)$");
    const XARegex *compiled = compiledPattern(positional);
    auto match = compiled ? compiled->firstMatch(specifier, XAMatchingOptions::Anchored) : std::nullopt;
    if (!match || !match->group(1) || !match->group(2)) {
        return {kNoPosition, specifier};
    }
    const std::string &digits = *match->group(1);
    std::uint64_t position = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), position);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return {kNoPosition, specifier};
    }
    return {position, "%" + *match->group(2)};
}

std::vector<std::string> quotedArguments(const std::string &commandLine) {
    std::vector<std::string> arguments;
    for (const auto &column : xa_argumentLineColumns(commandLine)) {
        arguments.push_back(xa_quotedForArgumentUsage(column));
    }
    return arguments;
}

} // namespace

std::string xa_baseBuildSettingKey(std::string_view key) { return std::string(key.substr(0, key.find('['))); }

bool xa_isEqualToXcodebuildOutputMangledString(std::string_view s, std::string_view other) {
    if (s == other) {
        return true;
    }
    if (s.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        return false;
    }
    // The UTF-8 bytes read as Mac OS Roman, the C-string encoding xcodebuild's output goes through on a Mac.
    const icu::UnicodeString reread(s.data(), static_cast<int32_t>(s.size()), "macintosh");
    if (reread.isBogus()) {
        return false;
    }
    return XAUTF8FromUnicodeString(reread) == other;
}

std::string xa_stringByDeletingUnresolvedXcodeVariables(std::string_view s) {
    static const std::optional<XARegex> braceReference = XARegex::compile("\\$\\{[^}]*\\}");
    static const std::optional<XARegex> parenthesisReference = XARegex::compile("\\$\\([^)]*\\)");
    static const std::optional<XARegex> bareReference = XARegex::compile("\\$[^({]\\S+");
    std::string result = replacingMatches(braceReference, s);
    result = replacingMatches(parenthesisReference, result);
    return replacingMatches(bareReference, result);
}

bool xa_containsUnresolvedXcodeVariables(std::string_view s) {
    return xa_stringByDeletingUnresolvedXcodeVariables(s) != s;
}

std::string xa_stringByTrimmingNSLogPrefixes(std::string_view s) {
    static const std::optional<XARegex> logPrefix =
        XARegex::compile("^\\d{4}-\\d{2}-\\d{2}\\s+\\d{2}:\\d{2}:\\d{2}.\\d{3}\\s+\\w+\\[[\\d:]+\\]\\s+");
    std::string result;
    bool first = true;
    for (std::string_view line : piecesSeparatedByNewline(s)) {
        if (!first) {
            result += '\n';
        }
        first = false;
        result += replacingMatches(logPrefix, line);
    }
    return result;
}

std::vector<std::string> xa_formatSpecifiersInStringInLogicalOrder(std::string_view s, bool logicalOrder) {
    std::vector<std::string> specifiers = SpecifierScanner(s).specifiers();
    if (!logicalOrder || specifiers.empty()) {
        return specifiers;
    }
    std::vector<std::pair<std::uint64_t, std::string>> keyed;
    keyed.reserve(specifiers.size());
    for (const auto &specifier : specifiers) {
        keyed.push_back(logicalOrderKey(specifier));
    }
    // Stable, so specifiers without a position keep their text order behind the positional ones.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::string> ordered;
    ordered.reserve(keyed.size());
    for (auto &[position, specifier] : keyed) {
        ordered.push_back(std::move(specifier));
    }
    return ordered;
}

std::vector<std::pair<std::uint64_t, std::string>> xa_formatArgumentsInString(std::string_view s) {
    std::set<std::pair<std::uint64_t, std::string>> arguments;
    std::uint64_t nextSequentialPosition = 1;
    for (const std::string &specifier : SpecifierScanner(s).specifiers()) {
        auto [position, conversion] = logicalOrderKey(specifier);
        if (position == kNoPosition) {
            position = nextSequentialPosition++;
        }
        arguments.emplace(position, std::move(conversion));
    }
    return {arguments.begin(), arguments.end()};
}

std::optional<std::vector<std::string>> xa_arrayValueOfListSetting(const XADictionary &settings, std::string_view key) {
    const XAValue *value = settings.get(key);
    if (!value) {
        return std::nullopt;
    }
    if (const XAValue::Array *array = value->array()) {
        std::vector<std::string> items;
        for (const XAValue &item : *array) {
            if (const std::string *text = item.string()) {
                items.push_back(*text);
            }
        }
        return items;
    }
    if (const std::string *text = value->string()) {
        return quotedArguments(*text);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> xa_arrayValueOfListSetting(const std::map<std::string, std::string> &settings,
                                                                   const std::string &key) {
    auto found = settings.find(key);
    if (found == settings.end()) {
        return std::nullopt;
    }
    return quotedArguments(found->second);
}
