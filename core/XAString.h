#pragma once

// String helpers shared by the whole system: trimming, tests, case and word operations for rule
// messages, truncation and wrapping for printed output, numeric parsing, splitting with escapes and
// the tokenizer for compiler command lines.
//
// Strings are UTF-8. Every function takes its receiver first and is a pure function of its
// arguments, safe to call from any thread. Ranges are byte offsets into the UTF-8 text; lengths
// that users see (truncation, wrapping) count UTF-16 units, and no function ever cuts a UTF-8
// sequence apart. An invalid UTF-8 sequence is kept as it is and counts as one character.
//
// "Whitespace" is the blank-and-tab class (Unicode Zs plus U+0009); "whitespace and newlines" adds
// U+000A to U+000D, U+0085, U+2028 and U+2029.
//
// Regular-expression tests are in core/XARegex.h, fuzzy name matching in core/XAStringMatching.h and
// the scanner for hand-written parsers in core/XAScanner.h.

#include "core/XANotFound.h"
#include "core/XAValue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uniset.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

// A range of bytes in a UTF-8 string. A location of XANotFound means "not found".
struct XAStringRange {
    size_t location = 0;
    size_t length = 0;

    size_t end() const { return location + length; }
    bool found() const { return location != XANotFound; }
    bool operator==(const XAStringRange &) const = default;
};

// One character decoded from UTF-8: its code point (U+FFFD for an invalid byte sequence), the
// number of bytes it takes (at least 1 when not at the end) and whether the bytes were valid.
struct XAUTF8Char {
    char32_t codePoint = 0;
    size_t length = 0;
    bool valid = false;
};

// The character that starts at byte `offset`; a length of 0 at or past the end.
XAUTF8Char XADecodeUTF8(std::string_view s, size_t offset);

// The text as valid UTF-8: every invalid sequence (one per maximal invalid subpart) becomes U+FFFD and everything
// else is kept, so that one stray byte never costs a whole text. Returns `bytes` itself when it is valid, else a
// view of `storage`, which then holds the decoded text.
std::string_view XAValidUTF8(std::string_view bytes, std::string &storage);

// A read-only ICU text over UTF-8 bytes whose native indexes are byte offsets, for break iterators
// and regular expressions. The bytes must outlive it; a text over 2^31 bytes or more is never
// needed here and is refused (get() returns null) so no index can overflow.
class XAUTF8UText {
public:
    explicit XAUTF8UText(std::string_view s);
    ~XAUTF8UText();
    XAUTF8UText(const XAUTF8UText &) = delete;
    XAUTF8UText &operator=(const XAUTF8UText &) = delete;
    UText *get() const { return text_; }

private:
    UText *text_ = nullptr;
};

// Conversions to and from ICU's UTF-16 strings. Invalid UTF-8 becomes U+FFFD; a text of 2^31 bytes
// or more, which ICU cannot hold, gives an empty string.
icu::UnicodeString XAUnicodeStringFromUTF8(std::string_view s);
std::string XAUTF8FromUnicodeString(const icu::UnicodeString &u);

// Character classes used throughout these helpers.
bool XAIsWhitespace(char32_t c);          // Zs and tab
bool XAIsNewline(char32_t c);             // U+000A-U+000D, U+0085, U+2028, U+2029
bool XAIsWhitespaceOrNewline(char32_t c); // the union of both

// Frozen, shareable character sets of the same classes, and a set of the characters of a text.
const icu::UnicodeSet &XAWhitespaceCharacterSet();
const icu::UnicodeSet &XAWhitespaceAndNewlineCharacterSet();
const icu::UnicodeSet &XANewlineCharacterSet();
icu::UnicodeSet XACharacterSetWithCharacters(std::string_view utf8Characters);

// How two strings or a needle and a text compare.
enum class XAStringComparison {
    Literal,         // byte-for-byte
    CaseInsensitive, // simple Unicode case folding, character by character
};

// ---- Trimming, tests and small transformations ----

XAStringRange xa_fullRange(std::string_view s);

std::string xa_trimmed(std::string_view s);             // whitespace and newlines at both ends
std::string xa_trimmedOfWhitespace(std::string_view s); // whitespace only (newlines stay)
std::string xa_trimmedFromStart(std::string_view s);    // whitespace and newlines at the start
std::string xa_trimmedFromEnd(std::string_view s);      // whitespace and newlines at the end

// True when nothing but whitespace remains after trimming whitespace: true for "", false for "\n".
bool xa_isOnlyWhitespace(std::string_view s);

// Equal when case, diacritics and character width are ignored (root collation, primary strength).
bool xa_isEqualToStringLenient(std::string_view s, std::string_view other);

// Plain byte substring test; an empty needle never occurs.
bool xa_containsSubstring(std::string_view s, std::string_view needle);
bool xa_containsAnyCharacterInSet(std::string_view s, const icu::UnicodeSet &set);

// Matches "^-?\s*[0-9\.]+\s*$" and holds at most one ".".
bool xa_isNonEmptyNumeric(std::string_view s);

// An unsigned number in hexadecimal (an optional "0x" or "0X") or a signed decimal number, read
// from the start of the string after leading whitespace and newlines; text after the number is
// ignored. No value when no digit can be read, and also when the number does not fit in 64 bits:
// a silently clamped value would be a wrong value.
std::optional<uint64_t> xa_numberFromHexString(std::string_view s);
std::optional<int64_t> xa_numberFromDecimalIntString(std::string_view s);

// The longest run of characters of `set` that begins exactly at `range.location` and stays inside
// `range` (length 0 when the first character is not in the set). A null set, or a location past
// the end of the string, gives a not-found range.
XAStringRange xa_rangeOfSequentialCharactersFromSet(std::string_view s, const icu::UnicodeSet *set,
                                                    XAStringRange range);

// Non-overlapping occurrences counted from the left; 0 for an empty needle.
size_t xa_numberOfOccurrencesOf(std::string_view s, std::string_view needle);

// The user-perceived characters (grapheme clusters) in reverse order, so that combining marks and
// surrogate pairs stay with their base character.
std::string xa_reversedString(std::string_view s);

// The prefix before the first line and after every "\n" (a trailing "\n" gets the prefix too).
std::string xa_indentedWith(std::string_view s, std::string_view prefix);

// The string split at every newline character; "\r\n" counts as two separators with an empty line
// between them. An empty string gives no lines.
std::vector<std::string> xa_lines(std::string_view s);

std::string xa_stringByEscapingDoubleQuotes(std::string_view s);

// The string itself when it is not empty and holds no whitespace or newline; otherwise its
// double-quote-escaped text in double quotes (so "" becomes two quotes).
std::string xa_quotedForArgumentUsage(std::string_view s);

// Without one pair of enclosing quotes when the string is at least two bytes long and begins and
// ends with the same quote character, ' or ".
std::string xa_stringByRemovingSurroundingQuotes(std::string_view s);

// The two-character sequences \n, \t and \e replaced, in that order, by newline, tab and ESC (27).
std::string xa_stringByTranslatingEscapeSequences(std::string_view s);

// Every character other than an ASCII letter, digit, "-" or space becomes "_" (two for a character
// outside the Basic Multilingual Plane, one per UTF-16 unit); the result is trimmed of whitespace
// and newlines.
std::string xa_filesystemSafeString(std::string_view s);

// ---- Case and words ----

// True when the first user-perceived character that is not whitespace equals its upper-case form;
// false when there is none.
bool xa_isCapitalized(std::string_view s);

// True when the string equals its upper-case form and is not only whitespace.
bool xa_isAllUppercase(std::string_view s);

// The words that word segmentation finds (punctuation between words is dropped), each kept when
// already capitalised and otherwise given an upper-case first letter, joined by " ".
std::string xa_titleCase(std::string_view s);

// The first user-perceived character that is not whitespace replaced by `modify`'s result for it;
// the text before and after is kept. The string itself when there is no such character.
std::string xa_firstCharModifiedWithBlock(std::string_view s,
                                          const std::function<std::string(const std::string &)> &modify);
std::string xa_firstCharCapitalized(std::string_view s);
std::string xa_firstCharLowercased(std::string_view s);
// The whole text in lower or upper case (Unicode, no locale's special rules).
std::string xa_lowercased(std::string_view s);
std::string xa_uppercased(std::string_view s);

// A blank before every upper-case letter that directly follows a lower-case letter:
// "someABCValue" gives "some ABCValue" (a run of capitals is not split).
std::string xa_camelCaseToSentenceCase(std::string_view s);

// Trimmed of whitespace and newlines, then split at every whitespace character; consecutive
// whitespace gives empty words, and an empty string gives one empty word.
std::vector<std::string> xa_sentenceWords(std::string_view s);
std::vector<std::string> xa_camelCaseWords(std::string_view s);

// The English ordinal of a zero-based position: "first" ... "tenth" for 0 to 9, then the one-based
// number with its suffix: 10 gives "11th", 20 "21st", 21 "22nd", 22 "23rd", 111 "112th".
std::string xa_wordForIndexedPosition(uint64_t position);

// ---- Formatting and layout ----

// The length in UTF-16 units: a character outside the Basic Multilingual Plane counts two, an invalid byte one.
size_t xa_utf16Length(std::string_view s);

enum class XATruncation {
    None = 0,
    Start = 1, // keep the end, the marker first
    End = 2,   // keep the start, the marker last
};

// A string of at most `maxLength` UTF-16 units: "…" (U+2026) plus the kept part, or the kept part
// alone when `maxLength` is 1 or less. Unchanged when short enough, for None and for any value
// outside the enumeration. A surrogate pair that would be cut is dropped whole.
std::string xa_truncatedToLength(std::string_view s, size_t maxLength, XATruncation mode);

// Each paragraph's words (split at every whitespace character, consecutive blanks giving empty
// words) joined greedily into lines of at most `width` UTF-16 units, lines joined by "\n". A line
// break of the text stays as it is and ends its paragraph: paragraphs are never merged. A word
// longer than the width stands alone on its line.
std::string xa_wordWrapToLength(std::string_view s, size_t width);

// The pieces joined by the separator: "a, b" for {"a", "b"} and ", "; "" for no pieces.
std::string xa_componentsJoinedByString(const std::vector<std::string> &pieces, std::string_view separator);

// Fills a format that comes from data: each "%@" takes the next argument in order; a "%" as the
// last character is kept. No value when a "%" is followed by anything but "@", when the arguments run
// out, or (for values) when the argument is not a string. Extra arguments are ignored.
std::optional<std::string> xa_safeStringWithFormat(std::string_view format, const std::vector<std::string> &args);
std::optional<std::string> xa_safeStringWithFormat(std::string_view format, const std::vector<XAValue> &args);

// Split at every occurrence of `separator`; a backslash directly before a separator escapes it
// (the backslash goes, the separator stays in the piece). A separator at the very end gives a
// final empty piece; an empty string gives no pieces; an absent or empty separator gives the whole
// string as the only piece.
std::vector<std::string> xa_componentsSeparatedByString(std::string_view s, std::optional<std::string_view> separator);

// The columns of a command line. Only blank and tab separate; a token that begins with a double
// quote runs to the next unescaped double quote (blanks included, the quotes not part of it); a
// quote inside an unquoted token is an ordinary character; a backslash makes the next character
// part of the token and is removed (so "\\" gives one backslash). An unterminated token runs to the
// end; an empty line gives no columns. Linear in the length of the line.
std::vector<std::string> xa_argumentLineColumns(std::string_view s);

// Calls `handler` for each user-perceived character (grapheme cluster, so "\r\n" is one) in text
// order, until it sets its stop flag.
void xa_enumerateComposedCharacterSequences(std::string_view s,
                                            const std::function<void(XAStringRange range, bool &stop)> &handler);

// Calls `handler` for the leftmost occurrence of any needle (the earlier needle winning a tie),
// then goes on after its end, until nothing more is found or `handler` sets its stop flag.
void xa_enumerateRangesOfSubstrings(std::string_view s, const std::vector<std::string> &needles,
                                    XAStringComparison comparison,
                                    const std::function<void(XAStringRange range, bool &stop)> &handler);
