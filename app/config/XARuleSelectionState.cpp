#include "app/config/XARuleSelectionState.h"

#include <algorithm>

XARuleSelectionState::XARuleSelectionState(XARuleList allRules, const XAConfiguration &configuration)
    : allRules_(std::move(allRules)) {
    for (const std::string &name : configuration.ruleShortNames()) {
        selectedShortNames.insert(name);
    }
    for (const std::string &tag : configuration.ruleTags()) {
        selectedTags.insert(tag);
    }
    for (const std::string &name : configuration.excludedRuleShortNames()) {
        excludedShortNames.insert(name);
    }
}

bool XARuleSelectionState::ruleIsSelectedViaTag(const XARuleDescriptor &rule) const {
    return std::ranges::any_of(rule.tags, [&](const std::string &tag) { return selectedTags.contains(tag); });
}

bool XARuleSelectionState::ruleIsSelectedIndividually(const XARuleDescriptor &rule) const {
    return selectedShortNames.contains(rule.shortName);
}

bool XARuleSelectionState::ruleIsExcludedIndividually(const XARuleDescriptor &rule) const {
    return excludedShortNames.contains(rule.shortName);
}

bool XARuleSelectionState::ruleCountsAsSelected(const XARuleDescriptor &rule) const {
    return (ruleIsSelectedViaTag(rule) || ruleIsSelectedIndividually(rule)) && !ruleIsExcludedIndividually(rule);
}

std::vector<std::string> XARuleSelectionState::selectedTagsOfRule(const XARuleDescriptor &rule) const {
    std::vector<std::string> tags;
    std::ranges::copy_if(rule.tags, std::back_inserter(tags),
                         [&](const std::string &tag) { return selectedTags.contains(tag); });
    return tags;
}

std::size_t XARuleSelectionState::numberOfSelectedRules() const {
    return std::size_t(
        std::ranges::count_if(allRules_, [&](const XARuleDescriptor *rule) { return ruleCountsAsSelected(*rule); }));
}

std::vector<std::string> XARuleSelectionState::selectedRuleTags() const {
    return {selectedTags.begin(), selectedTags.end()};
}

std::vector<std::string> XARuleSelectionState::selectedRuleShortNames() const {
    std::vector<std::string> names;
    for (const XARuleDescriptor *rule : allRules_) {
        if (ruleIsSelectedIndividually(*rule) && !ruleIsSelectedViaTag(*rule)) {
            names.push_back(rule->shortName);
        }
    }
    return names;
}

std::vector<std::string> XARuleSelectionState::excludedRuleShortNames() const {
    return {excludedShortNames.begin(), excludedShortNames.end()};
}

void XARuleSelectionState::toggleExclusion(const XARuleDescriptor &rule) {
    if (!excludedShortNames.erase(rule.shortName)) {
        excludedShortNames.insert(rule.shortName);
    }
}

void XARuleSelectionState::selectOnly(const XARuleDescriptor &rule) {
    selectedShortNames = {rule.shortName};
    selectedTags.clear();
    excludedShortNames.erase(rule.shortName);
}

void XARuleSelectionState::selectAll() {
    for (const XARuleDescriptor *rule : allRules_) {
        selectedShortNames.insert(rule->shortName);
    }
}

void XARuleSelectionState::selectNone() { selectedShortNames.clear(); }
