// Build scripts of the checked target: the environment they see, and the CocoaPods resource script, which a dry run
// never runs, so that the resources it copies are known.

#include "codemodel/XABuild.h"

#include "core/XAPaths.h"
#include "core/XATask.h"
#include "core/XATemporaryFiles.h"
#include "project/XAProjectBuildConfiguration.h"

#include <array>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The settings naming the bundle folders that the CocoaPods resource script copies into.
constexpr std::array<const char *, 11> kBundleFolderSettings = {"UNLOCALIZED_RESOURCES_FOLDER_PATH",
                                                                "LOCALIZED_RESOURCES_FOLDER_PATH",
                                                                "DOCUMENTATION_FOLDER_PATH",
                                                                "FRAMEWORKS_FOLDER_PATH",
                                                                "PLUGINS_FOLDER_PATH",
                                                                "PRIVATE_HEADERS_FOLDER_PATH",
                                                                "PUBLIC_HEADERS_FOLDER_PATH",
                                                                "SCRIPTS_FOLDER_PATH",
                                                                "SHARED_FRAMEWORKS_FOLDER_PATH",
                                                                "SHARED_SUPPORT_FOLDER_PATH",
                                                                "XPCSERVICES_FOLDER_PATH"};

// Exit statuses of timeout(1) for a command it stopped.
constexpr int kTimedOutStatus = 124;
constexpr int kKilledStatus = 128 + 9;

// Every occurrence of the value of `name` in every value replaced by `replacement`; nothing when it has no value.
void replaceSettingValue(XABuildSettings &settings, const std::string &name, const std::string &replacement) {
    auto found = settings.find(name);
    if (found == settings.end() || found->second.empty()) {
        return;
    }
    const std::string old = found->second;
    for (auto &[key, value] : settings) {
        for (std::size_t at = value.find(old); at != std::string::npos; at = value.find(old, at + replacement.size())) {
            value.replace(at, old.size(), replacement);
        }
    }
}

std::string settingValue(const XABuildSettings &settings, const std::string &name) {
    auto found = settings.find(name);
    return found == settings.end() ? std::string() : found->second;
}

void warn(const XAProgressHandler &progress, const std::string &message) {
    if (progress) {
        progress(XAProgressMessage(XAProgressMessageKindWarning, message));
    }
}

// Removes a folder and everything in it when it goes out of scope; a failure is ignored.
class XAFolderRemoval {
public:
    explicit XAFolderRemoval(std::string path) : path_(std::move(path)) {}
    ~XAFolderRemoval() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    XAFolderRemoval(const XAFolderRemoval &) = delete;
    XAFolderRemoval &operator=(const XAFolderRemoval &) = delete;

private:
    std::string path_;
};

} // namespace

std::vector<XAResourceBuildStep> XABuild::resourceBuildSteps() const {
    std::vector<XAResourceBuildStep> steps;
    steps.reserve(targetBuildSteps_.size());
    for (const XABuildStep &step : targetBuildSteps_) {
        const bool compilesInterfaceFile =
            step.kind() == XABuildStepKindCompileXIB || step.kind() == XABuildStepKindCompileStoryboard;
        steps.push_back({step.name(), compilesInterfaceFile, step.arguments(), step.commands()});
    }
    return steps;
}

bool XABuild::pathIsUnderAppBundleBuildDir(const std::string &path) const {
    return XABuildLogCache::pathIsUnderAppBundleBuildDir(path);
}

XABuildSettings XABuild::environmentVariablesForBuildScripts() const {
    XABuildSettings environment;
    if (auto settings = isComplete() ? targetBuildSettings() : nullptr) {
        environment = *settings;
    }
    if (std::optional<std::string> products = customSymrootPath(); products && !products->empty()) {
        replaceSettingValue(environment, "SYMROOT", *products);
    }
    environment["COMMAND_MODE"] = "legacy";
    environment["SCRIPT_INPUT_FILE_COUNT"] = "0";
    environment["SCRIPT_OUTPUT_FILE_COUNT"] = "0";
    return environment;
}

std::optional<std::vector<std::string>>
XABuild::cocoaPodsResourcePathsWithProgress(const XAProgressHandler &progress) const {
    const std::optional<std::string> pods = isComplete() ? project_->cocoaPodsFolderPath() : std::nullopt;
    const std::string script = pods ? xa_stringByAppendingPathComponent(*pods, "Pods-resources.sh") : std::string();
    if (std::error_code ignored; script.empty() || !fs::is_regular_file(script, ignored)) {
        return std::nullopt;
    }
    const std::optional<std::string> buildRoot = XATemporaryDirectoryPath("Tessary_CocoaPods_Resources.XXXXXXXX");
    if (!buildRoot) {
        warn(progress, "Cannot make a temporary build folder for the CocoaPods resource script " + script);
        return std::nullopt;
    }
    const XAFolderRemoval removal(*buildRoot);
    XABuildSettings environment = environmentVariablesForBuildScripts();
    replaceSettingValue(environment, "BUILD_ROOT", *buildRoot);
    const std::string productsFolder =
        xa_stringByStandardizingPath(settingValue(environment, "CONFIGURATION_BUILD_DIR"));
    if (!xa_isAbsolutePath(productsFolder) ||
        !XAPathIsInsideOrEqual(productsFolder, xa_stringByStandardizingPath(*buildRoot))) {
        warn(progress, "The CocoaPods resource script " + script + " is not run: its products folder '" +
                           productsFolder + "' lies outside the temporary build folder");
        return std::nullopt;
    }
    for (const char *setting : kBundleFolderSettings) {
        const std::string folder = settingValue(environment, setting);
        std::error_code error;
        if (!folder.empty() &&
            (fs::create_directories(xa_stringByAppendingPathComponent(productsFolder, folder), error), error)) {
            warn(progress, "Cannot prepare the bundle folders for the CocoaPods resource script: " + error.message());
            return std::nullopt;
        }
    }
    const std::string seconds = std::to_string(buildScriptTimeLimit_.count());
    const XATaskResults results = XATask::xa_execute(
        "/usr/bin/timeout", {"--kill-after=5", seconds, "/bin/sh", script}, *buildRoot, std::nullopt,
        [&environment](XATaskSetup &setup) { setup.xa_addEnvironmentVariablesFromDictionary(environment); });
    if (results.error || results.exitStatus != 0) {
        const bool timedOut = results.exitStatus == kTimedOutStatus || results.exitStatus == kKilledStatus;
        warn(progress, "The CocoaPods resource script " + script +
                           (results.error ? " could not be run: " + results.error->message
                            : timedOut    ? " did not finish within " + seconds + " seconds"
                                          : " failed with exit status " + std::to_string(results.exitStatus) + ": " +
                                             results.standardError.value_or("")) +
                           "; its resources are not known");
        return std::nullopt;
    }
    const std::string bundle =
        xa_stringByAppendingPathComponent(productsFolder, settingValue(environment, "WRAPPER_NAME"));
    return XAProject::resourcePathsFromAppBundleAtPath(
        bundle, project_->platformForTarget(*target_, buildConfiguration_->name()));
}
