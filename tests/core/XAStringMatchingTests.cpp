#include "core/XAStringMatching.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(XAStringMatchingTests, LongestCommonSubstring) {
    const std::tuple<const char *, const char *, std::optional<std::string>> cases[] = {
        {"abcde", "xbcdy", "bcd"},
        {"ab", "ba", "a"}, // the first one found in the receiver
        {"abc", "xyz", std::nullopt},
        {"", "abc", std::nullopt},
        {"abc", "", std::nullopt},
        {"tableView", "TableViewCell", "ableView"},
        {"\U0001F600a", "\U0001F600b", "\U0001F600"},
        {"xe\u0301y", "ez", "e\u0301"}, // widened to the whole accented letter
    };
    for (const auto &[s, other, expected] : cases) {
        EXPECT_EQ(xa_longestCommonSubstringWith(s, other), expected) << s << " / " << other;
    }
}

TEST(XAStringMatchingTests, AlphanumericComponents) {
    EXPECT_THAT(xa_matchingAlphanumericComponentsWithString("foo_bar.foo", "foo-baz", XAStringComparison::Literal),
                ElementsAre("foo", "foo"));
    EXPECT_THAT(xa_matchingAlphanumericComponentsWithString("Foo_BAR", "foo bar", XAStringComparison::Literal),
                IsEmpty());
    EXPECT_THAT(xa_matchingAlphanumericComponentsWithString("Foo_BAR", "foo bar", XAStringComparison::CaseInsensitive),
                ElementsAre("Foo", "BAR"));
    EXPECT_THAT(xa_matchingAlphanumericComponentsWithString("\u00C9t\u00E9/2", "\u00E9t\u00E9 2",
                                                            XAStringComparison::CaseInsensitive),
                ElementsAre("\u00C9t\u00E9", "2"));
    EXPECT_THAT(xa_matchingAlphanumericComponentsWithString("--", "--", XAStringComparison::Literal), IsEmpty());
}

TEST(XAStringMatchingTests, OrderByMatchDistance) {
    const std::vector<std::string> candidates = {"collectionView", "table_view", "tableViewCell", "TableView"};
    // TableView matches a whole component ignoring case; then the longest common substrings decide.
    EXPECT_THAT(xa_stringsOrderedByMatchDistance("tableView", candidates),
                ElementsAre("TableView", "tableViewCell", "table_view", "collectionView"));
    // A literal component match beats everything else.
    EXPECT_THAT(xa_stringsOrderedByMatchDistance("Image.png", {"image.png", "Image@2x.png", "Images.png"}),
                ElementsAre("Image@2x.png", "image.png", "Images.png"));
    // Candidates that tie keep their order.
    EXPECT_THAT(xa_stringsOrderedByMatchDistance("q", {"b1", "b2", "b0"}), ElementsAre("b1", "b2", "b0"));
    EXPECT_THAT(xa_stringsOrderedByMatchDistance("q", {}), IsEmpty());
}

TEST(XAStringMatchingTests, ClosestMatch) {
    EXPECT_EQ(xa_closestMatchInArray("UILable", {"UIView", "UILabel", "UIButton"}), "UILabel");
    EXPECT_EQ(xa_closestMatchInArray("x", {}), std::nullopt);
}

TEST(XAStringMatchingTests, CloseMatch) {
    struct Pair {
        const char *name;
        const char *candidate;
        bool close;
    };
    const Pair pairs[] = {
        {"MyVeiw", "MyView", true}, // two neighbours swapped
        {"UILable", "UILabel", true},
        {"myview", "MyView", true},            // case aside
        {"SettingsView", "SettingView", true}, // one deletion
        {"SettingsView", "FirstResponder", false},
        {"Gauge", "LibThing", false},
        {"Ab", "Xy", false}, // short names allow one difference
        {"Ab", "Ax", true},
        {"", "", true},
    };
    for (const Pair &pair : pairs) {
        EXPECT_EQ(xa_isCloseMatch(pair.name, pair.candidate), pair.close) << pair.name << " / " << pair.candidate;
    }
}
