#pragma once

// Rule option groups for configuration tests, independent of the rules a test program happens to register.

#include "engine/config/XAConfiguration.h"

#include <utility>
#include <vector>

// Makes the configuration see exactly the given groups while it lives, then restores the groups seen before.
class XAScopedRuleOptionGroups {
public:
    explicit XAScopedRuleOptionGroups(std::vector<XARuleOptionGroupDescription> groups)
        : saved_(XAConfiguration::setRuleOptionGroupsProvider([groups = std::move(groups)] { return groups; })) {}
    ~XAScopedRuleOptionGroups() { XAConfiguration::setRuleOptionGroupsProvider(std::move(saved_)); }
    XAScopedRuleOptionGroups(const XAScopedRuleOptionGroups &) = delete;
    XAScopedRuleOptionGroups &operator=(const XAScopedRuleOptionGroups &) = delete;

private:
    XAConfiguration::RuleOptionGroupsProvider saved_;
};

// A rule option as rules make them: public, no one-letter name, configurable in files.
inline XAConfigurationOption XATestRuleOption(std::string longName, std::string description,
                                              std::optional<XAOptionValue> defaultValue, XAOptionValueType type,
                                              std::vector<XAOptionValue> allowedValues = {}) {
    return XAConfigurationOption(std::nullopt, std::move(longName), std::move(description), std::nullopt,
                                 std::move(defaultValue), type, XAOptionDomainConfigFile, true, {},
                                 std::move(allowedValues));
}
