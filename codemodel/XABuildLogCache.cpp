#include "codemodel/XABuildLogCache.h"

#include "core/XAHashing.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAPropertyList.h"
#include "core/XAUserFolders.h"
#include "project/XAProject.h"
#include "project/XAResolvedBuildSettingsCache.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace {

constexpr const char *kBuildLogKey = "BuildLog";
constexpr const char *kWasDryRunKey = "WasDryRun";
constexpr const char *kProjectHashKey = "PbxprojHash";
constexpr const char *kXcodebuildSpecKey = "xcodebuildSpec";
constexpr const char *kCacheDateKey = "CacheDate";
constexpr const char *kCacheVersionKey = "CacheVersion";
constexpr const char *kClangVersionKey = "ClangVersion";
constexpr const char *kSymrootsFolderName = "BuildSymroots";
// Seconds from 1970-01-01 to 2001-01-01, the reference date of property lists.
constexpr double kReferenceDateOffset = 978307200.0;

// Files whose change may change the build: configuration files, headers (prefix headers included), workspaces and
// project files.
const std::vector<std::string> kBuildShapingExtensions = {
    "xcconfig", "pch", "h", "hh", "hpp", "xcworkspace", "xcworkspacedata", "xcodeproj", "pbxproj"};

void report(const XAProgressHandler &progress, const std::string &message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindError, message));
    }
}

std::string formattedOrNull(const std::optional<std::string> &value) { return value.value_or("(null)"); }

std::optional<std::string> stringOfKey(const XAValue &dictionary, const char *key) {
    const std::string *text = dictionary.stringForKey(key);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

// Equal only when both are present: a value missing on either side never matches.
bool presentAndEqual(const std::optional<std::string> &a, const std::optional<std::string> &b) {
    return a && b && *a == *b;
}

std::string symrootsBasePath() {
    return xa_stringByStandardizingPath(xa_stringByAppendingPathComponent(XACachesRootPath(), kSymrootsFolderName));
}

} // namespace

XADate XADateFromTimePoint(std::chrono::system_clock::time_point timePoint) {
    const double unixSeconds = std::chrono::duration<double>(timePoint.time_since_epoch()).count();
    return XADate{unixSeconds - kReferenceDateOffset};
}

std::chrono::system_clock::time_point XATimePointFromDate(XADate date) {
    // Dates come from files: keep them inside what the clock can represent (about 292 years around 1970).
    constexpr double kLimit = 9.0e9;
    double unixSeconds = date.secondsSinceReferenceDate + kReferenceDateOffset;
    unixSeconds = std::isnan(unixSeconds) ? 0.0 : std::clamp(unixSeconds, -kLimit, kLimit);
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(unixSeconds)));
}

XABuildLogCacheProjectState XABuildLogCacheProjectStateOf(const XAProject &project) {
    // Headers beside the project folder but inside its working copy shape the build too.
    project.determineAndCacheVCSInfoWithProgress(nullptr);
    return {project.projectHash(), project.effectiveRootPath()};
}

XABuildLogCache::XABuildLogCache(std::string projectName, std::string projectDiskRootPath,
                                 std::optional<std::string> targetName,
                                 std::optional<std::string> buildConfigurationName, XABuildLogCacheOptions options,
                                 std::optional<std::string> clangVersion)
    : projectName_(std::move(projectName)), projectDiskRootPath_(std::move(projectDiskRootPath)),
      targetName_(std::move(targetName)), buildConfigurationName_(std::move(buildConfigurationName)),
      options_(std::move(options)), clangVersion_(std::move(clangVersion)) {}

std::string XABuildLogCache::targetFolderName() const {
    return formattedOrNull(targetName_) + "_" + formattedOrNull(buildConfigurationName_);
}

std::string XABuildLogCache::projectDiskCachePath() const {
    return XAResolvedBuildSettingsCache::projectCachesFolderPath(projectName_, projectDiskRootPath_);
}

std::string XABuildLogCache::diskCachePath() const {
    return projectDiskCachePath() + "/" + targetFolderName() + "/BuildLogCache.plist";
}

std::string XABuildLogCache::symrootPathsProjectRoot() const {
    return xa_stringByAppendingPathComponent(symrootsBasePath(),
                                             projectName_ + "_" + xa_hashForFilePath(projectDiskRootPath_));
}

std::string XABuildLogCache::symrootPath() const {
    return xa_stringByAppendingPathComponent(symrootPathsProjectRoot(), targetFolderName());
}

std::string XABuildLogCache::xcodebuildSpec() const {
    std::string extraArguments;
    if (options_.extraXcodebuildArgs) {
        for (std::size_t index = 0; index < options_.extraXcodebuildArgs->size(); ++index) {
            extraArguments += (index ? ";;" : "") + (*options_.extraXcodebuildArgs)[index];
        }
    }
    const std::vector<std::string> parts = {
        extraArguments,
        options_.performFullBuild ? "fullBuild" : "noFullBuild",
        "workspace:" + formattedOrNull(options_.associatedWorkspacePath),
        "scheme:" + formattedOrNull(options_.associatedWorkspaceSchemeName),
    };
    std::string description;
    for (const std::string &part : parts) {
        if (part.empty()) {
            continue;
        }
        description += description.empty() ? part : "---" + part;
    }
    return description;
}

bool XABuildLogCache::readFromDisk(const XAProgressHandler &progress) {
    const std::string path = diskCachePath();
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return false;
    }
    XAError error;
    std::optional<XAValue> plist = XAPropertyListFromFile(path, &error);
    if (!plist || !plist->isDictionary()) {
        report(progress, "Error reading build log cache at: " + path);
        return false;
    }
    XABuildLogCacheData data;
    data.buildLog = stringOfKey(*plist, kBuildLogKey);
    if (const XAValue *dryRun = plist->get(kWasDryRunKey); dryRun && dryRun->boolean()) {
        data.wasDryRun = *dryRun->boolean();
    }
    data.projectHash = stringOfKey(*plist, kProjectHashKey);
    data.xcodebuildSpec = stringOfKey(*plist, kXcodebuildSpecKey);
    if (const XAValue *date = plist->get(kCacheDateKey)) {
        data.cacheDate = date->date();
    }
    data.cacheVersion = stringOfKey(*plist, kCacheVersionKey);
    data.clangVersion = stringOfKey(*plist, kClangVersionKey);
    cachedData_ = std::move(data);
    return true;
}

bool XABuildLogCache::writeBuildLogToDisk(const std::string &buildLog, const XABuildLogCacheProjectState &project,
                                          bool asDryRun, const XAProgressHandler &progress) const {
    if (!targetName_ || !buildConfigurationName_) {
        report(progress, "targetName and buildConfigurationName must be set for the cache!");
        return false;
    }
    const std::string path = diskCachePath();
    std::error_code folderError;
    std::filesystem::create_directories(xa_stringByDeletingLastPathComponent(path), folderError);
    if (folderError) {
        report(progress, folderError.message());
        return false;
    }
    XADictionary record;
    record.set(kBuildLogKey, XAValue(buildLog));
    record.set(kWasDryRunKey, XAValue(asDryRun));
    // A value that is not known is left out; it then never matches on reading.
    if (project.projectHash) {
        record.set(kProjectHashKey, XAValue(*project.projectHash));
    }
    record.set(kXcodebuildSpecKey, XAValue(xcodebuildSpec()));
    record.set(kCacheDateKey, XAValue(XADateFromTimePoint(std::chrono::system_clock::now())));
    record.set(kCacheVersionKey, XAValue(currentCacheVersion()));
    if (clangVersion_) {
        record.set(kClangVersionKey, XAValue(*clangVersion_));
    }
    XAError error;
    std::optional<std::string> data = XAXMLPropertyListData(XAValue(std::move(record)), &error);
    if (!data || !XAWriteFileAtomically(path, *data, &error)) {
        report(progress, "Error writing build log to disk: " + path);
        return false;
    }
    return true;
}

bool XABuildLogCache::writeBuildLogToDisk(const std::string &buildLog, const XAProject &project, bool asDryRun,
                                          const XAProgressHandler &progress) const {
    return writeBuildLogToDisk(buildLog, XABuildLogCacheProjectStateOf(project), asDryRun, progress);
}

bool XABuildLogCache::isValidForProject(const XABuildLogCacheProjectState &project,
                                        std::string *invalidationReason) const {
    auto invalid = [invalidationReason](const std::string &reason) {
        if (invalidationReason) {
            *invalidationReason = reason;
        }
        return false;
    };
    if (!cachedData_ || !cachedData_->buildLog) {
        return false;
    }
    const XABuildLogCacheData &cached = *cachedData_;
    if (!presentAndEqual(cached.cacheVersion, currentCacheVersion())) {
        return invalid("The build cache data model version is too old");
    }
    if (!presentAndEqual(project.projectHash, cached.projectHash)) {
        return invalid("The Xcode project has been modified since the last build cache");
    }
    if (!presentAndEqual(xcodebuildSpec(), cached.xcodebuildSpec)) {
        return invalid("Tessary configuration options affecting builds have changed since the last build cache");
    }
    if (!presentAndEqual(clangVersion_, cached.clangVersion)) {
        return invalid("The used Clang version has changed since the last build cache");
    }
    // Without a cache date every file counts as changed since.
    const auto cacheDate =
        cached.cacheDate ? XATimePointFromDate(*cached.cacheDate) : std::chrono::system_clock::time_point::min();
    if (std::optional<std::string> changed =
            pathOfFirstFileChangedSince(cacheDate, project.effectiveRootPath, kBuildShapingExtensions)) {
        return invalid("The " + xa_lastPathComponent(*changed) + " file has been modified");
    }
    std::error_code ignored;
    if (!std::filesystem::exists(symrootPath(), ignored)) {
        return invalid("The build products temporary folder has been cleared");
    }
    return true;
}

bool XABuildLogCache::isValidForProject(const XAProject &project, std::string *invalidationReason) const {
    return isValidForProject(XABuildLogCacheProjectStateOf(project), invalidationReason);
}

bool XABuildLogCache::hasAnyDiskCacheForTheProject() const {
    const std::string folder = XAEnsureDirectory(projectDiskCachePath());
    std::error_code error;
    return std::filesystem::directory_iterator(folder, error) != std::filesystem::directory_iterator();
}

bool XABuildLogCache::clearAllCachedBuildLogInfo(const XAProgressHandler &progress) const {
    bool cleared = true;
    for (const std::string &folder : {projectDiskCachePath(), symrootPathsProjectRoot()}) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        if (error && error != std::errc::no_such_file_or_directory) {
            report(progress, folder + ": " + error.message());
            cleared = false;
        }
    }
    return cleared;
}

std::optional<std::string> XABuildLogCache::pathOfFirstFileChangedSince(std::chrono::system_clock::time_point date,
                                                                        const std::string &rootPath,
                                                                        const std::vector<std::string> &extensions) {
    const long long threshold =
        std::chrono::duration_cast<std::chrono::seconds>(date.time_since_epoch()).count(); // cut toward zero
    std::optional<std::string> found;
    xa_visitFilesAtRoot(
        rootPath, XADirectoryEnumerationSkipsHiddenFiles, false,
        [&](const std::string &path, bool &stop) {
            if (std::find(extensions.begin(), extensions.end(), xa_pathExtension(path)) == extensions.end()) {
                return;
            }
            struct stat status;
            if (::stat(path.c_str(), &status) == 0 && static_cast<long long>(status.st_mtim.tv_sec) > threshold) {
                found = path;
                stop = true;
            }
        },
        [](const std::string &, const XAError &error) {
            XALog(XALogLevelDebug, "Error enumerating folders for cache invalidation: " + error.message);
            return true;
        });
    return found;
}

bool XABuildLogCache::pathIsUnderBuildDir(const std::string &path) {
    const std::string standardized = xa_pathWithoutLeadingSlash(xa_stringByStandardizingPath(path));
    if (standardized.starts_with(xa_pathWithoutLeadingSlash(symrootsBasePath()))) {
        return true;
    }
    if (path.starts_with("build/")) {
        return true;
    }
    const std::vector<std::string> components = xa_pathComponents(path);
    auto has = [&components](const char *name) {
        return std::find(components.begin(), components.end(), name) != components.end();
    };
    return has("DerivedData") && has("Build");
}

bool XABuildLogCache::pathIsUnderAppBundleBuildDir(const std::string &path) {
    if (!pathIsUnderBuildDir(path)) {
        return false;
    }
    const std::vector<std::string> components = xa_pathComponents(path);
    return std::any_of(components.begin(), components.end(),
                       [](const std::string &component) { return component.ends_with(".app"); });
}
