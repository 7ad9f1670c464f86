#pragma once

#include "core/XACache.h"
#include "core/XAError.h"
#include "core/XATask.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The one shared description of the installed developer tools: where xcrun and xcodebuild are, which developer
// directory is active, which xcodebuild version answers, and how xcodebuild is run. Each front end calls setUp once
// at start and shows `errors` when it fails; afterwards every part that runs xcodebuild goes through
// resultsOfXcodebuildInDir, which gives the child a prepared environment.
//
// A developer directory is named by the environment variable DEVELOPER_DIR or by `xcode-select -print-path`. On
// Linux it is the stand-in that Tessary's launcher names. An empty DEVELOPER_DIR counts as unset, as it does for the
// stand-in tools.
//
// Every member may be called from any thread. The developer directory, xcodebuild's help lines and the developer
// directory's bundle version are computed once per process and never change afterwards, even if setUp runs again.
class XADevEnvironment {
public:
    static XADevEnvironment &sharedEnvironment();

    XADevEnvironment(const XADevEnvironment &) = delete;
    XADevEnvironment &operator=(const XADevEnvironment &) = delete;

    // Finds the tools, in this order: a developer directory is named at all ("Cannot find Xcode."), xcrun, the
    // developer directory itself, xcodebuild (through xcrun), then asks xcodebuild for its version. The first
    // failure adds its error to `errors` and gives false.
    bool setUp();
    // The text shown below the errors when setUp failed.
    std::string setUpFailureInstructions() const;

    bool setupCompleted() const;
    std::optional<std::string> xcrunExecutablePath() const;
    std::optional<std::string> xcodebuildExecutablePath() const;
    std::optional<std::string> xcodebuildVersionDescription() const;
    // Everything that went wrong while setting up, in the order found; never emptied.
    std::vector<XAError> errors() const;

    // Cache slot of the desktop application's disk-speed query.
    std::optional<bool> cached_diskIsFast() const;
    void setCached_diskIsFast(std::optional<bool> diskIsFast);

    // An absolute path of the named executable from PATH (through /usr/bin/which) or /usr/local/bin; no value when
    // there is none or the name is empty.
    std::optional<std::string> pathToExecutable(const std::string &name);
    // The absolute path that `xcrun -find` gives for a developer tool. A failed search logs why and keeps the reason
    // as devExecutablePathsCache().latestErrorForKey(name).
    std::optional<std::string> pathToDevExecutable(const std::string &name);
    XACache<std::string, std::string> &executablePathsCache() { return executablePathsCache_; }
    XACache<std::string, std::string> &devExecutablePathsCache() { return devExecutablePathsCache_; }

    // The active developer directory, or no value; the first call that computes it adds its errors to `errors`.
    std::optional<std::string> devDirRootPath();
    // The developer directory with the relative path appended; no value without a developer directory.
    std::optional<std::string> devDirPath(const std::string &relativePath);

    // Whether `xcodebuild -help` lists the option (given with or without its leading "-").
    bool xcodebuildSupportsArgument(const std::string &option);
    // Runs xcodebuild in the folder (the inherited one when absent) with the prepared environment and no standard
    // input. Standard output comes back trimmed of surrounding white space. Failures are logged and returned; before
    // a successful setUp the results carry an error and exit status 127.
    XATaskResults resultsOfXcodebuildInDir(const std::optional<std::string> &workingDirectory,
                                           const std::vector<std::string> &arguments);

    // The value of a terminfo capability as /usr/bin/tput prints it, or no value.
    std::optional<std::string> terminfoCapability(const std::string &capability, const std::string &terminalName);
    // Whether output to the terminal may use colour escape sequences.
    bool terminalSupportsColors();

    // Whether a developer directory is named at all: DEVELOPER_DIR is set (even to a missing path) or an
    // xcode-select executable is on PATH.
    bool isXcodeInstalled();
    // "CFBundleVersion" of version.plist in the developer directory or its parent folder, read once per process.
    std::optional<std::string> xcodeBundleVersion();

private:
    XADevEnvironment();

    std::optional<std::string> searchExecutable(const std::string &name, XAError *error);
    std::optional<std::string> searchDevExecutable(const std::string &name, XAError *error);
    std::optional<std::string> computeDevDirRootPath();
    std::optional<std::string> devDirRootFromXcodeSelect();
    std::optional<std::string> findXcrun();
    void addError(const std::string &message);
    // The message followed by the reason the developer-tool search for `toolName` last failed, when known.
    std::string withDevToolSearchError(const std::string &message, const std::string &toolName) const;

    mutable std::mutex stateMutex_;
    bool setupCompleted_ = false;
    std::optional<std::string> xcrunExecutablePath_;
    std::optional<std::string> xcodebuildExecutablePath_;
    std::optional<std::string> xcodebuildVersionDescription_;
    std::vector<XAError> errors_;
    std::optional<bool> cachedDiskIsFast_;

    XACache<std::string, std::string> executablePathsCache_;
    XACache<std::string, std::string> devExecutablePathsCache_;

    std::once_flag devDirRootOnce_;
    std::optional<std::string> devDirRootPath_;
    std::mutex helpLinesMutex_;
    std::optional<std::vector<std::string>> helpLines_;
    std::once_flag bundleVersionOnce_;
    std::optional<std::string> bundleVersion_;
};
