#pragma once

// Commands for Tessary's own developers, all beginning with "dev_": rule and tag catalogues as JSON for the
// documentation pages, hidden rules, the compiler's diagnostic catalogues, a dump of what libclang sees of a file, a
// spell check of word lists, and installing the launcher script. They are valid without being in the command table
// and appear in no usage text.

#include "cli/XACLIArgs.h"

#include <string>
#include <vector>

// Runs the environment's "dev_" command; returns the exit status ("Unknown dev command: <name>" and 1 for a name
// that is not one of them). `programName` is the name the usage texts show.
int XACLIRunDevCommand(const XACLIEnvironment &environment, const std::string &programName);

// The words of "dev_spellcheck" from the joined texts of word lists: each line lower-cased and trimmed, kept when it
// has at least three characters, all alphanumeric, and does not begin with "pre", "post", "sub", "super", "meta" or
// "multi"; without duplicates, sorted.
std::vector<std::string> XACLISpellCheckCandidateWords(const std::string &wordListText);
