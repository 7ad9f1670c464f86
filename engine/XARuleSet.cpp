#include "engine/XARuleSet.h"

#include "core/XAString.h"
#include "core/XAStringMatching.h"

#include <algorithm>

namespace {

std::string joined(const std::vector<std::string> &parts) {
    std::string text;
    for (const std::string &part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

bool hasAnyTag(const XARuleDescriptor &rule, const std::vector<std::string> &lowerTags) {
    return std::any_of(rule.tags.begin(), rule.tags.end(), [&lowerTags](const std::string &tag) {
        return std::find(lowerTags.begin(), lowerTags.end(), xa_lowercased(tag)) != lowerTags.end();
    });
}

void reportUnknownRule(const std::string &name, const XARuleRegistry &registry, const XAProgressHandler &progress) {
    std::optional<std::string> closest = xa_closestMatchInArray(name, registry.allPublicRuleShortNames());
    std::string suggestion = closest ? "Did you mean '" + *closest + "'?" : "";
    progress(XAProgressMessage(XAProgressMessageKindError, "Cannot find rule with name '" + name + "'. " + suggestion));
}

} // namespace

XARuleSet XARuleSet::ruleSetWithRulesWithTags(const std::vector<std::string> &tags,
                                              const std::vector<std::string> &ruleShortNames,
                                              const std::vector<std::string> &excludedRuleShortNames,
                                              const XAProgressHandler &progress, const XARuleRegistry &registry) {
    XARuleSet set;
    auto contains = [&set](const XARuleDescriptor *rule) {
        return std::find(set.rules_.begin(), set.rules_.end(), rule) != set.rules_.end();
    };
    std::vector<std::string> lowerTags;
    for (const std::string &tag : tags) {
        lowerTags.push_back(xa_lowercased(tag));
    }
    for (const XARuleDescriptor *rule : registry.allRules()) {
        if (rule->isPublic && !contains(rule) && hasAnyTag(*rule, lowerTags)) {
            set.rules_.push_back(rule);
        }
    }
    for (const std::string &name : ruleShortNames) {
        if (const XARuleDescriptor *rule = registry.ruleWithShortName(name)) {
            if (!contains(rule)) {
                set.rules_.push_back(rule);
            }
        } else if (progress) {
            reportUnknownRule(name, registry, progress);
        }
    }
    std::erase_if(set.rules_, [&excludedRuleShortNames](const XARuleDescriptor *rule) {
        return std::find(excludedRuleShortNames.begin(), excludedRuleShortNames.end(), rule->shortName) !=
               excludedRuleShortNames.end();
    });

    std::vector<std::string> shortNames;
    for (const XARuleDescriptor *rule : set.rules_) {
        shortNames.push_back(rule->shortName);
    }
    const std::string count = std::to_string(set.rules_.size());
    set.givenName_ = ruleShortNames.empty() ? count + " Rules tagged [" + joined(tags) + "]: " + joined(shortNames)
                                            : count + " Rules: " + joined(shortNames);
    return set;
}

std::string XARuleSet::name() const {
    if (givenName_) {
        return *givenName_;
    }
    std::vector<std::string> shortNames;
    for (const XARuleDescriptor *rule : rules_) {
        shortNames.push_back(rule->shortName);
    }
    return joined(shortNames);
}

bool XARuleSet::requiresClang() const {
    return std::any_of(rules_.begin(), rules_.end(), [](const XARuleDescriptor *rule) { return rule->isCursorRule; });
}
