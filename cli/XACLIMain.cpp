#include "cli/XACLIMain.h"

#include "cli/XACLICurrentPrinter.h"
#include "cli/XACLIDevCommands.h"
#include "cli/XACLIHumanReadablePrinter.h"
#include "cli/XACLISignals.h"
#include "codemodel/XALibclang.h"
#include "core/XACrashCapture.h"
#include "core/XALog.h"
#include "core/XAMessageQueue.h"
#include "core/XAPaths.h"
#include "core/XAUserDefaults.h"
#include "engine/XAConfigurationFileWriter.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleTags.h"
#include "engine/config/XAConfiguration.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"

#include <cstdlib>
#include <future>
#include <set>

namespace {

// Set in the environment of every xcodebuild that Tessary runs; a Tessary started by such a build must not recurse.
constexpr const char *kAppActiveVariable = "TESSARY_APP_ACTIVE";

std::string programNameFor(const std::vector<std::string> &arguments) {
    if (const char *name = std::getenv("PROGRAM_NAME")) {
        return name;
    }
    return arguments.empty() ? std::string() : xa_lastPathComponent(arguments.front());
}

bool startedInsideOwnBuild() {
    const char *value = std::getenv(kAppActiveVariable);
    return value && *value;
}

bool setUpDeveloperTools() {
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    if (environment.setUp()) {
        return true;
    }
    std::string text = "Error initializing the development environment:\n";
    for (const XAError &error : environment.errors()) {
        text += "  \u2022 Error: " + error.message + "\n";
    }
    text += environment.setUpFailureInstructions() + "\n\n";
    XAWriteToStderr(text);
    return false;
}

// Commands that read no project and run no developer tool, so that they start without asking xcrun and xcodebuild.
bool commandUsesDeveloperTools(const std::string &command) {
    static const std::set<std::string> withoutTools = {"version", "list-clang-versions", "docs",          "rules",
                                                       "tags",    "exampleconfig",       "validateconfig"};
    return !withoutTools.contains(command);
}

int runCommand(const XACLIEnvironment &environment, const std::string &programName) {
    const std::string command = environment.args().command().value_or("");
    if (command.starts_with("dev_")) {
        return XACLIRunDevCommand(environment, programName);
    }
    const std::shared_ptr<XACLIOutputPrinter> printer = XACLICurrentPrinter();
    if (command == "version") {
        printer->printVersion(environment.args().boolValueOfNamedArg(XAConfiguration::kVerbose));
        return 0;
    }
    if (command == "list-clang-versions") {
        printer->printAvailableClangVersions();
        return 0;
    }
    if (command == "docs") {
        printer->printAppDocumentation();
        return 0;
    }
    if (command == "rules") {
        return XACLIPrintRules(environment.commandParameters());
    }
    if (command == "tags") {
        return XACLIPrintTags(environment.commandParameters());
    }
    if (command == "exampleconfig") {
        XAWriteToStdout(XAConfigurationFileWriter::exampleJSONConfigFile());
        return 0;
    }
    if (command == "validateconfig") {
        const std::vector<std::string> parameters = environment.commandParameters();
        return XACLIValidateConfig(parameters.empty() ? std::nullopt : std::optional(parameters.front()));
    }
    return XACLIRunProjectCommand(environment, command);
}

} // namespace

int XACLIMain(const std::vector<std::string> &arguments) {
    const std::string programName = programNameFor(arguments);
    XACLIInstallSignalHandlers();
    XACrashCaptureStart(XACrashCaptureMechanismSystemCrashLogs);
    XASetLogTargets(XALogTargetStandardError);
    XASetVerboseLogging(xa_uberVerboseLogging(XAUserDefaults::standard()));
    XACLISetCurrentPrinter(std::make_shared<XACLIHumanReadablePrinter>(XACLIOutputOptions::defaultOptions()));
    if (startedInsideOwnBuild()) {
        XACLICurrentPrinter()->printProgressLine(std::string("The ") + kAppActiveVariable +
                                                 " environment variable is set. Exiting with status 0 in order to "
                                                 "avoid recursive invocation.");
        return 0;
    }
    if (arguments.size() <= 1) {
        XACLICurrentPrinter()->printShortUsage(programName);
        return 0;
    }
    int exitStatus = 0;
    const std::optional<XACLIEnvironment> environment = XACLIParseArgs(arguments, programName, exitStatus);
    if (!environment) {
        return exitStatus;
    }
    const std::string command = environment->args().command().value_or("");
    if (!commandUsesDeveloperTools(command)) {
        return runCommand(*environment, programName);
    }
    // A command on a project parses: LLVM loads on another thread while the developer tools are set up and the
    // project is read, rather than within the check's preparation. The command waits for it before it ends.
    const std::future<bool> libclangLoading = std::async(std::launch::async, [] { return XALibclang::isLoaded(); });
    if (!setUpDeveloperTools()) {
        return 1;
    }
    return runCommand(*environment, programName);
}

std::optional<XACLIEnvironment> XACLIParseArgs(const std::vector<std::string> &arguments,
                                               const std::string &programName, int &exitStatus) {
    XACLIEnvironment environment(
        XACLIArgs::argsWithArguments(arguments, XAConfiguration::appOptions(), [](const XAProgressMessage &message) {
            if (message.isError()) {
                XALog(XALogLevelError, "Argument error: " + message.message());
            }
        }));
    const std::optional<std::string> command = environment.args().command();
    // dev_dump hands the entries after its file to the compiler as they are, so they are no options of ours.
    if (!environment.args().errors().empty() && command != "dev_dump") {
        XALog(XALogLevelError, "Run `" + programName + " help` for usage info.");
        exitStatus = 1;
        return std::nullopt;
    }
    if (environment.isValid() && command != "help") {
        return environment;
    }
    if (XACLIArgs::commandIsValid(command)) {
        if (command == "help") {
            XACLICurrentPrinter()->printLongUsage(programName);
        } else {
            XACLICurrentPrinter()->printShortUsage(programName);
        }
    } else {
        const std::vector<std::string> &positionals = environment.args().positionalArgs();
        XALog(XALogLevelError, "Unknown command: " + (positionals.empty() ? std::string("(none)") : positionals[0]));
        XALog(XALogLevelError, "Run `" + programName + " help` for usage info.");
    }
    exitStatus = environment.isValid() ? 0 : 1;
    return std::nullopt;
}

std::optional<XAConfiguration> XACLILoadConfiguration(const XACLIArgs &args, const XAProject &project) {
    const XAProgressHandler logErrors = [](const XAProgressMessage &message) {
        if (message.isError()) {
            XALog(XALogLevelError, "Error: " + message.message());
        }
    };
    std::optional<std::string> path = args.configFilePath();
    if (!path) {
        path = project.primaryTessaryConfigFilePath();
    }
    XAConfiguration configuration;
    if (path) {
        configuration = XAConfiguration::configFromFile(path, logErrors);
        if (!configuration.originalLoadFilePath()) {
            return std::nullopt;
        }
    }
    configuration.applyValuesFromArgs(args.namedArgs(), logErrors);
    return configuration;
}

int XACLIValidateConfig(const std::optional<std::string> &path) {
    XAMessageQueue queue;
    const XAConfiguration configuration = XAConfiguration::configFromFile(path, queue.progressHandler());
    const std::string errors = queue.formattedErrorMessages();
    XAWriteToStdout(configuration.dump() + "\n\n" + (errors.empty() ? "OK" : errors) + "\n");
    return errors.empty() ? 0 : 1;
}

int XACLIPrintRules(const std::vector<std::string> &ruleShortNames) {
    const XARuleRegistry &registry = XARuleRegistry::shared();
    std::vector<std::string> known;
    const std::vector<std::string> names = ruleShortNames.empty() ? registry.allPublicRuleShortNames() : ruleShortNames;
    for (const std::string &name : names) {
        if (registry.ruleWithShortName(name)) {
            known.push_back(name);
        } else {
            XAWriteToStderr("Unknown rule name: " + name + "\n");
        }
    }
    XACLICurrentPrinter()->printDescriptionsOfRules(known);
    return known.size() == names.size() ? 0 : 1;
}

int XACLIPrintTags(const std::vector<std::string> &tagNames) {
    std::vector<std::string> known;
    const std::vector<std::string> names = tagNames.empty() ? XARulePublicTagNames() : tagNames;
    for (const std::string &name : names) {
        if (XARuleDescriptionForTag(name)) {
            known.push_back(name);
        } else {
            XAWriteToStderr("Unknown tag name: " + name + "\n");
        }
    }
    XACLICurrentPrinter()->printDescriptionsOfRuleTags(known);
    return known.size() == names.size() ? 0 : 1;
}
