// The rules that compare the translations of a key and look for the partners of `.stringsdict` files, through whole
// checks of the localised fixture app l10n-translations (development region en; en, de, ja, zh-Hans and Base).

#include "XAFixtureCheckSupport.h"

#include "engine/XAResourceRuleSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const std::string kFixture = "l10n-translations";

std::vector<std::string> identifiersAndFiles(const XAFixtureCheck &check) {
    std::vector<std::string> found;
    for (const XAFixtureFinding &finding : check.findings) {
        found.push_back(finding.identifier + " " + finding.file);
    }
    return found;
}

const XAFixtureFinding *findingWithIdentifier(const XAFixtureCheck &check, const std::string &identifier) {
    for (const XAFixtureFinding &finding : check.findings) {
        if (finding.identifier == identifier) {
            return &finding;
        }
    }
    return nullptr;
}

} // namespace

TEST(XARuleTranslationFormatMismatchTest, TranslationsWithOtherSpecifiersThanTheReferenceAreReported) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, kFixture, {"TranslationFormatMismatch"});
    // Not: positional specifiers in another textual order ("order"), a key with one translation ("single"),
    // placeholder translations ("placeholders"), equal specifiers in other words, the key "count" of the Menu table
    // (compared within its own table only), the truncated Broken.strings, which takes no part, and "noReference".
    EXPECT_THAT(identifiersAndFiles(check),
                ElementsAre("count App/de.lproj/Localizable.strings", "three App/ja.lproj/Localizable.strings"))
        << "a key without a development-region or Base value has nothing to be compared with";
    const XAFixtureFinding *count = findingWithIdentifier(check, "count");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->info, "The German translation for count has different format specifiers than the English "
                           "translation.German: %@ ElementeEnglish: %d items");
    EXPECT_EQ(count->line, 0u) << "the finding concerns the whole file";
}

TEST(XARuleTranslationPunctuationTest, BordersThatDifferFromTheReferenceAreReported) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, kFixture, {"TranslationPunctuation"});
    // Not: "完了。" against "Done." (an ideographic full stop is a full stop), "Toll!" and "哇！" against "Wow!" (a
    // full-width mark is the same mark), placeholders, and "Hinweis   " against "Note" (white space alone makes no
    // ending).
    EXPECT_THAT(identifiersAndFiles(check),
                ElementsAre("ask App/de.lproj/Localizable.strings", "done App/de.lproj/Localizable.strings",
                            "label App/de.lproj/Localizable.strings"));
    const XAFixtureFinding *label = findingWithIdentifier(check, "label");
    ASSERT_NE(label, nullptr);
    EXPECT_THAT(label->info, HasSubstr("The German translation for label differs in border punctuation from the "
                                       "English translation: The endings are : and ."));
    const XAFixtureFinding *ask = findingWithIdentifier(check, "ask");
    ASSERT_NE(ask, nullptr);
    EXPECT_THAT(ask->info, HasSubstr("The beginnings are \u2026 and . The endings are ? and ."))
        << "one finding names both borders";
}

TEST(XARuleTranslationPunctuationTest, OnlyTheConfiguredCharactersMakeBorders) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, kFixture, {"TranslationPunctuation"},
                                                {{"TranslationPunctuation", {{"punctuationChars", "\u2026"}}}});
    // With ellipses only, the final full stop, colon and exclamation marks are no borders; the trailing space after
    // "Fertig." is still white space at the end of the text.
    EXPECT_THAT(identifiersAndFiles(check), ElementsAre("ask App/de.lproj/Localizable.strings"));
}

TEST(XARuleTranslationPunctuationTest, BordersOfTranslationsAndTheirComparison) {
    struct Case {
        std::string text;
        std::string prefix;
        std::string suffix;
    };
    const std::string defaults = ".,:;!?\u2026\u3002";
    const std::vector<Case> cases = {
        {"Name:", "", ":"},
        {"  \u2026Hi", "  \u2026", ""}, // white space at the very start stays
        {"  \u00bfQu\u00e9?", "", "?"}, // an inverted question mark is not among the characters
        {"Done. ", "", ". "},           // white space at the very end stays
        {"Hello ", "", ""},             // white space alone makes no border
        {"...", "...", "..."},
        {"\u54c7\uff01", "", "\uff01"}, // the full-width form of "!" is a border character
        {"", "", ""},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(XATranslationBorderPunctuation(testCase.text, defaults),
                  std::make_pair(testCase.prefix, testCase.suffix));
    }
    EXPECT_EQ(XATranslationBorderPunctuation("\u0388\u03be\u03bf\u03b4\u03bf\u03c2\u037e", defaults),
              std::make_pair(std::string(), std::string("\u037e")))
        << "the Greek question mark means a character of the set";
}

TEST(XARuleTranslationPunctuationTest, BordersAreComparedByTheirMeaningInTheLanguage) {
    struct Case {
        std::string border;
        std::string locale;
        std::string other;
        std::string otherLocale;
        bool equal;
    };
    const std::vector<Case> cases = {
        {"\u3002", "ja", ".", "en", true},      // ideographic full stop
        {"\uff01", "zh-Hans", "!", "en", true}, // full-width forms
        {"\uff1f", "ja", "?", "en", true},
        {"\uff1a", "zh-Hans", ":", "en", true},
        {"\u3001", "zh-Hans", ",", "en", true},    // ideographic comma
        {"\uff01", "zh-Hans", ".", "en", false},   // another mark stays another mark
        {"\u037e", "el", "?", "en", true},         // the Greek question mark, as Unicode has it
        {";", "el", "?", "en", true},              // and as Greek keyboards type it
        {";", "de", "?", "en", false},             // a semicolon elsewhere
        {"\u2026 ?", "fr", "\u2026?", "en", true}, // the space French puts before "?"
        {"\u2026\u00a0:", "fr", "\u2026:", "en", true},
        {". ", "de", ".", "en", false}, // a trailing blank is a difference of its own
        {"", "de", "", "en", true},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.border + " " + testCase.locale + " / " + testCase.other);
        EXPECT_EQ(XABorderPunctuationEquals(testCase.border, testCase.locale, testCase.other, testCase.otherLocale),
                  testCase.equal);
    }
}

TEST(XARuleStringsdictWithoutStringsTest, StringsdictFilesWithoutAStringsResourceOfTheirNameAndLanguage) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, kFixture, {"StringsdictWithoutStrings"});
    // Not en.lproj/Localizable (its partner is there) nor the global Plurals.stringsdict beside Plurals.strings.
    EXPECT_THAT(check.findings,
                ElementsAre(XAFixtureFinding{"App/en.lproj/Counts.stringsdict", 0, "",
                                             "The corresponding string resource file Counts.strings was not found."},
                            XAFixtureFinding{"App/en.lproj/Extra.stringsdict", 0, "",
                                             "The corresponding string resource file Extra.strings was not found."},
                            XAFixtureFinding{"App/en.lproj/Units.stringsdict", 0, "",
                                             "The corresponding string resource file Units.strings was not found."}))
        << "counts.strings differs in case, Extra.strings is no resource of the target, Units.strings is German";
}

TEST(XARuleTranslationRulesTest, ProjectsWithoutStringsFilesAreNotCheckedAndTheTidyProjectGivesNothing) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(
        scratch, "RuleCase", {"TranslationFormatMismatch", "TranslationPunctuation", "StringsdictWithoutStrings"});
    EXPECT_THAT(check.findings, IsEmpty());
    for (const char *rule : {"TranslationFormatMismatch", "TranslationPunctuation", "StringsdictWithoutStrings"}) {
        EXPECT_THAT(check.debugMessages,
                    testing::Contains("Rule " + std::string(rule) +
                                      " will not be applied: \u201cApplies to localized projects.\u201d"));
    }
}
