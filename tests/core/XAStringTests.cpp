#include "core/XAScanner.h"
#include "core/XAString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Strings = std::vector<std::string>;

// ---- Trimming and tests ----

struct TrimCase {
    std::string input, trimmed, ofWhitespace, fromStart, fromEnd;
};

TEST(XAStringTrimming, TrimsTheRightCharacterClassesAtTheRightEnds) {
    const TrimCase cases[] = {
        {"  a b \n", "a b", "a b \n", "a b \n", "  a b"},
        {"\u00A0x\u3000", "x", "x", "x\u3000", "\u00A0x"}, // no-break and ideographic spaces
        {"\u2028x\r\n\u0085", "x", "\u2028x\r\n\u0085", "x\r\n\u0085", "\u2028x"},
        {"\t\xFF \xC3", "\xFF \xC3", "\xFF \xC3", "\xFF \xC3", "\t\xFF \xC3"}, // stray bytes are kept whole
        {"caf\u00E9 ", "caf\u00E9", "caf\u00E9", "caf\u00E9 ", "caf\u00E9"},
        {" \n ", "", "\n", "", ""},
        {"", "", "", "", ""},
    };
    for (const TrimCase &c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(xa_trimmed(c.input), c.trimmed);
        EXPECT_EQ(xa_trimmedOfWhitespace(c.input), c.ofWhitespace);
        EXPECT_EQ(xa_trimmedFromStart(c.input), c.fromStart);
        EXPECT_EQ(xa_trimmedFromEnd(c.input), c.fromEnd);
    }
}

TEST(XAStringTests, OnlyWhitespaceCountsBlanksAndTabsButNotNewlines) {
    EXPECT_TRUE(xa_isOnlyWhitespace(""));
    EXPECT_TRUE(xa_isOnlyWhitespace(" \t\u00A0"));
    EXPECT_FALSE(xa_isOnlyWhitespace("\n"));
    EXPECT_FALSE(xa_isOnlyWhitespace("  a"));
}

TEST(XAStringTests, LenientEqualityIgnoresCaseDiacriticsAndWidth) {
    EXPECT_TRUE(xa_isEqualToStringLenient("xcodeproj", "XcodeProj"));
    EXPECT_TRUE(xa_isEqualToStringLenient("r\u00E9sum\u00E9", "RESUME"));
    EXPECT_TRUE(xa_isEqualToStringLenient("\uFF41\uFF42\uFF43", "abc")); // full-width letters
    EXPECT_FALSE(xa_isEqualToStringLenient("abc", "abd"));
    EXPECT_FALSE(xa_isEqualToStringLenient("a-b", "a_b"));
    EXPECT_FALSE(xa_isEqualToStringLenient("abc", "abcd"));
}

TEST(XAStringTests, SubstringAndCharacterSetTests) {
    EXPECT_TRUE(xa_containsSubstring("abc", "bc"));
    EXPECT_FALSE(xa_containsSubstring("abc", "cb"));
    EXPECT_FALSE(xa_containsSubstring("abc", "")); // an empty needle never occurs
    EXPECT_TRUE(xa_containsAnyCharacterInSet("na\u00EFve", XACharacterSetWithCharacters("\u00EF!")));
    EXPECT_FALSE(xa_containsAnyCharacterInSet("naive", XACharacterSetWithCharacters("\u00EF!")));
    EXPECT_TRUE(xa_containsAnyCharacterInSet("a\tb", XAWhitespaceCharacterSet()));
    EXPECT_FALSE(xa_containsAnyCharacterInSet("a\nb", XAWhitespaceCharacterSet()));
    EXPECT_TRUE(xa_containsAnyCharacterInSet("a\nb", XAWhitespaceAndNewlineCharacterSet()));
}

TEST(XAStringTests, NonEmptyNumericAcceptsOneOptionalPoint) {
    const std::pair<const char *, bool> cases[] = {
        {"-1.5", true}, {" 42 ", true}, {"- 3", true},  {"7.", true},   {"1.2.3", false},
        {"", false},    {"-", false},   {"4 2", false}, {"12a", false}, {"--1", false},
    };
    for (const auto &[input, expected] : cases) {
        EXPECT_EQ(xa_isNonEmptyNumeric(input), expected) << '"' << input << '"';
    }
}

TEST(XAStringTests, HexNumbersAreReadFromTheStartAndRejectOverflow) {
    const std::pair<const char *, std::optional<uint64_t>> cases[] = {
        {"ff", 255},
        {"0x1F", 31},
        {" \n 0Xa", 10},
        {"12g", 0x12},
        {"0x", 0}, // the zero is read, the "x" is what follows it
        {"0xffffffffffffffff", std::numeric_limits<uint64_t>::max()},
        {"0x10000000000000000", std::nullopt},
        {"zz", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[input, expected] : cases) {
        EXPECT_EQ(xa_numberFromHexString(input), expected) << '"' << input << '"';
    }
}

TEST(XAStringTests, DecimalNumbersAreReadFromTheStartAndRejectOverflow) {
    const std::pair<const char *, std::optional<int64_t>> cases[] = {
        {"42", 42},
        {"  -17abc", -17},
        {"+5", 5},
        {"9223372036854775807", std::numeric_limits<int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"-", std::nullopt},
        {"x1", std::nullopt},
    };
    for (const auto &[input, expected] : cases) {
        EXPECT_EQ(xa_numberFromDecimalIntString(input), expected) << '"' << input << '"';
    }
}

TEST(XAStringTests, SequentialCharactersStartExactlyAtTheRangeAndStayInside) {
    const icu::UnicodeSet &blanks = XAWhitespaceCharacterSet();
    const std::string s = " \t\u00A0abc "; // the no-break space takes two bytes
    EXPECT_EQ(xa_rangeOfSequentialCharactersFromSet(s, &blanks, {0, s.size()}), (XAStringRange{0, 4}));
    EXPECT_EQ(xa_rangeOfSequentialCharactersFromSet(s, &blanks, {1, 2}), (XAStringRange{1, 1})); // no half character
    EXPECT_EQ(xa_rangeOfSequentialCharactersFromSet(s, &blanks, {4, 3}), (XAStringRange{4, 0}));
    EXPECT_EQ(xa_rangeOfSequentialCharactersFromSet(s, &blanks, {7, SIZE_MAX}), (XAStringRange{7, 1}));
    EXPECT_FALSE(xa_rangeOfSequentialCharactersFromSet(s, nullptr, {0, 1}).found());
    EXPECT_FALSE(xa_rangeOfSequentialCharactersFromSet(s, &blanks, {99, 1}).found());
}

TEST(XAStringTests, OccurrencesAreCountedWithoutOverlap) {
    EXPECT_EQ(xa_numberOfOccurrencesOf("aaaa", "aa"), 2u);
    EXPECT_EQ(xa_numberOfOccurrencesOf("aaa", "aa"), 1u);
    EXPECT_EQ(xa_numberOfOccurrencesOf("abcabc", "bc"), 2u);
    EXPECT_EQ(xa_numberOfOccurrencesOf("abc", ""), 0u);
}

TEST(XAStringTests, ReversalKeepsUserPerceivedCharactersWhole) {
    EXPECT_EQ(xa_reversedString("abc"), "cba");
    EXPECT_EQ(xa_reversedString("e\u0301x"), "xe\u0301");
    EXPECT_EQ(xa_reversedString("a\U0001F600b"), "b\U0001F600a");
    EXPECT_EQ(xa_reversedString("a\r\nb"), "b\r\na");
    EXPECT_EQ(xa_reversedString(""), "");
}

TEST(XAStringTests, IndentationGoesBeforeEveryLine) {
    EXPECT_EQ(xa_indentedWith("a\nb", "  "), "  a\n  b");
    EXPECT_EQ(xa_indentedWith("a\n", "> "), "> a\n> ");
    EXPECT_EQ(xa_indentedWith("a", ""), "a");
}

TEST(XAStringTests, LinesSplitAtEveryNewlineCharacter) {
    EXPECT_THAT(xa_lines(""), IsEmpty());
    EXPECT_THAT(xa_lines("a\nb"), ElementsAre("a", "b"));
    EXPECT_THAT(xa_lines("a\r\nb"), ElementsAre("a", "", "b"));
    EXPECT_THAT(xa_lines("a\n"), ElementsAre("a", ""));
    EXPECT_THAT(xa_lines("a\u2028b\u0085c"), ElementsAre("a", "b", "c"));
}

TEST(XAStringTests, QuotingHelpers) {
    EXPECT_EQ(xa_stringByEscapingDoubleQuotes("say \"hi\""), "say \\\"hi\\\"");

    EXPECT_EQ(xa_quotedForArgumentUsage("plain"), "plain");
    EXPECT_EQ(xa_quotedForArgumentUsage(""), "\"\"");
    EXPECT_EQ(xa_quotedForArgumentUsage("a b"), "\"a b\"");
    EXPECT_EQ(xa_quotedForArgumentUsage("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(xa_quotedForArgumentUsage("two\nlines"), "\"two\nlines\"");

    const std::pair<const char *, const char *> unquoting[] = {
        {"'a'", "a"}, {"\"a b\"", "a b"}, {"\"\"", ""}, {"'a\"", "'a\""}, {"\"", "\""}, {"a", "a"}, {"'", "'"},
    };
    for (const auto &[input, expected] : unquoting) {
        EXPECT_EQ(xa_stringByRemovingSurroundingQuotes(input), expected) << input;
    }
}

TEST(XAStringTests, EscapeSequencesAreTranslated) {
    EXPECT_EQ(xa_stringByTranslatingEscapeSequences("a\\nb\\tc\\ed"), "a\nb\tc\x1B"
                                                                      "d");
    EXPECT_EQ(xa_stringByTranslatingEscapeSequences("\\x"), "\\x");
}

TEST(XAStringTests, FilesystemSafeStringReplacesEveryOtherUnit) {
    EXPECT_EQ(xa_filesystemSafeString(" a/b c "), "a_b c");
    EXPECT_EQ(xa_filesystemSafeString("Apple clang 15.0 (x-1)"), "Apple clang 15_0 _x-1_");
    EXPECT_EQ(xa_filesystemSafeString("\u00E9\U0001F600"), "___"); // one per UTF-16 unit
}

// ---- Case and words ----

TEST(XAStringCase, CapitalisationTests) {
    EXPECT_TRUE(xa_isCapitalized("Abc"));
    EXPECT_TRUE(xa_isCapitalized("  \u00C9cole"));
    EXPECT_FALSE(xa_isCapitalized("abc"));
    EXPECT_FALSE(xa_isCapitalized(""));
    EXPECT_FALSE(xa_isCapitalized("  "));

    EXPECT_TRUE(xa_isAllUppercase("ABC 1"));
    EXPECT_TRUE(xa_isAllUppercase("\u00C9COLE"));
    EXPECT_FALSE(xa_isAllUppercase("AbC"));
    EXPECT_FALSE(xa_isAllUppercase(""));
    EXPECT_FALSE(xa_isAllUppercase(" \t"));
}

TEST(XAStringCase, TitleCaseCapitalisesWordsAndDropsPunctuation) {
    EXPECT_EQ(xa_titleCase("Sparkle license"), "Sparkle License");
    EXPECT_EQ(xa_titleCase("hello,  world!"), "Hello World");
    EXPECT_EQ(xa_titleCase("NSString is iPhone's"), "NSString Is IPhone's");
    EXPECT_EQ(xa_titleCase(""), "");
}

TEST(XAStringCase, FirstCharacterChangesSkipLeadingWhitespace) {
    EXPECT_EQ(xa_firstCharCapitalized("text"), "Text");
    EXPECT_EQ(xa_firstCharCapitalized("  text"), "  Text");
    EXPECT_EQ(xa_firstCharCapitalized("\u00E9b\u00E8ne"), "\u00C9b\u00E8ne");
    EXPECT_EQ(xa_firstCharCapitalized("e\u0301x"), "E\u0301x");
    EXPECT_EQ(xa_firstCharCapitalized(""), "");
    EXPECT_EQ(xa_firstCharLowercased("UILabel"), "uILabel");
    EXPECT_EQ(xa_lowercased("NSLogUsed \u00C9T\u00C9"), "nslogused \u00E9t\u00E9");
    EXPECT_EQ(xa_firstCharModifiedWithBlock(" ab", [](const std::string &c) { return "[" + c + "]"; }), " [a]b");
    EXPECT_EQ(xa_firstCharModifiedWithBlock("   ", [](const std::string &) { return "x"; }), "   ");
}

TEST(XAStringCase, WholeTextChangesCaseBeyondASCII) {
    EXPECT_EQ(xa_lowercased("\u00C9COLE \u0130"), "\u00E9cole i\u0307"); // dotted capital I: no Turkish rule
    EXPECT_EQ(xa_uppercased("tessary_ignored_in_file"), "TESSARY_IGNORED_IN_FILE");
    EXPECT_EQ(xa_uppercased("stra\u00DFe"), "STRASSE");
    EXPECT_EQ(xa_uppercased(""), "");
}

TEST(XAStringCase, CamelCaseIsSplitBeforeCapitalsThatFollowLowerCase) {
    EXPECT_EQ(xa_camelCaseToSentenceCase("someABCValue"), "some ABCValue");
    EXPECT_EQ(xa_camelCaseToSentenceCase("ABC"), "ABC");
    EXPECT_EQ(xa_camelCaseToSentenceCase("\u00E9t\u00E9\u00C9t\u00E9"), "\u00E9t\u00E9 \u00C9t\u00E9");
    EXPECT_THAT(xa_camelCaseWords("initWithFrame:"), ElementsAre("init", "With", "Frame:"));
    EXPECT_THAT(xa_sentenceWords("  a  b\tc \n"), ElementsAre("a", "", "b", "c"));
    EXPECT_THAT(xa_sentenceWords(""), ElementsAre(""));
}

TEST(XAStringCase, OrdinalsOfZeroBasedPositions) {
    const std::pair<uint64_t, const char *> cases[] = {
        {0, "first"},
        {2, "third"},
        {9, "tenth"},
        {10, "11th"},
        {11, "12th"},
        {12, "13th"},
        {19, "20th"},
        {20, "21st"},
        {21, "22nd"},
        {22, "23rd"},
        {23, "24th"},
        {100, "101st"},
        {110, "111th"},
        {111, "112th"},
        {112, "113th"},
        {121, "122nd"},
        {UINT64_MAX, "18446744073709551616th"},
    };
    for (const auto &[position, expected] : cases) {
        EXPECT_EQ(xa_wordForIndexedPosition(position), expected) << position;
    }
}

// ---- Formatting and layout ----

TEST(XAStringFormatting, TruncationKeepsTheMaximumLength) {
    const std::string letters = "abcdefgh";
    EXPECT_EQ(xa_truncatedToLength(letters, 5, XATruncation::End), "abcd\u2026");
    EXPECT_EQ(xa_truncatedToLength(letters, 5, XATruncation::Start), "\u2026efgh");
    EXPECT_EQ(xa_truncatedToLength(letters, 1, XATruncation::End), "a");
    EXPECT_EQ(xa_truncatedToLength(letters, 1, XATruncation::Start), "h");
    EXPECT_EQ(xa_truncatedToLength(letters, 0, XATruncation::End), "");
    EXPECT_EQ(xa_truncatedToLength(letters, 8, XATruncation::End), letters);
    EXPECT_EQ(xa_truncatedToLength(letters, 3, XATruncation::None), letters);
    EXPECT_EQ(xa_truncatedToLength(letters, 3, static_cast<XATruncation>(7)), letters);
    // Lengths count UTF-16 units; a surrogate pair that does not fit is dropped whole.
    const std::string emoji = "ab\U0001F600cd";
    EXPECT_EQ(xa_truncatedToLength(emoji, 5, XATruncation::End), "ab\U0001F600\u2026");
    EXPECT_EQ(xa_truncatedToLength(emoji, 4, XATruncation::End), "ab\u2026");
    EXPECT_EQ(xa_truncatedToLength(emoji, 4, XATruncation::Start), "\u2026cd");
    EXPECT_EQ(xa_truncatedToLength("\u00E9\u00E9\u00E9", 2, XATruncation::End), "\u00E9\u2026");
}

TEST(XAStringFormatting, WordWrapFillsLinesGreedily) {
    EXPECT_EQ(xa_wordWrapToLength("abc def ghi", 10), "abc def\nghi");
    EXPECT_EQ(xa_wordWrapToLength("abcdefghijkl mn", 10), "abcdefghijkl\nmn");
    EXPECT_EQ(xa_wordWrapToLength("a  b", 10), "a  b");
    EXPECT_EQ(xa_wordWrapToLength("\u00E9\u00E9\u00E9\u00E9 \u00E9\u00E9\u00E9\u00E9", 9), "\u00E9\u00E9\u00E9\u00E9 "
                                                                                           "\u00E9\u00E9\u00E9\u00E9");
    EXPECT_EQ(xa_wordWrapToLength("", 10), "");
}

TEST(XAStringFormatting, WordWrapKeepsLineBreaksAsHardBreaks) {
    EXPECT_EQ(xa_wordWrapToLength("ab\ncd", 10), "ab\ncd");
    EXPECT_EQ(xa_wordWrapToLength("one two three\nfour five", 8), "one two\nthree\nfour\nfive");
    EXPECT_EQ(xa_wordWrapToLength("a\n\nb", 10), "a\n\nb") << "an empty paragraph stays";
    EXPECT_EQ(xa_wordWrapToLength("a b\r\nc\n", 10), "a b\r\nc\n");
}

TEST(XAStringFormatting, SafeFormatInsertsOnlyStrings) {
    EXPECT_EQ(xa_safeStringWithFormat("a%@b", Strings{"X"}), "aXb");
    EXPECT_EQ(xa_safeStringWithFormat("%@ and %@", Strings{"x", "y", "unused"}), "x and y");
    EXPECT_EQ(xa_safeStringWithFormat("50%", Strings{}), "50%");
    EXPECT_EQ(xa_safeStringWithFormat("%d", Strings{"x"}), std::nullopt);
    EXPECT_EQ(xa_safeStringWithFormat("%%", Strings{}), std::nullopt);
    EXPECT_EQ(xa_safeStringWithFormat("%@ %@", Strings{"x"}), std::nullopt);
    EXPECT_EQ(xa_safeStringWithFormat("%@", std::vector<XAValue>{XAValue("s")}), "s");
    EXPECT_EQ(xa_safeStringWithFormat("%@", std::vector<XAValue>{XAValue(3)}), std::nullopt);
}

TEST(XAStringFormatting, SplittingHonoursEscapedSeparators) {
    struct Case {
        std::string input;
        std::optional<std::string> separator;
        Strings expected;
    };
    const Case cases[] = {
        {"a,b", ",", {"a", "b"}},
        {"a\\,b,c", ",", {"a,b", "c"}},
        {"a,", ",", {"a", ""}},
        {"a,,b", ",", {"a", "", "b"}},
        {",a", ",", {"", "a"}},
        {",", ",", {"", ""}},
        {"a\\,", ",", {"a,"}},
        {"", ",", {}},
        {"a::b::", "::", {"a", "b", ""}},
        {"a,b", std::nullopt, {"a,b"}},
        {"a,b", "", {"a,b"}},
    };
    for (const Case &c : cases) {
        const std::optional<std::string_view> separator =
            c.separator ? std::optional<std::string_view>(*c.separator) : std::nullopt;
        EXPECT_EQ(xa_componentsSeparatedByString(c.input, separator), c.expected) << c.input;
    }
}

TEST(XAStringFormatting, ArgumentLineColumns) {
    const std::pair<std::string, Strings> cases[] = {
        {"", {}},
        {" \t ", {}},
        {"clang  -c\tfile.m ", {"clang", "-c", "file.m"}},
        {"-DX=\"a b\"", {"-DX=\"a", "b\""}},        // a quote inside a token does not group
        {"\"a b\"", {"a b"}},                       // a token that starts with a quote keeps its blanks
        {"\"\" x", {"", "x"}},                      // two quotes give one empty column
        {"a\\ b c", {"a b", "c"}},                  // an escaped blank joins words
        {"\"open to the end", {"open to the end"}}, // a missing closing quote runs to the end
        {"\"a\\\"b\" c", {"a\"b", "c"}},
        {"a\\\\b", {"a\\b"}}, // an escaped backslash stays
        {"end\\", {"end"}},
        {"\"a\"b", {"a", "b"}},
        {"one\ntwo three", {"one\ntwo", "three"}}, // newlines are ordinary characters
        {"-I\"/with space\"/x", {"-I\"/with", "space\"/x"}},
        {"caf\u00E9\\ \u00FC", {"caf\u00E9 \u00FC"}},
    };
    for (const auto &[line, expected] : cases) {
        EXPECT_EQ(xa_argumentLineColumns(line), expected) << line;
    }
}

namespace {

std::vector<XAStringRange> rangesOf(std::string_view s, const Strings &needles, XAStringComparison comparison,
                                    size_t stopAfter = SIZE_MAX) {
    std::vector<XAStringRange> ranges;
    xa_enumerateRangesOfSubstrings(s, needles, comparison, [&](XAStringRange range, bool &stop) {
        ranges.push_back(range);
        stop = ranges.size() >= stopAfter;
    });
    return ranges;
}

} // namespace

TEST(XAStringFormatting, SubstringRangesAreLeftmostAndDoNotOverlap) {
    using R = XAStringRange;
    const auto literal = XAStringComparison::Literal;
    const auto ignoringCase = XAStringComparison::CaseInsensitive;
    EXPECT_THAT(rangesOf("one two one", {"two", "one"}, literal), ElementsAre(R{0, 3}, R{4, 3}, R{8, 3}));
    EXPECT_THAT(rangesOf("ab a", {"ab", "a"}, literal), ElementsAre(R{0, 2}, R{3, 1})); // the earlier needle wins
    EXPECT_THAT(rangesOf("ab a", {"a", "ab"}, literal), ElementsAre(R{0, 1}, R{3, 1}));
    EXPECT_THAT(rangesOf("aaa", {"aa"}, literal), ElementsAre(R{0, 2}));
    EXPECT_THAT(rangesOf("Foo foo FOO", {"foo"}, literal), ElementsAre(R{4, 3}));
    EXPECT_THAT(rangesOf("Foo foo FOO", {"foo"}, ignoringCase), ElementsAre(R{0, 3}, R{4, 3}, R{8, 3}));
    EXPECT_THAT(rangesOf("\u00C9T\u00C9 \u00E9t\u00E9", {"\u00E9t\u00E9"}, ignoringCase),
                ElementsAre(R{0, 5}, R{6, 5}));
    EXPECT_THAT(rangesOf("a a a", {"a"}, literal, 2), ElementsAre(R{0, 1}, R{2, 1}));
    EXPECT_THAT(rangesOf("abc", {}, literal), IsEmpty());
    EXPECT_THAT(rangesOf("abc", {""}, literal), IsEmpty());
}

// ---- Scanner ----

TEST(XAScannerTests, CharacterAtScanLocation) {
    XAScanner scanner("a\u00E9");
    EXPECT_EQ(scanner.characterAtScanLocation(), U'a');
    scanner.setScanLocation(1);
    EXPECT_EQ(scanner.characterAtScanLocation(), U'\u00E9');
    scanner.setScanLocation(100);
    EXPECT_TRUE(scanner.isAtEnd());
    EXPECT_EQ(scanner.characterAtScanLocation(), 0u);
}

TEST(XAScannerTests, EscapedScanningResolvesEscapesAndStopsBeforeTheStopCharacter) {
    const icu::UnicodeSet quote = XACharacterSetWithCharacters("\"");
    struct Case {
        std::string text;
        size_t start;
        std::string expected;
        size_t endLocation;
    };
    const Case cases[] = {
        {"\"a\\\"b\" rest", 1, "a\"b", 5},
        {"\"a\\nb\\\\c\"", 1, "anb\\c", 8},
        {"\\\"x\"", 0, "\"x", 3}, // an escape at the very start is resolved too
        {"\"ab\\", 1, "ab", 4},   // a backslash at the end is dropped
        {"\"\"", 1, "", 1},
        {"\"\u00E9\\\u00FC\"", 1, "\u00E9\u00FC", 6},
    };
    for (const Case &c : cases) {
        XAScanner scanner(c.text);
        scanner.setScanLocation(c.start);
        std::string result = "unchanged";
        xa_scanIgnoringEscapedCharsUpToCharactersFromSet(scanner, quote, &result);
        EXPECT_EQ(result, c.expected) << c.text;
        EXPECT_EQ(scanner.scanLocation(), c.endLocation) << c.text;
    }
}

TEST(XAScannerTests, EscapedScanningHonoursEscapesWithAFrozenStopSet) {
    icu::UnicodeSet quote = XACharacterSetWithCharacters("\"");
    quote.freeze();
    XAScanner scanner("a\\\"b\" rest");
    std::string result;
    xa_scanIgnoringEscapedCharsUpToCharactersFromSet(scanner, quote, &result);
    EXPECT_EQ(result, "a\"b");
    EXPECT_EQ(scanner.scanLocation(), 4u);
}

TEST(XAScannerTests, PlainScanning) {
    XAScanner scanner("key = value;");
    std::string key;
    EXPECT_TRUE(scanner.scanUpToCharactersFromSet(XAWhitespaceCharacterSet(), &key));
    EXPECT_EQ(key, "key");
    EXPECT_TRUE(scanner.scanCharactersFromSet(XAWhitespaceCharacterSet()));
    EXPECT_FALSE(scanner.scanString("=="));
    EXPECT_TRUE(scanner.scanString("= "));
    std::string value;
    EXPECT_TRUE(scanner.scanUpToString(";", &value));
    EXPECT_EQ(value, "value");
    EXPECT_FALSE(scanner.scanUpToString(";", &value));
    EXPECT_EQ(value, "");
}

// ---- Bad input ----

namespace {

size_t utf16Length(const std::string &s) {
    size_t units = 0;
    for (size_t i = 0; i < s.size();) {
        const XAUTF8Char ch = XADecodeUTF8(s, i);
        units += ch.valid && ch.codePoint >= 0x10000 ? 2 : 1;
        i += ch.length;
    }
    return units;
}

} // namespace

TEST(XAStringBadInput, MalformedUTF8IsHandledWithoutLosingOrSplittingBytes) {
    using namespace std::string_literals;
    const std::string inputs[] = {
        "\xC3",         "\xE2\x82",        "\xF0\x9F\x98", "\xED\xA0\x80\xED\xB0\x80", // a surrogate pair in UTF-8
        "\xFF\xFE a ",  "a\0b \0"s,        "\x80\x80\x80", "e\xCC\x81\xCC",            // a cut combining mark
        " \"\\\xC3\" ", "\xF4\x90\x80\x80"                                             // beyond U+10FFFF
    };
    for (const std::string &input : inputs) {
        SCOPED_TRACE(::testing::PrintToString(input));
        EXPECT_NE(input.find(xa_trimmed(input)), std::string::npos);
        EXPECT_EQ(xa_reversedString(xa_reversedString(input)).size(), input.size());
        EXPECT_LE(utf16Length(xa_truncatedToLength(input, 2, XATruncation::End)), 2u);
        EXPECT_LE(utf16Length(xa_truncatedToLength(input, 2, XATruncation::Start)), 2u);
        EXPECT_EQ(xa_filesystemSafeString(input).find_first_not_of(
                      "_- abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"),
                  std::string::npos);
        size_t columnBytes = 0;
        for (const std::string &column : xa_argumentLineColumns(input)) {
            columnBytes += column.size();
        }
        EXPECT_LE(columnBytes, input.size());
        // These only have to survive: their results on such text are not specified.
        xa_titleCase(input);
        xa_firstCharCapitalized(input);
        xa_camelCaseWords(input);
        xa_isEqualToStringLenient(input, "a");
        xa_wordWrapToLength(input, 1);
        xa_numberFromHexString(input);
        xa_enumerateRangesOfSubstrings(input, {"a", "\xC3"}, XAStringComparison::CaseInsensitive,
                                       [&](XAStringRange range, bool &) { EXPECT_LE(range.end(), input.size()); });
        XAScanner scanner(input);
        xa_scanIgnoringEscapedCharsUpToCharactersFromSet(scanner, XACharacterSetWithCharacters("\""), nullptr);
        EXPECT_LE(scanner.scanLocation(), input.size());
    }
}

TEST(XAStringBadInput, ValidUTF8ReplacesEachInvalidSequenceOnce) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"plain ASCII", "plain ASCII"},
        {"caf\xC3\xA9 \xE2\x80\xA8", "caf\xC3\xA9 \xE2\x80\xA8"},
        {"a\x80z", "a\xEF\xBF\xBDz"},
        {"\xC3\xA9\xC3", "\xC3\xA9\xEF\xBF\xBD"},               // cut at the end
        {"\xE2\x82x", "\xEF\xBF\xBDx"},                         // a truncated sequence is one replacement
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},               // overlong
        {std::string("nul\0in", 6), std::string("nul\0in", 6)}, // NUL is valid UTF-8
    };
    for (const Case &testCase : cases) {
        std::string storage;
        EXPECT_EQ(XAValidUTF8(testCase.bytes, storage), testCase.text);
    }
    const std::string valid = "valid";
    std::string storage;
    EXPECT_EQ(XAValidUTF8(valid, storage).data(), valid.data()); // no copy when nothing changes
}

TEST(XAStringTest, UTF16LengthCountsSurrogatePairsAsTwo) {
    EXPECT_EQ(xa_utf16Length(""), 0u);
    EXPECT_EQ(xa_utf16Length("abc"), 3u);
    EXPECT_EQ(xa_utf16Length("\u00E9\u2022"), 2u);
    EXPECT_EQ(xa_utf16Length("a\U0001F600"), 3u);
    EXPECT_EQ(xa_utf16Length("a\xFF"), 2u); // an invalid byte counts as one replacement character
}

TEST(XAStringFormatting, ComponentsJoinWithTheSeparatorBetweenThem) {
    EXPECT_EQ(xa_componentsJoinedByString({"a", "", "b"}, ", "), "a, , b");
    EXPECT_EQ(xa_componentsJoinedByString({}, ", "), "");
}
