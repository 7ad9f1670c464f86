#include "engine/XARuleRegistryOptionGroups.h"

#include <algorithm>

XARuleOptionGroups XARuleOptionGroupsOfRegistry(const XARuleRegistry &registry) {
    XARuleOptionGroups groups;
    groups.publicGroups = registry.allPublicRuleOptionGroups();
    auto known = [&groups](const XARuleOptionGroup &group) {
        return std::find(groups.publicGroups.begin(), groups.publicGroups.end(), group) != groups.publicGroups.end() ||
               std::find(groups.otherGroups.begin(), groups.otherGroups.end(), group) != groups.otherGroups.end();
    };
    for (const XARuleDescriptor *rule : registry.allRules()) {
        for (const XARuleOptionGroup &group : rule->optionGroups) {
            if (!rule->isPublic && !known(group)) {
                groups.otherGroups.push_back(group);
            }
        }
    }
    return groups;
}

void XAUseRuleOptionGroupsOfRegistry(const XARuleRegistry &registry) {
    XAConfiguration::setRuleOptionGroupsProvider([&registry] { return XARuleOptionGroupsOfRegistry(registry); });
}
