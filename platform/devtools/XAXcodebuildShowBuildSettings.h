#pragma once

// `xcodebuild [action] [-project P] [-configuration C] [-target T ... | -alltargets] [-sdk S] [-arch A]
// [NAME=VALUE ...] -showBuildSettings` of the stand-in: the resolved settings of each chosen target, printed as
// xcodebuild prints them:
//
//     Build settings for action clean and target App:
//         KEY = value
//
// one line per setting, sorted by key, and a blank line between targets. Settings are resolved from the built-in
// defaults (XABuildSettingsDefaults.h), the project level's base .xcconfig, the project level, the target level's
// base .xcconfig, the target level and the command line (-sdk sets SDKROOT, -arch sets ARCHS, NAME=VALUE anything).
// SDKROOT becomes the path of the named SDK in the developer directory; CURRENT_ARCH is the -arch given, else the
// first of ARCHS, and [arch=...] conditions are tested against it.
//
// Exit status: 0 with the settings; 66 when the project is missing or cannot be read; 65 for a configuration or
// target the project does not have; 64 when the folder holds several projects and none is named.

#include "platform/devtools/XAXcodebuildArguments.h"

#include <map>
#include <string>

struct XAToolOutput {
    int status = 0;
    std::string standardOutput;
    std::string standardError;
};

inline constexpr int XAExitStatusUsage = 64;
inline constexpr int XAExitStatusDataError = 65;
inline constexpr int XAExitStatusNoInput = 66;

// `workingDirectory` is where a project is looked for when none is named (relative -project paths are taken
// against the process's current folder).
XAToolOutput XAShowBuildSettings(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                                 const std::string &workingDirectory);

// The settings block of one target as printed, without the blank line that separates targets. A line break in a
// value is printed as "\n" so that every setting stays on its line.
std::string XAFormatBuildSettings(const std::string &action, const std::string &targetName,
                                  const std::map<std::string, std::string> &settings);
