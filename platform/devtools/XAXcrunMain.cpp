// xcrun of the developer-directory stand-in: finds developer tools and SDKs in the developer directory and runs
// tools from it.

#include "platform/devtools/XADevToolsSupport.h"

#include "core/XALog.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char *kToolName = "xcrun";
constexpr int kUsageStatus = 64;

const char *const kUsage =
    "Usage: xcrun [-sdk <sdk name>] -find <tool name>\n"
    "       xcrun [-sdk <sdk name>] -show-sdk-path\n"
    "       xcrun [-sdk <sdk name>] <tool name> [<tool arguments>...]\n"
    "\n"
    "Options (also with two leading dashes):\n"
    "  -find <tool name>      print the full path of the tool in the developer directory\n"
    "  -sdk <sdk name>        the SDK: macosx, iphoneos, iphonesimulator, watchos, watchsimulator,\n"
    "                         appletvos, appletvsimulator, xros or xrsimulator, with an\n"
    "                         optional version (default: $SDKROOT, else macosx)\n"
    "  -show-sdk-path         print the path of the SDK\n"
    "  -help                  print this text\n";

struct XAXcrunRequest {
    std::optional<std::string> toolToFind;
    std::optional<std::string> sdkName;
    bool showSDKPath = false;
    bool help = false;
    // The tool to run and its arguments, from the first argument that is no option.
    std::vector<std::string> toolCommand;
};

// "-name" and "--name" are the same option.
bool isOption(const std::string &argument, const char *name) {
    return argument == std::string("-") + name || argument == std::string("--") + name;
}

// Reads the arguments; no value (after a message on standard error) when they do not make a request.
std::optional<XAXcrunRequest> parseArguments(const std::vector<std::string> &arguments) {
    XAXcrunRequest request;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string &argument = arguments[index];
        bool takesValue = isOption(argument, "find") || isOption(argument, "sdk");
        if (takesValue && index + 1 >= arguments.size()) {
            XAPrintToolError(kToolName, "option " + argument + " needs a value");
            return std::nullopt;
        }
        if (isOption(argument, "find")) {
            request.toolToFind = arguments[++index];
        } else if (isOption(argument, "sdk")) {
            request.sdkName = arguments[++index];
        } else if (isOption(argument, "show-sdk-path")) {
            request.showSDKPath = true;
        } else if (isOption(argument, "help") || argument == "-h") {
            request.help = true;
        } else if (argument.starts_with("-")) {
            XAPrintToolError(kToolName, "unknown option " + argument);
            return std::nullopt;
        } else {
            request.toolCommand.assign(arguments.begin() + static_cast<std::ptrdiff_t>(index), arguments.end());
            break;
        }
    }
    bool hasAction = request.toolToFind || request.showSDKPath || request.help || !request.toolCommand.empty();
    return hasAction ? std::optional<XAXcrunRequest>(request) : std::nullopt;
}

int unableToFind(const std::string &toolName) {
    XAPrintToolError(kToolName, "unable to find utility \"" + toolName + "\", not a developer tool or in PATH");
    return 1;
}

std::string defaultSDKName() {
    const char *sdkRoot = std::getenv("SDKROOT");
    return sdkRoot && *sdkRoot ? sdkRoot : "macosx";
}

// The SDK folder for the name (or for an absolute path to an SDK folder, as SDKROOT may hold), or no value after an
// error message.
std::optional<std::string> sdkPath(const std::string &developerDirectory, const std::string &sdkName) {
    std::optional<std::string> path =
        sdkName.starts_with("/") ? std::optional<std::string>(sdkName) : XAStandInSDKPath(developerDirectory, sdkName);
    struct stat status;
    if (!path || ::stat(path->c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        XAPrintToolError(kToolName, "SDK \"" + sdkName + "\" cannot be located");
        return std::nullopt;
    }
    return path;
}

// Replaces the process by the tool; returns only on failure.
int runTool(const std::string &developerDirectory, const XAXcrunRequest &request) {
    const std::string &toolName = request.toolCommand.front();
    std::optional<std::string> toolPath = XAStandInToolPath(developerDirectory, toolName);
    if (!toolPath) {
        return unableToFind(toolName);
    }
    if (request.sdkName) {
        std::optional<std::string> path = sdkPath(developerDirectory, *request.sdkName);
        if (!path) {
            return 1;
        }
        ::setenv("SDKROOT", path->c_str(), 1);
    }
    std::vector<char *> argv;
    for (const std::string &argument : request.toolCommand) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(toolPath->c_str(), argv.data());
    XAPrintToolError(kToolName, "cannot run " + *toolPath + ": " + std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    std::optional<XAXcrunRequest> request = parseArguments(XAToolArguments(argc, argv));
    if (!request) {
        XAWriteToStderr(kUsage);
        return kUsageStatus;
    }
    if (request->help) {
        XAWriteToStdout(kUsage);
        return 0;
    }
    std::optional<std::string> developerDirectory = XAStandInDeveloperDirectory(argc > 0 ? argv[0] : nullptr);
    struct stat status;
    if (!developerDirectory || ::stat(developerDirectory->c_str(), &status) != 0) {
        XAPrintToolError(kToolName, "missing developer directory: " + developerDirectory.value_or("(unknown)"));
        return 1;
    }
    if (request->toolToFind) {
        std::optional<std::string> toolPath = XAStandInToolPath(*developerDirectory, *request->toolToFind);
        if (!toolPath) {
            return unableToFind(*request->toolToFind);
        }
        XAWriteToStdout(*toolPath + "\n");
        return 0;
    }
    if (request->showSDKPath) {
        std::optional<std::string> path = sdkPath(*developerDirectory, request->sdkName.value_or(defaultSDKName()));
        if (!path) {
            return 1;
        }
        XAWriteToStdout(*path + "\n");
        return 0;
    }
    return runTool(*developerDirectory, *request);
}
