#include "platform/devtools/XAXcodebuildBuild.h"

#include "core/XAPaths.h"
#include "platform/devtools/XAStandInScheme.h"
#include "platform/devtools/XAXcodebuildBuildLog.h"
#include "platform/devtools/XAXcodebuildBuildOrder.h"
#include "platform/devtools/XAXcodebuildBuildProducts.h"
#include "platform/devtools/XAXcodebuildBuildSteps.h"
#include "platform/devtools/XAXcodebuildSDKCompletion.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>

namespace {

struct XABuildFailure {
    int status;
    std::string message;
};

// What is built: the targets asked for, and the configuration the request or the scheme names.
struct XABuildChoice {
    std::vector<XABuildOrderTarget> targets;
    std::optional<std::string> configuration;
};

class XABuildCommand {
public:
    XABuildCommand(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                   const std::string &workingDirectory)
        : request_(request), developerDirectory_(developerDirectory), workingDirectory_(workingDirectory),
          projects_(developerDirectory) {}

    XAToolOutput run() {
        XAToolOutput output;
        std::optional<XABuildFailure> failure = conflictingOptions();
        std::optional<XABuildChoice> choice = failure ? std::nullopt : chooseTargets(failure);
        std::optional<std::string> configuration = choice ? chooseConfiguration(*choice, failure) : std::nullopt;
        if (failure) {
            writeWarnings(output);
            output.status = failure->status;
            output.standardError += "xcodebuild: error: " + failure->message + "\n";
            return output;
        }
        std::vector<XABuildOrderTarget> order = buildOrder(choice->targets);
        output.standardOutput = XACommandLineSettingsLogText(request_.commandLineSettings);
        std::vector<std::string> errors;
        for (const XABuildOrderTarget &entry : order) {
            XAStandInTargetBuild build =
                XAPlanTargetBuild(*entry.project, *entry.target, settingsInput(*entry.project, *configuration));
            XALayOutTargetProducts(build, request_.dryRun, errors); // before completion, which parses against it
            if (completesSDK()) {
                XACompleteTargetBuild(build, developerDirectory_);
            }
            warnings_.insert(warnings_.end(), build.warnings.begin(), build.warnings.end());
            output.standardOutput += XATargetBuildLogText(build);
        }
        writeWarnings(output);
        for (const std::string &error : errors) {
            output.standardError += "xcodebuild: error: " + error + "\n";
        }
        output.status = errors.empty() ? 0 : XAExitStatusDataError;
        output.standardOutput += errors.empty() ? "** BUILD SUCCEEDED **\n\n" : "** BUILD FAILED **\n\n";
        return output;
    }

private:
    // The targets asked for after what they depend on, explicitly or through the frameworks they link; implicit
    // dependencies go first, found again as long as new ones appear (each round adds targets, so it ends).
    std::vector<XABuildOrderTarget> buildOrder(const std::vector<XABuildOrderTarget> &requested) {
        std::vector<XABuildOrderTarget> roots = requested;
        std::vector<XABuildOrderTarget> order = XATargetsInDependencyOrder(roots, projects_, warnings_);
        for (;;) {
            std::vector<XABuildOrderTarget> implicit =
                XAImplicitLinkDependencies(order, workspaceProjectPaths_, projects_);
            if (implicit.empty()) {
                return order;
            }
            roots.insert(roots.begin(), implicit.begin(), implicit.end());
            order = XATargetsInDependencyOrder(roots, projects_, warnings_);
        }
    }

    // A build completes the SDK stand-in in its intermediates folder; a dry run only where the command line names that
    // folder: without one it writes nothing, as a dry run should. (A full build is what the checker asks for when a
    // project holds Swift code; its compile lines need the completion as much as a dry run's.)
    bool completesSDK() const {
        return !request_.dryRun || std::any_of(request_.commandLineSettings.begin(), request_.commandLineSettings.end(),
                                               [](const auto &setting) { return setting.first == "OBJROOT"; });
    }

    std::optional<XABuildFailure> conflictingOptions() const {
        if (request_.workspacePath && request_.projectPath) {
            return XABuildFailure{XAExitStatusUsage, "The -workspace and -project options cannot be used together."};
        }
        if (request_.workspacePath && !request_.schemeName) {
            return XABuildFailure{XAExitStatusUsage, "If you specify a workspace then you must also specify a scheme. "
                                                     "Use -list to see the schemes in this workspace."};
        }
        if (request_.schemeName && (!request_.targetNames.empty() || request_.allTargets)) {
            return XABuildFailure{XAExitStatusUsage,
                                  "The -scheme option cannot be used together with -target or -alltargets."};
        }
        return std::nullopt;
    }

    std::optional<XABuildChoice> chooseTargets(std::optional<XABuildFailure> &failure) {
        std::string message;
        if (request_.workspacePath) {
            std::error_code error;
            if (!std::filesystem::exists(*request_.workspacePath, error)) {
                failure = XABuildFailure{XAExitStatusNoInput, "'" + *request_.workspacePath + "' does not exist."};
                return std::nullopt;
            }
            std::optional<XAStandInSchemeContainer> workspace =
                XAStandInSchemeContainer::workspace(*request_.workspacePath, &message);
            if (!workspace) {
                failure = XABuildFailure{XAExitStatusNoInput, message};
                return std::nullopt;
            }
            workspaceProjectPaths_ = workspace->projectPaths();
            return schemeTargets(*workspace, failure);
        }
        int status = 0;
        std::optional<std::string> path =
            XAStandInProject::locate(request_.projectPath, workingDirectory_, &status, &message);
        std::shared_ptr<const XAStandInProject> project = path ? projects_.project(*path, &message) : nullptr;
        if (!project) {
            failure = XABuildFailure{path ? XAExitStatusNoInput : status, message};
            return std::nullopt;
        }
        if (request_.schemeName) {
            return schemeTargets(XAStandInSchemeContainer::project(project->xcodeprojPath()), failure);
        }
        return projectTargets(project, failure);
    }

    std::optional<XABuildChoice> projectTargets(const std::shared_ptr<const XAStandInProject> &project,
                                                std::optional<XABuildFailure> &failure) const {
        XABuildChoice choice{{}, request_.configuration};
        if (request_.allTargets || request_.targetNames.empty()) {
            for (const auto &target : project->targets()) {
                choice.targets.push_back({project, target});
                if (!request_.allTargets) {
                    break;
                }
            }
        }
        for (const std::string &name : request_.targetNames) {
            std::shared_ptr<XAProjectTarget> target = XAStandInTargetNamed(*project, name);
            if (!target) {
                failure =
                    XABuildFailure{XAExitStatusDataError, "The project '" + project->name() +
                                                              "' does not contain a target named '" + name + "'."};
                return std::nullopt;
            }
            choice.targets.push_back({project, target});
        }
        if (choice.targets.empty()) {
            failure = XABuildFailure{XAExitStatusDataError, "The project '" + project->name() + "' has no targets."};
            return std::nullopt;
        }
        return choice;
    }

    std::optional<XABuildChoice> schemeTargets(const XAStandInSchemeContainer &container,
                                               std::optional<XABuildFailure> &failure) {
        const std::vector<XAStandInScheme> schemes =
            XAContainerSchemes(container, projects_, XAStandInUserName(), warnings_);
        auto scheme = std::find_if(schemes.begin(), schemes.end(), [this](const XAStandInScheme &candidate) {
            return candidate.name == *request_.schemeName;
        });
        const std::string kind = container.isWorkspace() ? "workspace" : "project";
        if (scheme == schemes.end()) {
            failure = XABuildFailure{XAExitStatusDataError,
                                     "The " + kind + " named \"" + container.name() +
                                         "\" does not contain a scheme named \"" + *request_.schemeName +
                                         "\". The \"-list\" option can be used to find the names of the schemes in "
                                         "the " +
                                         kind + "."};
            return std::nullopt;
        }
        XABuildChoice choice{{}, request_.configuration ? request_.configuration : scheme->launchConfiguration};
        for (const XAStandInSchemeBuildEntry &entry : scheme->buildEntries) {
            if (!entry.buildForRunning) {
                continue;
            }
            std::string message;
            std::shared_ptr<const XAStandInProject> project = projects_.project(entry.projectPath, &message);
            std::shared_ptr<XAProjectTarget> target =
                project ? XAStandInTargetNamed(*project, entry.blueprintName, entry.blueprintIdentifier) : nullptr;
            if (target) {
                choice.targets.push_back({project, target});
            } else {
                warnings_.push_back(project
                                        ? "The scheme '" + scheme->name + "' names a target '" + entry.blueprintName +
                                              "' that project '" + project->name() + "' does not contain."
                                        : message);
            }
        }
        if (choice.targets.empty()) {
            failure = XABuildFailure{XAExitStatusDataError,
                                     "Scheme " + scheme->name + " is not currently configured for the build action."};
            return std::nullopt;
        }
        return choice;
    }

    // The configuration named (it must exist in a project of the targets asked for), else the first project's
    // default.
    std::optional<std::string> chooseConfiguration(const XABuildChoice &choice,
                                                   std::optional<XABuildFailure> &failure) const {
        const XAStandInProject &main = *choice.targets.front().project;
        if (choice.configuration) {
            for (const XABuildOrderTarget &entry : choice.targets) {
                if (entry.project->buildConfigurationForName(*choice.configuration)) {
                    return choice.configuration;
                }
            }
            failure = XABuildFailure{XAExitStatusDataError, "The project '" + main.name() +
                                                                "' does not contain a build configuration named '" +
                                                                *choice.configuration + "'."};
            return std::nullopt;
        }
        auto configuration = main.defaultBuildConfiguration();
        if (!configuration) {
            failure =
                XABuildFailure{XAExitStatusDataError, "The project '" + main.name() + "' has no build configurations."};
            return std::nullopt;
        }
        return configuration->name();
    }

    XATargetBuildSettingsInput settingsInput(const XAStandInProject &project, const std::string &configuration) const {
        std::string name = configuration;
        if (!project.buildConfigurationForName(configuration)) {
            if (auto fallback = project.defaultBuildConfiguration()) {
                name = fallback->name();
            }
        }
        return {"build", name, developerDirectory_, request_.sdk, request_.arch, request_.commandLineSettings};
    }

    void writeWarnings(XAToolOutput &output) const {
        std::vector<std::string> written;
        for (const std::string &warning : warnings_) {
            if (std::find(written.begin(), written.end(), warning) == written.end()) {
                output.standardError += "xcodebuild: warning: " + warning + "\n";
                written.push_back(warning);
            }
        }
    }

    const XABuildSettingsRequest &request_;
    std::string developerDirectory_;
    std::string workingDirectory_;
    XAStandInProjectSet projects_;
    std::vector<std::string> warnings_;
    std::vector<std::string> workspaceProjectPaths_;
};

} // namespace

XAToolOutput XARunXcodebuildBuild(const XABuildSettingsRequest &request, const std::string &developerDirectory,
                                  const std::string &workingDirectory) {
    return XABuildCommand(request, developerDirectory, workingDirectory).run();
}
