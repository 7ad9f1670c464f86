#pragma once

// Fakes of the project window's project, checking runs, engine and notifier: a project whose load reports scripted
// messages, runs that the test drives message by message, and a notifier that records what it was given.

#include "app/project/XAProjectWindowServices.h"
#include "engine/XAOperationProgress.h"
#include "engine/XARuleSet.h"

#include <QColor>
#include <QImage>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>

class XAFakeCheckingRun : public XACheckingRun {
public:
    void applyRulesWithProgress(XAProgressHandler progress, std::function<void()> complete) override {
        std::lock_guard lock(mutex_);
        progress_ = std::move(progress);
        complete_ = std::move(complete);
        started = true;
        running = true;
    }
    bool isRunning() const override { return running && !cancelled; }
    bool isCancelled() const override { return cancelled; }
    void cancel() override { cancelled = true; }
    std::optional<XADiagnostics> diagnostics() const override { return finishedDiagnostics; }
    XAOperationProgress *progress() override { return &progressObject_; }
    std::string formattedStatsMessage() const override { return "Checked total 12 code statements."; }
    bool shouldShowSuggestionsForFailedOperation() const override { return showSuggestions; }
    std::string formattedSuggestionsForFailedOperation() const override { return "• Try a clean build."; }
    bool hasFailed() const override { return false; }

    // What the run sends, as a checking thread would.
    void send(const XAProgressMessage &message) {
        std::lock_guard lock(mutex_);
        progress_(message);
    }
    void finish(XADiagnostics diagnostics) {
        finishedDiagnostics = std::move(diagnostics);
        running = false;
        std::lock_guard lock(mutex_);
        complete_();
    }
    void finishAgain() { complete_(); }

    std::atomic<bool> started{false};
    std::atomic<bool> running{false};
    std::atomic<bool> cancelled{false};
    bool showSuggestions = false;
    std::optional<XADiagnostics> finishedDiagnostics;
    std::string targetID;
    std::string buildConfigurationName;
    XAConfiguration configuration;

private:
    std::mutex mutex_;
    XAProgressHandler progress_;
    std::function<void()> complete_;
    XAOperationProgress progressObject_;
};

class XAFakeProjectDocument : public XAProjectDocument {
public:
    bool loadProjectWithProgress(const XAProgressHandler &progress) override {
        for (const XAProgressMessage &message : loadMessages) {
            progress(message);
        }
        ++loadCount;
        return loadSucceeds;
    }
    std::string xcodeprojPath() const override { return path; }
    std::string projectName() const override { return name; }
    std::optional<std::string> organizationName() const override { return organization; }
    std::optional<std::string> projectHash() const override {
        std::lock_guard lock(mutex_);
        return hash;
    }
    void setHash(std::string newHash) {
        std::lock_guard lock(mutex_);
        hash = std::move(newHash);
    }
    std::vector<XAProjectTargetItem> targets() const override { return targetItems; }
    std::vector<std::string> buildConfigurationNames() const override { return configurationNames; }
    std::string typeDescriptionForTarget(const std::string &targetID, const std::string &) const override {
        const auto found = typeDescriptions.find(targetID);
        return found == typeDescriptions.end() ? std::string() : found->second;
    }
    QImage representativeIconForTarget(const std::optional<std::string> &targetID,
                                       const std::optional<std::string> &configuration) const override {
        ++iconLookups;
        const auto found = icons.find(targetID.value_or("") + "/" + configuration.value_or(""));
        return found == icons.end() ? defaultIcon : found->second;
    }
    QImage defaultProjectIcon() const override { return defaultIcon; }
    std::optional<std::string> determineTargetID(const XAConfiguration &configuration) const override {
        for (const XAProjectTargetItem &target : targetItems) {
            if (configuration.targetName() ? target.name == *configuration.targetName() : true) {
                return target.objectID;
            }
        }
        return std::nullopt;
    }
    std::optional<std::string> determineBuildConfigName(const std::optional<std::string> &,
                                                        const XAConfiguration &configuration) const override {
        if (configuration.buildConfigName()) {
            return *configuration.buildConfigName();
        }
        return configurationNames.empty() ? std::nullopt : std::optional(configurationNames.front());
    }
    std::shared_ptr<XACheckingRun> operationWithTarget(const std::string &targetID, const std::string &buildConfig,
                                                       std::shared_ptr<const XARuleSet>,
                                                       const XAConfiguration &configuration) override {
        auto run = std::make_shared<XAFakeCheckingRun>();
        run->targetID = targetID;
        run->buildConfigurationName = buildConfig;
        run->configuration = configuration;
        runs.push_back(run);
        return run;
    }
    std::optional<std::string> primaryTessaryConfigFilePath() const override { return configFilePath; }
    bool hasProjectSpecificTessaryConfigFile() const override { return configFilePath.has_value(); }
    std::uint64_t lastNotificationRuleIntroOrderNumber() const override { return announcedRuleNumber; }
    void markNewRulesNotified() override {
        announcedRuleNumber = 999;
        ++markCount;
    }
    std::vector<std::string> newRulesToNotifyAboutWithRuleSet(const XARuleSet &ruleSet) const override {
        std::vector<std::string> missing;
        for (const std::string &rule : newRules) {
            bool inSet = false;
            for (const XARuleDescriptor *descriptor : ruleSet.rules()) {
                inSet = inSet || descriptor->shortName == rule;
            }
            if (!inSet) {
                missing.push_back(rule);
            }
        }
        return missing;
    }
    bool containsAnnotationHeader() const override { return hasAnnotationHeader; }
    std::string annotationHeaderInstallDirPath() const override { return installDirectory; }
    bool hasAnyCachedBuildLogInfo() const override { return hasCachedLogs; }
    void clearAllCachedBuildLogInfoWithProgress(const XAProgressHandler &progress) override {
        ++clearCount;
        progress(XAProgressMessage(XAProgressMessageKindInfo, "Removed the build log cache."));
    }

    std::string path = "/work/Demo/Demo.xcodeproj";
    std::string name = "Demo";
    std::optional<std::string> organization = "Quenby";
    std::string hash = "hash-1";
    std::vector<XAProgressMessage> loadMessages;
    bool loadSucceeds = true;
    std::vector<XAProjectTargetItem> targetItems{{"T1", "DemoApp", "Debug"}, {"T2", "DemoTests", "Debug"}};
    std::vector<std::string> configurationNames{"Debug", "Release"};
    std::map<std::string, std::string> typeDescriptions{{"T1", "iOS Application"}};
    std::map<std::string, QImage> icons;
    QImage defaultIcon;
    std::optional<std::string> configFilePath;
    std::uint64_t announcedRuleNumber = 110;
    std::vector<std::string> newRules;
    bool hasAnnotationHeader = false;
    std::string installDirectory;
    bool hasCachedLogs = true;
    int loadCount = 0;
    int markCount = 0;
    int clearCount = 0;
    mutable std::atomic<int> iconLookups{0};
    std::vector<std::shared_ptr<XAFakeCheckingRun>> runs;

private:
    mutable std::mutex mutex_;
};

// Hands out the prepared projects in order (the last one again when they run out).
class XAFakeProjectWindowEngine : public XAProjectWindowEngine {
public:
    std::shared_ptr<XAProjectDocument> projectWithXcodeproj(const std::string &path) override {
        std::lock_guard lock(mutex_);
        requestedPaths.push_back(path);
        std::shared_ptr<XAFakeProjectDocument> project = projects.size() > 1 ? projects.front() : projects.back();
        if (projects.size() > 1) {
            projects.pop_front();
        }
        return project;
    }
    void clearModuleCachesWithProgress(const XAProgressHandler &progress) override {
        ++moduleCacheClears;
        progress(XAProgressMessage(XAProgressMessageKindError, "Could not remove modules cache dir at '/x': denied"));
    }
    bool openProjectInXcode(const std::string &path, XAError *error) override {
        openedInXcode.push_back(path);
        if (!openSucceeds) {
            XASetError(error, "Xcode could not open the project.");
        }
        return openSucceeds;
    }
    QImage xcodeIcon() const override { return QImage(); }

    std::deque<std::shared_ptr<XAFakeProjectDocument>> projects;
    std::vector<std::string> requestedPaths;
    std::vector<std::string> openedInXcode;
    bool openSucceeds = true;
    int moduleCacheClears = 0;

private:
    std::mutex mutex_;
};

class XARecordingUserNotifier : public XAUserNotifier {
public:
    void deliverNotification(const QString &title, const QString &subtitle) override {
        delivered.emplace_back(title, subtitle);
    }
    std::vector<std::pair<QString, QString>> delivered;
};

// A square image of one colour.
inline QImage XAFilledIcon(const QColor &color) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}
