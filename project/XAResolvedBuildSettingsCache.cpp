#include "project/XAResolvedBuildSettingsCache.h"

#include "core/XAHashing.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAPropertyList.h"
#include "core/XAUserFolders.h"
#include "project/XADevEnvironment.h"
#include "project/XADevEnvironmentSupport.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAXcconfigFile.h"

#include <filesystem>
#include <set>

namespace {

constexpr const char *kFileName = "ResolvedBuildSettings.plist";
constexpr const char *kFingerprintKey = "Fingerprint";
constexpr const char *kSettingsKey = "Settings";
// Changed whenever the file's layout or the fingerprint's contents change.
constexpr const char *kCacheVersion = "2";

// xcodebuild makes a build setting of every environment variable it is started with, so the settings it prints depend
// on the whole environment it gets; a digest of that environment stands for it.
std::string xcodebuildEnvironmentDigest() {
    std::string text;
    for (const auto &[name, value] : XAEnvironmentForXcodebuild(XAProcessEnvironment())) {
        text += name + '=' + value + '\0';
    }
    return xa_SHA256Hash(text);
}

// Every `.xcconfig` file of the project and every file they include, by path.
std::set<std::string> xcconfigFilePaths(const XAProject &project) {
    std::set<std::string> paths;
    const std::string rootPath = project.projectDiskRootPath();
    for (const auto &file : project.files()) {
        const std::optional<std::string> &path = file->pathOnDisk();
        if (!path || xa_pathExtension(*path) != "xcconfig") {
            continue;
        }
        paths.insert(*path);
        if (auto statements = XAProcessedXcconfigFileStatements(*path, std::nullopt, rootPath, *path)) {
            for (const XCConfigFileStatement &statement : *statements) {
                paths.insert(statement.xcFilePath);
            }
        }
    }
    return paths;
}

// "<SHA-1 of the text> <modification time in nanoseconds>", or "missing".
std::string fileState(const std::string &path) {
    std::optional<std::string> contents = XAContentsOfFile(path, nullptr);
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(path, error);
    if (!contents || error) {
        return "missing";
    }
    return xa_SHA1Hash(*contents) + " " + std::to_string(modified.time_since_epoch().count());
}

XAValue settingsValue(const XAResolvedBuildSettingsByConfiguration &settings) {
    XADictionary configurations;
    for (const auto &[configurationName, targets] : settings) {
        XADictionary targetValues;
        for (const auto &[targetName, targetSettings] : targets) {
            XADictionary values;
            for (const auto &[name, value] : targetSettings) {
                values.set(name, XAValue(value));
            }
            targetValues.set(targetName, XAValue(std::move(values)));
        }
        configurations.set(configurationName, XAValue(std::move(targetValues)));
    }
    return XAValue(std::move(configurations));
}

// No value when any level is not what write() makes.
std::optional<XAResolvedBuildSettingsByConfiguration> settingsFromValue(const XAValue *value) {
    const XADictionary *configurations = value ? value->dictionary() : nullptr;
    if (!configurations) {
        return std::nullopt;
    }
    XAResolvedBuildSettingsByConfiguration settings;
    for (const auto &[configurationName, targetsValue] : *configurations) {
        const XADictionary *targets = targetsValue.dictionary();
        if (!targets) {
            return std::nullopt;
        }
        auto &configurationSettings = settings[configurationName];
        for (const auto &[targetName, valuesValue] : *targets) {
            const XADictionary *values = valuesValue.dictionary();
            if (!values) {
                return std::nullopt;
            }
            XABuildSettings &targetSettings = configurationSettings[targetName];
            for (const auto &[name, settingValue] : *values) {
                const std::string *text = settingValue.string();
                if (!text) {
                    return std::nullopt;
                }
                targetSettings.emplace(name, *text);
            }
        }
    }
    return settings;
}

} // namespace

XAResolvedBuildSettingsCache::XAResolvedBuildSettingsCache(const XAProject &project)
    : filePath_(projectCachesFolderPath(project.projectName(), project.projectDiskRootPath()) + "/" + kFileName) {}

std::string XAResolvedBuildSettingsCache::projectCachesFolderPath(const std::string &projectName,
                                                                  const std::string &projectDiskRootPath) {
    return xa_stringByAppendingPathComponent(XACachesRootPath(),
                                             projectName + "__" + xa_hashForFilePath(projectDiskRootPath));
}

XADictionary XAResolvedBuildSettingsCache::fingerprintOfProject(const XAProject &project) {
    XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    XADictionary xcconfigs;
    for (const std::string &path : xcconfigFilePaths(project)) {
        xcconfigs.set(path, XAValue(fileState(path)));
    }
    XADictionary fingerprint;
    fingerprint.set("CacheVersion", XAValue(std::string(kCacheVersion)));
    fingerprint.set("PbxprojHash", XAValue(project.projectHash().value_or("")));
    fingerprint.set("DeveloperDir", XAValue(environment.devDirRootPath().value_or("")));
    fingerprint.set("XcodebuildVersion", XAValue(environment.xcodebuildVersionDescription().value_or("")));
    fingerprint.set("Xcconfigs", XAValue(std::move(xcconfigs)));
    fingerprint.set("XcodebuildEnvironment", XAValue(xcodebuildEnvironmentDigest()));
    return fingerprint;
}

std::optional<XAResolvedBuildSettingsByConfiguration>
XAResolvedBuildSettingsCache::read(const XADictionary &fingerprint) const {
    std::error_code missing;
    if (!std::filesystem::exists(filePath_, missing)) {
        return std::nullopt;
    }
    XAError error;
    std::optional<XAValue> record = XAPropertyListFromFile(filePath_, &error);
    const XADictionary *dictionary = record ? record->dictionary() : nullptr;
    if (!dictionary) {
        XALog(XALogLevelWarning, "Cannot read the cached build settings at %s: %s", filePath_.c_str(),
              error.message.c_str());
        return std::nullopt;
    }
    const XAValue *storedFingerprint = dictionary->get(kFingerprintKey);
    if (!storedFingerprint || !(*storedFingerprint == XAValue(fingerprint))) {
        return std::nullopt;
    }
    return settingsFromValue(dictionary->get(kSettingsKey));
}

bool XAResolvedBuildSettingsCache::write(const XADictionary &fingerprint,
                                         const XAResolvedBuildSettingsByConfiguration &settings,
                                         const XAProgressHandler &progress) const {
    XADictionary record;
    record.set(kFingerprintKey, XAValue(fingerprint));
    record.set(kSettingsKey, settingsValue(settings));
    XAError error;
    std::optional<std::string> data = XABinaryPropertyListData(XAValue(std::move(record)), &error);
    XAEnsureParentDirectory(filePath_);
    if (data && XAWriteFileAtomically(filePath_, *data, &error)) {
        return true;
    }
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindDebug,
                                   "Cannot cache the resolved build settings: " + error.message));
    }
    return false;
}
