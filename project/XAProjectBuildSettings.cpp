// The resolved-build-settings cache of XAProject: one xcodebuild run per project-level build configuration, its
// output parsed into the settings of every target.

#include "project/XAProject.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserDefaults.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"
#include "project/XAResolvedBuildSettingsCache.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

std::string argumentListDescription(const std::vector<std::string> &arguments) {
    std::string description = "(";
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        description += (index > 0 ? ", " : "") + arguments[index];
    }
    return description + ")";
}

// Runs `work` for every index below `count` on up to `width` threads, the calling thread among them.
void runInParallel(std::size_t count, std::size_t width, const std::function<void(std::size_t)> &work) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t index = next++; index < count; index = next++) {
            work(index);
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t helper = 1; helper < std::min(count, width); ++helper) {
        helpers.emplace_back(worker);
    }
    worker();
}

} // namespace

XATaskResults XAProject::runXcodebuild(const std::optional<std::string> &workingDirectory,
                                       const std::vector<std::string> &arguments) const {
    if (xcodebuildRunner_) {
        return xcodebuildRunner_(workingDirectory, arguments);
    }
    return XADevEnvironment::sharedEnvironment().resultsOfXcodebuildInDir(workingDirectory, arguments);
}

bool XAProject::usesResolvedBuildSettingsDiskCache() const {
    return usesSettingsDiskCache_.value_or(!xcodebuildRunner_);
}

bool XAProject::cacheAllBuildSettings(const XAProgressHandler &progress) {
    // Taken before xcodebuild runs, so that a change made meanwhile makes the stored settings stale.
    std::optional<XADictionary> fingerprint;
    if (usesResolvedBuildSettingsDiskCache()) {
        fingerprint = XAResolvedBuildSettingsCache::fingerprintOfProject(*this);
        if (loadBuildSettingsFromDiskCache(*fingerprint)) {
            send(progress, XAProgressMessageKindDebug, "Using cached build settings");
            return true;
        }
    }
    const std::size_t targetCount = targets().size();
    const auto configurations = buildConfigurations();
    if (progress) {
        send(progress, XAProgressMessageKindDebug,
             "Determining build settings for " + std::to_string(targetCount) + " targets and " +
                 std::to_string(configurations.size()) + " build configurations");
    }
    std::atomic<std::size_t> failures{0};
    auto determine = [&](std::size_t index) {
        if (!cacheBuildSettingsForBuildConfigurationName(configurations[index]->name(), std::nullopt, std::nullopt,
                                                         progress)) {
            ++failures;
        }
    };
    const bool serially = xa_determineBuildSettingsSerially(XAUserDefaults::standard());
    const std::size_t width = serially ? 1 : std::max(1u, std::thread::hardware_concurrency());
    runInParallel(configurations.size(), width, determine);
    if (failures == 0 && fingerprint) {
        saveBuildSettingsToDiskCache(*fingerprint, progress);
    }
    return failures == 0;
}

bool XAProject::loadBuildSettingsFromDiskCache(const XADictionary &fingerprint) {
    std::optional<XAResolvedBuildSettingsByConfiguration> cached =
        XAResolvedBuildSettingsCache(*this).read(fingerprint);
    if (!cached) {
        return false;
    }
    for (auto &[configurationName, settingsByTarget] : *cached) {
        for (auto &[targetName, settings] : settingsByTarget) {
            storeBuildSettings(targetName, configurationName, std::move(settings));
        }
    }
    return true;
}

// Only complete results are kept: a target xcodebuild gave no settings for is asked again (and warned about) on the
// next load.
void XAProject::saveBuildSettingsToDiskCache(const XADictionary &fingerprint, const XAProgressHandler &progress) const {
    XAResolvedBuildSettingsByConfiguration settings;
    for (const auto &configuration : buildConfigurations()) {
        for (const auto &target : targets()) {
            std::shared_ptr<const XABuildSettings> targetSettings =
                resolvedBuildSettingsForTarget(*target, configuration->name());
            if (!targetSettings) {
                return;
            }
            settings[configuration->name()][target->name()] = *targetSettings;
        }
    }
    XAResolvedBuildSettingsCache(*this).write(fingerprint, settings, progress);
}

bool XAProject::cacheBuildSettingsForBuildConfigurationName(
    const std::string &buildConfigurationName, const std::optional<std::string> &architecture,
    const std::optional<std::vector<std::string>> &xcodebuildExtraArgs, const XAProgressHandler &progress) {
    if (buildConfigurationName.empty()) {
        send(progress, XAProgressMessageKindError, "Cannot resolve build settings for empty build configuration name.");
        return false;
    }
    std::vector<std::string> arguments = {"clean",
                                          "-project",
                                          xa_lastPathComponent(xcodeprojPath_),
                                          "-configuration",
                                          buildConfigurationName,
                                          "-alltargets",
                                          "-showBuildSettings",
                                          "CODE_SIGNING_ALLOWED=NO",
                                          "CODE_SIGNING_REQUIRED=NO"};
    if (xcodebuildExtraArgs) {
        arguments.insert(arguments.end(), xcodebuildExtraArgs->begin(), xcodebuildExtraArgs->end());
    }
    if (architecture && !architecture->empty()) {
        arguments.insert(arguments.end(), {"-arch", *architecture});
    }
    XALog(XALogLevelDebug, "Getting build settings with args: %s", argumentListDescription(arguments).c_str());

    XATaskResults results = runXcodebuild(projectDiskRootPath(), arguments);
    if (results.exitStatus != 0) {
        std::string errorText = results.standardError.value_or(results.error ? results.error->message : "");
        send(progress, XAProgressMessageKindError,
             "Error resolving build settings. xcodebuild returned status " + std::to_string(results.exitStatus) +
                 " and output:\n\n" + results.standardOutput.value_or("") + "\n\n" + errorText + "\n");
        return false;
    }

    std::vector<std::string> targetNames;
    for (const auto &target : targets()) {
        targetNames.push_back(target->name());
    }
    auto settingsByTarget =
        XABuildSettingsByTargetFromXcodebuildOutput(results.standardOutput.value_or(""), targetNames);

    std::vector<std::string> targetsWithoutSettings;
    {
        std::lock_guard classWide(classLock());
        for (const std::string &name : targetNames) {
            auto found = settingsByTarget.find(name);
            if (found == settingsByTarget.end() || found->second.empty()) {
                targetsWithoutSettings.push_back(name);
            } else {
                storeBuildSettings(name, buildConfigurationName, found->second);
            }
        }
    }
    // Reported outside the lock, so that a slow progress handler holds up no other project.
    for (const std::string &name : targetsWithoutSettings) {
        const std::string message = "Could not get any build settings for target '" + name +
                                    "' and build configuration '" + buildConfigurationName + "'";
        XALog(XALogLevelWarning, "Warning: %s", message.c_str());
        send(progress, XAProgressMessageKindWarning, message);
    }
    return true;
}

void XAProject::storeBuildSettings(const std::string &targetName, const std::string &buildConfigurationName,
                                   XABuildSettings settings) {
    std::lock_guard lock(lock_);
    buildSettingsCache_[buildSettingCacheKeyForTargetName(targetName, buildConfigurationName)] =
        std::make_shared<const XABuildSettings>(std::move(settings));
}

std::shared_ptr<const XABuildSettings>
XAProject::resolvedBuildSettingsForTarget(const XAProjectTarget &target,
                                          const std::string &buildConfigurationName) const {
    const std::string key = buildSettingCacheKeyForTargetName(target.name(), buildConfigurationName);
    std::lock_guard lock(lock_);
    auto found = buildSettingsCache_.find(key);
    return found == buildSettingsCache_.end() ? nullptr : found->second;
}

std::string XAProject::buildSettingCacheKeyForTargetName(const std::string &targetName,
                                                         const std::string &buildConfigurationName) const {
    return "org.quenby.ResolvedBuildSettings_" + projectDiskRootPath() + "__" + targetName + "__" +
           buildConfigurationName;
}
