#include "core/XAJSON.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace {

std::optional<XAValue> parse(std::string_view text, bool allowComments = false, XAError *error = nullptr) {
    return XAValueFromJSON(text, allowComments, "config.json", error);
}

TEST(XAJSON, ReadsEveryTypeAndKeepsKeyOrder) {
    XAError error;
    std::optional<XAValue> value = parse(
        R"({"z": 1, "a": [true, false, null, -5, 9223372036854775807, 18446744073709551615, 1.5, "s\u00e9\ud83d\ude00"],
                  "m": {"x": {}}, "z": 2})",
        false, &error);
    ASSERT_TRUE(value) << error.message;
    const XAValue expected(XADictionary{
        {"z", XAValue(2)},
        {"a", XAValue(XAValue::Array{XAValue(true), XAValue(false), XAValue(), XAValue(std::int64_t{-5}),
                                     XAValue(std::numeric_limits<std::int64_t>::max()), XAValue(18446744073709551615.0),
                                     XAValue(1.5), XAValue("s\xC3\xA9\xF0\x9F\x98\x80")})},
        {"m", XAValue(XADictionary{{"x", XAValue(XADictionary{})}})},
    });
    EXPECT_EQ(*value, expected) << value->description();
    std::vector<std::string> keys;
    for (const auto &entry : *value->dictionary()) {
        keys.push_back(entry.first);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"z", "a", "m"}));
}

TEST(XAJSON, CommentsAreAllowedOnlyWhenAsked) {
    const std::string text = "// rules to run\n{\n  /* all of them */ \"enabled\": true // yes\n}\n";
    XAError error;
    std::optional<XAValue> value = parse(text, true, &error);
    ASSERT_TRUE(value) << error.message;
    EXPECT_EQ(*value, XAValue(XADictionary{{"enabled", XAValue(true)}}));

    EXPECT_FALSE(parse(text, false, &error));
    EXPECT_THAT(error.message, StartsWith("config.json:1:1: syntax error while parsing value"));
}

TEST(XAJSON, ErrorsNameTheSourceLineAndColumn) {
    struct Case {
        std::string text;
        std::string prefix;
        std::string detail;
    };
    const Case cases[] = {
        {"{\n  \"a\": tru\n}", "config.json:2:11: ", "invalid literal"},
        {"", "config.json:1:1: ", "unexpected end of input"},
        {"[1,\n 2,\n", "config.json:3:1: ", "unexpected end of input"},
        {"{\"a\" 1}", "config.json:1:6: ", "expected ':'"},
        {"[\"\xFF\"]", "config.json:1:3: ", "ill-formed UTF-8"},
        {"{} {}", "config.json:1:4: ", "expected end of input"},
    };
    for (const Case &c : cases) {
        XAError error;
        EXPECT_FALSE(parse(c.text, false, &error)) << c.text;
        EXPECT_THAT(error.message, StartsWith(c.prefix)) << c.text;
        EXPECT_THAT(error.message, HasSubstr(c.detail)) << c.text;
        EXPECT_THAT(error.message, Not(HasSubstr("[json.exception"))) << c.text;
    }
}

TEST(XAJSON, RefusesNestingDeeperThanAnyRealFile) {
    XAError error;
    EXPECT_FALSE(parse(std::string(600, '[') + std::string(600, ']'), false, &error));
    EXPECT_EQ(error.message, "config.json: the JSON is nested more than 512 levels deep");
    EXPECT_TRUE(parse(std::string(100, '[') + std::string(100, ']')));
}

TEST(XAJSON, WritesValuesThatJSONLacksAsText) {
    const XAValue value(XADictionary{
        {"z", XAValue(1)},
        {"data", XAValue(XAData{0x00, 0x01, 0x02, 0xFF})},
        {"date", XAValue(XADate{599627045.5})},
        {"nan", XAValue(std::nan(""))},
        {"real", XAValue(0.1)},
        {"whole real", XAValue(2.0)},
        {"malformed", XAValue("a\xFF"
                              "b")},
        {"escapes", XAValue("q\"\\\n\x01")},
        {"null", XAValue()},
    });
    EXPECT_EQ(XAJSONString(value, false),
              "{\"z\":1,\"data\":\"AAEC/w==\",\"date\":\"2020-01-02T03:04:05.5Z\",\"nan\":null,\"real\":0.1,"
              "\"whole real\":2.0,\"malformed\":\"a\xEF\xBF\xBD"
              "b\",\"escapes\":\"q\\\"\\\\\\n\\u0001\",\"null\":null}");
}

TEST(XAJSON, PrettyOutputIndentsByTwoSpacesAndReadsBack) {
    const XAValue value(XADictionary{
        {"b", XAValue(XAValue::Array{XAValue(1), XAValue("x")})},
        {"a", XAValue(XADictionary{})},
        {"c", XAValue(XAValue::Array{})},
    });
    const std::string text = XAJSONString(value, true);
    EXPECT_EQ(text, "{\n  \"b\": [\n    1,\n    \"x\"\n  ],\n  \"a\": {},\n  \"c\": []\n}");
    std::optional<XAValue> back = parse(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, value);
    EXPECT_EQ(XAJSONString(*back, true), text);
}

} // namespace
