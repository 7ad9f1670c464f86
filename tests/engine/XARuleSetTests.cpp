#include "engine/XARuleSet.h"

#include "engine/XARuleIntroductionOrder.h"
#include "engine/XARuleSearch.h"
#include "engine/XATestRuleDescriptors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Rules with the names of real ones, registered out of introduction order.
const XATestRules &testRules() {
    static const XATestRules rules([] {
        std::vector<XATestRuleDefinition> definitions = {{"DotSyntax", {"Style"}},
                                                         {"NSLogUsed", {"Recommended", "BestPractice"}},
                                                         {"ObjCPointerComparison", {"Experimental", "Recommended"}},
                                                         {"FileRefWithAbsPath", {"Config", "Recommended"}}};
        definitions[1].ruleName = "<cfunction>NSLog</cfunction> used";
        definitions[1].ruleDescription = "Reports calls of the logging function in shipped code.";
        definitions[3].isCursorRule = false;
        definitions[3].ruleName = "File reference with absolute path";
        // The rules introduced last, from number 105 on.
        const std::vector<std::string> &table = XARuleShortNamesInOrderOfIntroduction();
        for (std::size_t number = 105; number < table.size(); ++number) {
            definitions.emplace_back(table[number], std::vector<std::string>{"Pedantic"});
        }
        return definitions;
    }());
    return rules;
}

struct BuiltSet {
    XARuleSet set;
    std::vector<std::string> shortNames;
    std::vector<std::string> errors;
};

BuiltSet build(const std::vector<std::string> &tags, const std::vector<std::string> &names,
               const std::vector<std::string> &excluded) {
    BuiltSet built;
    built.set = XARuleSet::ruleSetWithRulesWithTags(
        tags, names, excluded,
        [&built](const XAProgressMessage &message) {
            EXPECT_EQ(message.kind(), XAProgressMessageKindError);
            built.errors.push_back(message.message());
        },
        testRules().registry());
    for (const XARuleDescriptor *rule : built.set.rules()) {
        built.shortNames.push_back(rule->shortName);
    }
    return built;
}

TEST(XARuleSetTest, TagsSelectPublicRulesInIntroductionOrderIgnoringCase) {
    BuiltSet built = build({"recommended"}, {}, {});
    EXPECT_THAT(built.shortNames, ElementsAre("NSLogUsed", "FileRefWithAbsPath"));
    EXPECT_EQ(built.set.name(), "2 Rules tagged [recommended]: NSLogUsed, FileRefWithAbsPath");
    EXPECT_THAT(built.errors, IsEmpty());
    EXPECT_EQ(build({"Recommended"}, {}, {}).shortNames, built.shortNames);
    EXPECT_TRUE(built.set.requiresClang());
}

TEST(XARuleSetTest, NamedRulesFollowOnceAndMayBeNonPublic) {
    BuiltSet built = build({"Recommended"}, {"dotsyntax", "NSLogUsed", "ObjCPointerComparison"}, {});
    // NSLogUsed stays where its tag put it.
    EXPECT_THAT(built.shortNames, ElementsAre("NSLogUsed", "FileRefWithAbsPath", "DotSyntax", "ObjCPointerComparison"));
    EXPECT_EQ(built.set.name(), "4 Rules: NSLogUsed, FileRefWithAbsPath, DotSyntax, ObjCPointerComparison");
}

TEST(XARuleSetTest, UnknownNamesAreReportedWithASuggestionAndSkipped) {
    BuiltSet built = build({}, {"NSLogUse", "DotSyntax"}, {});
    EXPECT_THAT(built.errors, ElementsAre("Cannot find rule with name 'NSLogUse'. Did you mean 'NSLogUsed'?"));
    EXPECT_THAT(built.shortNames, ElementsAre("DotSyntax"));

    XARuleRegistry empty;
    std::vector<std::string> errors;
    XARuleSet::ruleSetWithRulesWithTags(
        {}, {"NSLogUsed"}, {}, [&errors](const XAProgressMessage &message) { errors.push_back(message.message()); },
        empty);
    EXPECT_THAT(errors, ElementsAre("Cannot find rule with name 'NSLogUsed'. "));
}

TEST(XARuleSetTest, ExclusionIsCaseSensitive) {
    EXPECT_THAT(build({"Recommended"}, {}, {"nslogused"}).shortNames, ElementsAre("NSLogUsed", "FileRefWithAbsPath"));
    BuiltSet built = build({"Recommended"}, {}, {"NSLogUsed"});
    EXPECT_THAT(built.shortNames, ElementsAre("FileRefWithAbsPath"));
    EXPECT_FALSE(built.set.requiresClang());
}

TEST(XARuleSetTest, NothingMatchingGivesAnEmptyNamedSet) {
    BuiltSet built = build({"Nothing", "Else"}, {}, {});
    EXPECT_THAT(built.shortNames, IsEmpty());
    EXPECT_EQ(built.set.name(), "0 Rules tagged [Nothing, Else]: ");
    XARuleSet unnamed;
    unnamed.rules().push_back(&testRules().rule("DotSyntax"));
    unnamed.rules().push_back(&testRules().rule("NSLogUsed"));
    EXPECT_EQ(unnamed.name(), "DotSyntax, NSLogUsed");
}

TEST(XARuleSearchTest, NewSinceFindsTheRulesIntroducedAfterTheNumber) {
    std::vector<std::uint64_t> found;
    for (const XARuleDescriptor *rule : testRules().registry().allRules()) {
        if (XARuleRelevanceForSearchQuery(*rule, "new_since:110") != 0) {
            found.push_back(rule->introductionOrderNumber());
        }
    }
    EXPECT_THAT(found, ElementsAre(111, 112, 113, 114, 115, 116, 117, 118, 119));
    // The rule right after the number ranks first.
    const XARuleDescriptor &next = testRules().rule("SuspiciousDateTimeFormat");
    const XARuleDescriptor &last = testRules().rule("SourceFileHeaderComment");
    EXPECT_EQ(XARuleCompareUsingSearchRelevance(next, last, "new_since:110"), 1);
    EXPECT_EQ(XARuleCompareUsingSearchRelevance(last, next, "new_since:110"), -1);
}

TEST(XARuleSearchTest, ScoresNamesAboveShortNamesTagsAndDescriptions) {
    const XARuleDescriptor &nsLog = testRules().rule("NSLogUsed");
    const struct {
        const char *query;
        std::uint64_t relevance;
    } cases[] = {
        {"log used", 120},    // the plain rule name contains the query
        {"NSLogUse", 100},    // only the short name contains it
        {"bestpractice", 80}, // a tag
        {"used NSLog", 112},  // two words in common with the rule name
        {"shipped code", 20}, // only the description
        {"nothing similar", 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(XARuleRelevanceForSearchQuery(nsLog, c.query), c.relevance) << c.query;
    }
}

TEST(XARuleSearchTest, BaseRelevanceCountsWordsInCommonUpToNine) {
    EXPECT_EQ(XARuleBaseRelevanceForString("Unused Method", "unused"), 20u);
    EXPECT_EQ(XARuleBaseRelevanceForString("possibly unused method", "method  unused"), 12u);
    EXPECT_EQ(XARuleBaseRelevanceForString("a b c d e f g h i j k", "k j i h g f e d c b a"), 19u);
    EXPECT_EQ(XARuleBaseRelevanceForString("translation punctuation", "punct x"), 5u);
    EXPECT_EQ(XARuleBaseRelevanceForString("translation", "x y"), 0u);
}

} // namespace
