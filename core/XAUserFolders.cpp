#include "core/XAUserFolders.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAString.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {

constexpr std::string_view kApplicationFolderName = "tessary";

// $variable when it holds an absolute path, else the home folder + the fallback; then the application's folder.
std::string xdgRoot(const char *variable, std::string_view fallbackBelowHome) {
    const char *value = std::getenv(variable);
    const std::string base = value && value[0] == '/'
                                 ? std::string(value)
                                 : xa_stringByAppendingPathComponent(XAHomeDirectoryPath(), fallbackBelowHome);
    return xa_stringByAppendingPathComponent(base, kApplicationFolderName);
}

bool isValidUTF8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const XAUTF8Char ch = XADecodeUTF8(text, i);
        if (!ch.valid || ch.length == 0) {
            return false;
        }
        i += ch.length;
    }
    return true;
}

} // namespace

std::string XACachesRootPath() { return xdgRoot("XDG_CACHE_HOME", ".cache"); }

std::string XAApplicationSupportRootPath() { return xdgRoot("XDG_DATA_HOME", ".local/share"); }

std::string XAConfigurationRootPath() { return xdgRoot("XDG_CONFIG_HOME", ".config"); }

std::string XAApplicationSupportFilePath(std::string_view name) {
    return XAEnsureParentDirectory(xa_stringByAppendingPathComponent(XAApplicationSupportRootPath(), name));
}

std::string XACachesFilePath(std::string_view name) {
    return XAEnsureParentDirectory(xa_stringByAppendingPathComponent(XACachesRootPath(), name));
}

std::string XAApplicationSupportDirectoryPath(std::string_view name) {
    return XAEnsureDirectory(xa_stringByAppendingPathComponent(XAApplicationSupportRootPath(), name));
}

std::string XACachesDirectoryPath(std::string_view name) {
    return XAEnsureDirectory(xa_stringByAppendingPathComponent(XACachesRootPath(), name));
}

std::string XAEnsureParentDirectory(std::string path) {
    XAEnsureDirectory(xa_stringByDeletingLastPathComponent(path));
    return path;
}

std::string XAEnsureDirectory(std::string path) {
    if (!path.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(path, ignored);
    }
    return path;
}

std::optional<std::string> XAResourcesDirectoryPath() {
    const char *overridden = std::getenv("TESSARY_RESOURCES_DIR");
    if (overridden && overridden[0] != '\0') {
        return xa_absoluteCLIPath(overridden);
    }
    const std::optional<std::string> executable = xa_executablePath();
    if (!executable) {
        return std::nullopt;
    }
    const std::string prefix = xa_stringByDeletingLastPathComponent(xa_stringByDeletingLastPathComponent(*executable));
    return xa_stringByStandardizingPath(prefix + "/share/" + std::string(kApplicationFolderName));
}

std::optional<std::string> xa_pathForResourcePath(std::string_view resourcePath) {
    const std::optional<std::string> resources = XAResourcesDirectoryPath();
    if (!resources) {
        return std::nullopt;
    }
    if (xa_trimmed(resourcePath).empty()) {
        return resources;
    }
    const std::string path = xa_stringByStandardizingPath(*resources + "/" + std::string(resourcePath));
    struct stat info {};
    if (path == *resources || !XAPathIsInsideOrEqual(path, *resources) || ::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> xa_contentsOfResource(std::string_view name) {
    const std::string nameText(name);
    XAError error("No such resource");
    std::optional<std::string> contents;
    if (const std::optional<std::string> path = xa_pathForResourcePath(name)) {
        contents = XAContentsOfFile(*path, &error);
        if (contents && !isValidUTF8(*contents)) {
            contents.reset();
            error = XAError("The file is not valid UTF-8 text");
        }
    }
    if (!contents) {
        XALog(XALogLevelDebug, "Error reading resource file %s: %s", nameText.c_str(), error.message.c_str());
    }
    return contents;
}
