#pragma once

// The platforms whose SDKs the developer-directory stand-in holds, and how a value of SDKROOT (an SDK name with or
// without version, or the path of an SDK folder) leads to one of them.

#include <string>
#include <vector>

struct XAStandInPlatform {
    std::string name;                    // PLATFORM_NAME: "iphoneos"
    std::string folderName;              // stem of the platform and SDK folders: "iPhoneOS"
    std::string displayName;             // PLATFORM_DISPLAY_NAME: "iOS"
    std::string effectiveName;           // EFFECTIVE_PLATFORM_NAME: "-iphoneos", empty for macOS
    std::string deploymentTargetSetting; // "IPHONEOS_DEPLOYMENT_TARGET"; empty when unknown
    std::string tripleOS;                // the OS of a target triple: "ios", "macos"
    std::string tripleSuffix;            // "-simulator" for simulators
    std::string standardArchitectures;   // ARCHS_STANDARD
    std::string supportedPlatforms;      // SUPPORTED_PLATFORMS
    bool deepBundles = false;            // bundles keep their contents in Contents/ (macOS)
};

struct XAStandInSDK {
    XAStandInPlatform platform;
    bool located = false;      // the SDK folder and its SDKSettings.plist were found and read
    std::string path;          // the SDK folder when one exists, else the value of SDKROOT as given
    std::string canonicalName; // SDK_NAME from SDKSettings.plist: "iphoneos18.0"
    std::string version;       // SDK_VERSION from SDKSettings.plist: "18.0"
};

// Every platform of the developer directory, devices before their simulators.
const std::vector<XAStandInPlatform> &XAStandInPlatforms();

// The SDK that a value of SDKROOT names, in the given developer directory. An empty value means macOS, as in Xcode.
// A name or folder the developer directory does not hold gives `located` false and a platform made from the name
// alone (its name without version, iOS-like shallow bundles, no deployment-target setting).
XAStandInSDK XALocateStandInSDK(const std::string &developerDirectory, const std::string &sdkroot);
