#include "engine/XARulePage.h"

#include "engine/XATestRuleDescriptors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;
using testing::Not;

TEST(XARulePageTest, RendersWhatTheRuleTellsAboutItself) {
    XARuleOption threshold = XARuleOption::ruleOptionWithName(
        "warningThresholdCCN", "Cyclomatic complexity number warning threshold",
        "Warn if a routine's cyclomatic complexity number exceeds this value.", 10, XAOptionValueTypePositiveInteger);
    XATestRuleDefinition definition("CyclomaticComplexity", {"Pedantic", "Style"}, {threshold});
    definition.ruleName = "High <codesymbol>cyclomatic</codesymbol> complexity";
    definition.ruleDescription = "Warns if a routine has <b>high</b> cyclomatic complexity & more.";
    XATestRules rules({definition});
    XARuleDescriptor rule = rules.rule("CyclomaticComplexity");
    rule.externalLinks = {XAExternalLink::linkWithTitle("Structured Testing", "https://example.org/500-235"),
                          XAExternalLink::linkWithTitle("No address", "")};

    const std::string page = XARuleHTMLDescriptionPage(rule);
    EXPECT_THAT(page, HasSubstr(rule.ruleName.htmlString()));
    EXPECT_THAT(page, HasSubstr("<code>CyclomaticComplexity</code>"));
    EXPECT_THAT(page, HasSubstr("<li>Pedantic</li><li>Style</li>"));
    EXPECT_THAT(page, HasSubstr(rule.ruleDescription.htmlString()));
    EXPECT_THAT(page, HasSubstr("<code>warningThresholdCCN</code> (Positive integer, default: 10)"));
    // Plain texts are escaped; the markup's HTML is not.
    EXPECT_THAT(page, HasSubstr("routine&apos;s cyclomatic complexity"));
    EXPECT_THAT(page, HasSubstr("<a href=\"https://example.org/500-235\">Structured Testing</a>"));
    EXPECT_THAT(page, HasSubstr("<li>No address</li>"));
    EXPECT_THAT(page, Not(HasSubstr("tessary-rulewarning")));
}

TEST(XARulePageTest, LeavesOutWhatTheRuleDoesNotHave) {
    XATestRules rules({{"NSLogUsed"}});
    const std::string page = XARuleHTMLDescriptionPage(rules.rule("NSLogUsed"));
    EXPECT_THAT(page, HasSubstr("<code>NSLogUsed</code>"));
    EXPECT_THAT(page, Not(HasSubstr("tessary-ruletags")));
    EXPECT_THAT(page, Not(HasSubstr("Options")));
    EXPECT_THAT(page, Not(HasSubstr("tessary-rulelinks")));
}

} // namespace
