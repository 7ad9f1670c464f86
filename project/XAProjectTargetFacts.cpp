// Facts about one target in one build configuration, answered from its resolved build settings.

#include "project/XAProject.h"

#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <unicode/locid.h>

namespace {

std::string lowercased(std::string_view text) {
    icu::UnicodeString unicode = XAUnicodeStringFromUTF8(text);
    unicode.toLower(icu::Locale::getRoot());
    return XAUTF8FromUnicodeString(unicode);
}

// A family entry of an Info.plist as text: a string as it is, a number as its decimal digits.
std::string textOfFamilyValue(const XAValue &value) {
    if (const std::string *text = value.string()) {
        return *text;
    }
    if (auto number = value.integer()) {
        return std::to_string(*number);
    }
    return value.description();
}

std::int64_t deviceFamilyOfPiece(const std::string &piece) {
    if (piece == "1") {
        return XADeviceFamilyIPhone;
    }
    if (piece == "2") {
        return XADeviceFamilyIPad;
    }
    return XADeviceFamilyUnknown;
}

bool fileExists(const std::string &path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

} // namespace

std::optional<std::string> XAProject::resolvedSetting(const XAProjectTarget &target,
                                                      const std::string &buildConfigurationName,
                                                      const std::string &key) const {
    auto settings = resolvedBuildSettingsForTarget(target, buildConfigurationName);
    if (!settings) {
        return std::nullopt;
    }
    auto found = settings->find(key);
    return found == settings->end() ? std::nullopt : std::optional<std::string>(found->second);
}

XAPlatform XAProject::platformForTarget(const XAProjectTarget &target,
                                        const std::string &buildConfigurationName) const {
    std::optional<std::string> platformName = resolvedSetting(target, buildConfigurationName, "PLATFORM_NAME");
    const std::string name = platformName ? lowercased(xa_trimmed(*platformName)) : std::string();
    if (name == "iphoneos") {
        return XAPlatformIOS;
    }
    if (name == "macosx") {
        return XAPlatformOSX;
    }
    return XAPlatformOther;
}

std::string XAProject::displayNameForPlatform(XAPlatform platform) {
    switch (platform) {
    case XAPlatformIOS:
        return "iOS";
    case XAPlatformOSX:
        return "OS X";
    default:
        return "";
    }
}

std::string XAProject::typeDescriptionForTarget(const XAProjectTarget &target,
                                                const std::string &buildConfigurationName) const {
    return displayNameForPlatform(platformForTarget(target, buildConfigurationName)) + " " +
           target.targetTypeDisplayName();
}

std::optional<std::string>
XAProject::minDeploymentTargetVersionForTarget(const XAProjectTarget &target,
                                               const std::string &buildConfigurationName) const {
    switch (platformForTarget(target, buildConfigurationName)) {
    case XAPlatformOSX:
        return resolvedSetting(target, buildConfigurationName, "MACOSX_DEPLOYMENT_TARGET");
    case XAPlatformIOS:
        return resolvedSetting(target, buildConfigurationName, "IPHONEOS_DEPLOYMENT_TARGET");
    default:
        return std::nullopt;
    }
}

std::optional<XADictionary> XAProject::infoPlistDictionaryForTarget(const XAProjectTarget &target,
                                                                    const std::string &buildConfigurationName) const {
    std::optional<std::string> path = resolvedSetting(target, buildConfigurationName, "INFOPLIST_FILE");
    if (!path) {
        return std::nullopt;
    }
    if (!xa_isAbsolutePath(*path)) {
        path = xa_stringByAppendingPathComponent(projectDiskRootPath(), *path);
    }
    std::optional<XAValue> contents = XAPropertyListFromFile(*path, nullptr);
    if (!contents || !contents->dictionary()) {
        return std::nullopt;
    }
    return *contents->dictionary();
}

std::vector<std::int64_t> XAProject::targetedDeviceFamiliesForTarget(const XAProjectTarget &target,
                                                                     const std::string &buildConfigurationName) const {
    std::vector<std::string> pieces;
    // A blank setting names no family, as a missing one does (it would otherwise be one unknown family).
    std::optional<std::string> setting = resolvedSetting(target, buildConfigurationName, "TARGETED_DEVICE_FAMILY");
    if (setting && !xa_trimmed(*setting).empty()) {
        // Pieces keep their blanks: "1, 2" names iPhone and an unknown family " 2".
        for (std::size_t start = 0;;) {
            std::size_t comma = setting->find(',', start);
            pieces.push_back(setting->substr(start, comma - start));
            if (comma == std::string::npos) {
                break;
            }
            start = comma + 1;
        }
    } else {
        std::optional<XADictionary> infoPlist = infoPlistDictionaryForTarget(target, buildConfigurationName);
        const XAValue *families = infoPlist ? infoPlist->get("UIDeviceFamily") : nullptr;
        if (families && (families->isInteger() || families->isReal())) {
            pieces.push_back(textOfFamilyValue(*families));
        } else if (const XAValue::Array *array = families ? families->array() : nullptr) {
            std::ranges::transform(*array, std::back_inserter(pieces), textOfFamilyValue);
        } else {
            return {XADeviceFamilyIPhone};
        }
    }
    std::vector<std::int64_t> familyNumbers;
    std::ranges::transform(pieces, std::back_inserter(familyNumbers), deviceFamilyOfPiece);
    return familyNumbers;
}

std::optional<std::string> XAProject::pathToPrefixHeaderForTarget(const XAProjectTarget &target,
                                                                  const std::string &buildConfigurationName) const {
    std::optional<std::string> setting = resolvedSetting(target, buildConfigurationName, "GCC_PREFIX_HEADER");
    if (!setting || xa_trimmed(*setting).empty()) {
        return std::nullopt;
    }
    const std::string path =
        xa_isAbsolutePath(*setting)
            ? *setting
            : xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(projectDiskRootPath(), *setting));
    if (fileExists(path)) {
        return path;
    }
    // The header was moved: look for the project's prefix header of the same file name, else any prefix header.
    const std::string fileName = xa_lastPathComponent(*setting);
    std::optional<std::string> firstPrefixHeader;
    for (const auto &file : files()) {
        if (!file->isPrefixHeader() || !file->pathOnDisk()) {
            continue;
        }
        if (xa_lastPathComponent(*file->pathOnDisk()) == fileName) {
            return file->pathOnDisk();
        }
        if (!firstPrefixHeader) {
            firstPrefixHeader = file->pathOnDisk();
        }
    }
    return firstPrefixHeader;
}

std::vector<std::string> XAProject::supportedLocalizationLocaleIdentifiersForTarget(
    const XAProjectTarget &target, const XAProjectBuildConfiguration &buildConfiguration) const {
    const XAPlatform platform = platformForTarget(target, buildConfiguration.name());
    std::vector<std::string> identifiers;
    for (const auto &file : target.resourceFiles()) {
        const std::optional<std::string> &locale = file->localeIdentifier();
        if (!locale || std::ranges::find(identifiers, *locale) != identifiers.end()) {
            continue;
        }
        const std::string lowered = lowercased(*locale);
        // "mul" (the folder of String Catalogs), "und" and "zxx" are codes of no single language.
        if (lowered == "base" || lowered == "mul" || lowered == "und" || lowered == "zxx" ||
            (platform == XAPlatformIOS && lowered == "zh")) {
            continue;
        }
        identifiers.push_back(*locale);
    }
    return identifiers;
}
