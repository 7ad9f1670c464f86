#pragma once

// Where configurations find the option groups of the rules: a rule registry. A program with rules connects the
// shared registry once at start, before it makes a configuration:
//
//     XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());

#include "engine/XARuleRegistry.h"
#include "engine/config/XAConfiguration.h"

// The public rules' groups (collective groups first, then by name), and the groups that only rules that are not
// public have, each once, in the registry's order.
XARuleOptionGroups XARuleOptionGroupsOfRegistry(const XARuleRegistry &registry);

// Makes every configuration made afterwards take its rule option groups from the registry, which must outlive them.
void XAUseRuleOptionGroupsOfRegistry(const XARuleRegistry &registry);
