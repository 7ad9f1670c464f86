// The localisation rules together through a whole checking run of the fixture project l10n-app: an iOS app in
// English, French and German whose code loads all but two keys of its tables, one of them without a comment.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

TEST(XALocalizationRulesFixtureTest, TheLocalizedAppGivesItsUnusedKeysAndItsUncommentedString) {
    XAScratchFolder scratch;
    const XAFixtureCheck check =
        XACheckFixture(scratch, "l10n-app",
                       {"MissingTranslation", "UnusedTranslation", "UncommentedLocalizedString", "HardcodedUIString",
                        "TranslationFormatUsage"});
    EXPECT_THAT(
        check.findings,
        ElementsAre(
            XAFixtureFinding{"App/AppDelegate.m", 17, "", ""},
            XAFixtureFinding{"Base.lproj/Menu.strings", 0, "Menu farewell",
                             "The localization string for farewell in the Menu table seems to be unused."},
            XAFixtureFinding{"en.lproj/Localizable.strings", 0, "Localizable farewell",
                             "The localization string for farewell in the Localizable table seems to be unused."},
            XAFixtureFinding{"en.lproj/Localizable.strings", 0, "Localizable pair",
                             "The localization string for pair in the Localizable table seems to be unused."}))
        << "every loaded key is in every language's table, no text is set from a literal, and the formats fit";
}
