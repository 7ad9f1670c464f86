#pragma once

// The resolved build settings of a project kept in the caches folder between loads, so that loading an unchanged
// project again asks xcodebuild nothing.
//
// The file, ResolvedBuildSettings.plist, lies in the project's folder under the caches root, beside its build-log
// caches, so that clearing the project's caches clears it too. It holds the settings of every target in every
// project-level build configuration together with a fingerprint of everything that shapes them: the project file's
// hash, the text and modification time of every `.xcconfig` file the project refers to (with the files they
// include), the developer directory, the xcodebuild version and the environment xcodebuild is started with (whose
// variables become build settings). The settings are read back only while the
// fingerprint of the project now equals the stored one; any change means a fresh xcodebuild run.
//
// Used by XAProject while it loads; a cache object is not shared between threads.

#include "core/XAProgressMessage.h"
#include "core/XAValue.h"
#include "project/XABuildSettingsOutput.h"

#include <map>
#include <optional>
#include <string>

class XAProject;

// Build configuration name -> target name -> settings.
using XAResolvedBuildSettingsByConfiguration = std::map<std::string, std::map<std::string, XABuildSettings>>;

class XAResolvedBuildSettingsCache {
public:
    explicit XAResolvedBuildSettingsCache(const XAProject &project);

    // The project's folder under the caches root: "<project name>__<hash of the project folder>".
    static std::string projectCachesFolderPath(const std::string &projectName, const std::string &projectDiskRootPath);
    const std::string &filePath() const { return filePath_; }

    // What shapes the project's resolved settings now.
    static XADictionary fingerprintOfProject(const XAProject &project);

    // The stored settings when the file exists and was made under an equal fingerprint; no value otherwise (a file
    // that cannot be read is logged and counts as absent).
    std::optional<XAResolvedBuildSettingsByConfiguration> read(const XADictionary &fingerprint) const;
    // Replaces the file as a whole; a failure is reported as a debugging message and leaves no partial file.
    bool write(const XADictionary &fingerprint, const XAResolvedBuildSettingsByConfiguration &settings,
               const XAProgressHandler &progress) const;

private:
    std::string filePath_;
};
