// The name rules through a whole check of the fixture project code-names: a project with the class prefix TQX, a
// header guarded by a macro, an unprefixed class and a misspelled class name.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::vector<std::string> kNameRules = {"ReservedPrefix", "UnprefixedClass", "MacroBasedIncludeGuard",
                                             "Spelling"};

TEST(XARuleNamesFixtureTest, EachFaultOfTheProjectIsReportedOnce) {
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "code-names", kNameRules);
    EXPECT_THAT(check.findings,
                ElementsAre(XAFixtureFinding{"App/TQXWidget.h", 2, "", ""},
                            XAFixtureFinding{"App/TQXWidget.h", 10, "Widht",
                                             "The word Widht in the symbol name TQXWidhtView may be misspelled."},
                            XAFixtureFinding{"App/TQXWidget.m", 3, "Helper", ""}))
        << "the header's class is seen by one file only once; the implementations are not declarations";
}

TEST(XARuleNamesFixtureTest, WithoutAnEnglishDictionaryTheSpellingRuleIsNotAppliedAndTheRunSaysWhy) {
    XAScratchFolder resources;
    resources.write("SpellCheckDictionaries/de_DE.dic", "1\nWort\n");
    resources.write("SpellCheckDictionaries/de_DE.aff", "SET UTF-8\n");
    const XAScopedEnvironmentVariable resourcesDir("TESSARY_RESOURCES_DIR", resources.path());
    XAScratchFolder scratch;
    const XAFixtureCheck check = XACheckFixture(scratch, "code-names", {"Spelling"});
    EXPECT_THAT(check.findings, IsEmpty());
    EXPECT_THAT(check.debugMessages,
                Contains("Rule Spelling will not be applied: “Applies on systems that have either the en_US or the "
                         "en_GB dictionary installed.”"));
}

} // namespace
