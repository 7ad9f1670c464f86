#include "XAClangExtTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using namespace xa_clangext_test;

namespace {

std::optional<unsigned long long> integerValue(CXCursor cursor) {
    int ok = 1;
    unsigned long long value = clang_tessary_getIntegerLiteralValue(cursor, &ok);
    return ok ? std::optional<unsigned long long>(value) : std::nullopt;
}

std::optional<std::string> stringValue(CXCursor cursor) {
    char *value = clang_tessary_copyStringLiteralValue(cursor);
    if (!value) {
        return std::nullopt;
    }
    std::string result = value;
    std::free(value);
    return result;
}

struct IntegerCase {
    const char *variable; // the variable whose initializer is the literal
    std::optional<unsigned long long> expected;
};

TEST(XAClangExtLiteralTest, IntegerLiteralValues) {
    ParsedSnippet snippet(R"(
        #define ANSWER 42
        #define WRAP(x) x
        int decimal = 1234;
        long hex = 0xFFFFffffL;
        int octal = 0755;
        int zero = 0;
        int binary = 0b1011;
        unsigned long long largest = 18446744073709551615ULL;
        unsigned long long hexLargest = 0xFFFFFFFFFFFFFFFFull;
        int fromMacro = ANSWER;
        int fromMacroArgument = WRAP(17);
        unsigned long long suffixes = 12llu;
        int separated = 1'000'000;
    )",
                          "objective-c", {"-std=c2x"});
    ASSERT_PARSED(snippet);
    const std::vector<IntegerCase> cases = {
        {"decimal", 1234ull},
        {"hex", 0xFFFFFFFFull},
        {"octal", 0755ull},
        {"zero", 0ull},
        {"binary", 11ull},
        {"largest", 18446744073709551615ull},
        {"hexLargest", 0xFFFFFFFFFFFFFFFFull},
        {"fromMacro", 42ull},
        {"fromMacroArgument", 17ull},
        {"suffixes", 12ull},
        {"separated", 1000000ull},
    };
    for (const IntegerCase &testCase : cases) {
        CXCursor literal = snippet.findIn(CXCursor_VarDecl, testCase.variable, CXCursor_IntegerLiteral);
        ASSERT_FALSE(clang_Cursor_isNull(literal)) << testCase.variable;
        EXPECT_EQ(integerValue(literal), testCase.expected) << testCase.variable;
    }
}

TEST(XAClangExtLiteralTest, IntegerLiteralTooLargeForSixtyFourBitsIsUnknown) {
    // The compiler reports the literal and keeps a value cut to 64 bits, which must not pass for the literal's.
    ParsedSnippet snippet("unsigned long long big = 0x1FFFFFFFFFFFFFFFF;\n"
                          "unsigned long long bigDecimal = 18446744073709551616;");
    std::vector<std::string> errors = snippet.errors();
    ASSERT_EQ(errors.size(), 2u) << ::testing::PrintToString(errors);
    for (const char *variable : {"big", "bigDecimal"}) {
        CXCursor literal = snippet.findIn(CXCursor_VarDecl, variable, CXCursor_IntegerLiteral);
        ASSERT_FALSE(clang_Cursor_isNull(literal)) << variable;
        EXPECT_EQ(integerValue(literal), std::nullopt) << variable;
    }
}

TEST(XAClangExtLiteralTest, IntegerValueOfOtherCursorsIsUnknownAndTheFlagMayBeOmitted) {
    ParsedSnippet snippet("char c = 'x'; double d = 1.5; int i = 7;");
    ASSERT_PARSED(snippet);
    EXPECT_EQ(integerValue(snippet.findIn(CXCursor_VarDecl, "c", CXCursor_CharacterLiteral)), std::nullopt);
    EXPECT_EQ(integerValue(snippet.findIn(CXCursor_VarDecl, "d", CXCursor_FloatingLiteral)), std::nullopt);
    EXPECT_EQ(integerValue(snippet.find(CXCursor_VarDecl, "i")), std::nullopt);
    EXPECT_EQ(integerValue(clang_getNullCursor()), std::nullopt);
    EXPECT_EQ(
        clang_tessary_getIntegerLiteralValue(snippet.findIn(CXCursor_VarDecl, "i", CXCursor_IntegerLiteral), nullptr),
        7ull);
}

struct StringCase {
    const char *variable;
    CXCursorKind kind;
    std::optional<std::string> expected;
};

TEST(XAClangExtLiteralTest, StringLiteralValues) {
    ParsedSnippet snippet(std::string(kRootClass) + R"(
        @interface NSString : NSObject
        @end
        #define GREETING "hello"
        const char *plain = "plain text";
        const char *escapes = "tab\tnew\nquote\"back\\bell\a";
        const char *joined = "one " "two " GREETING;
        const char *bytes = "\xff\001z";
        const char *hexThenDigit = "\x41" "1";
        const char *accented = "caf\u00e9 é";
        const char *utf8 = u8"€";
        const unsigned short *utf16 = (const unsigned short *)u"€ and 😀";
        const unsigned int *utf32 = (const unsigned int *)U"😀";
        const int *wide = (const int *)L"wide ü";
        const char *empty = "";
        const char *withNul = "before\0after";
        NSString *objc = @"objective " "text";
    )");
    ASSERT_PARSED(snippet);
    const std::vector<StringCase> cases = {
        {"plain", CXCursor_StringLiteral, "plain text"},
        {"escapes", CXCursor_StringLiteral, "tab\tnew\nquote\"back\\bell\a"},
        {"joined", CXCursor_StringLiteral, "one two hello"},
        {"bytes", CXCursor_StringLiteral, "\xff\x01z"},
        {"hexThenDigit", CXCursor_StringLiteral, "A1"},
        {"accented", CXCursor_StringLiteral, "caf\xc3\xa9 \xc3\xa9"},
        {"utf8", CXCursor_StringLiteral, "\xe2\x82\xac"},
        {"utf16", CXCursor_StringLiteral, "\xe2\x82\xac and \xf0\x9f\x98\x80"},
        {"utf32", CXCursor_StringLiteral, "\xf0\x9f\x98\x80"},
        {"wide", CXCursor_StringLiteral, "wide \xc3\xbc"},
        {"empty", CXCursor_StringLiteral, ""},
        {"withNul", CXCursor_StringLiteral, "before"},
        {"objc", CXCursor_ObjCStringLiteral, "objective text"},
    };
    for (const StringCase &testCase : cases) {
        CXCursor literal = snippet.findIn(CXCursor_VarDecl, testCase.variable, testCase.kind);
        ASSERT_FALSE(clang_Cursor_isNull(literal)) << testCase.variable;
        EXPECT_EQ(stringValue(literal), testCase.expected) << testCase.variable;
    }
}

TEST(XAClangExtLiteralTest, StringValueOfOtherCursorsIsNull) {
    ParsedSnippet snippet("const char *s = \"x\"; int i = 1; char c = 'c';");
    ASSERT_PARSED(snippet);
    EXPECT_EQ(stringValue(snippet.find(CXCursor_VarDecl, "s")), std::nullopt);
    EXPECT_EQ(stringValue(snippet.findIn(CXCursor_VarDecl, "i", CXCursor_IntegerLiteral)), std::nullopt);
    EXPECT_EQ(stringValue(snippet.findIn(CXCursor_VarDecl, "c", CXCursor_CharacterLiteral)), std::nullopt);
    EXPECT_EQ(stringValue(clang_getNullCursor()), std::nullopt);
}

} // namespace
