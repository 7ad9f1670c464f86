#include "cli/XACLIMain.h"

#include "project/XADevEnvironment.h"
#include "core/XAAppVersion.h"
#include "core/XALog.h"

#include <cstdlib>

namespace {

constexpr int kUsageStatus = 64;

// Set in the environment of every xcodebuild that Tessary runs; a Tessary started by such a build must not recurse.
constexpr const char *kAppActiveVariable = "TESSARY_APP_ACTIVE";

bool startedInsideOwnBuild() {
    const char *value = std::getenv(kAppActiveVariable);
    return value && *value;
}

void printSetUpFailure(const XADevEnvironment &environment) {
    std::string text = "Error initializing the development environment:\n";
    for (const XAError &error : environment.errors()) {
        text += "  \u2022 Error: " + error.message + "\n";
    }
    text += environment.setUpFailureInstructions() + "\n\n";
    XAWriteToStderr(text);
}

void printEnvironment(XADevEnvironment &environment) {
    XAWriteToStdout("Tessary " + xa_versionForPresentation() + "\n");
    XAWriteToStdout("Developer directory: " + environment.devDirRootPath().value_or("") + "\n");
    XAWriteToStdout("xcodebuild: " + environment.xcodebuildExecutablePath().value_or("") + "\n");
    XAWriteToStdout("xcodebuild version: " + environment.xcodebuildVersionDescription().value_or("") + "\n");
}

} // namespace

int XACLIMain(const std::vector<std::string> &arguments) {
    XASetLogTargets(XALogTargetStandardError);
    if (startedInsideOwnBuild()) {
        XAPrintf("The %s environment variable is set. Exiting with status 0 in order to avoid recursive invocation.\n",
                 kAppActiveVariable);
        return 0;
    }
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    if (!environment.setUp()) {
        printSetUpFailure(environment);
        return 1;
    }
    bool asksForVersion = arguments.size() <= 1 || (arguments.size() == 2 && arguments[1] == "version");
    if (!asksForVersion) {
        XAWriteToStderr("tessary: the command line is not available yet\n");
        return kUsageStatus;
    }
    printEnvironment(environment);
    return 0;
}

int XADesktopMain(const std::vector<std::string> & /*arguments*/) {
    XASetLogTargets(XALogTargetStandardError);
    XAWriteToStderr("Tessary: the desktop application is not available yet. Run the command line through the "
                    "launcher bin/tessary.\n");
    return kUsageStatus;
}
