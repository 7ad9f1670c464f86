#include "core/XATextOffsets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Offsets = std::vector<std::size_t>;

const std::string kEAcuteX = "\xC3\xA9x";               // é x
const std::string kGrinningFaceX = "\xF0\x9F\x98\x80x"; // U+1F600 x

TEST(XATextOffsetsTests, AsciiOffsetsMapToThemselvesUpToTheEnd) {
    const std::string text = "abc";
    const Offsets offsets = {0, 1, 2, 3};
    const Offsets expected = {0, 1, 2, XANotFound};
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(text, offsets), expected);
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(text, offsets), expected);
}

TEST(XATextOffsetsTests, ByteOffsetsInsideACharacterMapToThatCharacter) {
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(kEAcuteX, {0, 1, 2, 3}), (Offsets{0, 0, 1, XANotFound}));
    // U+1F600 takes four bytes: every one of them is code point 0.
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(kGrinningFaceX, {0, 1, 2, 3, 4, 5}),
              (Offsets{0, 0, 0, 0, 1, XANotFound}));
}

TEST(XATextOffsetsTests, SupplementaryCharactersTakeTwoUTF16Units) {
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(kGrinningFaceX, {0, 1, 2}), (Offsets{0, 2, XANotFound}));
    // Two-byte and three-byte characters are one UTF-16 unit each.
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets("\xC3\xA9\xE2\x82\xAC"
                                                   "a",
                                                   {0, 1, 2}),
              (Offsets{0, 1, 2}));
    const std::string twoFaces = "a\xF0\x9F\x98\x80"
                                 "b\xF0\x9F\x98\x80"
                                 "c";
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(twoFaces, {0, 1, 2, 3, 4, 5}), (Offsets{0, 1, 3, 4, 6, XANotFound}));
}

TEST(XATextOffsetsTests, BatchesKeepOrderAndConvertEveryElement) {
    const std::string text = "a\xC3\xA9"
                             "b\xC3\xA9"
                             "c"; // a é b é c: 7 bytes, 5 code points
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(text, {6, 100, 0, 3, XANotFound, 4}),
              (Offsets{4, XANotFound, 0, 2, XANotFound, 3}));
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(kGrinningFaceX, {1, 99, 0}), (Offsets{2, XANotFound, 0}));
    EXPECT_TRUE(xa_utf8ByteOffsetsToCodePointOffsets(text, {}).empty());
    EXPECT_TRUE(xa_codePointOffsetsToNSStringOffsets(text, {}).empty());
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets("", {0}), (Offsets{XANotFound}));
}

TEST(XATextOffsetsTests, EmbeddedZeroBytesAreOrdinaryCharacters) {
    const std::string text("a\0\xC3\xA9z", 5);
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(text, {1, 4}), (Offsets{1, 3}));
    EXPECT_EQ(xa_codePointLength(text), 4u);
}

TEST(XATextOffsetsTests, ChainedConversionsAgreeWithTheDecodedText) {
    // Byte offsets of each character start of a mixed text, and their UTF-16 offsets.
    const std::string text = "x\xC3\xA9\xF0\x9F\x98\x80\xE2\x82\xAC\xF0\x9F\x98\x80y";
    const Offsets bytes = {0, 1, 3, 7, 10, 14};
    const Offsets utf16 = {0, 1, 2, 4, 5, 7};
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(text, xa_utf8ByteOffsetsToCodePointOffsets(text, bytes)), utf16);
}

TEST(XATextOffsetsTests, InvalidBytesAreSafeAndCountAsCodePoints) {
    // A truncated four-byte sequence and a lone continuation byte.
    const std::string text = "\xF0\x9F"
                             "a\x80"
                             "b";
    EXPECT_EQ(xa_codePointLength(text), 3u);
    EXPECT_EQ(xa_utf8ByteOffsetsToCodePointOffsets(text, {0, 2, 3, 4}), (Offsets{0, 1, 1, 2}));
    // The truncated sequence is not a surrogate pair.
    EXPECT_EQ(xa_codePointOffsetsToNSStringOffsets(text, {1, 2}), (Offsets{1, 2}));
}

TEST(XATextOffsetsTests, CodePointLength) {
    EXPECT_EQ(xa_codePointLength(""), 0u);
    EXPECT_EQ(xa_codePointLength(kEAcuteX), 2u);
    EXPECT_EQ(xa_codePointLength(kGrinningFaceX), 2u);
}

TEST(XATextOffsetsTests, SafeSubstringClipsAndRejectsLocationsPastTheEnd) {
    EXPECT_EQ(xa_safeSubstringWithRange("hello", 1, 3), "ell");
    EXPECT_EQ(xa_safeSubstringWithRange("hello", 3, 100), "lo");
    EXPECT_EQ(xa_safeSubstringWithRange("hello", 3, XANotFound), "lo");
    EXPECT_EQ(xa_safeSubstringWithRange("hello", 5, 1), std::nullopt);
    EXPECT_EQ(xa_safeSubstringWithRange("", 0, 0), std::nullopt);
    EXPECT_EQ(xa_safeSubstringWithRange("hello", 2, 0), "");
}

TEST(XATextOffsetsTests, SafeSubstringWidensToWholeCharacters) {
    const std::string eCombiningAcute = "e\xCC\x81";             // e + U+0301
    const std::string flag = "\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"; // regional indicators F R
    const std::string text = "a" + eCombiningAcute + flag + "b";
    EXPECT_EQ(xa_safeSubstringWithRange(text, 1, 1), eCombiningAcute);
    EXPECT_EQ(xa_safeSubstringWithRange(text, 2, 1), eCombiningAcute); // starts on the combining mark
    EXPECT_EQ(xa_safeSubstringWithRange(text, 6, 2), flag);            // starts inside a UTF-8 sequence
    EXPECT_EQ(xa_safeSubstringWithRange(text, 0, 2), "a" + eCombiningAcute);
    EXPECT_EQ(xa_graphemeClusterAtIndex(text, 0), "a");
    EXPECT_EQ(xa_graphemeClusterAtIndex(text, 9), flag);
    EXPECT_EQ(xa_graphemeClusterAtIndex(text, text.size()), std::nullopt);
    EXPECT_EQ(xa_rangeOfComposedCharacterSequences(text, 2, 1), (XAStringRange{1, 3}));
    EXPECT_EQ(xa_rangeOfComposedCharacterSequences(text, text.size(), 1), std::nullopt);
}

TEST(XATextOffsetsTests, GraphemeClusterLength) {
    EXPECT_EQ(xa_graphemeClusterLength(""), 0u);
    EXPECT_EQ(xa_graphemeClusterLength("abc"), 3u);
    EXPECT_EQ(xa_graphemeClusterLength("e\xCC\x81\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7"
                                       "\r\n"),
              3u);
    EXPECT_EQ(xa_graphemeClusterLength("\xFF\xFE"
                                       "a"),
              3u); // invalid bytes still count
}

TEST(XATextOffsetsTests, ContainsNonASCIICodePoints) {
    EXPECT_FALSE(xa_containsNonASCIICodePoints(""));
    EXPECT_FALSE(xa_containsNonASCIICodePoints("plain ASCII\x7F"));
    EXPECT_TRUE(xa_containsNonASCIICodePoints("caf\xC3\xA9"));
}

TEST(XATextOffsetsTests, Transforms) {
    EXPECT_EQ(xa_stringByApplyingTransform("\xEF\xBC\xA1\xEF\xBC\x81", "Fullwidth-Halfwidth", false), "A!");
    EXPECT_EQ(xa_stringByApplyingTransform("A!", "Fullwidth-Halfwidth", true), "\xEF\xBC\xA1\xEF\xBC\x81");
    EXPECT_EQ(xa_stringByApplyingTransform("abc", "No-Such-Transform", false), std::nullopt);
}

TEST(XATextOffsetsTests, TranslatesUnicodeEscapes) {
    EXPECT_EQ(xa_stringByTranslatingUnicodeEscapeSequences("caf\\u00e9 \\u0041"), "caf\xC3\xA9 A");
    EXPECT_EQ(xa_stringByTranslatingUnicodeEscapeSequences("\\uD83D\\uDE00"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(xa_stringByTranslatingUnicodeEscapeSequences("no escapes \\n \\u12"), "no escapes \\n \\u12");
}

TEST(XATextOffsetsTests, StringFromUTF32Char) {
    EXPECT_EQ(xa_stringFromUTF32Char(0x41), "A");
    EXPECT_EQ(xa_stringFromUTF32Char(0xE9), "\xC3\xA9");
    EXPECT_EQ(xa_stringFromUTF32Char(0x1F600), "\xF0\x9F\x98\x80"); // UTF-16 D83D DE00
    EXPECT_EQ(xa_stringFromUTF32Char(0x10FFFF), "\xF4\x8F\xBF\xBF");
    EXPECT_EQ(xa_stringFromUTF32Char(0), std::string(1, '\0'));
    // Not characters: a lone surrogate, and values past U+10FFFF (whose low bits would name "A").
    EXPECT_EQ(xa_stringFromUTF32Char(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(xa_stringFromUTF32Char(0x110041), "\xEF\xBF\xBD");
    EXPECT_EQ(xa_stringFromUTF32Char(0xFFFFFFFF), "\xEF\xBF\xBD");
}

} // namespace
