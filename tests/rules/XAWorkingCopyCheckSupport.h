#pragma once

// A whole check of a version-control fixture in a prepared working copy, its findings reduced to (file, identifier)
// pairs for table tests.

#include "XAFixtureCheckSupport.h"
#include "XAWorkingCopySupport.h"

#include <algorithm>
#include <utility>

using XAFileAndIdentifier = std::pair<std::string, std::string>;

inline std::vector<XAFileAndIdentifier> XAFilesAndIdentifiers(const XAFixtureCheck &check) {
    std::vector<XAFileAndIdentifier> pairs;
    for (const XAFixtureFinding &finding : check.findings) {
        pairs.emplace_back(finding.file, finding.identifier);
    }
    return pairs;
}

// Whether the run left the rule out, with this condition text.
inline bool XARuleWasNotApplied(const XAFixtureCheck &check, const std::string &shortName,
                                const std::string &condition) {
    const std::string message = "Rule " + shortName + " will not be applied: \u201c" + condition + "\u201d";
    return std::find(check.debugMessages.begin(), check.debugMessages.end(), message) != check.debugMessages.end();
}

inline bool XARuleWasNotApplied(const XAFixtureCheck &check, const std::string &shortName) {
    return std::any_of(check.debugMessages.begin(), check.debugMessages.end(), [&](const std::string &message) {
        return message.starts_with("Rule " + shortName + " will not be applied");
    });
}
