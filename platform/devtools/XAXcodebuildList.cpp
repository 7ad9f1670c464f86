#include "platform/devtools/XAXcodebuildList.h"

#include "platform/devtools/XAStandInScheme.h"
#include "platform/devtools/XAXcodebuildBuildOrder.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>

namespace {

XAToolOutput failure(int status, const std::string &message) {
    return {status, "", "xcodebuild: error: " + message + "\n"};
}

std::string section(const std::string &heading, const std::vector<std::string> &names) {
    std::string text = "    " + heading + ":\n";
    for (const std::string &name : names) {
        text += "        " + name + "\n";
    }
    return text;
}

std::vector<std::string> schemeNames(const std::vector<XAStandInScheme> &schemes) {
    std::vector<std::string> names;
    for (const XAStandInScheme &scheme : schemes) {
        names.push_back(scheme.name);
    }
    return names;
}

void appendWarnings(XAToolOutput &output, const std::vector<std::string> &warnings) {
    std::vector<std::string> written;
    for (const std::string &warning : warnings) {
        if (std::find(written.begin(), written.end(), warning) == written.end()) {
            output.standardError += "xcodebuild: warning: " + warning + "\n";
            written.push_back(warning);
        }
    }
}

XAToolOutput listWorkspace(const std::string &path, XAStandInProjectSet &projects, const std::string &userName) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return failure(XAExitStatusNoInput, "'" + path + "' does not exist.");
    }
    std::string message;
    std::optional<XAStandInSchemeContainer> workspace = XAStandInSchemeContainer::workspace(path, &message);
    if (!workspace) {
        return failure(XAExitStatusNoInput, message);
    }
    std::vector<std::string> warnings;
    const std::vector<XAStandInScheme> schemes = XAContainerSchemes(*workspace, projects, userName, warnings);
    XAToolOutput output;
    appendWarnings(output, warnings);
    output.standardOutput = "Information about workspace \"" + workspace->name() + "\":\n";
    output.standardOutput += schemes.empty() ? "    There are no schemes in workspace \"" + workspace->name() + "\".\n"
                                             : section("Schemes", schemeNames(schemes));
    output.standardOutput += "\n";
    return output;
}

XAToolOutput listProject(const XAStandInProject &project, XAStandInProjectSet &projects, const std::string &userName) {
    std::vector<std::string> targets;
    for (const auto &target : project.targets()) {
        targets.push_back(target->name());
    }
    std::vector<std::string> configurations;
    for (const auto &configuration : project.buildConfigurations()) {
        configurations.push_back(configuration->name());
    }
    std::vector<std::string> warnings;
    const std::vector<XAStandInScheme> schemes =
        XAContainerSchemes(XAStandInSchemeContainer::project(project.xcodeprojPath()), projects, userName, warnings);
    XAToolOutput output;
    appendWarnings(output, warnings);
    std::string &text = output.standardOutput;
    text = "Information about project \"" + project.name() + "\":\n";
    text += section("Targets", targets) + "\n";
    text += section("Build Configurations", configurations) + "\n";
    if (auto defaultConfiguration = project.defaultBuildConfiguration()) {
        text += "    If no build configuration is specified and -scheme is not passed then \"" +
                defaultConfiguration->name() + "\" is used.\n\n";
    }
    text += schemes.empty() ? "    This project contains no schemes.\n" : section("Schemes", schemeNames(schemes));
    text += "\n";
    return output;
}

} // namespace

XAToolOutput XAListXcodebuild(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                              const std::string &workingDirectory, const std::string &userName) {
    XAStandInProjectSet projects(developerDirectory);
    if (request.workspacePath && request.projectPath) {
        return failure(XAExitStatusUsage, "The -workspace and -project options cannot be used together.");
    }
    if (request.workspacePath) {
        return listWorkspace(*request.workspacePath, projects, userName);
    }
    int status = 0;
    std::string message;
    std::optional<std::string> path =
        XAStandInProject::locate(request.projectPath, workingDirectory, &status, &message);
    if (!path) {
        return failure(status, message);
    }
    std::shared_ptr<const XAStandInProject> project = projects.project(*path, &message);
    if (!project) {
        return failure(XAExitStatusNoInput, message);
    }
    return listProject(*project, projects, userName);
}
