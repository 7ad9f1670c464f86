#pragma once

// The options of rules: an option of one rule or of a group of rules, whose values the configuration keeps under
// "ruleOptions", and the groups that hold them (a rule's own group holds its options followed by those common to
// all rules; a collective group is shared by several rules).

#include "engine/config/XAConfigurationOption.h"

#include <string>
#include <vector>

class XARuleOption : public XAConfigurationOption {
public:
    // A public option with those fields set; no short name, no domain, no commands.
    static XARuleOption ruleOptionWithName(std::string name, std::string description, std::optional<std::string> info,
                                           std::optional<XAOptionValue> defaultValue, XAOptionValueType valueType,
                                           std::vector<XAOptionValue> allowedValues = {});

private:
    using XAConfigurationOption::XAConfigurationOption;
};

struct XARuleOptionGroup {
    std::string name;      // shown to users
    std::string shortName; // the group's identity: a rule's own group has the rule's short name
    std::vector<XARuleOption> options;
    bool isCollectiveGroup = false;

    static XARuleOptionGroup ruleOptionGroupWithName(std::string name, std::string shortName,
                                                     std::vector<XARuleOption> options, bool isCollectiveGroup) {
        return {std::move(name), std::move(shortName), std::move(options), isCollectiveGroup};
    }

    // The option of that long name; null when the group has none.
    const XARuleOption *optionWithLongName(std::string_view longName) const;

    // Groups are the same when their short names are.
    bool operator==(const XARuleOptionGroup &other) const { return shortName == other.shortName; }
};
