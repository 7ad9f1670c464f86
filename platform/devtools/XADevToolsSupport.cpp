#include "platform/devtools/XADevToolsSupport.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "platform/devtools/XAStandInPlatforms.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <unistd.h>

#include <sys/stat.h>

namespace {

bool isVersionSuffix(std::string_view text) {
    for (char character : text) {
        if (!std::isdigit(static_cast<unsigned char>(character)) && character != '.') {
            return false;
        }
    }
    return true;
}

bool isExecutableFile(const std::string &path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> resolvedPath(const char *path) {
    char resolved[PATH_MAX];
    if (!path || !::realpath(path, resolved)) {
        return std::nullopt;
    }
    return std::string(resolved);
}

} // namespace

std::optional<std::string> XAStandInDeveloperDirectory(const char *argv0) {
    const char *developerDir = std::getenv("DEVELOPER_DIR");
    if (developerDir && *developerDir) {
        return xa_absoluteCLIPath(developerDir);
    }
    std::optional<std::string> executable = xa_executablePath();
    if (!executable && argv0 && std::string_view(argv0).find('/') != std::string_view::npos) {
        executable = resolvedPath(argv0);
    }
    if (!executable) {
        return std::nullopt;
    }
    std::string binFolder = xa_stringByDeletingLastPathComponent(*executable);
    return xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(binFolder));
}

std::optional<std::string> XAStandInSDKPath(const std::string &developerDirectory, const std::string &sdkName) {
    for (const XAStandInPlatform &platform : XAStandInPlatforms()) {
        if (sdkName.starts_with(platform.name) &&
            isVersionSuffix(std::string_view(sdkName).substr(platform.name.size()))) {
            return developerDirectory + "/Platforms/" + platform.folderName + ".platform/Developer/SDKs/" +
                   platform.folderName + ".sdk";
        }
    }
    return std::nullopt;
}

std::optional<std::string> XAStandInToolPath(const std::string &developerDirectory, const std::string &toolName) {
    if (toolName.empty() || toolName == "." || toolName == ".." || toolName.find('/') != std::string::npos) {
        return std::nullopt;
    }
    for (const char *folder : {"usr/bin", "Toolchains/XcodeDefault.xctoolchain/usr/bin"}) {
        std::string candidate = developerDirectory + "/" + folder + "/" + toolName;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::vector<std::string> XAToolArguments(int argc, char **argv) {
    std::vector<std::string> arguments;
    for (int index = 1; argv && index < argc; ++index) {
        arguments.emplace_back(argv[index] ? argv[index] : "");
    }
    return arguments;
}

void XAPrintToolError(const std::string &toolName, const std::string &message) {
    XAWriteToStderr(toolName + ": error: " + message + "\n");
}
