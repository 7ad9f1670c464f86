#include "engine/XARuleRegistry.h"

#include "core/XALog.h"
#include "core/XAString.h"

#include <algorithm>
#include <cstdlib>

XARuleRegistry &XARuleRegistry::shared() {
    static XARuleRegistry registry;
    return registry;
}

bool XARuleRegistry::registerRule(const XARuleDescriptor &rule) {
    const std::string key = xa_lowercased(rule.shortName);
    if (!rulesByLowercaseName_.emplace(key, &rule).second) {
        XALog(XALogLevelFatal, "FATAL: Two rules are named %s (%s and %s)", rule.shortName.c_str(),
              rulesByLowercaseName_[key]->className.c_str(), rule.className.c_str());
        std::abort();
    }
    // Introduction order; rules outside the table keep the order of registration behind those inside it.
    const auto position = std::upper_bound(rules_.begin(), rules_.end(), &rule, [](const auto *a, const auto *b) {
        return a->introductionOrderNumber() < b->introductionOrderNumber();
    });
    rules_.insert(position, &rule);
    return true;
}

const XARuleDescriptor *XARuleRegistry::ruleWithShortName(std::string_view shortName) const {
    const auto found = rulesByLowercaseName_.find(xa_lowercased(shortName));
    return found == rulesByLowercaseName_.end() ? nullptr : found->second;
}

std::optional<std::string> XARuleRegistry::ruleClassNameWithShortName(std::string_view shortName) const {
    const XARuleDescriptor *rule = ruleWithShortName(shortName);
    return rule ? std::optional(rule->className) : std::nullopt;
}

std::map<std::string, std::string> XARuleRegistry::ruleClassNamesByShortName() const {
    std::map<std::string, std::string> classNames;
    for (const auto &[key, rule] : rulesByLowercaseName_) {
        classNames[key] = rule->className;
    }
    return classNames;
}

std::vector<std::string> XARuleRegistry::allPublicRuleShortNames() const {
    std::vector<std::string> names;
    for (const XARuleDescriptor *rule : rules_) {
        if (rule->isPublic) {
            names.push_back(rule->shortName);
        }
    }
    return names;
}

std::vector<XARuleOptionGroup>
XARuleRegistry::publicRuleOptionGroupsForRules(const std::vector<std::string> &shortNames) const {
    std::vector<XARuleOptionGroup> groups;
    for (const std::string &shortName : shortNames) {
        const XARuleDescriptor *rule = ruleWithShortName(shortName);
        if (!rule) {
            continue;
        }
        for (const XARuleOptionGroup &group : rule->optionGroups) {
            if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
                groups.push_back(group);
            }
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [](const XARuleOptionGroup &a, const XARuleOptionGroup &b) {
        return a.isCollectiveGroup != b.isCollectiveGroup ? a.isCollectiveGroup : a.name < b.name;
    });
    return groups;
}

std::vector<XARuleOptionGroup> XARuleRegistry::allPublicRuleOptionGroups() const {
    return publicRuleOptionGroupsForRules(allPublicRuleShortNames());
}
