#include "platform/devtools/XAXcodebuildShowBuildSettings.h"

#include "core/XAPaths.h"
#include "platform/devtools/XAStandInProject.h"
#include "platform/devtools/XATargetBuildSettings.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

namespace {

XAToolOutput failure(int status, const std::string &message) {
    return {status, "", "xcodebuild: error: " + message + "\n"};
}

// The project to read: the one named, else the only .xcodeproj in the working folder.
std::optional<std::string> projectPath(const XABuildSettingsRequest &request, const std::string &workingDirectory,
                                       XAToolOutput &output) {
    int status = 0;
    std::string message;
    std::optional<std::string> path =
        XAStandInProject::locate(request.projectPath, workingDirectory, &status, &message);
    if (!path) {
        output = failure(status, message);
    }
    return path;
}

// The targets asked for, in the project's order for -alltargets and in the order given otherwise.
std::optional<std::vector<std::shared_ptr<XAProjectTarget>>>
chosenTargets(const XAStandInProject &project, const XABuildSettingsRequest &request, XAToolOutput &output) {
    const auto &targets = project.targets();
    if (request.allTargets) {
        return targets;
    }
    if (request.targetNames.empty()) {
        return targets.empty() ? targets : std::vector<std::shared_ptr<XAProjectTarget>>{targets.front()};
    }
    std::vector<std::shared_ptr<XAProjectTarget>> chosen;
    for (const std::string &name : request.targetNames) {
        auto found = std::find_if(targets.begin(), targets.end(),
                                  [&name](const auto &target) { return target->name() == name; });
        if (found == targets.end()) {
            output = failure(XAExitStatusDataError,
                             "The project '" + project.name() + "' does not contain a target named '" + name + "'.");
            return std::nullopt;
        }
        chosen.push_back(*found);
    }
    return chosen;
}

std::optional<std::string> configurationName(const XAStandInProject &project, const XABuildSettingsRequest &request,
                                             XAToolOutput &output) {
    if (request.configuration) {
        if (!project.buildConfigurationForName(*request.configuration)) {
            output = failure(XAExitStatusDataError, "The project '" + project.name() +
                                                        "' does not contain a build configuration named '" +
                                                        *request.configuration + "'.");
            return std::nullopt;
        }
        return request.configuration;
    }
    auto configuration = project.defaultBuildConfiguration();
    if (!configuration) {
        output = failure(XAExitStatusDataError, "The project '" + project.name() + "' has no build configurations.");
        return std::nullopt;
    }
    return configuration->name();
}

std::string printableValue(const std::string &value) {
    std::string printable;
    printable.reserve(value.size());
    for (char character : value) {
        if (character == '\n') {
            printable += "\\n";
        } else if (character != '\r') {
            printable.push_back(character);
        }
    }
    return printable;
}

} // namespace

std::string XAFormatBuildSettings(const std::string &action, const std::string &targetName,
                                  const std::map<std::string, std::string> &settings) {
    std::string text = "Build settings for action " + action + " and target " + targetName + ":\n";
    for (const auto &[key, value] : settings) {
        text += "    " + printableValue(key) + " = " + printableValue(value) + "\n";
    }
    return text;
}

XAToolOutput XAShowBuildSettings(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                                 const std::string &workingDirectory) {
    XAToolOutput output;
    std::optional<std::string> path = projectPath(request, workingDirectory, output);
    if (!path) {
        return output;
    }
    std::string readError;
    std::optional<XAStandInProject> project = XAStandInProject::read(*path, developerDirectory, &readError);
    if (!project) {
        return failure(XAExitStatusNoInput,
                       "Unable to read project '" + xa_lastPathComponent(*path) + "'.\n\tReason: " + readError);
    }
    std::optional<std::string> configuration = configurationName(*project, request, output);
    std::optional<std::vector<std::shared_ptr<XAProjectTarget>>> targets =
        configuration ? chosenTargets(*project, request, output) : std::nullopt;
    if (!targets) {
        return output;
    }
    XATargetBuildSettingsInput input{request.action, *configuration, developerDirectory,
                                     request.sdk,    request.arch,   request.commandLineSettings};
    std::vector<std::string> warningsGiven;
    for (const auto &target : *targets) {
        XATargetBuildSettings settings = XAResolveTargetBuildSettings(*project, *target, input);
        for (const std::string &warning : settings.warnings) {
            if (std::find(warningsGiven.begin(), warningsGiven.end(), warning) == warningsGiven.end()) {
                output.standardError += "xcodebuild: warning: " + warning + "\n";
                warningsGiven.push_back(warning);
            }
        }
        if (!output.standardOutput.empty()) {
            output.standardOutput += "\n";
        }
        output.standardOutput += XAFormatBuildSettings(request.action, target->name(), settings.settings);
    }
    return output;
}
