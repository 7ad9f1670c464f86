#pragma once

// The rule base classes. A rule is a class with static members only, named "XARule" and its short name; its base,
// XACursorRule<Self> for a code rule or XAProjectRule<Self> for a rule on the project, gives the defaults of every
// member it does not declare itself. The constructor is deleted, so an instance cannot even be written. One line at
// the end of the rule's file registers it:
//
//     struct XARuleNSLogUsed : XACursorRule<XARuleNSLogUsed> {
//         static XAXMLString ruleName();
//         static XAXMLString ruleDescription();
//         static std::vector<std::string> tags();
//         static std::vector<int> cursorKinds(); // {CXCursor_CallExpr}
//         static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
//                                            const XACompilationInfo &compilationInfo);
//     };
//     TESSARY_REGISTER_RULE(XARuleNSLogUsed)
//
// What a rule must declare: ruleName and ruleDescription; a code rule cursorKinds and applyToCursor; a project rule
// applyWithContext. A missing one is a compile error. A rule that runs only under a condition declares
// appliesToContext and applicationConditionDescription. A rule that silences some of its own findings once the whole
// run is seen declares diagnosticSuppressionsWithContext, which gives those suppressions together with
// XARuleDiagnosticSuppressionsWithContext's. A rule's state between calls lives in the run's
// XARuleContext, never in a static.

#include "engine/XARuleRegistry.h"
#include "engine/XARuleSupport.h"
#include "engine/XARuleTags.h"

#include <algorithm>
#include <typeinfo>

template <typename Self> struct XARule {
    XARule() = delete;

    // ---- Defaults ----

    // The class name without "XARule".
    static std::string ruleShortName() {
        static const std::string shortName = XARuleShortNameFromClassName(XARuleClassNameOfType(typeid(Self)));
        return shortName;
    }
    static std::optional<XAXMLString> ruleWarning() { return std::nullopt; }
    static std::vector<std::string> tags() { return {}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }
    // Not public when tagged "Experimental".
    static bool isPublic() {
        const std::vector<std::string> ruleTags = Self::tags();
        return std::find(ruleTags.begin(), ruleTags.end(), XARuleTagExperimental) == ruleTags.end();
    }
    static std::vector<XARuleOption> options() { return {}; }
    static std::vector<XARuleOptionGroup> optionGroups() {
        return {XARuleDefaultOptionGroup(Self::ruleShortName(), Self::ruleName(), Self::options())};
    }
    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &) { return {}; }
    static XADiagnostics applyAfterCodeWithContext(XARuleContext &) { return {}; }

    // ---- What rules call ----

    // The registered description of the rule.
    static const XARuleDescriptor &descriptor();

    // The option's resolved value in the run: configured, else its default; no value when it has none.
    static std::optional<XAOptionValue> valueForOption(const std::string &optionName, const XARuleContext &context) {
        return context.resolvedValueForRuleOptionNamed(optionName, Self::ruleShortName());
    }
    static bool boolForOption(const std::string &optionName, const XARuleContext &context) {
        const std::optional<XAOptionValue> value = valueForOption(optionName, context);
        return value && value->truthValue();
    }
    // The strings of an array option, in order; other elements are skipped. Empty without a value.
    static std::vector<std::string> stringsForOption(const std::string &optionName, const XARuleContext &context) {
        std::vector<std::string> strings;
        const std::optional<XAOptionValue> value = valueForOption(optionName, context);
        if (value && value->isArray()) {
            for (const XAOptionValue &element : *value->array()) {
                if (element.isString()) {
                    strings.push_back(*element.string());
                }
            }
        }
        return strings;
    }
    static bool optionHasMeaningfulValue(const std::string &optionName, const XARuleContext &context) {
        return XAOptionValueIsMeaningful(valueForOption(optionName, context));
    }

    static XADiagnostic diagnosticWithFile(std::optional<std::string> filePath,
                                           std::optional<XADiagnosticPosition> startPosition,
                                           std::optional<XADiagnosticPosition> endPosition,
                                           std::optional<std::string> positionContext, std::optional<XAXMLString> info,
                                           std::optional<std::string> identifier, XADiagnosticImpact impact,
                                           XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
        return XARuleDiagnosticWithFile(descriptor(), std::move(filePath), startPosition, endPosition,
                                        std::move(positionContext), std::move(info), std::move(identifier), impact,
                                        severity, confidence);
    }
    // About a whole file: no positions.
    static XADiagnostic diagnosticWithFile(std::optional<std::string> filePath, std::optional<XAXMLString> info,
                                           std::optional<std::string> identifier, XADiagnosticImpact impact,
                                           XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
        return diagnosticWithFile(std::move(filePath), std::nullopt, std::nullopt, std::nullopt, std::move(info),
                                  std::move(identifier), impact, severity, confidence);
    }
    static XADiagnostic diagnosticWithCursor(CXCursor cursor, std::optional<XAXMLString> info,
                                             std::optional<std::string> identifier, XADiagnosticImpact impact,
                                             XADiagnosticSeverity severity, XADiagnosticConfidence confidence) {
        return XARuleDiagnosticWithCursor(descriptor(), cursor, std::move(info), std::move(identifier), impact,
                                          severity, confidence);
    }
};

// The base of code rules: the per-file walk hands them the cursors of their kinds.
template <typename Self> struct XACursorRule : XARule<Self> { static constexpr bool isCursorRule = true; };

// The base of rules on the project, its settings and its files, which need no parsed code.
template <typename Self> struct XAProjectRule : XARule<Self> { static constexpr bool isCursorRule = false; };

// The descriptor of a rule class: its own members where it declares them, the defaults of its base elsewhere.
template <typename Rule> XARuleDescriptor XAMakeRuleDescriptor() {
    XARuleDescriptor rule;
    rule.className = XARuleClassNameOfType(typeid(Rule));
    rule.shortName = Rule::ruleShortName();
    rule.ruleName = Rule::ruleName();
    rule.ruleDescription = Rule::ruleDescription();
    rule.ruleWarning = Rule::ruleWarning();
    rule.tags = Rule::tags();
    rule.externalLinks = Rule::externalLinks();
    rule.isPublic = Rule::isPublic();
    rule.isCursorRule = Rule::isCursorRule;
    rule.options = Rule::options();
    rule.optionGroups = Rule::optionGroups();
    if constexpr (Rule::isCursorRule) {
        rule.cursorKinds = Rule::cursorKinds();
        rule.applyBeforeCodeWithContext = &Rule::applyBeforeCodeWithContext;
        rule.applyToCursor = &Rule::applyToCursor;
        rule.applyAfterCodeWithContext = &Rule::applyAfterCodeWithContext;
    } else {
        rule.applyWithContext = &Rule::applyWithContext;
    }
    if constexpr (requires { &Rule::diagnosticSuppressionsWithContext; }) {
        rule.diagnosticSuppressionsWithContext = &Rule::diagnosticSuppressionsWithContext;
    }
    if constexpr (requires(XARuleContext & context) {
                      { Rule::appliesToContext(context) } -> std::convertible_to<bool>;
                      { Rule::applicationConditionDescription() } -> std::convertible_to<std::string>;
                  }) {
        rule.appliesToContext = &Rule::appliesToContext;
        rule.applicationConditionDescription = &Rule::applicationConditionDescription;
    }
    return rule;
}

template <typename Self> const XARuleDescriptor &XARule<Self>::descriptor() {
    static const XARuleDescriptor rule = XAMakeRuleDescriptor<Self>();
    return rule;
}

// Registers a rule class in the shared registry when the program starts.
#define TESSARY_REGISTER_RULE(RuleClass)                                                                               \
    [[maybe_unused]] static const bool tessaryRuleIsRegistered_##RuleClass =                                           \
        XARuleRegistry::shared().registerRule(RuleClass::descriptor());
