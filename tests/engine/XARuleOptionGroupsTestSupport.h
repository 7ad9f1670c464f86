#pragma once

// Rule option groups for configuration tests, independent of the rules a test program happens to register.

#include "engine/config/XAConfiguration.h"

#include <utility>
#include <vector>

// Makes the configuration see exactly the given groups while it lives, then restores the groups seen before.
class XAScopedRuleOptionGroups {
public:
    explicit XAScopedRuleOptionGroups(XARuleOptionGroups groups)
        : saved_(XAConfiguration::setRuleOptionGroupsProvider([groups = std::move(groups)] { return groups; })) {}
    ~XAScopedRuleOptionGroups() { XAConfiguration::setRuleOptionGroupsProvider(std::move(saved_)); }
    XAScopedRuleOptionGroups(const XAScopedRuleOptionGroups &) = delete;
    XAScopedRuleOptionGroups &operator=(const XAScopedRuleOptionGroups &) = delete;

private:
    XAConfiguration::RuleOptionGroupsProvider saved_;
};
