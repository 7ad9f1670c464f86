// The commands on a project: "clearcaches", "check" and "check-xcode".

#include "cli/XACLICurrentPrinter.h"
#include "cli/XACLIMain.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleSet.h"
#include "engine/config/XAConfiguration.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

namespace {

std::shared_ptr<XAProject> loadedProject(const std::string &xcodeprojPath) {
    std::shared_ptr<XAProject> project = XAProject::projectWithXcodeproj(xa_absoluteCLIPath(xcodeprojPath));
    const bool loaded = project->loadProject([](const XAProgressMessage &message) {
        if (message.kind() == XAProgressMessageKindError) {
            XACLICurrentPrinter()->printProgress(
                XAProgressMessage(XAProgressMessageKindError, "Error reading project file: " + message.message()));
        } else {
            XACLICurrentPrinter()->printProgress(message);
        }
    });
    return loaded ? project : nullptr;
}

int clearCaches(const XAProject &project) {
    XACLICurrentPrinter()->printProgressLine("Clearing the caches for project " + project.projectName() + "...");
    return XAClearAllCachedBuildLogInfo(project, XACLIPrintingProgressHandler()) ? 0 : 1;
}

std::unique_ptr<XACLIOutputPrinter> printerForConfiguration(const XAConfiguration &configuration) {
    return XACLIOutputPrinterForFormat(configuration.cliOutputFormat(), XACLIOutputOptions::defaultOptions());
}

// 1 when a diagnostic reaches the minimum error severity (a minimum of 0 never fails), else 0.
int exitStatusForDiagnostics(const XADiagnostics &diagnostics, int minimumSeverity) {
    if (minimumSeverity == 0) {
        return 0;
    }
    const bool failing = std::any_of(diagnostics.begin(), diagnostics.end(), [&](const XADiagnostic &diagnostic) {
        return diagnostic.severity() >= minimumSeverity;
    });
    return failing ? 1 : 0;
}

void printResults(const XACheckingOperation &operation) {
    const std::shared_ptr<XACLIOutputPrinter> printer = XACLICurrentPrinter();
    const XADiagnostics none;
    const XADiagnostics &diagnostics = operation.diagnostics() ? *operation.diagnostics() : none;
    printer->printProgressLine("------");
    printer->printDiagnostics(diagnostics, &operation);
    printer->printProgressLine("------");
    printer->printProgressLine(operation.formattedStatsMessage());
    printer->printProgressLine("Total " + std::to_string(diagnostics.size()) + " diagnostics.");
    if (operation.shouldShowSuggestionsForFailedOperation()) {
        printer->printProgress(
            XAProgressMessage(XAProgressMessageKindWarning, operation.formattedSuggestionsForFailedOperation()));
    }
}

// The operation for the configuration's target, build configuration and rule set. One that cannot be determined is
// left out; the operation's preparation then fails and says which.
std::shared_ptr<XACheckingOperation> operationForConfiguration(const std::shared_ptr<XAProject> &project,
                                                               const XAConfiguration &configuration) {
    const XAProgressHandler print = XACLIPrintingProgressHandler();
    std::shared_ptr<XAProjectTarget> target =
        XACheckingOperation::determineTargetForProject(*project, configuration, print);
    std::shared_ptr<XAProjectBuildConfiguration> buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration, print);
    std::shared_ptr<const XARuleSet> ruleSet =
        XACheckingOperation::determineRuleSetWithConfiguration(configuration, print);
    XACLICurrentPrinter()->printProgressLine("Checking project: " + project->projectName() +
                                             "\n          target: " + (target ? target->name() : "") +
                                             "\n   configuration: " + (buildConfig ? buildConfig->name() : "") +
                                             "\n         ruleset: " + (ruleSet ? ruleSet->name() : "") + "\n");
    return XACheckingOperation::operationWithProject(project, std::move(target), std::move(buildConfig),
                                                     std::move(ruleSet), configuration);
}

int check(const XACLIEnvironment &environment, const std::shared_ptr<XAProject> &project, bool fromXcodeBuildPhase) {
    std::optional<XAConfiguration> configuration = XACLILoadConfiguration(environment.args(), *project);
    if (!configuration) {
        return 1;
    }
    if (fromXcodeBuildPhase) {
        if (!environment.isRunningWithinAnXcodeBuildPhase()) {
            XACLICurrentPrinter()->printProgress(XAProgressMessage(
                XAProgressMessageKindWarning,
                "The check-xcode command was specified, but we do not seem to be running within an Xcode build "
                "phase. We cannot detect project path, target and build configuration from environment variables."));
        }
        environment.modifyConfigurationFromXcodeEnvironmentVariables(*configuration);
    }
    XACLISetCurrentPrinter(printerForConfiguration(*configuration));
    if (configuration->verbose()) {
        XACLICurrentPrinter()->printProgressLine("Configuration:\n" + xa_indentedWith(configuration->dump(), "    ") +
                                                 "\n");
    }
    const std::shared_ptr<XACheckingOperation> operation = operationForConfiguration(project, *configuration);
    int exitStatus = 0;
    const int minimumSeverity = configuration->minimumErrorStatusSeverity();
    operation->applyRulesWithProgress(
        XACLIPrintingProgressHandler(),
        [&] {
            printResults(*operation);
            exitStatus = exitStatusForDiagnostics(operation->diagnostics().value_or(XADiagnostics()), minimumSeverity);
        },
        true);
    return operation->preparationSuccess() ? exitStatus : 2;
}

} // namespace

int XACLIRunProjectCommand(const XACLIEnvironment &environment, const std::string &command) {
    const std::shared_ptr<XAProject> project = loadedProject(environment.projectPath().value_or(""));
    if (!project) {
        return 1;
    }
    if (command == "clearcaches") {
        return clearCaches(*project);
    }
    return check(environment, project, command == "check-xcode");
}
