#include "engine/config/XAConfigurationOption.h"

#include <gtest/gtest.h>

namespace {

using Array = XAOptionValue::Array;

XAConfigurationOption optionOfType(XAOptionValueType type, std::vector<XAOptionValue> allowedValues = {},
                                   std::optional<XAOptionValue> defaultValue = XAOptionValue()) {
    return XAConfigurationOption(std::nullopt, "name", "Description", std::nullopt, std::move(defaultValue), type,
                                 XAOptionDomainCommandLine, true, {"check"}, std::move(allowedValues));
}

XAOptionValue regexValue(const char *pattern) { return *XARegex::compile(pattern); }

// An empty message means the value is valid; a message ending in "*" is compared as a prefix.
struct ValidationCase {
    XAOptionValueType type;
    XAOptionValue value;
    std::string message;
};

void PrintTo(const ValidationCase &c, std::ostream *out) {
    *out << "type " << c.type << ", value " << c.value.description();
}

class XAConfigurationOptionValidationTest : public testing::TestWithParam<ValidationCase> {};

TEST_P(XAConfigurationOptionValidationTest, ReportsWhatIsWrongWithAValue) {
    const ValidationCase &c = GetParam();
    XAError error;
    bool valid = optionOfType(c.type).valueIsValid(c.value, &error);
    EXPECT_EQ(valid, c.message.empty()) << c.value.description();
    if (c.message.ends_with("*")) {
        EXPECT_TRUE(error.message.starts_with(c.message.substr(0, c.message.size() - 1))) << error.message;
    } else if (!c.message.empty()) {
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(error.domain, "org.quenby.tessary");
    }
    // The outcome is the same when nobody asks for the error.
    EXPECT_EQ(optionOfType(c.type).valueIsValid(c.value, nullptr), valid);
}

const char *kBoolMessage = "Value must be a boolean ('yes' or 'no')";
const char *kFractionMessage = "Value must be an unsigned _integer_: greater or equal to zero";
const char *kNegativeMessage = "Value must be an _unsigned_ integer: greater or equal to zero";
const char *kStringsMessage = "Value must be an array that contains strings";

INSTANTIATE_TEST_SUITE_P(
    EveryValueType, XAConfigurationOptionValidationTest,
    testing::Values(
        // Null passes for every type.
        ValidationCase{XAOptionValueTypeNone, {}, ""}, ValidationCase{XAOptionValueTypeBool, {}, ""},
        ValidationCase{XAOptionValueTypeNumberArray, {}, ""}, ValidationCase{XAOptionValueTypeRegex, {}, ""},
        // Anything goes without a type, and for a type this system does not know.
        ValidationCase{XAOptionValueTypeNone, Array{1, "x"}, ""}, ValidationCase{42, 5, ""},
        ValidationCase{XAOptionValueTypeFilePath, "/tmp/x", ""},
        ValidationCase{XAOptionValueTypeFilePath, 5, "Value must be of type: file path"},
        ValidationCase{XAOptionValueTypeString, "", ""},
        ValidationCase{XAOptionValueTypeString, Array{"a"}, "Value must be of type: string"},
        ValidationCase{XAOptionValueTypeRegex, "^a+$", ""}, ValidationCase{XAOptionValueTypeRegex, regexValue("a"), ""},
        ValidationCase{XAOptionValueTypeRegex, "(", "Invalid regular expression '(': *"},
        ValidationCase{XAOptionValueTypeRegex, 5, "Value must be a regular expression string"},
        ValidationCase{XAOptionValueTypeBool, "YES", ""}, ValidationCase{XAOptionValueTypeBool, "Yep", ""},
        ValidationCase{XAOptionValueTypeBool, "TRUE", ""}, ValidationCase{XAOptionValueTypeBool, "Nope", ""},
        ValidationCase{XAOptionValueTypeBool, true, ""}, ValidationCase{XAOptionValueTypeBool, 0, ""},
        ValidationCase{XAOptionValueTypeBool, 1.0, ""}, ValidationCase{XAOptionValueTypeBool, "maybe", kBoolMessage},
        ValidationCase{XAOptionValueTypeBool, 5, kBoolMessage},
        ValidationCase{XAOptionValueTypeBool, Array{}, kBoolMessage},
        ValidationCase{XAOptionValueTypePositiveInteger, "7", ""},
        ValidationCase{XAOptionValueTypePositiveInteger, " 7 ", ""},
        ValidationCase{XAOptionValueTypePositiveInteger, 3, ""},
        ValidationCase{XAOptionValueTypePositiveInteger, 4.0, ""},
        ValidationCase{XAOptionValueTypePositiveInteger, "3.5", kFractionMessage},
        ValidationCase{XAOptionValueTypePositiveInteger, 2.5, kFractionMessage},
        ValidationCase{XAOptionValueTypePositiveInteger, "-2", kNegativeMessage},
        ValidationCase{XAOptionValueTypePositiveInteger, -1, kNegativeMessage},
        ValidationCase{XAOptionValueTypePositiveInteger, "1.2.3", "Value must be a number"},
        ValidationCase{XAOptionValueTypePositiveInteger, "12a", "Value must be a number"},
        ValidationCase{XAOptionValueTypePositiveInteger, "", "Value must be a number"},
        ValidationCase{XAOptionValueTypeDecimal, "2.5", ""}, ValidationCase{XAOptionValueTypeDecimal, -2, ""},
        ValidationCase{XAOptionValueTypeDecimal, "x", "Value must be a number"},
        ValidationCase{XAOptionValueTypeDecimal, Array{1}, "Value must be a number"},
        ValidationCase{XAOptionValueTypeStringArray, "b,a", ""},
        ValidationCase{XAOptionValueTypeStringArray, Array{}, ""},
        ValidationCase{XAOptionValueTypeStringArray, Array{"a", 1}, kStringsMessage},
        ValidationCase{XAOptionValueTypeStringArray, 5, kStringsMessage},
        ValidationCase{XAOptionValueTypeOrderedStringArray, Array{"-DA", "-DB"}, ""},
        ValidationCase{XAOptionValueTypeOrderedStringArray, true, kStringsMessage},
        ValidationCase{XAOptionValueTypeRegexArray, "a,^b$", ""},
        ValidationCase{XAOptionValueTypeRegexArray, Array{regexValue("a"), "b"}, ""},
        ValidationCase{XAOptionValueTypeRegexArray, Array{"a", 5}, "Value must be a regular expression string"},
        ValidationCase{XAOptionValueTypeRegexArray, 5,
                       "Value must be an array that contains regular expression strings"},
        ValidationCase{XAOptionValueTypeNumberArray, Array{1, 2.5, "3", " 4 "}, ""},
        ValidationCase{XAOptionValueTypeNumberArray, "1,2", ""},
        ValidationCase{XAOptionValueTypeNumberArray, Array{"1", "x"}, "Value must be a number: x"},
        ValidationCase{XAOptionValueTypeNumberArray, "x,2,y", "Value must be a number: x, Value must be a number: y"},
        ValidationCase{XAOptionValueTypeNumberArray, 5, "Value must be an array that contains numbers"}));

TEST(XAConfigurationOptionTest, RegexArrayReportsEachPatternThatDoesNotCompile) {
    XAConfigurationOption option = optionOfType(XAOptionValueTypeRegexArray);
    XAError error;
    EXPECT_FALSE(option.valueIsValid(Array{"(", "a"}, &error));
    EXPECT_TRUE(error.message.starts_with("Invalid regular expression '(': ")) << error.message;
    EXPECT_EQ(error.message.find("Invalid regular expression", 1), std::string::npos) << error.message;

    EXPECT_FALSE(option.valueIsValid(Array{"(", "a", "[z-a]"}, &error));
    EXPECT_NE(error.message.find(", Invalid regular expression '[z-a]': "), std::string::npos) << error.message;
}

struct ConversionCase {
    XAOptionValueType type;
    XAOptionValue value;
    XAOptionValue expected;
};

void PrintTo(const ConversionCase &c, std::ostream *out) {
    *out << "type " << c.type << ", value " << c.value.description();
}

class XAConfigurationOptionConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(XAConfigurationOptionConversionTest, GivesAValueOfTheOptionsOwnKind) {
    const ConversionCase &c = GetParam();
    XAOptionValue converted = optionOfType(c.type).convertValueIfNeeded(c.value);
    EXPECT_EQ(converted, c.expected) << c.value.description() << " gave " << converted.description();
    EXPECT_EQ(converted.kind() == XAOptionValue::Kind::Real, c.expected.kind() == XAOptionValue::Kind::Real);
}

INSTANTIATE_TEST_SUITE_P(
    EveryValueType, XAConfigurationOptionConversionTest,
    testing::Values(
        ConversionCase{XAOptionValueTypeString, {}, {}}, ConversionCase{XAOptionValueTypeNumberArray, {}, {}},
        // Only a string option keeps the empty string.
        ConversionCase{XAOptionValueTypeString, "", ""}, ConversionCase{XAOptionValueTypeFilePath, "", {}},
        ConversionCase{XAOptionValueTypeBool, "", {}}, ConversionCase{XAOptionValueTypeNone, "", {}},
        ConversionCase{XAOptionValueTypeNone, 5, 5}, ConversionCase{XAOptionValueTypeFilePath, "a/b", "a/b"},
        ConversionCase{XAOptionValueTypeFilePath, 5, ""}, ConversionCase{XAOptionValueTypeString, Array{"a"}, ""},
        ConversionCase{XAOptionValueTypeBool, "YES", true}, ConversionCase{XAOptionValueTypeBool, "Yep", true},
        ConversionCase{XAOptionValueTypeBool, "TRUE", true}, ConversionCase{XAOptionValueTypeBool, "Nope", false},
        ConversionCase{XAOptionValueTypeBool, "maybe", false}, ConversionCase{XAOptionValueTypeBool, 5, 5},
        ConversionCase{XAOptionValueTypeBool, Array{}, false},
        ConversionCase{XAOptionValueTypePositiveInteger, "-2", 0},
        ConversionCase{XAOptionValueTypePositiveInteger, " 7 ", 7},
        ConversionCase{XAOptionValueTypePositiveInteger, "3.7", 3},
        ConversionCase{XAOptionValueTypePositiveInteger, 3.9, 3},
        ConversionCase{XAOptionValueTypePositiveInteger, -4, 0},
        ConversionCase{XAOptionValueTypePositiveInteger, 1e30, std::int64_t(9223372036854775807)},
        ConversionCase{XAOptionValueTypePositiveInteger, "99999999999999999999", std::int64_t(9223372036854775807)},
        ConversionCase{XAOptionValueTypePositiveInteger, "12a", 0},
        ConversionCase{XAOptionValueTypePositiveInteger, true, 1},
        ConversionCase{XAOptionValueTypeDecimal, "2.5", XAOptionValue::singlePrecision(2.5f)},
        ConversionCase{XAOptionValueTypeDecimal, "-.5", XAOptionValue::singlePrecision(-0.5f)},
        ConversionCase{XAOptionValueTypeDecimal, 3, 3}, ConversionCase{XAOptionValueTypeDecimal, "x", 0},
        ConversionCase{XAOptionValueTypeRegex, "a+", regexValue("a+")},
        ConversionCase{XAOptionValueTypeRegex, "(", regexValue("")},
        ConversionCase{XAOptionValueTypeRegex, 5, regexValue("")},
        // Arrays: sorted unless order matters; commas split without trimming; a backslash keeps a comma.
        ConversionCase{XAOptionValueTypeStringArray, "b,a", Array{"a", "b"}},
        ConversionCase{XAOptionValueTypeOrderedStringArray, "b,a", Array{"b", "a"}},
        ConversionCase{XAOptionValueTypeOrderedStringArray, "a\\,b,c", Array{"a,b", "c"}},
        ConversionCase{XAOptionValueTypeOrderedStringArray, "a, b", Array{"a", " b"}},
        ConversionCase{XAOptionValueTypeOrderedStringArray, "a,,b", Array{"a", "", "b"}},
        ConversionCase{XAOptionValueTypeStringArray, Array{"b", 1, "a"}, Array{"a", "b"}},
        ConversionCase{XAOptionValueTypeStringArray, 5, Array{}},
        ConversionCase{XAOptionValueTypeRegexArray, Array{"(", "a"}, Array{regexValue("a")}},
        ConversionCase{XAOptionValueTypeRegexArray, "b,a", Array{regexValue("a"), regexValue("b")}},
        ConversionCase{XAOptionValueTypeNumberArray, Array{"1", "x"}, Array{0.0, 1.0}},
        ConversionCase{XAOptionValueTypeNumberArray, Array{2, "1.5", true}, Array{true, 1.5, 2}},
        ConversionCase{XAOptionValueTypeNumberArray, "12a", Array{12.0}}));

TEST(XAConfigurationOptionTest, AllowedValuesAlwaysIncludeTheDefault) {
    XAConfigurationOption option = optionOfType(XAOptionValueTypeString, {"b", "c"}, XAOptionValue("a"));
    ASSERT_EQ(option.allowedValues(), (std::vector<XAOptionValue>{"a", "b", "c"}));
    EXPECT_EQ(option.valueTypeDisplayName(), "\"a\" / \"b\" / \"c\"");
    EXPECT_EQ(option.valueTypeExample(), option.valueTypeDisplayName());

    XAError error;
    EXPECT_FALSE(option.valueIsValid("d", &error));
    EXPECT_EQ(error.message, "Value must be one of: \"a\" / \"b\" / \"c\"");
    EXPECT_TRUE(option.valueIsValid("b", nullptr));
    EXPECT_TRUE(option.valueIsValid({}, nullptr));

    // A default that is already allowed is not repeated, and numbers are listed without quotes.
    XAConfigurationOption numbers = optionOfType(XAOptionValueTypePositiveInteger, {1, 2}, XAOptionValue(2));
    EXPECT_EQ(numbers.allowedValuesDisplayFormat(), "1 / 2");
}

TEST(XAConfigurationOptionTest, DescribesItsValueType) {
    struct Case {
        XAOptionValueType type;
        const char *displayName;
        const char *example;
        bool isArray;
        bool orderMatters;
    };
    const Case cases[] = {
        {XAOptionValueTypeNone, "--", "value", false, false},
        {XAOptionValueTypeFilePath, "File path", "path", false, false},
        {XAOptionValueTypeRegex, "Regular expression", "regex", false, false},
        {XAOptionValueTypeBool, "Boolean", "yes/no", false, false},
        {XAOptionValueTypeDecimal, "Decimal number", "number", false, false},
        {XAOptionValueTypeStringArray, "Array of strings", "value,value,...", true, false},
        {XAOptionValueTypeOrderedStringArray, "Array of strings", "value,value,...", true, true},
        {XAOptionValueTypeRegexArray, "Array of regular expression strings", "regex,regex,...", true, false},
        {XAOptionValueTypeNumberArray, "Array of numbers", "value,value,...", true, false},
        {11, "", "", false, false},
        {-1, "", "", false, false},
    };
    for (const Case &c : cases) {
        XAConfigurationOption option = optionOfType(c.type);
        EXPECT_EQ(option.valueTypeDisplayName(), c.displayName) << c.type;
        EXPECT_EQ(option.valueTypeExample(), c.example) << c.type;
        EXPECT_EQ(option.valueTypeIsArrayType(), c.isArray) << c.type;
        EXPECT_EQ(option.valueOrderIsSignificant(), c.orderMatters) << c.type;
    }
    EXPECT_FALSE(optionOfType(11).valueTypeClass());
    EXPECT_TRUE(optionOfType(11).emptyValueOfOwnType().isNull());
    EXPECT_EQ(optionOfType(XAOptionValueTypeRegex).emptyValueOfOwnType(), regexValue(""));
}

TEST(XAConfigurationOptionTest, WritesValuesAsConfigurationFileJSON) {
    struct Case {
        XAOptionValueType type;
        XAOptionValue value;
        const char *json;
    };
    const Case cases[] = {
        {XAOptionValueTypeNumberArray, Array{2, 1}, R"(["1","2"])"},
        {XAOptionValueTypeNumberArray, Array{1.5}, R"(["1.5"])"},
        {XAOptionValueTypeBool, true, "true"},
        {XAOptionValueTypeBool, 0, "false"},
        {XAOptionValueTypePositiveInteger, 1, "1"},
        {XAOptionValueTypeDecimal, XAOptionValue::singlePrecision(0.1f), "0.1"},
        {XAOptionValueTypeString, "say \"hi\"", R"("say \"hi\"")"},
        {XAOptionValueTypeString, {}, "null"},
        {XAOptionValueTypeRegex, regexValue("^a\\d$"), R"("^a\\d$")"},
        {XAOptionValueTypeStringArray, Array{"b", "a"}, R"(["a","b"])"},
        {XAOptionValueTypeOrderedStringArray, Array{"b", "a"}, R"(["b","a"])"},
        {XAOptionValueTypeRegexArray, Array{regexValue("b"), regexValue("a")}, R"(["a","b"])"},
        {XAOptionValueTypeNone, XAOptionValue::fromValue(XAValue(XADictionary{{"k", 1}})), R"({"k":1})"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(optionOfType(c.type).valueAsJSONValue(c.value), c.json) << c.value.description();
    }
}

TEST(XAConfigurationOptionTest, ShowsValuesForPeople) {
    struct Case {
        XAOptionValueType type;
        XAOptionValue value;
        const char *display;
        const char *editable;
    };
    const Case cases[] = {
        {XAOptionValueTypeString, {}, "<none>", ""},
        {XAOptionValueTypeBool, {}, "<none>", ""},
        {XAOptionValueTypeString, "x", "\"x\"", "x"},
        {XAOptionValueTypeRegex, regexValue("a+"), "\"a+\"", "a+"},
        {XAOptionValueTypeBool, true, "yes", "1"},
        {XAOptionValueTypeBool, false, "no", "0"},
        {XAOptionValueTypePositiveInteger, 3, "3", "3"},
        {XAOptionValueTypeDecimal, 2.5, "2.5", "2.5"},
        {XAOptionValueTypeStringArray, Array{"a", "b"}, "[\"a\", \"b\"]", "(a, b)"},
        {XAOptionValueTypeRegexArray, Array{regexValue("x")}, "[\"x\"]", "(x)"},
        {XAOptionValueTypeNumberArray, Array{}, "[]", "()"},
    };
    for (const Case &c : cases) {
        XAConfigurationOption option = optionOfType(c.type);
        EXPECT_EQ(option.displayFormatForValue(c.value), c.display);
        EXPECT_EQ(option.stringRepresentationOfValue(c.value), c.editable);
    }
    EXPECT_EQ(optionOfType(XAOptionValueTypeBool, {}, XAOptionValue(true)).defaultValueDisplayName(), "yes");
    EXPECT_EQ(optionOfType(XAOptionValueTypeString, {}, std::nullopt).defaultValueDisplayName(), "<none>");
}

TEST(XAOptionValueTest, NumbersCompareByValueWhateverTheirKind) {
    EXPECT_EQ(XAOptionValue(true), XAOptionValue(1));
    EXPECT_EQ(XAOptionValue(2), XAOptionValue(2.0));
    EXPECT_NE(XAOptionValue(2), XAOptionValue(2.5));
    EXPECT_NE(XAOptionValue("1"), XAOptionValue(1));
    EXPECT_NE(XAOptionValue(), XAOptionValue(""));
    EXPECT_NE(regexValue("a"), XAOptionValue("a"));
    // Large integers are not squeezed through a double.
    EXPECT_NE(XAOptionValue(std::int64_t(9007199254740993)), XAOptionValue(std::int64_t(9007199254740992)));
}

TEST(XAOptionValueTest, ReadsJSONValues) {
    XAValue json(XAValue::Array{true, 3, 2.5, "s", nullptr, XAValue::Array{"x"}, XADictionary{{"k", "v"}}});
    XAOptionValue value = XAOptionValue::fromValue(json);
    ASSERT_TRUE(value.isArray());
    const Array &elements = *value.array();
    ASSERT_EQ(elements.size(), 7u);
    EXPECT_EQ(elements[0].kind(), XAOptionValue::Kind::Boolean);
    EXPECT_EQ(elements[1].kind(), XAOptionValue::Kind::Integer);
    EXPECT_EQ(elements[2].kind(), XAOptionValue::Kind::Real);
    EXPECT_EQ(elements[3], XAOptionValue("s"));
    EXPECT_TRUE(elements[4].isNull());
    EXPECT_EQ(elements[5], (Array{"x"}));
    ASSERT_NE(elements[6].other(), nullptr);
    EXPECT_TRUE(elements[6].other()->isDictionary());
}

} // namespace
