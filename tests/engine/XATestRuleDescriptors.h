#pragma once

// Rule descriptors made directly, for tests that need rules of given names, tags and options in a registry of their
// own, without a class per rule.

#include "engine/XARuleRegistry.h"
#include "engine/XARuleSupport.h"

#include <deque>
#include <string>
#include <vector>

struct XATestRuleSpec {
    XATestRuleSpec(std::string shortName, std::vector<std::string> tags = {}, std::vector<XARuleOption> options = {})
        : shortName(std::move(shortName)), tags(std::move(tags)), options(std::move(options)) {}

    std::string shortName;
    std::vector<std::string> tags; // "Experimental" makes the rule not public
    std::vector<XARuleOption> options;
    bool isCursorRule = true;
    std::string ruleName;        // the short name when empty
    std::string ruleDescription; // "Checks <short name>." when empty
};

// Keeps the descriptors and a registry of them; the descriptors live as long as this object.
class XATestRules {
public:
    explicit XATestRules(const std::vector<XATestRuleSpec> &specs) {
        for (const XATestRuleSpec &spec : specs) {
            XARuleDescriptor &rule = descriptors_.emplace_back();
            rule.className = "XARule" + spec.shortName;
            rule.shortName = spec.shortName;
            rule.ruleName = XAXMLString(spec.ruleName.empty() ? spec.shortName : spec.ruleName);
            rule.ruleDescription =
                XAXMLString(spec.ruleDescription.empty() ? "Checks " + spec.shortName + "." : spec.ruleDescription);
            rule.tags = spec.tags;
            rule.isPublic = std::find(spec.tags.begin(), spec.tags.end(), "Experimental") == spec.tags.end();
            rule.isCursorRule = spec.isCursorRule;
            rule.options = spec.options;
            rule.optionGroups = {XARuleDefaultOptionGroup(rule.shortName, rule.ruleName, rule.options)};
            registry_.registerRule(rule);
        }
    }
    XATestRules(const XATestRules &) = delete;
    XATestRules &operator=(const XATestRules &) = delete;

    const XARuleRegistry &registry() const { return registry_; }
    const XARuleDescriptor &rule(const std::string &shortName) const { return *registry_.ruleWithShortName(shortName); }

private:
    std::deque<XARuleDescriptor> descriptors_;
    XARuleRegistry registry_;
};
