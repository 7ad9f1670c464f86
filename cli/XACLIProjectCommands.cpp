// The commands on a project: "clearcaches", "check" and "check-xcode".

#include "cli/XACLICurrentPrinter.h"
#include "cli/XACLIMain.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/config/XAConfiguration.h"
#include "project/XAProject.h"

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

int check(const XACLIEnvironment &environment, XAProject &project, bool fromXcodeBuildPhase) {
    std::optional<XAConfiguration> configuration = XACLILoadConfiguration(environment.args(), project);
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
    XACLICurrentPrinter()->printProgress(XAProgressMessage(
        XAProgressMessageKindError, "The check is not available yet: this build has no checking run."));
    return 2;
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
    return check(environment, *project, command == "check-xcode");
}
