#pragma once

// The rules the program knows. Every rule file registers its rule in the shared registry when the program starts
// (TESSARY_REGISTER_RULE, XARule.h); tests make registries of their own. Lookups by short name ignore letter case.
// Every list comes in introduction order (XARuleIntroductionOrder.h); rules outside the table follow in the order they
// were registered.
//
// Registration happens before the program's main function runs; afterwards a registry is only read, from any thread.

#include "engine/XARuleDescriptor.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class XARuleRegistry {
public:
    XARuleRegistry() = default;
    XARuleRegistry(const XARuleRegistry &) = delete;
    XARuleRegistry &operator=(const XARuleRegistry &) = delete;

    static XARuleRegistry &shared();

    // Keeps the rule, which must outlive the registry. A second rule with the same short name (in any letter case)
    // is a programming error: it is logged as fatal and the process aborts. Returns true.
    bool registerRule(const XARuleDescriptor &rule);

    // The rule of that short name in any letter case; null when there is none.
    const XARuleDescriptor *ruleWithShortName(std::string_view shortName) const;
    std::optional<std::string> ruleClassNameWithShortName(std::string_view shortName) const;
    // Lower-cased short name -> class name of every rule.
    std::map<std::string, std::string> ruleClassNamesByShortName() const;

    const std::vector<const XARuleDescriptor *> &allRules() const { return rules_; }
    // The short names, as the rules spell them, of the rules that are public.
    std::vector<std::string> allPublicRuleShortNames() const;

    // The option groups of the named rules, each group once (by short name), collective groups first, then by name.
    std::vector<XARuleOptionGroup> publicRuleOptionGroupsForRules(const std::vector<std::string> &shortNames) const;
    std::vector<XARuleOptionGroup> allPublicRuleOptionGroups() const;

private:
    std::vector<const XARuleDescriptor *> rules_; // in introduction order
    std::map<std::string, const XARuleDescriptor *> rulesByLowercaseName_;
};
