#include "engine/XARuleTags.h"

#include "core/XAString.h"

#include <utility>

const std::vector<std::string> &XARulePublicTagNames() {
    static const std::vector<std::string> names = {
        "Recommended", "BestPractice", "Resources", "Config", "Localization", "APIUsage", "VCS", "Style", "Pedantic"};
    return names;
}

std::optional<std::string> XARuleDescriptionForTag(std::string_view tag) {
    static const std::pair<const char *, const char *> descriptions[] = {
        {"Recommended", "Recommended rules. These are thought to be the most generally applicable ones."},
        {"Style", "Rules that check for stylistic issues (as opposed to functional issues)."},
        {"BestPractice", "Rules that check for departures from best practices."},
        {"Pedantic", "Rules that are pedantic about conforming to specifications or conventions."},
        {"Experimental", "Rules that are not ready to be used \u201Cin production\u201D."},
        {"Resources", "Rules that check for mistakes related to static assets or other project resources."},
        {"Config", "Rules that check for mistakes in project configuration."},
        {"Localization", "Rules that check for mistakes in localization."},
        {"VCS", "Rules that check for mistakes in the project's usage of version control."},
        {"APIUsage", "Rules that check for deviations from API usage guidelines."},
    };
    const std::string lowerTag = xa_lowercased(tag);
    for (const auto &[name, description] : descriptions) {
        if (xa_lowercased(name) == lowerTag) {
            return description;
        }
    }
    return std::nullopt;
}
