#pragma once

// Fuzzy matching of names, used to suggest the name a user probably meant ("did you mean ...?").
// Lengths count UTF-16 units, as users' editors do.

#include "core/XAString.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The longest text that occurs in both strings, taken from `s` and widened to whole user-perceived
// characters; of several equally long ones the first found in `s`. Empty when either string is
// empty or they share no character.
std::optional<std::string> xa_longestCommonSubstringWith(std::string_view s, std::string_view other);

// The non-empty components of `s` (split at every character that is not a letter, mark or digit)
// for which some component of `other` compares as equal; duplicates are kept, in order.
std::vector<std::string> xa_matchingAlphanumericComponentsWithString(std::string_view s, std::string_view other,
                                                                     XAStringComparison comparison);

// The candidates ordered from the closest match to `s` to the farthest. Closeness compares, in
// turn: the candidate's components matching `s` literally, then ignoring case, then the length of
// the longest common substring, then that length for the lower-case forms; each larger first.
// Candidates that tie keep their order.
std::vector<std::string> xa_stringsOrderedByMatchDistance(std::string_view s,
                                                          const std::vector<std::string> &candidates);

// The first candidate of that order; empty for no candidates.
std::optional<std::string> xa_closestMatchInArray(std::string_view s, const std::vector<std::string> &candidates);

// Whether `candidate` is close enough to `s` to be what was meant: the two differ, ignoring case, by at most a third
// of the shorter one's length (at least one) in insertions, deletions, replacements and swaps of neighbouring
// characters. Compares code units: meant for identifiers.
bool xa_isCloseMatch(std::string_view s, std::string_view candidate);
