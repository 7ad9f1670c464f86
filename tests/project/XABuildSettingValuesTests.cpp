#include "project/XABuildSettingValues.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(XABuildSettingValues, BaseKeyDropsTheCondition) {
    EXPECT_EQ(xa_baseBuildSettingKey("OTHER_LDFLAGS[sdk=iphoneos*][arch=arm64]"), "OTHER_LDFLAGS");
    EXPECT_EQ(xa_baseBuildSettingKey("PRODUCT_NAME"), "PRODUCT_NAME");
    EXPECT_EQ(xa_baseBuildSettingKey("[odd]"), "");
}

TEST(XABuildSettingValues, MatchesNamesAsXcodebuildReencodesThem) {
    EXPECT_TRUE(xa_isEqualToXcodebuildOutputMangledString("App", "App"));
    // "é" is C3 A9 in UTF-8; read as Mac OS Roman those bytes are "√©".
    EXPECT_TRUE(xa_isEqualToXcodebuildOutputMangledString("Caf\u00e9", "Caf\u221a\u00a9"));
    EXPECT_FALSE(xa_isEqualToXcodebuildOutputMangledString("Caf\u00e9", "Cafe"));
    EXPECT_FALSE(xa_isEqualToXcodebuildOutputMangledString("App", "App2"));
}

TEST(XABuildSettingValues, DeletesUnresolvedVariableReferences) {
    struct Case {
        const char *text;
        const char *deleted;
        bool contains;
    } cases[] = {
        {"$(SRCROOT)/x", "/x", true},        {"${HOME}", "", true},           {"a $HOME b", "a  b", true},
        {"$(A)${B}$C/d", "", true},          {"costs 5$", "costs 5$", false}, {"plain", "plain", false},
        {"$(UNCLOSED", "$(UNCLOSED", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_stringByDeletingUnresolvedXcodeVariables(c.text), c.deleted) << c.text;
        EXPECT_EQ(xa_containsUnresolvedXcodeVariables(c.text), c.contains) << c.text;
    }
}

TEST(XABuildSettingValues, TrimsLogPrefixesOnEveryLine) {
    const std::string text = "2015-03-01 12:00:00.123 plutil[123:4567] first problem\n"
                             "plain line\n"
                             "2015-03-01  12:00:01.456 plutil[1] second problem";
    EXPECT_EQ(xa_stringByTrimmingNSLogPrefixes(text), "first problem\nplain line\nsecond problem");
    EXPECT_EQ(xa_stringByTrimmingNSLogPrefixes("2015-03-01 12:00:00.123 tool-x[1] not a prefix\n"),
              "2015-03-01 12:00:00.123 tool-x[1] not a prefix\n");
}

TEST(XABuildSettingValues, FindsFormatSpecifiersInTextOrder) {
    struct Case {
        const char *text;
        std::vector<std::string> specifiers;
    } cases[] = {
        {"100%% done", {}},
        {"%5.2f%%", {"%5.2f"}},
        {"%lld and %@", {"%lld", "%@"}},
        {"ends with %", {}},
        {"ends with %l", {}},
        {"%1$@ costs $%-5d", {"%1$@", "%-5d"}},
        {"%hhd %zu %'d", {"%hhd", "%zu", "%'d"}},
        {"%1.5$d", {"%1.5$"}},
        {"%\u00e9", {"%\u00e9"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_formatSpecifiersInStringInLogicalOrder(c.text, false), c.specifiers) << c.text;
    }
}

TEST(XABuildSettingValues, LogicalOrderSortsByPositionAndDropsIt) {
    EXPECT_THAT(xa_formatSpecifiersInStringInLogicalOrder("%2$@ then %1$d", true), ElementsAre("%d", "%@"));
    EXPECT_THAT(xa_formatSpecifiersInStringInLogicalOrder("%3$@ %s %1$d %x", true),
                ElementsAre("%d", "%@", "%s", "%x"));
    // A position too large for a number stays as written, with the specifiers that have none.
    EXPECT_THAT(xa_formatSpecifiersInStringInLogicalOrder("%99999999999999999999$@ %1$d", true),
                ElementsAre("%d", "%99999999999999999999$@"));
    EXPECT_THAT(xa_formatSpecifiersInStringInLogicalOrder("no specifiers", true), IsEmpty());
}

TEST(XABuildSettingValues, FormatArgumentsAreReadByPosition) {
    using Arguments = std::vector<std::pair<std::uint64_t, std::string>>;
    const struct {
        std::string text;
        Arguments arguments;
    } cases[] = {
        {"%@ of %d", {{1, "%@"}, {2, "%d"}}},
        {"%d of %@", {{1, "%d"}, {2, "%@"}}},   // unpositioned specifiers read the arguments in turn
        {"%2$d: %1$@", {{1, "%@"}, {2, "%d"}}}, // reordered by position
        {"%1$@ and again %1$@", {{1, "%@"}}},   // a reused argument is one argument
        {"%1$@ %1$d", {{1, "%@"}, {1, "%d"}}},  // read as two types, it stays twice
        {"100%% sure, %lu left", {{1, "%lu"}}},
        {"none", {}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_formatArgumentsInString(c.text), c.arguments) << c.text;
    }
}

TEST(XABuildSettingValues, ListSettingsSplitStringsAndKeepArrays) {
    XADictionary settings{{"FLAGS", "-Wall -DA=1 \"-DNAME=two words\""},
                          {"PATHS", XAValue(XAValue::Array{"a b", "c"})},
                          {"NUMBER", XAValue(3)}};
    EXPECT_THAT(*xa_arrayValueOfListSetting(settings, "FLAGS"), ElementsAre("-Wall", "-DA=1", "\"-DNAME=two words\""));
    EXPECT_THAT(*xa_arrayValueOfListSetting(settings, "PATHS"), ElementsAre("a b", "c"));
    EXPECT_EQ(xa_arrayValueOfListSetting(settings, "MISSING"), std::nullopt);
    EXPECT_EQ(xa_arrayValueOfListSetting(settings, "NUMBER"), std::nullopt);

    std::map<std::string, std::string> resolved{{"FLAGS", "a \"b c\""}, {"EMPTY", ""}};
    EXPECT_THAT(*xa_arrayValueOfListSetting(resolved, "FLAGS"), ElementsAre("a", "\"b c\""));
    EXPECT_THAT(*xa_arrayValueOfListSetting(resolved, "EMPTY"), IsEmpty());
    EXPECT_EQ(xa_arrayValueOfListSetting(resolved, "MISSING"), std::nullopt);
}
