#pragma once

// The real project of the project window: an XAProject read through the project model, checked by
// XACheckingOperation.

#include "app/project/XAProjectWindowServices.h"

class XAProject;
class XAProjectTarget;

class XAModelProjectDocument : public XAProjectDocument {
public:
    explicit XAModelProjectDocument(const std::string &xcodeprojPath);

    const std::shared_ptr<XAProject> &project() const { return project_; }

    bool loadProjectWithProgress(const XAProgressHandler &progress) override;
    std::string xcodeprojPath() const override;
    std::string projectName() const override;
    std::optional<std::string> organizationName() const override;
    std::optional<std::string> projectHash() const override;
    std::vector<XAProjectTargetItem> targets() const override;
    std::vector<std::string> buildConfigurationNames() const override;
    std::string typeDescriptionForTarget(const std::string &targetID,
                                         const std::string &buildConfigurationName) const override;
    QImage representativeIconForTarget(const std::optional<std::string> &targetID,
                                       const std::optional<std::string> &buildConfigurationName) const override;
    QImage defaultProjectIcon() const override;
    std::optional<std::string> determineTargetID(const XAConfiguration &configuration) const override;
    std::optional<std::string> determineBuildConfigName(const std::optional<std::string> &targetID,
                                                        const XAConfiguration &configuration) const override;
    std::shared_ptr<XACheckingRun> operationWithTarget(const std::string &targetID,
                                                       const std::string &buildConfigurationName,
                                                       std::shared_ptr<const XARuleSet> ruleSet,
                                                       const XAConfiguration &configuration) override;
    std::optional<std::string> primaryTessaryConfigFilePath() const override;
    bool hasProjectSpecificTessaryConfigFile() const override;
    std::uint64_t lastNotificationRuleIntroOrderNumber() const override;
    void markNewRulesNotified() override;
    std::vector<std::string> newRulesToNotifyAboutWithRuleSet(const XARuleSet &ruleSet) const override;
    bool containsAnnotationHeader() const override;
    std::string annotationHeaderInstallDirPath() const override;
    bool hasAnyCachedBuildLogInfo() const override;
    void clearAllCachedBuildLogInfoWithProgress(const XAProgressHandler &progress) override;

private:
    std::shared_ptr<XAProjectTarget> targetWithID(const std::string &targetID) const;

    std::shared_ptr<XAProject> project_;
};

// A checking run of the engine.
class XAEngineCheckingRun : public XACheckingRun {
public:
    explicit XAEngineCheckingRun(std::shared_ptr<XACheckingOperation> operation) : operation_(std::move(operation)) {}

    void applyRulesWithProgress(XAProgressHandler progress, std::function<void()> complete) override;
    bool isRunning() const override;
    bool isCancelled() const override;
    void cancel() override;
    std::optional<XADiagnostics> diagnostics() const override;
    XAOperationProgress *progress() override;
    std::string formattedStatsMessage() const override;
    bool shouldShowSuggestionsForFailedOperation() const override;
    std::string formattedSuggestionsForFailedOperation() const override;
    bool hasFailed() const override;
    std::shared_ptr<XACheckingOperation> checkingOperation() const override { return operation_; }

private:
    std::shared_ptr<XACheckingOperation> operation_;
};
