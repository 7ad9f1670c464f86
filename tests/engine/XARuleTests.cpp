#include "codemodel/XACodeSnippetSupport.h"
#include "core/XAPaths.h"
#include "engine/XARule.h"
#include "engine/XARuleIntroductionOrder.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

// Rules of these tests only: a code rule with the name of a real one, an experimental project rule with options, and a
// rule applied under a condition.
struct XARuleNSLogUsed : XACursorRule<XARuleNSLogUsed> {
    static XAXMLString ruleName() { return XAXMLString("<cfunction>NSLog</cfunction> used"); }
    static XAXMLString ruleDescription() { return XAXMLString("Reports calls of NSLog."); }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }
    static XADiagnostics applyToCursor(CXCursor, int, XARuleContext &, const XACompilationInfo &) { return {}; }
};

struct XARuleTrialProjectCheck : XAProjectRule<XARuleTrialProjectCheck> {
    static XAXMLString ruleName() { return XAXMLString("Trial project check"); }
    static XAXMLString ruleDescription() { return XAXMLString("Tries the project."); }
    static std::vector<std::string> tags() { return {"Config", "Experimental"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName("maxCount", "Maximum count", std::nullopt, XAOptionValue(3),
                                                 XAOptionValueTypePositiveInteger),
                XARuleOption::ruleOptionWithName("names", "Names", std::nullopt, std::nullopt,
                                                 XAOptionValueTypeStringArray)};
    }
    static XADiagnostics applyWithContext(XARuleContext &) { return {}; }
};

struct XARuleConditionalCheck : XAProjectRule<XARuleConditionalCheck> {
    static XAXMLString ruleName() { return XAXMLString("Conditional check"); }
    static XAXMLString ruleDescription() { return XAXMLString("Runs for iOS targets."); }
    static std::vector<XARuleOptionGroup> optionGroups() {
        return {XARuleOptionGroup::ruleOptionGroupWithName("Shared options", "Shared", {}, true)};
    }
    static XADiagnostics applyWithContext(XARuleContext &) { return {}; }
    static bool appliesToContext(XARuleContext &context) { return context.targetPlatform() == XAPlatformIOS; }
    static std::string applicationConditionDescription() { return "The target is an iOS target."; }
};

XARuleRegistry &testRegistry() {
    static XARuleRegistry registry;
    static const bool filled = [] {
        // Registered out of introduction order on purpose.
        registry.registerRule(XARuleTrialProjectCheck::descriptor());
        registry.registerRule(XARuleConditionalCheck::descriptor());
        registry.registerRule(XARuleNSLogUsed::descriptor());
        return true;
    }();
    (void)filled;
    return registry;
}

TEST(XARuleRegistryTest, FindsRulesByShortNameInAnyLetterCase) {
    const XARuleRegistry &registry = testRegistry();
    for (const char *name : {"NSLogUsed", "nslogused", "NSLOGUSED", "nsLogUsed"}) {
        EXPECT_EQ(registry.ruleWithShortName(name), &XARuleNSLogUsed::descriptor()) << name;
    }
    EXPECT_EQ(registry.ruleWithShortName("NSLogUse"), nullptr);
    EXPECT_EQ(registry.ruleClassNameWithShortName("nslogused"), "XARuleNSLogUsed");
    EXPECT_EQ(registry.ruleClassNamesByShortName().at("trialprojectcheck"), "XARuleTrialProjectCheck");
}

TEST(XARuleRegistryTest, AnExperimentalRuleIsNotPublicButFoundByName) {
    const XARuleRegistry &registry = testRegistry();
    EXPECT_FALSE(XARuleTrialProjectCheck::descriptor().isPublic);
    EXPECT_EQ(registry.ruleWithShortName("TrialProjectCheck"), &XARuleTrialProjectCheck::descriptor());
    // Public rules come in introduction order; rules outside the table follow in the order they were registered.
    EXPECT_EQ(registry.allPublicRuleShortNames(), (std::vector<std::string>{"NSLogUsed", "ConditionalCheck"}));
}

TEST(XARuleRegistryTest, ARuleNameTakenTwiceEndsTheProcess) {
    EXPECT_DEATH(
        {
            XARuleRegistry registry;
            registry.registerRule(XARuleNSLogUsed::descriptor());
            XARuleDescriptor twin = XARuleNSLogUsed::descriptor();
            twin.shortName = "nsLOGused";
            registry.registerRule(twin);
        },
        "FATAL: Two rules are named nsLOGused");
}

TEST(XARuleRegistryTest, OptionGroupsOfRulesComeOnceCollectiveFirst) {
    const std::vector<XARuleOptionGroup> groups = testRegistry().publicRuleOptionGroupsForRules(
        {"NSLogUsed", "ConditionalCheck", "TrialProjectCheck", "nslogused"});
    std::vector<std::string> names;
    for (const XARuleOptionGroup &group : groups) {
        names.push_back(group.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Shared options", "Options for rule: NSLog used",
                                               "Options for rule: Trial project check"}));
}

TEST(XARuleTest, ShortNamesComeFromClassNames) {
    EXPECT_EQ(XARuleNSLogUsed::ruleShortName(), "NSLogUsed");
    EXPECT_EQ(XARuleNSLogUsed::descriptor().className, "XARuleNSLogUsed");
    EXPECT_EQ(XARuleShortNameFromClassName("XARuleXARuleTwice"), "Twice");
    EXPECT_EQ(XARuleShortNameFromClassName("XADebuggingRule"), "XADebuggingRule");
}

TEST(XARuleTest, TheDescriptorTakesTheRulesMembersAndItsBasesDefaults) {
    const XARuleDescriptor &code = XARuleNSLogUsed::descriptor();
    EXPECT_TRUE(code.isCursorRule);
    EXPECT_TRUE(code.isPublic);
    EXPECT_EQ(code.cursorKinds, (std::vector<int>{CXCursor_CallExpr}));
    EXPECT_NE(code.applyToCursor, nullptr);
    EXPECT_NE(code.applyBeforeCodeWithContext, nullptr);
    EXPECT_EQ(code.applyWithContext, nullptr);
    EXPECT_FALSE(code.ruleWarning);
    EXPECT_TRUE(code.externalLinks.empty());
    EXPECT_FALSE(code.isConditionallyApplied());
    EXPECT_EQ(code.introductionOrderNumber(), 7u);

    const XARuleDescriptor &project = XARuleTrialProjectCheck::descriptor();
    EXPECT_FALSE(project.isCursorRule);
    EXPECT_NE(project.applyWithContext, nullptr);
    EXPECT_EQ(project.applyToCursor, nullptr);
    EXPECT_EQ(project.introductionOrderNumber(), static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
    ASSERT_EQ(project.optionGroups.size(), 1u);
    const XARuleOptionGroup &group = project.optionGroups[0];
    EXPECT_EQ(group.shortName, "TrialProjectCheck");
    EXPECT_FALSE(group.isCollectiveGroup);
    std::vector<std::string> optionNames;
    for (const XARuleOption &option : group.options) {
        optionNames.push_back(option.longName());
    }
    EXPECT_EQ(optionNames, (std::vector<std::string>{"maxCount", "names", "ignoredFileRegexes"}));
    EXPECT_EQ(project.optionWithLongName("ignoredFileRegexes")->valueType(), XAOptionValueTypeRegexArray);

    const XARuleDescriptor &conditional = XARuleConditionalCheck::descriptor();
    EXPECT_TRUE(conditional.isConditionallyApplied());
    EXPECT_EQ(conditional.applicationConditionDescription(), "The target is an iOS target.");
}

TEST(XARuleIntroductionOrderTest, NumbersRulesFromDebuggingToSourceFileHeaderComment) {
    const std::vector<std::string> &names = XARuleShortNamesInOrderOfIntroduction();
    EXPECT_EQ(names.size(), 120u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(XARuleIntroductionOrderNumber("Debugging"), 0u);
    EXPECT_EQ(XARuleIntroductionOrderNumber("IsEqualAndHash"), 9u);
    EXPECT_EQ(XARuleIntroductionOrderNumber("SourceFileHeaderComment"), 119u);
    EXPECT_EQ(XARuleCurrentMaximumIntroductionOrderNumber(), 119u);
    EXPECT_EQ(XARuleIntroductionOrderNumber("sourcefileheadercomment"),
              static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
}

TEST(XARuleTagsTest, DescribesKnownTagsInAnyLetterCase) {
    EXPECT_EQ(XARuleDescriptionForTag("bestpractice"), "Rules that check for departures from best practices.");
    EXPECT_EQ(XARuleDescriptionForTag("Experimental"),
              "Rules that are not ready to be used \u201Cin production\u201D.");
    EXPECT_EQ(XARuleDescriptionForTag("Unknown"), std::nullopt);
    EXPECT_EQ(XARulePublicTagNames().front(), "Recommended");
    EXPECT_EQ(XARulePublicTagNames().back(), "Pedantic");
    EXPECT_EQ(XARulePublicTagNames().size(), 9u);
}

class XARuleOptionValuesTest : public testing::Test {
protected:
    // A context for the test rules with the given rule option values laid over the defaults.
    std::unique_ptr<XARuleContext>
    contextWithOptions(const std::vector<std::pair<std::string, XAOptionValue>> &values) {
        XAConfiguration configuration;
        const XARuleDescriptor &rule = XARuleTrialProjectCheck::descriptor();
        for (const auto &[name, value] : values) {
            configuration.setValue(value, *rule.optionWithLongName(name), rule.shortName);
        }
        return std::make_unique<XARuleContext>(
            nullptr, nullptr, nullptr, configuration, nullptr, nullptr,
            std::vector<const XARuleDescriptor *>{&rule, &XARuleNSLogUsed::descriptor()});
    }
};

TEST_F(XARuleOptionValuesTest, ConfiguredValuesWinOverDefaultsAndMissingOnesHaveNoEntry) {
    const auto defaults = contextWithOptions({});
    EXPECT_EQ(XARuleTrialProjectCheck::valueForOption("maxCount", *defaults), XAOptionValue(3));
    EXPECT_EQ(XARuleTrialProjectCheck::valueForOption("names", *defaults), std::nullopt);
    EXPECT_EQ(XARuleTrialProjectCheck::valueForOption("ignoredFileRegexes", *defaults), std::nullopt);
    EXPECT_EQ(defaults->resolvedRuleOptionValuesByRuleShortName().at("NSLogUsed").size(), 0u);
    EXPECT_EQ(defaults->resolvedValueForRuleOptionNamed("maxCount", "Unknown"), std::nullopt);

    const auto configured = contextWithOptions({{"maxCount", "7"}, {"names", "b,a"}});
    EXPECT_EQ(XARuleTrialProjectCheck::valueForOption("maxCount", *configured), XAOptionValue(7));
    EXPECT_EQ(XARuleTrialProjectCheck::valueForOption("names", *configured),
              XAOptionValue(XAOptionValue::Array{"a", "b"}));
    EXPECT_TRUE(XARuleTrialProjectCheck::boolForOption("maxCount", *configured));
    EXPECT_FALSE(XARuleTrialProjectCheck::boolForOption("names", *defaults));
}

TEST(XARuleOptionTest, MeaningfulValues) {
    struct Case {
        std::optional<XAOptionValue> value;
        bool meaningful;
    };
    const Case cases[] = {
        {std::nullopt, false},
        {XAOptionValue(), false},
        {XAOptionValue("  "), false},
        {XAOptionValue(" x "), true},
        {XAOptionValue(0), false},
        {XAOptionValue(0.5), false},
        {XAOptionValue(2), true},
        {XAOptionValue(XAOptionValue::Array{}), false},
        {XAOptionValue(XAOptionValue::Array{""}), true},
        {XAOptionValue::fromValue(XAValue(XADictionary{})), true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAOptionValueIsMeaningful(c.value), c.meaningful) << (c.value ? c.value->description() : "none");
    }
}

TEST(XARuleDiagnosticsTest, ACursorWithoutFileOrPositionGivesTheNullDiagnostic) {
    ASSERT_TRUE(XALoadStagedLibclang());
    const XADiagnostic diagnostic = XARuleNSLogUsed::diagnosticWithCursor(
        XALibclang::fn().clang_getNullCursor(), XAXMLString("x"), "x", XADiagnosticImpactStyle,
        XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
    EXPECT_TRUE(diagnostic.isNullDiagnostic());
}

TEST(XARuleDiagnosticsTest, ACursorDiagnosticCarriesTheRuleThePlaceAndItsContainer) {
    XAParsedSnippet snippet("#import <Foundation/Foundation.h>\n"
                            "@implementation NSObject (Greeting)\n"
                            "- (void)greetWith:(NSString *)name { NSLog(@\"%@\", name); }\n"
                            "@end\n");
    ASSERT_SNIPPET_PARSED(snippet);
    const XADiagnostic diagnostic = XARuleNSLogUsed::diagnosticWithCursor(
        snippet.find(CXCursor_CallExpr, "NSLog"), XAXMLString("<cfunction>NSLog</cfunction> called"), "NSLog",
        XADiagnosticImpactStyle, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
    EXPECT_EQ(diagnostic.ruleShortName(), "NSLogUsed");
    EXPECT_EQ(diagnostic.ruleName(), XAXMLString("<cfunction>NSLog</cfunction> used"));
    EXPECT_EQ(diagnostic.filePath(), xa_stringByStandardizingPath(snippet.path()));
    EXPECT_EQ(diagnostic.positionContext(), "greetWith:");
    EXPECT_EQ(diagnostic.startPositionBytes()->line, 3u);
    EXPECT_EQ(diagnostic.instanceIdentifier(), "NSLog");

    // A declaration gets the display name of the container around it, never its own.
    const XADiagnostic method = XARuleNSLogUsed::diagnosticWithCursor(
        snippet.find(CXCursor_ObjCInstanceMethodDecl, "greetWith:"), std::nullopt, std::nullopt,
        XADiagnosticImpactStyle, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh);
    EXPECT_EQ(method.positionContext(), "Greeting");
}

} // namespace
