#include "core/XAString.h"

#include "core/XARegex.h"

#include <algorithm>
#include <climits>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

// ---- UTF-8 decoding and character classes ----

XAUTF8Char XADecodeUTF8(std::string_view s, size_t offset) {
    if (offset >= s.size()) {
        return {};
    }
    const auto *bytes = reinterpret_cast<const uint8_t *>(s.data()) + offset;
    if (bytes[0] < 0x80) {
        return {bytes[0], 1, true};
    }
    int32_t length = 0;
    const auto available = static_cast<int32_t>(std::min<size_t>(s.size() - offset, 4));
    UChar32 c = 0;
    U8_NEXT(bytes, length, available, c);
    if (c < 0) {
        return {0xFFFD, static_cast<size_t>(length), false};
    }
    return {static_cast<char32_t>(c), static_cast<size_t>(length), true};
}

bool XAIsWhitespace(char32_t c) {
    if (c < 0x80) {
        return c == ' ' || c == '\t';
    }
    return u_charType(static_cast<UChar32>(c)) == U_SPACE_SEPARATOR;
}

bool XAIsNewline(char32_t c) { return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029; }

bool XAIsWhitespaceOrNewline(char32_t c) { return XAIsWhitespace(c) || XAIsNewline(c); }

namespace {

icu::UnicodeSet frozen(icu::UnicodeSet set) {
    set.freeze();
    return set;
}

icu::UnicodeSet newlineSet() {
    icu::UnicodeSet set;
    set.add(0x0A, 0x0D).add(0x85).add(0x2028, 0x2029);
    return set;
}

icu::UnicodeSet whitespaceSet() {
    icu::UnicodeSet set;
    UErrorCode status = U_ZERO_ERROR;
    set.applyIntPropertyValue(UCHAR_GENERAL_CATEGORY_MASK, U_GC_ZS_MASK, status);
    set.add(0x09);
    return set;
}

} // namespace

const icu::UnicodeSet &XAWhitespaceCharacterSet() {
    static const icu::UnicodeSet set = frozen(whitespaceSet());
    return set;
}

const icu::UnicodeSet &XANewlineCharacterSet() {
    static const icu::UnicodeSet set = frozen(newlineSet());
    return set;
}

const icu::UnicodeSet &XAWhitespaceAndNewlineCharacterSet() {
    static const icu::UnicodeSet set = frozen(icu::UnicodeSet(whitespaceSet()).addAll(newlineSet()));
    return set;
}

icu::UnicodeSet XACharacterSetWithCharacters(std::string_view utf8Characters) {
    icu::UnicodeSet set;
    for (size_t i = 0; i < utf8Characters.size();) {
        const XAUTF8Char ch = XADecodeUTF8(utf8Characters, i);
        if (ch.valid) {
            set.add(static_cast<UChar32>(ch.codePoint));
        }
        i += ch.length;
    }
    return set;
}

icu::UnicodeString XAUnicodeStringFromUTF8(std::string_view s) {
    if (s.size() > static_cast<size_t>(INT32_MAX)) {
        return {};
    }
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}

std::string XAUTF8FromUnicodeString(const icu::UnicodeString &u) {
    std::string result;
    u.toUTF8String(result);
    return result;
}

XAUTF8UText::XAUTF8UText(std::string_view s) {
    if (s.size() > static_cast<size_t>(INT32_MAX)) {
        return;
    }
    static const char empty[] = "";
    UErrorCode status = U_ZERO_ERROR;
    text_ = utext_openUTF8(nullptr, s.empty() ? empty : s.data(), static_cast<int64_t>(s.size()), &status);
    if (U_FAILURE(status)) {
        utext_close(text_);
        text_ = nullptr;
    }
}

XAUTF8UText::~XAUTF8UText() {
    if (text_) {
        utext_close(text_);
    }
}

namespace {

// ---- Internal helpers ----

bool isInvalidOr(const XAUTF8Char &ch, bool (*predicate)(char32_t)) { return !ch.valid || !predicate(ch.codePoint); }

// Start of the character that ends at `end` (> 0); a stray byte counts as a character of its own.
size_t previousCharStart(std::string_view s, size_t end) {
    size_t start = end - 1;
    const size_t limit = end >= 4 ? end - 4 : 0;
    while (start > limit && (static_cast<uint8_t>(s[start]) & 0xC0) == 0x80) {
        --start;
    }
    const XAUTF8Char ch = XADecodeUTF8(s, start);
    return (ch.valid && start + ch.length == end) ? start : end - 1;
}

std::string_view trimStart(std::string_view s, bool (*isTrimmed)(char32_t)) {
    size_t i = 0;
    while (i < s.size()) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (isInvalidOr(ch, isTrimmed)) {
            break;
        }
        i += ch.length;
    }
    return s.substr(i);
}

std::string_view trimEnd(std::string_view s, bool (*isTrimmed)(char32_t)) {
    size_t end = s.size();
    while (end > 0) {
        const size_t start = previousCharStart(s, end);
        const XAUTF8Char ch = XADecodeUTF8(s, start);
        if (start + ch.length != end || isInvalidOr(ch, isTrimmed)) {
            break;
        }
        end = start;
    }
    return s.substr(0, end);
}

// UTF-16 units of one decoded character; an invalid byte stands for one U+FFFD.
size_t utf16Units(const XAUTF8Char &ch) { return (ch.valid && ch.codePoint >= 0x10000) ? 2 : 1; }

size_t utf16Length(std::string_view s) {
    size_t units = 0;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        units += utf16Units(ch);
        i += ch.length;
    }
    return units;
}

std::string upperCased(std::string_view s) {
    icu::UnicodeString u = XAUnicodeStringFromUTF8(s);
    return XAUTF8FromUnicodeString(u.toUpper(icu::Locale::getRoot()));
}

std::string lowerCased(std::string_view s) {
    icu::UnicodeString u = XAUnicodeStringFromUTF8(s);
    return XAUTF8FromUnicodeString(u.toLower(icu::Locale::getRoot()));
}

bool equalsUpperCase(std::string_view s) {
    const icu::UnicodeString u = XAUnicodeStringFromUTF8(s);
    icu::UnicodeString upper = u;
    upper.toUpper(icu::Locale::getRoot());
    return u == upper;
}

using BreakIteratorFactory = icu::BreakIterator *(*)(const icu::Locale &, UErrorCode &);

std::unique_ptr<icu::BreakIterator> makeBreakIterator(BreakIteratorFactory factory) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(factory(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) {
        iterator.reset();
    }
    return iterator;
}

// Break iterators are costly to create and not shareable, so each thread keeps its own.
icu::BreakIterator *characterIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator =
        makeBreakIterator(&icu::BreakIterator::createCharacterInstance);
    return iterator.get();
}

icu::BreakIterator *wordIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator =
        makeBreakIterator(&icu::BreakIterator::createWordInstance);
    return iterator.get();
}

// Calls `visit(start, end, ruleStatus)` for each segment that `iterator` finds, as byte offsets;
// stops when `visit` returns false. Without an iterator every code point is a segment.
template <typename Visitor> void forEachSegment(std::string_view s, icu::BreakIterator *iterator, Visitor visit) {
    const XAUTF8UText text(s);
    UErrorCode status = U_ZERO_ERROR;
    if (iterator && text.get()) {
        iterator->setText(text.get(), status);
    }
    if (!iterator || !text.get() || U_FAILURE(status)) {
        for (size_t i = 0; i < s.size();) {
            const size_t length = XADecodeUTF8(s, i).length;
            if (!visit(i, i + length, 0)) {
                return;
            }
            i += length;
        }
        return;
    }
    int32_t start = iterator->first();
    for (int32_t end = iterator->next(); end != icu::BreakIterator::DONE; start = end, end = iterator->next()) {
        const auto from = std::min(static_cast<size_t>(start), s.size());
        const auto to = std::clamp(static_cast<size_t>(end), from, s.size());
        if (!visit(from, to, iterator->getRuleStatus())) {
            break;
        }
    }
    // The iterator outlives the text; leave it pointing at nothing of ours.
    static const icu::UnicodeString nothing;
    iterator->setText(nothing);
}

// The first user-perceived character whose first code point is not whitespace.
std::optional<XAStringRange> firstNonWhitespaceCharacter(std::string_view s) {
    std::optional<XAStringRange> found;
    forEachSegment(s, characterIterator(), [&](size_t start, size_t end, int32_t) {
        const XAUTF8Char ch = XADecodeUTF8(s, start);
        if (isInvalidOr(ch, XAIsWhitespace)) {
            found = XAStringRange{start, end - start};
            return false;
        }
        return true;
    });
    return found;
}

std::vector<std::string> splitAt(std::string_view s, bool (*isSeparator)(char32_t)) {
    std::vector<std::string> pieces;
    size_t pieceStart = 0;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (!isInvalidOr(ch, isSeparator)) {
            pieces.emplace_back(s.substr(pieceStart, i - pieceStart));
            pieceStart = i + ch.length;
        }
        i += ch.length;
    }
    pieces.emplace_back(s.substr(pieceStart));
    return pieces;
}

std::string replacingAll(std::string_view s, std::string_view needle, std::string_view replacement) {
    std::string result;
    size_t position = 0;
    for (size_t found = s.find(needle); !needle.empty() && found != std::string_view::npos;
         found = s.find(needle, position)) {
        result.append(s.substr(position, found - position)).append(replacement);
        position = found + needle.size();
    }
    result.append(s.substr(position));
    return result;
}

size_t skipWhitespaceAndNewlines(std::string_view s) { return s.size() - trimStart(s, XAIsWhitespaceOrNewline).size(); }

bool isASCIIDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> hexDigitValue(char c) {
    if (isASCIIDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

} // namespace

// ---- Trimming, tests and small transformations ----

XAStringRange xa_fullRange(std::string_view s) { return {0, s.size()}; }

std::string xa_trimmed(std::string_view s) {
    return std::string(trimEnd(trimStart(s, XAIsWhitespaceOrNewline), XAIsWhitespaceOrNewline));
}

std::string xa_trimmedOfWhitespace(std::string_view s) {
    return std::string(trimEnd(trimStart(s, XAIsWhitespace), XAIsWhitespace));
}

std::string xa_trimmedFromStart(std::string_view s) { return std::string(trimStart(s, XAIsWhitespaceOrNewline)); }

std::string xa_trimmedFromEnd(std::string_view s) { return std::string(trimEnd(s, XAIsWhitespaceOrNewline)); }

bool xa_isOnlyWhitespace(std::string_view s) { return trimStart(s, XAIsWhitespace).empty(); }

namespace {

// Root collation at primary strength ignores case, diacritics and width. Each thread keeps its own.
icu::Collator *lenientCollator() {
    thread_local std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status) || !made) {
            return std::unique_ptr<icu::Collator>();
        }
        made->setStrength(icu::Collator::PRIMARY);
        return made;
    }();
    return collator.get();
}

} // namespace

bool xa_isEqualToStringLenient(std::string_view s, std::string_view other) {
    if (s == other) {
        return true;
    }
    icu::Collator *collator = lenientCollator();
    const icu::UnicodeString left = XAUnicodeStringFromUTF8(s);
    const icu::UnicodeString right = XAUnicodeStringFromUTF8(other);
    if (!collator) {
        return left.caseCompare(right, U_FOLD_CASE_DEFAULT) == 0;
    }
    UErrorCode status = U_ZERO_ERROR;
    return collator->compare(left, right, status) == UCOL_EQUAL && U_SUCCESS(status);
}

bool xa_containsSubstring(std::string_view s, std::string_view needle) {
    return !needle.empty() && s.find(needle) != std::string_view::npos;
}

bool xa_containsAnyCharacterInSet(std::string_view s, const icu::UnicodeSet &set) {
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (ch.valid && set.contains(static_cast<UChar32>(ch.codePoint))) {
            return true;
        }
        i += ch.length;
    }
    return false;
}

bool xa_isNonEmptyNumeric(std::string_view s) {
    static const std::optional<XARegex> numeric = XARegex::compile("^-?\\s*[0-9\\.]+\\s*$");
    return numeric && numeric->matches(s) && s.find('.') == s.rfind('.');
}

std::optional<uint64_t> xa_numberFromHexString(std::string_view s) {
    size_t i = skipWhitespaceAndNewlines(s);
    if (i + 2 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && hexDigitValue(s[i + 2])) {
        i += 2;
    }
    std::optional<uint64_t> value;
    for (; i < s.size(); ++i) {
        const std::optional<int> digit = hexDigitValue(s[i]);
        if (!digit) {
            break;
        }
        const uint64_t current = value.value_or(0);
        if (current > (UINT64_MAX >> 4)) {
            return std::nullopt;
        }
        value = (current << 4) | static_cast<uint64_t>(*digit);
    }
    return value;
}

std::optional<int64_t> xa_numberFromDecimalIntString(std::string_view s) {
    size_t i = skipWhitespaceAndNewlines(s);
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        ++i;
    }
    const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
    uint64_t magnitude = 0;
    bool anyDigit = false;
    for (; i < s.size() && isASCIIDigit(s[i]); ++i) {
        const auto digit = static_cast<uint64_t>(s[i] - '0');
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
        anyDigit = true;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    if (negative) {
        return magnitude == uint64_t(INT64_MAX) + 1 ? INT64_MIN : -static_cast<int64_t>(magnitude);
    }
    return static_cast<int64_t>(magnitude);
}

XAStringRange xa_rangeOfSequentialCharactersFromSet(std::string_view s, const icu::UnicodeSet *set,
                                                    XAStringRange range) {
    if (!set || range.location > s.size()) {
        return {XANotFound, 0};
    }
    const size_t end = range.length > s.size() - range.location ? s.size() : range.location + range.length;
    size_t i = range.location;
    while (i < end) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (i + ch.length > end || !ch.valid || !set->contains(static_cast<UChar32>(ch.codePoint))) {
            break;
        }
        i += ch.length;
    }
    return {range.location, i - range.location};
}

size_t xa_numberOfOccurrencesOf(std::string_view s, std::string_view needle) {
    if (needle.empty()) {
        return 0;
    }
    size_t count = 0;
    for (size_t found = s.find(needle); found != std::string_view::npos;
         found = s.find(needle, found + needle.size())) {
        ++count;
    }
    return count;
}

std::string xa_reversedString(std::string_view s) {
    std::vector<XAStringRange> characters;
    forEachSegment(s, characterIterator(), [&](size_t start, size_t end, int32_t) {
        characters.push_back({start, end - start});
        return true;
    });
    std::string reversed;
    reversed.reserve(s.size());
    for (auto it = characters.rbegin(); it != characters.rend(); ++it) {
        reversed.append(s.substr(it->location, it->length));
    }
    return reversed;
}

std::string xa_indentedWith(std::string_view s, std::string_view prefix) {
    return std::string(prefix) + replacingAll(s, "\n", "\n" + std::string(prefix));
}

std::vector<std::string> xa_lines(std::string_view s) {
    if (s.empty()) {
        return {};
    }
    return splitAt(s, XAIsNewline);
}

std::string xa_stringByEscapingDoubleQuotes(std::string_view s) { return replacingAll(s, "\"", "\\\""); }

std::string xa_quotedForArgumentUsage(std::string_view s) {
    if (!s.empty() && !xa_containsAnyCharacterInSet(s, XAWhitespaceAndNewlineCharacterSet())) {
        return std::string(s);
    }
    return "\"" + xa_stringByEscapingDoubleQuotes(s) + "\"";
}

std::string xa_stringByRemovingSurroundingQuotes(std::string_view s) {
    if (s.size() >= 2 && s.front() == s.back() && (s.front() == '\'' || s.front() == '"')) {
        return std::string(s.substr(1, s.size() - 2));
    }
    return std::string(s);
}

std::string xa_stringByTranslatingEscapeSequences(std::string_view s) {
    std::string result = replacingAll(s, "\\n", "\n");
    result = replacingAll(result, "\\t", "\t");
    return replacingAll(result, "\\e", "\x1B");
}

std::string xa_filesystemSafeString(std::string_view s) {
    std::string safe;
    safe.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        const char32_t c = ch.codePoint;
        const bool kept =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ' ';
        safe.append(kept ? 1 : utf16Units(ch), kept ? static_cast<char>(c) : '_');
        i += ch.length;
    }
    return xa_trimmed(safe);
}

// ---- Case and words ----

bool xa_isCapitalized(std::string_view s) {
    const std::optional<XAStringRange> first = firstNonWhitespaceCharacter(s);
    return first && equalsUpperCase(s.substr(first->location, first->length));
}

bool xa_isAllUppercase(std::string_view s) { return !xa_isOnlyWhitespace(s) && equalsUpperCase(s); }

std::string xa_titleCase(std::string_view s) {
    std::string title;
    forEachSegment(s, wordIterator(), [&](size_t start, size_t end, int32_t ruleStatus) {
        if (ruleStatus >= UBRK_WORD_NONE_LIMIT) {
            const std::string_view word = s.substr(start, end - start);
            title.append(title.empty() ? "" : " ");
            title.append(xa_isCapitalized(word) ? std::string(word) : xa_firstCharCapitalized(word));
        }
        return true;
    });
    return title;
}

std::string xa_firstCharModifiedWithBlock(std::string_view s,
                                          const std::function<std::string(const std::string &)> &modify) {
    const std::optional<XAStringRange> first = firstNonWhitespaceCharacter(s);
    if (!first || !modify) {
        return std::string(s);
    }
    return std::string(s.substr(0, first->location)) + modify(std::string(s.substr(first->location, first->length))) +
           std::string(s.substr(first->end()));
}

std::string xa_firstCharCapitalized(std::string_view s) {
    return xa_firstCharModifiedWithBlock(s, [](const std::string &c) { return upperCased(c); });
}

std::string xa_lowercased(std::string_view s) { return lowerCased(s); }

std::string xa_uppercased(std::string_view s) { return upperCased(s); }

std::string xa_firstCharLowercased(std::string_view s) {
    return xa_firstCharModifiedWithBlock(s, [](const std::string &c) { return lowerCased(c); });
}

std::string xa_camelCaseToSentenceCase(std::string_view s) {
    std::string sentence;
    sentence.reserve(s.size() + s.size() / 4);
    bool previousIsLower = false;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        const int8_t type = ch.valid ? u_charType(static_cast<UChar32>(ch.codePoint)) : int8_t(U_UNASSIGNED);
        if (previousIsLower && (type == U_UPPERCASE_LETTER || type == U_TITLECASE_LETTER)) {
            sentence.push_back(' ');
        }
        sentence.append(s.substr(i, ch.length));
        previousIsLower = type == U_LOWERCASE_LETTER;
        i += ch.length;
    }
    return sentence;
}

std::vector<std::string> xa_sentenceWords(std::string_view s) { return splitAt(xa_trimmed(s), XAIsWhitespace); }

std::vector<std::string> xa_camelCaseWords(std::string_view s) {
    return xa_sentenceWords(xa_camelCaseToSentenceCase(s));
}

std::string xa_wordForIndexedPosition(uint64_t position) {
    static const char *const words[] = {"first", "second",  "third",  "fourth", "fifth",
                                        "sixth", "seventh", "eighth", "ninth",  "tenth"};
    if (position < std::size(words)) {
        return words[position];
    }
    if (position == UINT64_MAX) {
        return "18446744073709551616th";
    }
    const uint64_t number = position + 1;
    const char *suffix = "th";
    if (number % 100 < 11 || number % 100 > 13) {
        switch (number % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(number) + suffix;
}

// ---- Formatting and layout ----

std::string xa_truncatedToLength(std::string_view s, size_t maxLength, XATruncation mode) {
    if (mode != XATruncation::Start && mode != XATruncation::End) {
        return std::string(s);
    }
    const size_t total = utf16Length(s);
    if (total <= maxLength) {
        return std::string(s);
    }
    const std::string marker = maxLength > 1 ? "\u2026" : "";
    const size_t kept = maxLength - (marker.empty() ? 0 : 1);
    size_t units = 0;
    size_t i = 0;
    if (mode == XATruncation::End) {
        while (i < s.size()) {
            const XAUTF8Char ch = XADecodeUTF8(s, i);
            if (units + utf16Units(ch) > kept) {
                break;
            }
            units += utf16Units(ch);
            i += ch.length;
        }
        return std::string(s.substr(0, i)) + marker;
    }
    while (i < s.size() && units < total - kept) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        units += utf16Units(ch);
        i += ch.length;
    }
    return marker + std::string(s.substr(i));
}

size_t xa_utf16Length(std::string_view s) { return utf16Length(s); }

std::string xa_componentsJoinedByString(const std::vector<std::string> &pieces, std::string_view separator) {
    std::string joined;
    for (size_t i = 0; i < pieces.size(); ++i) {
        joined.append(i == 0 ? "" : separator).append(pieces[i]);
    }
    return joined;
}

namespace {

// One paragraph (text without line breaks) wrapped greedily.
std::string wordWrapParagraph(std::string_view paragraph, size_t width) {
    std::vector<std::string> lines;
    std::string line;
    size_t lineLength = 0;
    for (const std::string &word : splitAt(paragraph, XAIsWhitespace)) {
        const size_t wordLength = utf16Length(word);
        if (!line.empty() && lineLength + wordLength + 1 > width) {
            lines.push_back(std::move(line));
            line.clear();
            lineLength = 0;
        }
        if (!line.empty()) {
            line.push_back(' ');
            ++lineLength;
        }
        line.append(word);
        lineLength += wordLength;
    }
    lines.push_back(std::move(line));
    std::string wrapped;
    for (size_t i = 0; i < lines.size(); ++i) {
        wrapped.append(i == 0 ? "" : "\n").append(lines[i]);
    }
    return wrapped;
}

} // namespace

std::string xa_wordWrapToLength(std::string_view s, size_t width) {
    std::string wrapped;
    size_t paragraphStart = 0;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        if (ch.valid && XAIsNewline(ch.codePoint)) {
            wrapped.append(wordWrapParagraph(s.substr(paragraphStart, i - paragraphStart), width));
            wrapped.append(s.substr(i, ch.length));
            paragraphStart = i + ch.length;
        }
        i += ch.length;
    }
    return wrapped.append(wordWrapParagraph(s.substr(paragraphStart), width));
}

namespace {

// `argument(i)` gives the i-th argument's text, or null when there is none or it is no string.
template <typename ArgumentAt>
std::optional<std::string> safeFormat(std::string_view format, size_t argumentCount, ArgumentAt argument) {
    std::string result;
    size_t nextArgument = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            result.push_back(format[i]);
            continue;
        }
        if (format[i + 1] != '@' || nextArgument >= argumentCount) {
            return std::nullopt;
        }
        const std::string *text = argument(nextArgument++);
        if (!text) {
            return std::nullopt;
        }
        result.append(*text);
        ++i;
    }
    return result;
}

} // namespace

std::optional<std::string> xa_safeStringWithFormat(std::string_view format, const std::vector<std::string> &args) {
    return safeFormat(format, args.size(), [&](size_t i) { return &args[i]; });
}

std::optional<std::string> xa_safeStringWithFormat(std::string_view format, const std::vector<XAValue> &args) {
    return safeFormat(format, args.size(), [&](size_t i) { return args[i].string(); });
}

std::vector<std::string> xa_componentsSeparatedByString(std::string_view s, std::optional<std::string_view> separator) {
    if (!separator || separator->empty()) {
        return {std::string(s)};
    }
    std::vector<std::string> pieces;
    std::string piece;
    bool endsWithClosedPiece = false;
    size_t position = 0;
    for (size_t found = s.find(*separator); found != std::string_view::npos; found = s.find(*separator, position)) {
        piece.append(s.substr(position, found - position));
        const bool escaped = found > position && s[found - 1] == '\\';
        if (escaped) {
            piece.pop_back();
            piece.append(*separator);
        } else {
            pieces.push_back(std::move(piece));
            piece.clear();
        }
        endsWithClosedPiece = !escaped;
        position = found + separator->size();
    }
    piece.append(s.substr(position));
    if (!piece.empty() || (endsWithClosedPiece && position == s.size())) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::vector<std::string> xa_argumentLineColumns(std::string_view s) {
    std::vector<std::string> columns;
    const size_t n = s.size();
    size_t i = 0;
    while (i < n) {
        if (s[i] == ' ' || s[i] == '\t') {
            ++i;
            continue;
        }
        const bool quoted = s[i] == '"';
        i += quoted ? 1 : 0;
        std::string column;
        while (i < n) {
            const char c = s[i];
            if (c == '\\') {
                // The escaping backslash goes; the character after it is taken as it is.
                if (i + 1 < n) {
                    column.push_back(s[i + 1]);
                }
                i += 2;
                continue;
            }
            ++i;
            if (quoted ? c == '"' : (c == ' ' || c == '\t')) {
                break;
            }
            column.push_back(c);
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

namespace {

// A text prepared for repeated case-insensitive searches: its simply case-folded code points and
// the byte offset of each, plus the end offset.
struct FoldedText {
    std::u32string characters;
    std::vector<size_t> offsets;
};

FoldedText folded(std::string_view s) {
    FoldedText text;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        // An invalid byte matches only itself: keep it apart from every real character.
        const char32_t c =
            ch.valid ? static_cast<char32_t>(u_foldCase(static_cast<UChar32>(ch.codePoint), U_FOLD_CASE_DEFAULT))
                     : 0x110000 + static_cast<uint8_t>(s[i]);
        text.characters.push_back(c);
        text.offsets.push_back(i);
        i += ch.length;
    }
    text.offsets.push_back(s.size());
    return text;
}

// Finds needles in one text from increasing positions, remembering each needle's next occurrence
// so that the text is searched once per needle rather than once per match.
class NeedleFinder {
public:
    NeedleFinder(std::string_view s, const std::vector<std::string> &needles, XAStringComparison comparison)
        : s_(s), needles_(needles), caseInsensitive_(comparison == XAStringComparison::CaseInsensitive),
          next_(needles.size()), searched_(needles.size(), false) {
        if (caseInsensitive_) {
            text_ = folded(s);
            for (const std::string &needle : needles) {
                foldedNeedles_.push_back(folded(needle).characters);
            }
        }
    }

    // The leftmost occurrence at or after byte `from`; the earlier needle wins a tie.
    std::optional<XAStringRange> find(size_t from) {
        std::optional<XAStringRange> best;
        for (size_t n = 0; n < needles_.size(); ++n) {
            const XAStringRange found = occurrence(n, from);
            if (found.found() && (!best || found.location < best->location)) {
                best = found;
            }
        }
        return best;
    }

private:
    XAStringRange occurrence(size_t n, size_t from) {
        // Positions only grow, so a needle that was not found stays not found.
        if (!searched_[n] || (next_[n].found() && next_[n].location < from)) {
            next_[n] = search(n, from);
            searched_[n] = true;
        }
        return next_[n];
    }

    XAStringRange search(size_t n, size_t from) const {
        if (needles_[n].empty()) {
            return {XANotFound, 0};
        }
        if (!caseInsensitive_) {
            const size_t found = s_.find(needles_[n], from);
            return found == std::string_view::npos ? XAStringRange{XANotFound, 0}
                                                   : XAStringRange{found, needles_[n].size()};
        }
        const std::u32string &needle = foldedNeedles_[n];
        const auto startIndex = static_cast<size_t>(
            std::lower_bound(text_.offsets.begin(), text_.offsets.end() - 1, from) - text_.offsets.begin());
        const size_t found = text_.characters.find(needle, startIndex);
        if (needle.empty() || found == std::u32string::npos) {
            return {XANotFound, 0};
        }
        const size_t begin = text_.offsets[found];
        return {begin, text_.offsets[found + needle.size()] - begin};
    }

    std::string_view s_;
    const std::vector<std::string> &needles_;
    bool caseInsensitive_;
    FoldedText text_;
    std::vector<std::u32string> foldedNeedles_;
    std::vector<XAStringRange> next_;
    std::vector<bool> searched_;
};

} // namespace

void xa_enumerateComposedCharacterSequences(std::string_view s,
                                            const std::function<void(XAStringRange range, bool &stop)> &handler) {
    forEachSegment(s, characterIterator(), [&](size_t start, size_t end, int32_t) {
        bool stop = false;
        handler({start, end - start}, stop);
        return !stop;
    });
}

void xa_enumerateRangesOfSubstrings(std::string_view s, const std::vector<std::string> &needles,
                                    XAStringComparison comparison,
                                    const std::function<void(XAStringRange range, bool &stop)> &handler) {
    if (needles.empty() || s.empty() || !handler) {
        return;
    }
    NeedleFinder finder(s, needles, comparison);
    size_t position = 0;
    bool stop = false;
    while (!stop && position < s.size()) {
        const std::optional<XAStringRange> found = finder.find(position);
        if (!found) {
            break;
        }
        handler(*found, stop);
        position = found->end();
    }
}

std::string_view XAValidUTF8(std::string_view bytes, std::string &storage) {
    size_t offset = 0;
    while (offset < bytes.size() && static_cast<unsigned char>(bytes[offset]) < 0x80) {
        ++offset;
    }
    bool replaced = false;
    while (offset < bytes.size()) {
        const XAUTF8Char character = XADecodeUTF8(bytes, offset);
        const size_t length = std::max<size_t>(character.length, 1);
        if (!character.valid && !replaced) {
            storage.reserve(bytes.size() + 16);
            storage.assign(bytes.substr(0, offset));
            replaced = true;
        }
        if (replaced) {
            storage.append(character.valid ? bytes.substr(offset, length) : std::string_view("\xEF\xBF\xBD"));
        }
        offset += length;
    }
    return replaced ? std::string_view(storage) : bytes;
}
