#include "project/XADevEnvironment.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAProcessInfo.h"
#include "core/XAPropertyList.h"
#include "core/XAString.h"
#include "project/XADevEnvironmentSupport.h"

#include <unistd.h>

#include <sys/stat.h>

namespace {

constexpr const char *kInstallHint = "Make sure that you have Xcode and the command-line tools installed.";
constexpr const char *kWhichPath = "/usr/bin/which";
constexpr const char *kTputPath = "/usr/bin/tput";
constexpr const char *kSystemXcrunPath = "/usr/bin/xcrun";
// Folders searched after PATH, for tools installed where a login shell's PATH may not reach.
constexpr const char *kFallbackExecutableFolders[] = {"/usr/local/bin"};

bool pathExists(const std::string &path) {
    struct stat status;
    return !path.empty() && ::stat(path.c_str(), &status) == 0;
}

bool isExecutableFile(const std::string &path) {
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// An empty DEVELOPER_DIR names nothing, as for the developer tools themselves.
std::optional<std::string> developerDirFromEnvironment() {
    std::optional<std::string> value = XAEnvironmentValue("DEVELOPER_DIR");
    return value && !value->empty() ? value : std::nullopt;
}

// PATH searched the way which does it, for systems without /usr/bin/which. Only absolute folders count, since the
// result must be an absolute path.
std::optional<std::string> searchPath(const std::string &name) {
    for (const std::string &folder : xa_componentsSeparatedByString(XAEnvironmentValue("PATH").value_or(""), ":")) {
        std::string candidate = xa_stringByAppendingPathComponent(folder, name);
        if (folder.starts_with("/") && isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<std::string> trimmedNonEmpty(const std::optional<std::string> &text) {
    if (!text) {
        return std::nullopt;
    }
    std::string trimmed = xa_trimmed(*text);
    return trimmed.empty() ? std::nullopt : std::optional<std::string>(trimmed);
}

std::optional<std::string> bundleVersionInPlist(const std::string &path) {
    if (!pathExists(path)) {
        return std::nullopt;
    }
    std::optional<XAValue> plist = XAPropertyListFromFile(path, nullptr);
    const std::string *version = plist ? plist->stringForKey("CFBundleVersion") : nullptr;
    return version ? std::optional<std::string>(*version) : std::nullopt;
}

} // namespace

XADevEnvironment &XADevEnvironment::sharedEnvironment() {
    static XADevEnvironment environment;
    return environment;
}

XADevEnvironment::XADevEnvironment()
    : executablePathsCache_([this](const std::optional<std::string> &name, XAError *error) {
          return name ? searchExecutable(*name, error) : std::nullopt;
      }),
      devExecutablePathsCache_([this](const std::optional<std::string> &name, XAError *error) {
          return name ? searchDevExecutable(*name, error) : std::nullopt;
      }) {}

bool XADevEnvironment::setUp() {
    if (!isXcodeInstalled()) {
        addError("Cannot find Xcode.");
        return false;
    }
    std::optional<std::string> xcrun = findXcrun();
    if (!xcrun) {
        addError("Cannot find the `xcrun` executable.");
        return false;
    }
    {
        std::lock_guard lock(stateMutex_);
        xcrunExecutablePath_ = xcrun;
    }
    // The developer directory comes before xcodebuild so that a DEVELOPER_DIR naming a missing folder is what the
    // user is told about, rather than xcrun's failure that follows from it.
    if (!devDirRootPath()) {
        return false;
    }
    std::optional<std::string> xcodebuild = pathToDevExecutable("xcodebuild");
    if (!xcodebuild) {
        addError(withDevToolSearchError("Cannot find the `xcodebuild` executable.", "xcodebuild"));
        return false;
    }
    {
        std::lock_guard lock(stateMutex_);
        xcodebuildExecutablePath_ = xcodebuild;
        xcodebuildVersionDescription_ = XAXcodebuildVersionDescription(std::nullopt);
    }
    XATaskResults versionResults = resultsOfXcodebuildInDir(std::nullopt, {"-version"});
    std::lock_guard lock(stateMutex_);
    if (versionResults.exitStatus == 0 && !versionResults.error) {
        xcodebuildVersionDescription_ = XAXcodebuildVersionDescription(versionResults.standardOutput);
    }
    setupCompleted_ = true;
    return true;
}

std::string XADevEnvironment::setUpFailureInstructions() const {
    return "Make sure that you have Xcode and the command-line tools installed. The command-line tools can be "
           "installed by running `xcode-select --install` in Terminal.\n\n"
           "For help on installing the Xcode command-line tools, see https://developer.apple.com/xcode/resources/.\n\n"
           "On Linux, start Tessary through its launcher (bin/tessary), which names the developer directory built "
           "with it.";
}

bool XADevEnvironment::setupCompleted() const {
    std::lock_guard lock(stateMutex_);
    return setupCompleted_;
}

std::optional<std::string> XADevEnvironment::xcrunExecutablePath() const {
    std::lock_guard lock(stateMutex_);
    return xcrunExecutablePath_;
}

std::optional<std::string> XADevEnvironment::xcodebuildExecutablePath() const {
    std::lock_guard lock(stateMutex_);
    return xcodebuildExecutablePath_;
}

std::optional<std::string> XADevEnvironment::xcodebuildVersionDescription() const {
    std::lock_guard lock(stateMutex_);
    return xcodebuildVersionDescription_;
}

std::vector<XAError> XADevEnvironment::errors() const {
    std::lock_guard lock(stateMutex_);
    return errors_;
}

std::optional<bool> XADevEnvironment::cached_diskIsFast() const {
    std::lock_guard lock(stateMutex_);
    return cachedDiskIsFast_;
}

void XADevEnvironment::setCached_diskIsFast(std::optional<bool> diskIsFast) {
    std::lock_guard lock(stateMutex_);
    cachedDiskIsFast_ = diskIsFast;
}

void XADevEnvironment::addError(const std::string &message) {
    std::lock_guard lock(stateMutex_);
    errors_.emplace_back(message);
}

std::string XADevEnvironment::withDevToolSearchError(const std::string &message, const std::string &toolName) const {
    std::optional<XAError> searchError = devExecutablePathsCache_.latestErrorForKey(toolName);
    return searchError ? message + " Error: " + searchError->message : message;
}

// ---- Executable searches ----

// An empty name names no tool: it is looked up as no key, which the cache never stores.
std::optional<std::string> XADevEnvironment::pathToExecutable(const std::string &name) {
    return executablePathsCache_.objectForKey(name.empty() ? std::nullopt : std::optional(name));
}

std::optional<std::string> XADevEnvironment::pathToDevExecutable(const std::string &name) {
    return devExecutablePathsCache_.objectForKey(name.empty() ? std::nullopt : std::optional(name));
}

std::optional<std::string> XADevEnvironment::searchExecutable(const std::string &name, XAError * /*error*/) {
    if (isExecutableFile(kWhichPath)) {
        XATaskResults results = XATask::execute(kWhichPath, {name});
        if (results.exitStatus == 0 && !results.error) {
            if (std::optional<std::string> found = trimmedNonEmpty(results.standardOutput)) {
                return found;
            }
        }
    } else if (std::optional<std::string> found = searchPath(name)) {
        return found;
    }
    for (const char *folder : kFallbackExecutableFolders) {
        std::string candidate = xa_stringByAppendingPathComponent(folder, name);
        if (isExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<std::string> XADevEnvironment::searchDevExecutable(const std::string &name, XAError *error) {
    std::optional<std::string> xcrun = xcrunExecutablePath();
    if (!xcrun) {
        XASetError(error, "Cannot find the `xcrun` executable.");
        return std::nullopt;
    }
    XATaskResults results = XATask::execute(*xcrun, {"-find", name});
    if (results.exitStatus != 0 || results.error) {
        std::string reason = results.error ? results.error->message : xa_trimmed(results.standardError.value_or(""));
        std::string message =
            *xcrun + " returned status " + std::to_string(results.exitStatus) + " and stderr: " + reason;
        XALog(XALogLevelError, message);
        XASetError(error, message);
        return std::nullopt;
    }
    return trimmedNonEmpty(results.standardOutput);
}

std::optional<std::string> XADevEnvironment::findXcrun() {
    return pathExists(kSystemXcrunPath) ? std::optional<std::string>(kSystemXcrunPath) : pathToExecutable("xcrun");
}

// ---- Developer directory ----

std::optional<std::string> XADevEnvironment::devDirRootPath() {
    std::call_once(devDirRootOnce_, [this] {
        devDirRootPath_ = computeDevDirRootPath();
        if (devDirRootPath_) {
            XASetSystemPathDeveloperDirectory(devDirRootPath_);
        }
    });
    return devDirRootPath_;
}

std::optional<std::string> XADevEnvironment::devDirPath(const std::string &relativePath) {
    std::optional<std::string> root = devDirRootPath();
    return root ? std::optional<std::string>(xa_stringByAppendingPathComponent(*root, relativePath)) : std::nullopt;
}

std::optional<std::string> XADevEnvironment::computeDevDirRootPath() {
    if (std::optional<std::string> developerDir = developerDirFromEnvironment()) {
        if (pathExists(*developerDir)) {
            return developerDir;
        }
        addError("Cannot find Developer directory at path: '" + *developerDir +
                 "' (specified in the DEVELOPER_DIR environment variable). " + kInstallHint);
        return std::nullopt;
    }
    return devDirRootFromXcodeSelect();
}

std::optional<std::string> XADevEnvironment::devDirRootFromXcodeSelect() {
    std::optional<std::string> xcodeSelect = pathToDevExecutable("xcode-select");
    if (!xcodeSelect) {
        addError(withDevToolSearchError("Cannot find the `xcode-select` executable.", "xcode-select"));
        return std::nullopt;
    }
    XATaskResults results = XATask::execute(*xcodeSelect, {"-print-path"});
    if (results.error) {
        addError("Error when trying to run xcode-select at " + *xcodeSelect + ": " + results.error->message);
        return std::nullopt;
    }
    if (results.exitStatus != 0) {
        addError("Exit status " + std::to_string(results.exitStatus) + " when trying to run xcode-select at " +
                 *xcodeSelect);
        return std::nullopt;
    }
    std::string root = xa_trimmed(results.standardOutput.value_or(""));
    if (pathExists(root)) {
        return root;
    }
    addError("Cannot find Developer dir at path: '" + root + "'. " + kInstallHint);
    return std::nullopt;
}

// ---- Running xcodebuild ----

bool XADevEnvironment::xcodebuildSupportsArgument(const std::string &option) {
    std::lock_guard lock(helpLinesMutex_);
    if (!helpLines_) {
        std::optional<std::string> xcodebuild = xcodebuildExecutablePath();
        if (!xcodebuild) {
            return false; // asked before setUp found xcodebuild; the lines are read once it has
        }
        XATaskResults results = XATask::execute(*xcodebuild, {"-help"});
        helpLines_ = XAXcodebuildHelpLines(results.standardError.value_or(""));
    }
    return XAXcodebuildHelpListsOption(*helpLines_, option);
}

XATaskResults XADevEnvironment::resultsOfXcodebuildInDir(const std::optional<std::string> &workingDirectory,
                                                         const std::vector<std::string> &arguments) {
    std::optional<std::string> xcodebuild = xcodebuildExecutablePath();
    if (!xcodebuild) {
        XATaskResults results;
        results.exitStatus = 127;
        results.error = XAError("Cannot find the `xcodebuild` executable.");
        XALog(XALogLevelFatal, "Error: exception when trying to run xcodebuild: %s", results.error->message.c_str());
        return results;
    }
    // A project opened by its bare name ("App.xcodeproj") has an empty folder: the current one.
    const std::optional<std::string> folder =
        workingDirectory && !workingDirectory->empty() ? workingDirectory : std::nullopt;
    XATaskResults raw = XATask::execute(*xcodebuild, arguments, folder, std::nullopt, [](XATaskSetup &setup) {
        setup.environment = XAEnvironmentForXcodebuild(XAProcessEnvironment());
    });
    if (raw.error) {
        XALog(XALogLevelFatal, "Error: exception when trying to run xcodebuild: %s", raw.error->message.c_str());
    }
    if (raw.exitStatus != 0) {
        XALog(XALogLevelFatal, "Error: exit status %i when trying to run xcodebuild", raw.exitStatus);
        XALog(XALogLevelFatal, raw.standardError.value_or(""));
    }
    XATaskResults results = raw;
    if (raw.standardOutput) {
        results.standardOutput = xa_trimmed(*raw.standardOutput);
    }
    return results;
}

// ---- Terminal ----

std::optional<std::string> XADevEnvironment::terminfoCapability(const std::string &capability,
                                                                const std::string &terminalName) {
    if (capability.empty() || terminalName.empty()) {
        return std::nullopt;
    }
    XATaskResults results = XATask::execute(kTputPath, {"-T", terminalName, capability});
    if (results.exitStatus != 0 || results.error) {
        return std::nullopt;
    }
    return results.standardOutput;
}

bool XADevEnvironment::terminalSupportsColors() {
    std::optional<std::string> termProgram = XAEnvironmentValue("TERM_PROGRAM");
    std::optional<std::string> term = XAEnvironmentValue("TERM");
    std::optional<std::string> terminalName = XATerminalName(termProgram, term);
    std::optional<std::string> colors = terminalName ? terminfoCapability("colors", *terminalName) : std::nullopt;
    return XATerminalSupportsColors(colors, termProgram, term);
}

// ---- Xcode itself ----

bool XADevEnvironment::isXcodeInstalled() {
    return developerDirFromEnvironment().has_value() || pathToExecutable("xcode-select").has_value();
}

std::optional<std::string> XADevEnvironment::xcodeBundleVersion() {
    std::call_once(bundleVersionOnce_, [this] {
        std::optional<std::string> root = devDirRootPath();
        if (!root) {
            return;
        }
        std::string developerDir = xa_stringByStandardizingPath(*root);
        bundleVersion_ = bundleVersionInPlist(xa_stringByAppendingPathComponent(developerDir, "version.plist"));
        if (!bundleVersion_) {
            std::string parent = xa_stringByDeletingLastPathComponent(developerDir);
            bundleVersion_ = bundleVersionInPlist(xa_stringByAppendingPathComponent(parent, "version.plist"));
        }
    });
    return bundleVersion_;
}
