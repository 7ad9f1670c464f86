#pragma once

// The build-log cache: the printed log of the last xcodebuild run for a project, target and build configuration,
// kept in a property-list file under the per-user caches root so that the next check of the same triple can reuse
// it, as long as nothing that shapes the build has changed since. It also names the per-project products folders
// (symroots) the builds go to, and tells whether a path lies in a build-products folder.
//
// Locations, under the caches root ($XDG_CACHE_HOME/tessary):
//   <project>__<hash of the project folder>/<target>_<configuration>/BuildLogCache.plist   the cache file
//   BuildSymroots/<project>_<hash of the project folder>/<target>_<configuration>        the products folder
//
// Used from the thread that prepares a check; a cache object is not shared between threads.

#include "core/XAProgressMessage.h"
#include "core/XAValue.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class XAProject;

// What was read from a cache file; a key missing from the file (or of the wrong type) leaves its field empty.
struct XABuildLogCacheData {
    std::optional<std::string> buildLog;       // "BuildLog"
    bool wasDryRun = true;                     // "WasDryRun"; a file without it holds a dry-run log
    std::optional<std::string> projectHash;    // "PbxprojHash"
    std::optional<std::string> xcodebuildSpec; // "xcodebuildSpec"
    std::optional<XADate> cacheDate;           // "CacheDate"
    std::optional<std::string> cacheVersion;   // "CacheVersion"
    std::optional<std::string> clangVersion;   // "ClangVersion"
};

// The options of a check that shape the build, and so the log. Default values stand for a check without a
// configuration.
struct XABuildLogCacheOptions {
    std::optional<std::vector<std::string>> extraXcodebuildArgs;
    bool performFullBuild = false;
    std::optional<std::string> associatedWorkspacePath;
    std::optional<std::string> associatedWorkspaceSchemeName;
};

// What the validity test and the writer need to know of the project now.
struct XABuildLogCacheProjectState {
    std::optional<std::string> projectHash; // the hash of project.pbxproj's text
    std::string effectiveRootPath;          // the version-control root, or the project folder
};

class XABuildLogCache {
public:
    // Nothing is read. A cache without target and configuration serves only the project-wide operations (whether
    // anything is cached, clearing). `clangVersion` is the loaded libclang's version text; none when no libclang is
    // loaded, and then no cached log is ever valid.
    XABuildLogCache(std::string projectName, std::string projectDiskRootPath, std::optional<std::string> targetName,
                    std::optional<std::string> buildConfigurationName, XABuildLogCacheOptions options = {},
                    std::optional<std::string> clangVersion = std::nullopt);

    const std::string &projectName() const { return projectName_; }
    const std::string &projectDiskRootPath() const { return projectDiskRootPath_; }
    const std::optional<std::string> &targetName() const { return targetName_; }
    const std::optional<std::string> &buildConfigurationName() const { return buildConfigurationName_; }
    // What readFromDisk read; empty until then. Writing never changes it.
    const std::optional<XABuildLogCacheData> &cachedData() const { return cachedData_; }

    static std::string currentCacheVersion() { return "2"; }

    std::string projectDiskCachePath() const;
    std::string diskCachePath() const;
    std::string symrootPathsProjectRoot() const;
    std::string symrootPath() const;

    // The options that shape the build, as one text: the extra xcodebuild arguments joined with ";;", "fullBuild" or
    // "noFullBuild", "workspace:<path>" and "scheme:<name>" ("(null)" for an absent value), the empty texts dropped,
    // the rest joined with "---".
    std::string xcodebuildSpec() const;

    // True when a cache file was read into cachedData. A missing file is no error; an unreadable one is reported.
    bool readFromDisk(const XAProgressHandler &progress);
    // Writes the log with what the validity test compares; needs a target and a configuration. The file is replaced
    // as a whole (never left half-written).
    bool writeBuildLogToDisk(const std::string &buildLog, const XABuildLogCacheProjectState &project, bool asDryRun,
                             const XAProgressHandler &progress) const;
    bool writeBuildLogToDisk(const std::string &buildLog, const XAProject &project, bool asDryRun,
                             const XAProgressHandler &progress) const;

    // Whether the cached log may be used; when not, `invalidationReason` (when given) says why, except for a cache
    // that holds no log at all.
    bool isValidForProject(const XABuildLogCacheProjectState &project, std::string *invalidationReason) const;
    bool isValidForProject(const XAProject &project, std::string *invalidationReason) const;

    // Whether the project's cache folder holds anything. Asking creates the empty folder when it is missing.
    bool hasAnyDiskCacheForTheProject() const;
    // Removes the project's cache folder and its products root; true when both are gone.
    bool clearAllCachedBuildLogInfo(const XAProgressHandler &progress) const;

    // The first file under the root (hidden files and folders skipped, packages entered) whose extension is one of
    // `extensions` (exactly) and whose modification time, in whole seconds, is later than `date` in whole seconds.
    static std::optional<std::string> pathOfFirstFileChangedSince(std::chrono::system_clock::time_point date,
                                                                  const std::string &rootPath,
                                                                  const std::vector<std::string> &extensions);
    // True for paths in the products folders of these caches, relative paths beginning with "build/", and paths
    // with both a "DerivedData" and a "Build" component.
    static bool pathIsUnderBuildDir(const std::string &path);
    // The same, for paths that also have a component ending in ".app".
    static bool pathIsUnderAppBundleBuildDir(const std::string &path);

private:
    std::string targetFolderName() const;

    std::string projectName_;
    std::string projectDiskRootPath_;
    std::optional<std::string> targetName_;
    std::optional<std::string> buildConfigurationName_;
    XABuildLogCacheOptions options_;
    std::optional<std::string> clangVersion_;
    std::optional<XABuildLogCacheData> cachedData_;
};

// The project's state as the cache compares it: its project-file hash and its effective root (the version-control
// root, found here when the project has not looked for it yet, else the project folder).
XABuildLogCacheProjectState XABuildLogCacheProjectStateOf(const XAProject &project);

// Dates of property lists (seconds since 2001) and of the clock.
XADate XADateFromTimePoint(std::chrono::system_clock::time_point timePoint);
std::chrono::system_clock::time_point XATimePointFromDate(XADate date);
