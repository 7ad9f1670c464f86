#pragma once

// Runs one rule on one case the way a checking run does: the case's project is written and loaded, built by the
// developer-tools stand-in into compilation infos, its XIB files read, and checked as its app target in the configuration the case names
// (else the project's default) with the case's rule options. The rule's phases run in the run's order (the
// project-level pass, then for a code rule the pass before the code, the per-file dispatch over every file of the
// target, and the pass after the code), and its findings, repeated ones collapsed, are held against the case.
//
// The answer is what went wrong, empty when the rule reported exactly what the case expects: a case whose notation
// is wrong, a file that does not compile, a finding without a marker or an expectation, and a marker or an
// expectation without a finding each give a problem.
//
// The process must have loaded libclang and set up the developer tools (XARuleCaseEnvironment does both).

#include "engine/XARuleDescriptor.h"
#include "ruledriver/XARuleCaseFile.h"

#include <string>
#include <vector>

std::vector<std::string> XARunRuleCase(const XARuleDescriptor *rule, const XARuleCase &ruleCase,
                                       const std::string &fixturesFolder);
