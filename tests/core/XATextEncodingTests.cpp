// The text encoding of a file's bytes.

#include "core/XATextEncoding.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

TEST(XATextEncodingTest, EncodingsByByteOrderMarkValidityAndFallback) {
    struct Case {
        const char *name;
        std::string_view bytes;
        XATextEncoding expected;
    };
    const Case cases[] = {
        {"no bytes", ""sv, XATextEncoding::UTF8},
        {"ASCII", "\"a\" = \"b\";\n"sv, XATextEncoding::UTF8},
        {"UTF-8 with umlauts", "\"a\" = \"Gr\xC3\xBC\xC3\x9F\";"sv, XATextEncoding::UTF8},
        {"a UTF-8 mark before invalid bytes", "\xEF\xBB\xBF\xFF\xFE"sv, XATextEncoding::UTF8},
        {"UTF-16 little endian with a mark", "\xFF\xFE\"\0a\0\"\0"sv, XATextEncoding::UTF16},
        {"UTF-16 big endian with a mark", "\xFE\xFF\0\"\0a\0\""sv, XATextEncoding::UTF16},
        {"UTF-16 little endian without a mark", "\"\0a\0\"\0 \0=\0"sv, XATextEncoding::UTF16},
        {"UTF-16 big endian without a mark", "\0\"\0a\0\"\0 \0="sv, XATextEncoding::UTF16},
        {"UTF-32 little endian with a mark", "\xFF\xFE\0\0\"\0\0\0"sv, XATextEncoding::UTF32},
        {"UTF-32 big endian with a mark", "\0\0\xFE\xFF\0\0\0\""sv, XATextEncoding::UTF32},
        {"Latin-1 umlauts are not UTF-8", "\"a\" = \"Gr\xFC\xDF\";"sv, XATextEncoding::MacOSRoman},
        {"a UTF-8 sequence cut short", "\"a\" = \"\xC3\";"sv, XATextEncoding::MacOSRoman},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(XADetectTextEncoding(testCase.bytes), testCase.expected);
    }
}
