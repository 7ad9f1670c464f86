#include "core/XALocales.h"

#include <gtest/gtest.h>

namespace {

TEST(XALocalesTests, ComponentCodes) {
    const icu::Locale chinese = xa_localeWithLocaleIdentifier("zh-Hant-TW");
    EXPECT_EQ(xa_languageCode(chinese), "zh");
    EXPECT_EQ(xa_scriptCode(chinese), "Hant");
    EXPECT_EQ(xa_countryCode(chinese), "TW");
    EXPECT_EQ(xa_variantCode(chinese), std::nullopt);

    const icu::Locale english = xa_localeWithLocaleIdentifier("en");
    EXPECT_EQ(xa_languageCode(english), "en");
    EXPECT_EQ(xa_countryCode(english), std::nullopt);
    EXPECT_EQ(xa_scriptCode(english), std::nullopt);
    EXPECT_EQ(xa_variantCode(xa_localeWithLocaleIdentifier("de_DE_POSIX")), "POSIX");
}

TEST(XALocalesTests, DisplayNames) {
    const icu::Locale english("en_US");
    const struct {
        std::string identifier;
        std::string expected;
    } cases[] = {
        {"de", "German"},
        {"pt-BR", "Portuguese (Brazil)"},
        {"zh_Hans", "Chinese (Simplified)"},
        {"Base", "Base"},
        {"qqq", "qqq"},
        {"", "unlocalized"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_displayNameForBundleLocaleIdentifier(english, c.identifier), c.expected) << c.identifier;
    }
    EXPECT_EQ(xa_displayNameForBundleLocaleIdentifier(icu::Locale("de"), "fr"), "Franz\xC3\xB6sisch");
}

TEST(XALocalesTests, Specificity) {
    const struct {
        std::string identifier;
        int expected;
    } cases[] = {
        {"", -2},
        {" \t", -2},
        {"Base", -1},
        {"BASE", -1},
        {"base", -1},
        {"en", 1},
        {"en_US", 2},
        {"pt-BR", 2},
        {"zh-Hans", 2},
        {"zh_Hans_CN", 3},
        {"Basel", 1},
        {"de_DE_POSIX", 3},
        {"en_US@calendar=gregorian", 3},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_specificityOfLocaleIdentifier(c.identifier), c.expected) << c.identifier;
    }
}

TEST(XALocalesTests, SortsByAscendingSpecificityKeepingTies) {
    EXPECT_EQ(xa_localeIdentifiersSortedFromMostToLeastSpecific(
                  {"zh_Hans_CN", "en_US", "fr", "Base", "pt-BR", "de", "", "en"}),
              (std::vector<std::string>{"", "Base", "fr", "de", "en", "en_US", "pt-BR", "zh_Hans_CN"}));
    EXPECT_TRUE(xa_localeIdentifiersSortedFromMostToLeastSpecific({}).empty());
}

} // namespace
