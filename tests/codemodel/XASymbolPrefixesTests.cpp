#include "codemodel/clang/XAKnownSymbolPrefixes.h"
#include "codemodel/clang/XASymbolPrefixes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

TEST(XAKnownSymbolPrefixesTest, TablesOfBothPlatforms) {
    const auto *iOS = XAKnownSymbolPrefixesForPlatform(1);
    const auto *osX = XAKnownSymbolPrefixesForPlatform(2);
    ASSERT_NE(iOS, nullptr);
    ASSERT_NE(osX, nullptr);
    EXPECT_EQ(iOS->size(), 57u);
    EXPECT_EQ(osX->size(), 145u);
    EXPECT_EQ(XAKnownSymbolPrefixesForPlatform(0), nullptr);
    EXPECT_EQ(XAKnownSymbolPrefixesForPlatform(3), nullptr);
    EXPECT_EQ(XAKnownSymbolPrefixesForPlatform(1), iOS); // the same table every time

    EXPECT_EQ(iOS->at("UI").ownerAndDescription(), "the UIKit framework by Apple");
    EXPECT_EQ(osX->at("XWM").ownerAndDescription(), "the Tk framework by Apple");
    EXPECT_EQ(iOS->at("NS").prefixDescription(),
              "the AVFoundation / CoreData / Foundation / GLKit / GameController / MapKit / UIKit framework");
    const auto frameworkCount = [](const XAPrefixInfo &info) {
        return std::count(info.prefixDescription().begin(), info.prefixDescription().end(), '/') + 1;
    };
    EXPECT_EQ(frameworkCount(iOS->at("NS")), 7);
    EXPECT_EQ(frameworkCount(osX->at("NS")), 16);
    EXPECT_EQ(iOS->count("XWM"), 0u);
    EXPECT_EQ(osX->count("UI"), 0u);
    EXPECT_EQ(iOS->count("U"), 0u); // exact keys only
    for (const auto *table : {iOS, osX}) {
        for (const auto &[prefix, info] : *table) {
            EXPECT_TRUE(prefix.size() >= 2 && prefix.size() <= 4 &&
                        std::all_of(prefix.begin(), prefix.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
                << prefix;
            EXPECT_TRUE(info.ownerIsApple()) << prefix;
        }
    }
}

TEST(XAKnownSymbolPrefixesTest, PrefixInfo) {
    XAPrefixInfo info = XAPrefixInfo::prefixWithOwner("Quenby", "the Widget library", "quenby.org");
    EXPECT_EQ(info.ownerAndDescription(), "the Widget library by Quenby");
    EXPECT_FALSE(info.ownerIsApple());
    info.setOwner("apple");
    EXPECT_FALSE(info.ownerIsApple());
    info.setOwner("Apple");
    EXPECT_TRUE(info.ownerIsApple());
}

TEST(XASymbolPrefixesTest, ClassNamePrefix) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"NSString", "NS"},      {"UIView", "UI"},    {"XMLParser", "XML"},  {"NS_Foo", "NS_"},
        {"TQXThing", "TQX"},     {"AB2Cd", "AB2"},    {"Foo", std::nullopt}, {"ABc", std::nullopt},
        {"NSURL", std::nullopt}, {"A", std::nullopt}, {"", std::nullopt},    {"nsString", std::nullopt},
        {"ÉTVue", "ÉT"},
    };
    for (const auto &[name, prefix] : cases) {
        EXPECT_EQ(xa_objCClassNamePrefix(name), prefix) << name;
    }
}

TEST(XASymbolPrefixesTest, AsciiWordsOfCodeSymbols) {
    struct Case {
        std::string symbol;
        std::optional<std::string> prefix;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"myURLSession", std::nullopt, {"my", "URL", "Session"}},
        {"UTF8String", std::nullopt, {"UTF", "String"}},
        {"foo_bar2baz", std::nullopt, {"foo", "bar", "baz"}},
        {"NSString", "NS", {"String"}},
        {"NSURLSession", "NS", {"NSURL", "Session"}},
        {"nsString", "NS", {"String"}}, // the prefix is compared leniently
        {"ABCDef", std::nullopt, {"ABC", "Def"}},
        {"AString", std::nullopt, {"A", "String"}},
        {"caféLatte", std::nullopt, {"caf", "Latte"}}, // non-ASCII letters separate words
        {"__x__", std::nullopt, {"x"}},
        {"", "NS", {}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xa_asciiWordsFromCodeSymbolWithKnownPrefix(c.symbol, c.prefix), c.words) << c.symbol;
    }
}

TEST(XASymbolPrefixesTest, DelegateAndDataSourceNames) {
    EXPECT_TRUE(xa_isDelegateGetterOrPropertyName("delegate"));
    EXPECT_TRUE(xa_isDelegateGetterOrPropertyName("appDelegate"));
    EXPECT_FALSE(xa_isDelegateGetterOrPropertyName("delegates"));
    EXPECT_FALSE(xa_isDelegateGetterOrPropertyName("Delegate:"));
    EXPECT_TRUE(xa_isDelegateSetterName("setDelegate:"));
    EXPECT_FALSE(xa_isDelegateSetterName("setDelegate"));
    EXPECT_EQ(xa_normalizedDelegateName("setDelegate:"), "delegate");
    EXPECT_EQ(xa_normalizedDelegateName("setTableViewDelegate:"), "tableViewDelegate");
    EXPECT_EQ(xa_normalizedDelegateName("delegate"), "delegate");
    EXPECT_EQ(xa_normalizedDelegateName("setFoo:"), "setFoo:");

    EXPECT_TRUE(xa_isDataSourceGetterOrPropertyName("dataSource"));
    EXPECT_FALSE(xa_isDataSourceGetterOrPropertyName("tableViewDataSource"));
    EXPECT_TRUE(xa_isDataSourceSetterName("setDataSource:"));
    EXPECT_EQ(xa_normalizedDataSourceName("setDataSource:"), "dataSource");
    EXPECT_EQ(xa_normalizedDataSourceName("setTableViewDataSource:"), "setTableViewDataSource:");
}

TEST(XASymbolPrefixesTest, MethodNames) {
    EXPECT_TRUE(xa_isInitMethodName("init"));
    EXPECT_TRUE(xa_isInitMethodName("initWithFrame:"));
    EXPECT_FALSE(xa_isInitMethodName("initialize"));
    EXPECT_FALSE(xa_isInitMethodName("reinit"));
    EXPECT_FALSE(xa_isInitMethodName(""));

    const std::vector<std::tuple<std::string, std::string, bool>> factoryCases = {
        {"string", "NSString", true},
        {"stringWithFormat:", "NSString", true},
        {"stringByAppendingString:", "NSString", true},
        {"initWithString:", "NSString", false},
        {"strings", "NSString", false},
        {"fooWithBar:", "Foo", true},
        {"parserWithData:", "XMLParser", true},
        {"string", "", false},
    };
    for (const auto &[selector, className, expected] : factoryCases) {
        EXPECT_EQ(xa_isFactoryMethodNameForClassName(selector, className), expected) << selector << " " << className;
    }
}

TEST(XASymbolPrefixesTest, PrivateHeaderNames) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"UIView+Private.h", true}, {"UIView+PRIVATE.h", true}, {"FooPrivate.h", true},
        {"PrivateFoo.h", true},     {"Foo_Private.h", false},   {"NSPrivateFoo.h", false},
        {"Foo.h", false},           {"Privateer.h", false},     {"Foo+Private", true},
    };
    for (const auto &[name, expected] : cases) {
        EXPECT_EQ(xa_isPrivateHeaderName(name), expected) << name;
    }
}
