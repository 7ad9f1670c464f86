#pragma once

// The rules one checking run applies: chosen by tags, by name and by exclusion ("ruleTags", "rules",
// "excludedRules" of the configuration), in the order they were chosen.

#include "core/XAProgressMessage.h"
#include "engine/XARuleRegistry.h"

#include <optional>
#include <string>
#include <vector>

class XARuleSet {
public:
    XARuleSet() { rules_.reserve(100); }

    // The public rules of the registry with any of the tags (ignoring letter case), in the registry's order; then
    // each named rule (any letter case, public or not) not yet chosen; less the excluded short names (exact
    // spelling). An unknown name is reported as an error with the closest public short name as a suggestion
    // ("Cannot find rule with name 'NSLogUse'. Did you mean 'NSLogUsed'?") and skipped.
    static XARuleSet ruleSetWithRulesWithTags(const std::vector<std::string> &tags,
                                              const std::vector<std::string> &ruleShortNames,
                                              const std::vector<std::string> &excludedRuleShortNames,
                                              const XAProgressHandler &progress,
                                              const XARuleRegistry &registry = XARuleRegistry::shared());

    const std::vector<const XARuleDescriptor *> &rules() const { return rules_; }
    std::vector<const XARuleDescriptor *> &rules() { return rules_; }
    const std::optional<std::string> &givenName() const { return givenName_; }
    void setGivenName(std::optional<std::string> name) { givenName_ = std::move(name); }

    // The given name, else the short names joined by ", ".
    std::string name() const;
    // Whether a rule of the set is a code rule, so that the run needs the build and libclang.
    bool requiresClang() const;

private:
    std::vector<const XARuleDescriptor *> rules_;
    std::optional<std::string> givenName_;
};
