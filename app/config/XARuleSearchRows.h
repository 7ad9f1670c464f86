#pragma once

// The rows of the rule selection sheet for a search text, and the parts of a row's text that the search words
// highlight.

#include "app/config/XARuleSelectionState.h"

#include <QString>

#include <string>
#include <utility>
#include <vector>

// Every rule by its plain name (ascending, a plain string comparison).
XARuleList XARulesSortedByName(XARuleList rules);

// All rules, in their order, for a text that is empty or white space; else the rules the text is relevant for, the
// most relevant first (rules of equal relevance keep their order).
XARuleList XARulesForSearchText(const XARuleList &rules, const std::string &text);

// The start and length of every place to highlight: the non-overlapping occurrences, ignoring letter case, of any
// white-space separated word of the search text, leftmost first (the longest word where two start together).
std::vector<std::pair<qsizetype, qsizetype>> XAHighlightedRanges(const QString &text, const QString &searchText);
