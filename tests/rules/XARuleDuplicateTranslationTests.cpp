// Keys defined twice in one string table of the checked target: each pair is reported once, on the line of its first
// entry, naming the other entry's line and value.

#include "XAFixtureCheckSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;

TEST(XARuleDuplicateTranslationTest, RepeatedKeysAreReportedAtTheirEntries) {
    struct Case {
        std::string fixture;
        std::vector<XAFixtureFinding> expected;
    };
    const std::vector<Case> cases = {
        {"strings-duplicate",
         {{"App/en.lproj/Localizable.strings", 2, "greeting",
           "The key greeting has another value defined on line 7 with the value Hi there."}}},
        // Three entries of "OK" give the first naming the second and the third naming the first; keys that differ
        // only in case are different keys. The second table repeats a key on lines that the first table reported
        // already, and is reported on its own; its key and value are escaped into the markup.
        {"strings-triplicate",
         {{"App/Buttons.strings", 1, "OK", "The key OK has another value defined on line 4 with the value Sure."},
          {"App/Buttons.strings", 2, "a<b",
           "The key a&lt;b has another value defined on line 5 with the value fewer &amp; fewer."},
          {"App/Localizable.strings", 1, "OK", "The key OK has another value defined on line 4 with the value Okay."},
          {"App/Localizable.strings", 6, "OK", "The key OK has another value defined on line 1 with the value OK."}}},
        // The table that cannot be read is the invalid-table rule's to report.
        {"strings-missing", {}},
        {"strings-valid", {}},
        {"RuleCase", {}},
    };
    for (const Case &testCase : cases) {
        SCOPED_TRACE(testCase.fixture);
        XAScratchFolder scratch;
        const XAFixtureCheck check = XACheckFixture(scratch, testCase.fixture, {"DuplicateTranslation"});
        EXPECT_THAT(check.findings, ElementsAreArray(testCase.expected));
    }
}
