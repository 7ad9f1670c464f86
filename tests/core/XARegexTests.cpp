#include "core/XARegex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <unicode/uregex.h>

using ::testing::HasSubstr;

TEST(XARegexTests, MatchesAnywhereOrAnchoredAtTheStart) {
    struct Case {
        const char *text;
        const char *pattern;
        bool unanchored;
        bool anchored;
    };
    const Case cases[] = {
        {"getFoo", "get\\p{Lu}", true, true},
        {"getfoo", "get\\p{Lu}", false, false},
        {"forgetFoo", "get\\p{Lu}", true, false},
        {"setFooBar", "^set[A-Z]", true, true}, // anchoring fixes the start, not the end
        {"/p/Pods/x.m", "Pods/", true, false},
        {"\u00E9l\u00E8ve", "^\\p{Ll}{3,}", true, true},
        {"anything", "(", false, false}, // an invalid pattern never matches
        {"", "^$", true, true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xa_matchesRegex(c.text, c.pattern), c.unanchored) << c.text << " ~ " << c.pattern;
        EXPECT_EQ(xa_matchesAnchoredRegex(c.text, c.pattern), c.anchored) << c.text << " ~ " << c.pattern;
    }
}

TEST(XARegexTests, SubstringOfCaptureGroup) {
    const std::string banner = "=== BUILD TARGET App OF PROJECT My App WITH CONFIGURATION Debug ===";
    EXPECT_EQ(xa_substringUsingRegex(banner, "OF PROJECT (.+?) WITH", 1), "My App");
    EXPECT_EQ(xa_substringUsingRegex(banner, "OF PROJECT (.+?) WITH", 0), "OF PROJECT My App WITH");
    EXPECT_EQ(xa_substringUsingRegex(banner, "OF PROJECT (.+?) WITH", 2), std::nullopt);
    EXPECT_EQ(xa_substringUsingRegex(banner, "OF WORKSPACE (.+)", 1), std::nullopt);
    EXPECT_EQ(xa_substringUsingRegex(banner, "(", 0), std::nullopt);
    EXPECT_EQ(xa_substringUsingRegex("b", "(a)|(b)", 1), std::nullopt); // the group took no part
    EXPECT_EQ(xa_substringUsingRegex("b", "(a)|(b)", 2), "b");
}

TEST(XARegexTests, InvalidPatternReportsAnError) {
    XAError error;
    EXPECT_FALSE(XARegex::compile("(unbalanced", 0, &error));
    EXPECT_EQ(error.domain, XAError::kDomain);
    EXPECT_THAT(error.message, HasSubstr("Invalid regular expression '(unbalanced'"));
    EXPECT_THAT(error.message, HasSubstr("parentheses"));

    EXPECT_FALSE(XARegex::compile("[z-a]", 0, &error));
    EXPECT_THAT(error.message, HasSubstr("'[z-a]'"));
}

TEST(XARegexTests, MatchRangesAreByteOffsets) {
    const std::optional<XARegex> digits = XARegex::compile("(\\d)(\\d)?");
    ASSERT_TRUE(digits);
    EXPECT_EQ(digits->captureGroupCount(), 2u);
    const std::string text = "\u00E91\u00FC22";
    const std::vector<XARegexMatch> matches = digits->allMatches(text);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].range(), (XAStringRange{2, 1}));
    EXPECT_EQ(matches[0].group(1), "1");
    EXPECT_EQ(matches[0].group(2), std::nullopt);
    EXPECT_EQ(matches[1].range(), (XAStringRange{5, 2}));
    EXPECT_EQ(matches[1].ranges[2], (XAStringRange{6, 1}));
    EXPECT_EQ(matches[1].group(2), "2");
    EXPECT_EQ(matches[1].group(3), std::nullopt);

    const std::optional<XARegexMatch> first = digits->firstMatch(text);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->range(), (XAStringRange{2, 1}));
    EXPECT_FALSE(digits->firstMatch(text, XAMatchingOptions::Anchored));
}

TEST(XARegexTests, FlagsReplacementAndOptionalText) {
    const std::optional<XARegex> word = XARegex::compile("tessary", UREGEX_CASE_INSENSITIVE);
    ASSERT_TRUE(word);
    EXPECT_TRUE(word->matches("TESSARY"));
    EXPECT_TRUE(xa_matchesString(*word, std::string("a Tessary b")));
    EXPECT_FALSE(xa_matchesString(*word, std::nullopt));

    const std::optional<XARegex> tags = XARegex::compile("<([^>]+)>");
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->replacingMatches("<b>bold</b> \u00E9", ""), "bold \u00E9");
    EXPECT_EQ(tags->replacingMatches("<b>x", "[$1]"), "[b]x");
}

TEST(XARegexTests, EqualityAndOrderFollowPatternAndFlags) {
    const auto a = XARegex::compile("a");
    const auto b = XARegex::compile("b");
    const auto aInsensitive = XARegex::compile("a", UREGEX_CASE_INSENSITIVE);
    ASSERT_TRUE(a && b && aInsensitive);
    EXPECT_EQ(*a, *XARegex::compile("a"));
    EXPECT_FALSE(*a == *aInsensitive);
    EXPECT_TRUE(*a < *b);
    EXPECT_TRUE(*a < *aInsensitive);
    EXPECT_EQ(a->pattern(), "a");
}

TEST(XARegexTests, OneExpressionServesManyThreadsAtOnce) {
    const std::optional<XARegex> regex = XARegex::compile("^(\\w+)-(\\d+)$");
    ASSERT_TRUE(regex);
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i) {
                const std::string text = "thread" + std::to_string(t) + "-" + std::to_string(i);
                const std::optional<XARegexMatch> match = regex->firstMatch(text);
                if (!match || match->group(2) != std::to_string(i) || !xa_matchesRegex(text, "\\d-\\d")) {
                    ++wrong;
                }
            }
        });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong.load(), 0);
}
