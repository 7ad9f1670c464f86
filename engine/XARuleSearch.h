#pragma once

// How well rules match a free-text search, for the rule lists of the desktop application: scores from texts in
// common, and the query "new_since:<number>", which finds the rules introduced after that introduction order number.

#include "engine/XARuleDescriptor.h"

#include <cstdint>
#include <string_view>

// Ignoring letter case: 20 when the text contains the whole query; else 10 plus the number of words (at most 9) the
// text and the query have in common; else 5 when a word of the text contains a word of the query; else 0. Words are
// the white-space separated parts of the trimmed texts.
std::uint64_t XARuleBaseRelevanceForString(std::string_view text, std::string_view query);

// For "new_since:N": a non-zero score for a rule introduced after N (N minus its number, taken as unsigned, so that
// the rule right after N scores highest), 0 for the others. For any other query: the base relevance of the plain rule
// name plus 100, else of the short name plus 80, else of the tags joined by blanks plus 60, else of the plain
// description; the first that is not 0.
std::uint64_t XARuleRelevanceForSearchQuery(const XARuleDescriptor &rule, std::string_view query);

// -1, 0 or 1 as the rule's relevance is smaller than, equal to or greater than the other's.
int XARuleCompareUsingSearchRelevance(const XARuleDescriptor &rule, const XARuleDescriptor &other,
                                      std::string_view query);
