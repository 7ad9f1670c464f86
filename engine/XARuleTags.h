#pragma once

// The tags that select rules. A rule tagged "Experimental" is not public: it runs only when named.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char *XARuleTagExperimental = "Experimental";

// The nine public tags in the order users see them: Recommended, BestPractice, Resources, Config, Localization,
// APIUsage, VCS, Style, Pedantic.
const std::vector<std::string> &XARulePublicTagNames();
// The one-line description of a known tag, matched without regard to case; no value for an unknown tag.
std::optional<std::string> XARuleDescriptionForTag(std::string_view tag);
