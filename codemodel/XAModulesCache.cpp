#include "codemodel/XAModulesCache.h"

#include "codemodel/XAClangVersion.h"
#include "codemodel/XALibclang.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserFolders.h"
#include "project/XADevEnvironment.h"

#include <filesystem>
#include <system_error>

std::string XAModulesCacheDir() { return XACachesDirectoryPath("ModuleCaches"); }

std::string XAModulesCachePathForVersions(const std::optional<std::string> &xcodeBundleVersion,
                                          const std::string &modulesCacheDirName) {
    return xa_stringByAppendingPathComponent(XAModulesCacheDir(), "Xcode_" + xcodeBundleVersion.value_or("(null)") +
                                                                      "_" + modulesCacheDirName);
}

std::string XAModulesCachePath() {
    const std::string libclangName = XALibclang::isLoaded() ? XAModulesCacheDirName() : "";
    const std::string path =
        XAModulesCachePathForVersions(XADevEnvironment::sharedEnvironment().xcodeBundleVersion(), libclangName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        std::filesystem::create_directories(path, error);
        if (error) {
            XALog(XALogLevelError, "ERROR: Could not create modules cache path at %s: %s", path.c_str(),
                  error.message().c_str());
        }
    }
    return path;
}

void XAClearModuleCaches(const XAProgressHandler &progress) {
    const std::string folder = XAModulesCacheDir();
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    if (error && error != std::errc::no_such_file_or_directory && progress) {
        progress(XAProgressMessage(XAProgressMessageKindError,
                                   "Could not remove modules cache dir at '" + folder + "': " + error.message()));
    }
}
