#include "platform/devtools/XAStandInPlatforms.h"

#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "platform/devtools/XADevToolsSupport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace {

// The name without a version at its end: "iphoneos18.0" gives "iphoneos".
std::string nameWithoutVersion(std::string name) {
    while (!name.empty() && (std::isdigit(static_cast<unsigned char>(name.back())) || name.back() == '.')) {
        name.pop_back();
    }
    return name;
}

std::string lowercased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return text;
}

XAStandInPlatform platformForName(const std::string &sdkName) {
    const std::string plainName = nameWithoutVersion(sdkName);
    for (const XAStandInPlatform &platform : XAStandInPlatforms()) {
        if (platform.name == plainName) {
            return platform;
        }
    }
    XAStandInPlatform unknown;
    unknown.name = plainName.empty() ? sdkName : plainName;
    unknown.folderName = unknown.name;
    unknown.displayName = unknown.name;
    unknown.effectiveName = "-" + unknown.name;
    return unknown;
}

void readSDKSettings(XAStandInSDK &sdk) {
    XAError error;
    std::optional<XAValue> settings = XAPropertyListFromFile(sdk.path + "/SDKSettings.plist", &error);
    if (!settings) {
        sdk.located = false;
        return;
    }
    if (const std::string *name = settings->stringForKey("CanonicalName")) {
        sdk.canonicalName = *name;
    }
    if (const std::string *version = settings->stringForKey("Version")) {
        sdk.version = *version;
    }
}

} // namespace

const std::vector<XAStandInPlatform> &XAStandInPlatforms() {
    static const std::vector<XAStandInPlatform> platforms = {
        {"iphoneos", "iPhoneOS", "iOS", "-iphoneos", "IPHONEOS_DEPLOYMENT_TARGET", "ios", "", "arm64",
         "iphonesimulator iphoneos", false},
        {"iphonesimulator", "iPhoneSimulator", "iOS Simulator", "-iphonesimulator", "IPHONEOS_DEPLOYMENT_TARGET", "ios",
         "-simulator", "arm64 x86_64", "iphonesimulator iphoneos", false},
        {"macosx", "MacOSX", "macOS", "", "MACOSX_DEPLOYMENT_TARGET", "macos", "", "arm64 x86_64", "macosx", true},
        {"watchos", "WatchOS", "watchOS", "-watchos", "WATCHOS_DEPLOYMENT_TARGET", "watchos", "", "arm64_32 armv7k",
         "watchsimulator watchos", false},
        {"watchsimulator", "WatchSimulator", "watchOS Simulator", "-watchsimulator", "WATCHOS_DEPLOYMENT_TARGET",
         "watchos", "-simulator", "arm64 x86_64", "watchsimulator watchos", false},
        {"appletvos", "AppleTVOS", "tvOS", "-appletvos", "TVOS_DEPLOYMENT_TARGET", "tvos", "", "arm64",
         "appletvsimulator appletvos", false},
        {"appletvsimulator", "AppleTVSimulator", "tvOS Simulator", "-appletvsimulator", "TVOS_DEPLOYMENT_TARGET",
         "tvos", "-simulator", "arm64 x86_64", "appletvsimulator appletvos", false},
        {"xros", "XROS", "visionOS", "-xros", "XROS_DEPLOYMENT_TARGET", "xros", "", "arm64", "xrsimulator xros", false},
        {"xrsimulator", "XRSimulator", "visionOS Simulator", "-xrsimulator", "XROS_DEPLOYMENT_TARGET", "xros",
         "-simulator", "arm64", "xrsimulator xros", false},
    };
    return platforms;
}

XAStandInSDK XALocateStandInSDK(const std::string &developerDirectory, const std::string &sdkroot) {
    XAStandInSDK sdk;
    const std::string name = sdkroot.empty() ? "macosx" : sdkroot;
    sdk.path = name;
    if (xa_isAbsolutePath(name)) {
        std::string stem = lowercased(xa_lastPathComponent(name));
        if (stem.ends_with(".sdk")) {
            stem.resize(stem.size() - 4);
        }
        sdk.platform = platformForName(stem);
        std::error_code ignored;
        sdk.located = std::filesystem::is_regular_file(name + "/SDKSettings.plist", ignored);
    } else {
        sdk.platform = platformForName(name);
        if (std::optional<std::string> path = XAStandInSDKPath(developerDirectory, name)) {
            std::error_code ignored;
            sdk.located = std::filesystem::is_directory(*path, ignored);
            if (sdk.located) {
                sdk.path = *path;
            }
        }
    }
    if (sdk.located) {
        readSDKSettings(sdk);
    }
    return sdk;
}
