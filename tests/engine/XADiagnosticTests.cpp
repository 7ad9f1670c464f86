#include "engine/XADiagnosticTestSupport.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace {

TEST(XADiagnosticTest, IdentityIgnoresIdentifierContextAndUserInfo) {
    XADiagnostic first = XATestDiagnostic({.identifier = "a", .positionContext = "-[A a]"});
    XADiagnostic second = XATestDiagnostic({.identifier = "b", .positionContext = std::nullopt});
    second.userInfo().set("key", XAValue("value"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.hash(), second.hash());
    std::unordered_set<XADiagnostic> set = {first, second};
    EXPECT_EQ(set.size(), 1u);
}

TEST(XADiagnosticTest, IdentityTakesMessageFileScalesAndBytePositions) {
    const XADiagnostic base = XATestDiagnostic();
    const XATestDiagnosticFields changes[] = {
        {.message = "other"},
        {.filePath = "/p/App/other.m"},
        {.start = XADiagnosticPosition{3, 5, 41}},
        {.end = std::nullopt},
        {.severity = XADiagnosticSeverityError},
        {.confidence = XADiagnosticConfidenceLow},
        {.impact = XADiagnosticImpactFunctionality},
    };
    for (const XATestDiagnosticFields &fields : changes) {
        EXPECT_NE(XATestDiagnostic(fields), base) << XATestDiagnostic(fields).uniqueKey();
    }
}

TEST(XADiagnosticTest, KeyOfADiagnosticWithoutPositionsEndsWithAnEmptyPart) {
    const XADiagnostic whole = XATestDiagnostic({.start = std::nullopt, .end = std::nullopt});
    EXPECT_EQ(whole.uniqueKey(), "Test rule \u00A7\u00A7\u00A7 <codesymbol>x</codesymbol> is wrong \u00A7\u00A7\u00A7 "
                                 "/p/App/main.m \u00A7\u00A7\u00A7 5 \u00A7\u00A7\u00A7 8 \u00A7\u00A7\u00A7 3 "
                                 "\u00A7\u00A7\u00A7 ");
    EXPECT_EQ(whole.bytePositionsString(), "");
    EXPECT_FALSE(whole.hasFilePositionInfo());
    EXPECT_EQ(XATestDiagnostic().bytePositionsString(), "[3:5:40 - 3:9:44]");
}

TEST(XADiagnosticTest, AChangedMessageKeepsTheIdentity) {
    XADiagnostic diagnostic = XATestDiagnostic();
    const XADiagnostic original = diagnostic;
    diagnostic.setInstanceInfo(XAXMLString("a new message"));
    EXPECT_EQ(diagnostic, original);
    EXPECT_EQ(diagnostic.diagnosticDescription(), XAXMLString("a new message"));
    diagnostic.setInstanceInfo(XAXMLString(""));
    EXPECT_EQ(diagnostic.diagnosticDescription(), XAXMLString("Finds <em>tests</em>"));
}

TEST(XADiagnosticTest, TheNullDiagnosticEqualsOnlyItself) {
    const XADiagnostic &null = XANullDiagnostic::nullDiagnostic();
    EXPECT_EQ(&null, &XANullDiagnostic::nullDiagnostic());
    EXPECT_TRUE(null.isNullDiagnostic());
    EXPECT_EQ(null.hash(), 1982u);
    const XADiagnostic real = XATestDiagnostic();
    EXPECT_NE(null, real);
    EXPECT_NE(real, null);
    EXPECT_EQ(null, XANullDiagnostic::nullDiagnostic());
    // A copy of the null diagnostic is still the null diagnostic.
    const XADiagnostic copy = null;
    EXPECT_EQ(copy, null);
}

TEST(XADiagnosticTest, SeverityNamesAreExact) {
    EXPECT_EQ(XADiagnostic::severityForName("Fatal"), 10);
    EXPECT_EQ(XADiagnostic::severityForName("Concern"), 3);
    EXPECT_EQ(XADiagnostic::severityForName("warning"), 0);
    EXPECT_EQ(XADiagnostic::severityForName("None"), 0);
    EXPECT_EQ(XADiagnostic::severityNames(), (std::vector<std::string>{"Concern", "Warning", "Error", "Fatal"}));
    EXPECT_EQ(XADiagnostic::nameOfSeverity(4), std::nullopt);
}

TEST(XADiagnosticTest, ScalesGiveTextsColoursAndImages) {
    const XADiagnostic none = XATestDiagnostic({.severity = 0, .confidence = 0, .impact = 0});
    EXPECT_EQ(none.impactString(), "");
    EXPECT_EQ(none.impactImage(), std::nullopt);
    EXPECT_EQ(none.confidenceString(), "None");
    EXPECT_EQ(none.confidenceDescription(), "");
    EXPECT_EQ(none.confidenceColor(), XAColor::redColor());
    EXPECT_EQ(none.severityColor(), XAColor::whiteColor());
    EXPECT_EQ(none.severityImage(), std::nullopt);

    const XADiagnostic medium = XATestDiagnostic({.severity = 3, .confidence = 5, .impact = 2});
    EXPECT_EQ(medium.severityString(), "Concern");
    EXPECT_EQ(medium.severityImage(), "severity_concern");
    EXPECT_NEAR(medium.severityColor()->red, 171.0 / 255, 1e-6);
    EXPECT_EQ(medium.confidenceDescription(), "This might be a false positive, but probably isn't.");
    EXPECT_EQ(medium.confidenceImage(), "confidence_medium");
    EXPECT_EQ(medium.impactString(), "Maintainability");
    EXPECT_EQ(medium.impactImage(), "impact_maintainability");
    EXPECT_EQ(medium.collationKey(), "TestRule -- 3 2 5");

    const XADiagnostic unknown = XATestDiagnostic({.severity = 4, .confidence = 7, .impact = 9});
    EXPECT_EQ(unknown.severityString(), std::nullopt);
    EXPECT_EQ(unknown.severityColor(), std::nullopt);
    EXPECT_EQ(unknown.confidenceString(), std::nullopt);
    EXPECT_EQ(unknown.confidenceColor(), std::nullopt);
    EXPECT_EQ(unknown.impactString(), std::nullopt);
}

TEST(XADiagnosticTest, TheCombinedImageDrawsTheImpactOverTheSeverityOnce) {
    const XADiagnostic warning = XATestDiagnostic({.severity = 5, .confidence = 8, .impact = 2});
    const std::optional<std::string> combined = warning.impactAndSeverityImage();
    ASSERT_TRUE(combined);
    EXPECT_EQ(combined, XADiagnostic::combinedImageForImpact(2, 5)) << "the picture of the pair, from the cache";
    EXPECT_EQ(
        combined->rfind(R"(<svg xmlns="http://www.w3.org/2000/svg" width="76" height="76" viewBox="0 0 76 76">)", 0),
        0u)
        << *combined;
    // The severity's picture (a yellow disc) first, the impact's (a ring around "M") painted over it, each filling
    // the square.
    const std::size_t severity = combined->find("#e6e600");
    const std::size_t impact = combined->find(">M</text>");
    ASSERT_NE(severity, std::string::npos) << *combined;
    ASSERT_NE(impact, std::string::npos) << *combined;
    EXPECT_LT(severity, impact);
    EXPECT_EQ(combined->find("width=\"18\""), std::string::npos) << "the pictures are scaled to the square";

    EXPECT_EQ(XADiagnostic::combinedImageForImpact(2, 0), std::nullopt) << "no severity picture, no combination";
    const std::optional<std::string> withoutImpact = XADiagnostic::combinedImageForImpact(0, 9);
    ASSERT_TRUE(withoutImpact);
    EXPECT_EQ(withoutImpact->find("<text"), std::string::npos) << "only the severity's picture";
}

TEST(XADiagnosticTest, FileDisplayNameKeepsTheLocalizationFolder) {
    struct Case {
        std::optional<std::string> path;
        std::optional<std::string> displayName;
    };
    const Case cases[] = {
        {"/p/App/de.lproj/Main.strings", "de.lproj/Main.strings"},
        {"/p/App/en.lproj/Sub/Localizable.strings", "en.lproj/Sub/Localizable.strings"},
        {"/p/App/main.m", "main.m"},
        {std::nullopt, std::nullopt},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XATestDiagnostic({.filePath = c.path}).fileDisplayName(), c.displayName);
    }
}

} // namespace
