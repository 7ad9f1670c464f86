#pragma once

// The command line of the xcodebuild stand-in: which request it makes, and the options of the request. Options take
// their value from the next argument; NAME=VALUE arguments are build settings of the command line; a word without a
// dash is an action.

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct XABuildSettingsRequest {
    std::string action = "build";
    std::optional<std::string> projectPath;
    std::optional<std::string> configuration;
    std::vector<std::string> targetNames; // empty: the first target, unless allTargets
    bool allTargets = false;
    std::optional<std::string> arch;
    std::optional<std::string> sdk;
    std::vector<std::pair<std::string, std::string>> commandLineSettings; // in the order given
    std::optional<std::string> workspacePath;
    std::optional<std::string> schemeName;
    bool dryRun = false; // -dry-run or -n: print the build's steps without carrying them out
};

enum class XAXcodebuildRequestKind {
    Version,
    Help,
    Usage,
    ShowBuildSettings,
    Build,       // the action "build" (also when no action is named)
    List,        // -list: the targets, configurations and schemes of a project, or the schemes of a workspace
    Unsupported, // a well-formed command line asking for something the stand-in does not do
    Invalid,     // an unknown option or an option without its value
};

struct XAXcodebuildRequest {
    XAXcodebuildRequestKind kind = XAXcodebuildRequestKind::Unsupported;
    XABuildSettingsRequest buildSettings;
    std::string errorMessage; // for Invalid
};

XAXcodebuildRequest XAParseXcodebuildArguments(const std::vector<std::string> &arguments);

struct XAXcodebuildOptionDescription {
    const char *name; // with its argument, as in "-project NAME"
    const char *description;
};

// The options the stand-in understands, in the order `-help` lists them.
const std::vector<XAXcodebuildOptionDescription> &XAXcodebuildOptionDescriptions();
