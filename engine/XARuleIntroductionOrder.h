#pragma once

// The order in which rules were introduced. A rule's number is its index in the table ("Debugging" is 0); the desktop
// application stores the highest number a user has been told about and the "new_since:" search compares against
// these numbers, so existing numbers never change and a new rule takes the next one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The short names in order of introduction.
const std::vector<std::string> &XARuleShortNamesInOrderOfIntroduction();
// The index of the short name (exact spelling) in the table; the largest signed 64-bit number when it is not there.
std::uint64_t XARuleIntroductionOrderNumber(std::string_view shortName);
// The largest number of the table.
std::uint64_t XARuleCurrentMaximumIntroductionOrderNumber();
