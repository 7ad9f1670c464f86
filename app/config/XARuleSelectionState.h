#pragma once

// Which rules the rule selection sheet selects: rules are selected through tags, one by one, or excluded one by one.
// The three sets are independent; a rule counts as selected when a tag or its own box selects it and it is not
// excluded.

#include "engine/XARuleDescriptor.h"
#include "engine/config/XAConfiguration.h"

#include <set>
#include <string>
#include <vector>

using XARuleList = std::vector<const XARuleDescriptor *>;

class XARuleSelectionState {
public:
    // The sets start from the configuration's "rules", "ruleTags" and "excludedRules".
    XARuleSelectionState(XARuleList allRules, const XAConfiguration &configuration);

    const XARuleList &allRules() const { return allRules_; }

    std::set<std::string> selectedShortNames;
    std::set<std::string> selectedTags;
    std::set<std::string> excludedShortNames;

    bool ruleIsSelectedViaTag(const XARuleDescriptor &rule) const;
    bool ruleIsSelectedIndividually(const XARuleDescriptor &rule) const;
    bool ruleIsExcludedIndividually(const XARuleDescriptor &rule) const;
    bool ruleCountsAsSelected(const XARuleDescriptor &rule) const;
    // The rule's tags that are selected, in the rule's order.
    std::vector<std::string> selectedTagsOfRule(const XARuleDescriptor &rule) const;
    std::size_t numberOfSelectedRules() const;

    // What the sheet hands back: the tags; the rules selected one by one that no tag selects, in list order; the
    // excluded rules.
    std::vector<std::string> selectedRuleTags() const;
    std::vector<std::string> selectedRuleShortNames() const;
    std::vector<std::string> excludedRuleShortNames() const;

    void toggleExclusion(const XARuleDescriptor &rule);
    // Only this rule, selected one by one: no tags, no other rule, and the rule not excluded.
    void selectOnly(const XARuleDescriptor &rule);
    void selectAll();
    void selectNone();

private:
    XARuleList allRules_;
};
