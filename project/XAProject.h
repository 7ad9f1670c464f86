#pragma once

#include "core/XAError.h"
#include "core/XAImage.h"
#include "core/XAProgressMessage.h"
#include "core/XATask.h"
#include "core/XAValue.h"
#include "project/XABuildSettingsOutput.h"
#include "project/XAPbxprojElement.h"
#include "project/XAVersionControl.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectFile;
class XAAssetCatalogSet;
class XAProjectTarget;

// The editor settings a project records on its main group; each field is absent (0 for indentMode) when the project
// does not hold it as text.
struct XAProjectFileTextSettings {
    std::int64_t indentMode = 0; // 0 unknown, 1 tabs, 2 spaces
    std::optional<std::int64_t> tabWidth;
    std::optional<std::int64_t> indentWidth;
    std::optional<std::int64_t> wrapLines;
};

// The platform a target builds for, from its resolved "PLATFORM_NAME" (simulators count as other).
enum XAPlatform : int {
    XAPlatformOther = 0,
    XAPlatformIOS = 1,
    XAPlatformOSX = 2,
};

// Device families of "TARGETED_DEVICE_FAMILY" and "UIDeviceFamily".
inline constexpr std::int64_t XADeviceFamilyIPhone = 1;
inline constexpr std::int64_t XADeviceFamilyIPad = 2;
inline constexpr std::int64_t XADeviceFamilyUnknown = INT64_MAX;

// Runs xcodebuild in a folder with arguments, as XADevEnvironment::resultsOfXcodebuildInDir does.
using XAXcodebuildRunner = std::function<XATaskResults(const std::optional<std::string> &workingDirectory,
                                                       const std::vector<std::string> &arguments)>;

// An Xcode project: the entry object of the project model. A front end makes one per checked `.xcodeproj` and loads
// it once: the project file is read and its file tree built, xcodebuild is asked for the resolved build settings of
// every target in every project-level build configuration, and the project is validated (which only warns).
// Afterwards the project is read-only and is read from many checking threads at once.
//
// Nothing in the user's project folder is created or changed by loading or by any query.
//
// Locks: the project's own lock guards its lazily made targets and build configurations, the resolved-settings cache
// and the resource-path cache. One lock shared by all projects is held while a finished xcodebuild run stores its
// settings, with the project's own lock taken inside it, never the other way round.
class XAProject : public XAPbxprojElement {
public:
    explicit XAProject(std::string xcodeprojPath);
    static std::shared_ptr<XAProject> projectWithXcodeproj(std::string xcodeprojPath);

    // ---- Loading ----

    // Read, then cache all build settings, then validate; a failed step ends the load with false. Progress, warnings
    // and errors go to the handler when there is one.
    bool loadProject(const XAProgressHandler &progress);
    // Reads `project.pbxproj` and builds the file tree. Fails (with an error message) when there is no path, no
    // project file, a folder in its place, or a file that is not a readable project file.
    bool readPbxproj(const XAProgressHandler &progress);
    // Warns about an unsupported format version and names that are not ASCII; always succeeds.
    bool validateProject(const XAProgressHandler &progress);

    // Replaces the shared developer environment as the runner of xcodebuild (for tests and benchmarks that feed
    // prepared output). Set it before loading; an empty runner restores the shared environment.
    void setXcodebuildRunnerForTesting(XAXcodebuildRunner runner);

    // ---- Paths and facts of the project file ----

    const std::string &xcodeprojPath() const { return xcodeprojPath_; }
    // "My App" for "/a/b/My App.xcodeproj".
    std::string projectName() const;
    // The folder that holds the `.xcodeproj`, standardised.
    std::string projectDiskRootPath() const;
    std::string pbxprojPath() const;
    std::optional<std::chrono::system_clock::time_point> projectModificationDate() const;
    // SHA-1 of the project file's text (40 lower-case hexadecimal digits); no value when it is no UTF-8 text.
    std::optional<std::string> projectHash() const;

    // "objectVersion" as text; "(null)" when missing.
    std::string objectVersion() const;
    std::optional<std::string> XcodeCompatibilityVersion() const;
    std::optional<std::string> organizationName() const;
    std::optional<std::string> classPrefix() const;
    std::vector<std::string> knownRegions() const;
    std::optional<std::string> developmentRegion() const;
    // The canonical locale identifier of the development region: legacy names such as "English" or "German" give
    // their ISO codes ("en", "de"); other identifiers are canonicalised ("en-US" gives "en_US").
    std::optional<std::string> developmentRegionTwoCharISOCode() const;
    bool localeIdentifierIsDevelopmentRegion(const std::string &localeIdentifier) const;
    XAProjectFileTextSettings editorTextSettings() const;

    static std::vector<std::string> supportedObjectVersions();
    bool isSupportedProjectFormatVersion() const;
    static std::string humanReadableSupportedProjectFormatVersions();

    // "target-<target>__buildconfig-<configuration>": the key of per-target, per-configuration caches.
    static std::string cacheKeyForTargetName(const std::string &targetName, const std::string &buildConfigurationName);

    // ---- Files ----

    // Every file reference of the file tree, in identifier order; empty before the project file is read.
    std::vector<std::shared_ptr<XAProjectFile>> files() const;
    // The file whose disk path equals the path once both are standardised.
    std::shared_ptr<XAProjectFile> projectFileWithPath(const std::string &path) const;
    bool containsSwiftCode() const;
    bool isLocalized() const;
    bool containsAnnotationHeader() const;
    // The folder of the project's first "main.m" when that file exists, else the project folder.
    std::string annotationHeaderInstallDirPath() const;

    // ---- The checker's configuration files ----
    //
    // Configuration files are files whose names end in ".tessary.json": among the project's files, and in the folder
    // "TessaryConfig" of the project folder. The primary one is the first whose name begins with "main.tessary.".

    std::string tessaryConfigFileFolderPath() const;
    static bool filenameIsTessaryConfigFile(std::string_view filename);
    // The project's configuration files in project-file order, then those of the configuration folder by name;
    // a file that is both is listed twice.
    std::vector<std::string> tessaryConfigFilePaths() const;
    // The first path whose file name begins with "main.tessary.", else the first path; no value without any.
    std::optional<std::string> primaryTessaryConfigFilePath() const;
    bool hasProjectSpecificTessaryConfigFile() const;
    // "<configuration folder>/main.tessary.json".
    std::string defaultPathForSavingNewConfigFile() const;
    // The comment at the top of a configuration file that the application writes.
    static std::string tessaryConfigFileHeaderComment();
    // Writes a configuration's file text (rendered by the configuration with the header comment above), creating
    // the file's folder when it is missing.
    static bool saveConfigurationText(const std::string &configurationText, const std::string &path, XAError *error);

    // ---- Announcing new rules ----
    //
    // For each project name, the introduction number of the newest rule already announced is kept in the per-user
    // file "NewRuleNotificationOrderNumbers.plist"; projects of the same name share it.

    // The SHA-1 of the project name, 40 lower-case hexadecimal digits.
    std::string newRulesNotificationOrderNumberCacheKey() const;
    // The stored number; 110 when the file or the entry is missing.
    std::uint64_t lastNotificationRuleIntroOrderNumber() const;
    // Stores the current maximum introduction number for this project; a failed write is not reported.
    void markNewRulesNotified(std::uint64_t currentMaximumIntroductionOrderNumber) const;
    // The public rules introduced after the stored number that the rule set does not hold, in the given order.
    struct RuleIntroduction {
        std::string shortName;
        std::size_t introductionOrderNumber = 0;
    };
    std::vector<std::string> newRulesToNotifyAbout(const std::vector<RuleIntroduction> &publicRules,
                                                   const std::set<std::string> &ruleSetShortNames) const;

    // ---- Targets and build configurations ----

    // The targets in the project file's order, made on first use.
    std::vector<std::shared_ptr<XAProjectTarget>> targets() const;
    // The project-level build configurations, made on first use.
    std::vector<std::shared_ptr<XAProjectBuildConfiguration>> buildConfigurations() const;
    // The first target of that exact name.
    std::shared_ptr<XAProjectTarget> targetForName(const std::string &name) const;
    // The target named like the project, else the first target.
    std::shared_ptr<XAProjectTarget> primaryTarget() const;
    // The primary target when it is an application, else the first application target.
    std::shared_ptr<XAProjectTarget> primaryAppTarget() const;
    // The first project-level configuration of that exact name (letter case counts).
    std::shared_ptr<XAProjectBuildConfiguration> buildConfigurationForName(const std::string &name) const;
    // The configuration named by the project's "defaultConfigurationName".
    std::shared_ptr<XAProjectBuildConfiguration> defaultBuildConfiguration() const;
    // Whether any project-level configuration, or else any target's configuration, is based on an `.xcconfig`.
    bool usesBuildConfigurationFiles() const;

    // ---- Resolved build settings ----

    // Asks xcodebuild for the settings of every target in each project-level configuration (in parallel, or one at a
    // time when the user default determineBuildSettingsSerially is set). True when every run succeeded.
    bool cacheAllBuildSettings(const XAProgressHandler &progress);
    // One xcodebuild run for one configuration, storing the settings of every target it reports. Targets it does not
    // report are a warning only. False for an empty configuration name or a failed run.
    bool cacheBuildSettingsForBuildConfigurationName(const std::string &buildConfigurationName,
                                                     const std::optional<std::string> &architecture,
                                                     const std::optional<std::vector<std::string>> &xcodebuildExtraArgs,
                                                     const XAProgressHandler &progress);
    // Whether cacheAllBuildSettings keeps the settings in the caches folder and, while nothing that shapes them has
    // changed, reads them from there instead of running xcodebuild (XAResolvedBuildSettingsCache.h). On by default
    // when xcodebuild runs through the shared developer environment, off with a runner for testing.
    bool usesResolvedBuildSettingsDiskCache() const;
    void setUsesResolvedBuildSettingsDiskCache(bool uses) { usesSettingsDiskCache_ = uses; }
    // The cached settings of the target in the configuration; null when none were cached.
    std::shared_ptr<const XABuildSettings>
    resolvedBuildSettingsForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName) const;
    std::string buildSettingCacheKeyForTargetName(const std::string &targetName,
                                                  const std::string &buildConfigurationName) const;

    // ---- Resource-path cache (per target and configuration, kept by the resource operations) ----

    std::shared_ptr<const std::set<std::string>> cachedResourcePaths(const std::string &cacheKey) const;
    void setCachedResourcePaths(const std::string &cacheKey, std::set<std::string> resourcePaths);

    // ---- Facts of a target in a configuration, from its resolved settings ----

    XAPlatform platformForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName) const;
    // "" for other, "iOS", "OS X".
    static std::string displayNameForPlatform(XAPlatform platform);
    // The platform's display name and the target's type joined by a blank ("iOS Application").
    std::string typeDescriptionForTarget(const XAProjectTarget &target,
                                         const std::string &buildConfigurationName) const;
    // MACOSX_DEPLOYMENT_TARGET on OS X, IPHONEOS_DEPLOYMENT_TARGET on iOS; no value otherwise.
    std::optional<std::string> minDeploymentTargetVersionForTarget(const XAProjectTarget &target,
                                                                   const std::string &buildConfigurationName) const;
    // The contents of the target's Info.plist (INFOPLIST_FILE, relative to the project folder); no value when the
    // setting is missing or the file is no readable dictionary.
    std::optional<XADictionary> infoPlistDictionaryForTarget(const XAProjectTarget &target,
                                                             const std::string &buildConfigurationName) const;
    // TARGETED_DEVICE_FAMILY, else the Info.plist's UIDeviceFamily, as family numbers in their order (unknown
    // families as XADeviceFamilyUnknown); just iPhone when neither says anything.
    std::vector<std::int64_t> targetedDeviceFamiliesForTarget(const XAProjectTarget &target,
                                                              const std::string &buildConfigurationName) const;
    // GCC_PREFIX_HEADER made absolute when that file exists; else the project's prefix header of the same file name,
    // else the project's first prefix header; no value without a setting or any prefix header.
    std::optional<std::string> pathToPrefixHeaderForTarget(const XAProjectTarget &target,
                                                           const std::string &buildConfigurationName) const;
    // The locales of the target's resource files in first-seen order, without "Base" and, on iOS, without "zh".
    std::vector<std::string>
    supportedLocalizationLocaleIdentifiersForTarget(const XAProjectTarget &target,
                                                    const XAProjectBuildConfiguration &buildConfiguration) const;

    // ---- Version control ----

    // Finds the working copy around the project folder (XAVersionControlLocationOfFolder) and, for Git, opens its
    // repository; a repository that cannot be opened is reported to the handler and left out. Runs once per project,
    // whoever asks first and from whatever thread; later calls wait for it and return.
    void determineAndCacheVCSInfoWithProgress(const XAProgressHandler &progress) const;
    // What detection found; none before it ran (they never start it).
    XAVersionControlSystem versionControlSystem() const;
    std::optional<std::string> versionControlRootPath() const;
    std::shared_ptr<XAVCSRepository> versionControlRepository() const;
    // The version-control root when it is known, else the project folder.
    std::string effectiveRootPath() const;
    // "?", "Git", "Mercurial", "Bazaar", "Subversion", "Fossil"; "?" for any other number.
    static std::string nameForVersionControlSystem(std::int64_t system);
    // Git, Mercurial, Bazaar, Subversion and Fossil, in that order.
    static std::vector<XAVersionControlSystem> allSupportedVersionControlSystems();
    static std::vector<std::string> allSupportedVersionControlSystemNames();

    // ---- Application icons ----
    //
    // The icon of an application target: its Info.plist's icon files or the conventionally named ones, and the app
    // icon set of its asset catalogs that the build settings name, whichever is larger.

    // The icon files: those the Info.plist names ("CFBundleIconFile", "CFBundleIconFiles" and the primary icon's
    // "CFBundleIconFiles", build-setting references resolved), each the first image or icon set among the resources
    // with that name without extension; else the images with a conventional icon name ("icon.png", "icon@2x.png",
    // ...; compared in lower case). Then the image "iTunesArtwork". No value for a target that is no application.
    std::optional<std::vector<std::shared_ptr<XAProjectFile>>>
    iconResourceFilesForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName) const;
    // The icon file (or member of an icon set) with the largest pixel area; no value without one.
    std::optional<std::string> bestProjectFileAppIconFilePathForTarget(const XAProjectTarget &target,
                                                                       const std::string &buildConfigurationName) const;
    // The app icon sets with at least one image of all the target's asset catalogs.
    std::vector<std::shared_ptr<const XAAssetCatalogSet>>
    populatedIconAssetCatalogSetsForTarget(const XAProjectTarget &target,
                                           const std::string &buildConfigurationName) const;
    // The largest existing image of the app icon set named by ASSETCATALOG_COMPILER_APPICON_NAME; no value without.
    std::optional<std::string>
    bestImageAssetCatalogAppIconFilePathForTarget(const XAProjectTarget &target,
                                                  const std::string &buildConfigurationName) const;
    // The icon read from the asset catalog's or else the icon files' best image, with the iOS 7 icon shape on iOS.
    std::optional<XAImage> iconForTarget(const XAProjectTarget &target,
                                         const std::string &buildConfigurationName) const;
    // The target's icon, else that of the first other target whose name is part of this one's (the application of a
    // test target), else defaultProjectIcon. `fileTypeIcon` is the interface's icon for "xcodeproj" files.
    XAImage representativeIconForTarget(const XAProjectTarget &target, const std::string &buildConfigurationName,
                                        const XAImage &fileTypeIcon) const;
    // The icon of the primary application target in its first configuration, else `fileTypeIcon`.
    XAImage defaultProjectIcon(const XAImage &fileTypeIcon) const;

protected:
    const char *className() const override { return "XAProject"; }

private:
    static std::mutex &classLock();

    void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &message) const;
    bool failRead(const XAProgressHandler &progress, const std::string &message);
    const XAValue *rootObjectValue(const char *key) const;
    std::optional<std::string> rootObjectString(const char *key) const;
    XATaskResults runXcodebuild(const std::optional<std::string> &workingDirectory,
                                const std::vector<std::string> &arguments) const;
    void storeBuildSettings(const std::string &targetName, const std::string &buildConfigurationName,
                            XABuildSettings settings);
    bool loadBuildSettingsFromDiskCache(const XADictionary &fingerprint);
    void saveBuildSettingsToDiskCache(const XADictionary &fingerprint, const XAProgressHandler &progress) const;
    std::optional<std::string> resolvedSetting(const XAProjectTarget &target, const std::string &buildConfigurationName,
                                               const std::string &key) const;

    const std::string xcodeprojPath_;
    XAXcodebuildRunner xcodebuildRunner_;
    std::optional<bool> usesSettingsDiskCache_;

    mutable std::recursive_mutex lock_;
    mutable std::optional<std::vector<std::shared_ptr<XAProjectTarget>>> targetObjects_;
    mutable std::optional<std::vector<std::shared_ptr<XAProjectBuildConfiguration>>> buildConfigObjects_;
    std::map<std::string, std::shared_ptr<const XABuildSettings>> buildSettingsCache_;
    std::map<std::string, std::shared_ptr<const std::set<std::string>>> resourcePathsCache_;

    // Version-control state: empty until detected.
    struct XAVersionControlState {
        XAVersionControlLocation location;
        std::shared_ptr<XAVCSRepository> repository;
    };
    mutable std::recursive_mutex versionControlLock_;
    mutable std::optional<XAVersionControlState> versionControlState_;
};
