#pragma once

// The resolved build settings of one target of a project in one build configuration, as the xcodebuild stand-in
// prints them (see XAXcodebuildShowBuildSettings.h for the levels and XABuildSettingsResolver.h for the rules).

#include "platform/devtools/XAStandInProject.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct XATargetBuildSettingsInput {
    std::string action;
    std::string configurationName;
    std::string developerDirectory;
    std::optional<std::string> sdk;  // -sdk: SDKROOT on the command line
    std::optional<std::string> arch; // -arch: ARCHS and CURRENT_ARCH
    std::vector<std::pair<std::string, std::string>> commandLineSettings;
};

struct XATargetBuildSettings {
    std::map<std::string, std::string> settings;
    // Problems worth a warning: an SDK the developer directory does not hold, a base .xcconfig that cannot be read.
    std::vector<std::string> warnings;
};

XATargetBuildSettings XAResolveTargetBuildSettings(const XAStandInProject &project, const XAProjectTarget &target,
                                                   const XATargetBuildSettingsInput &input);
