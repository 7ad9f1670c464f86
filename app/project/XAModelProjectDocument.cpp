#include "app/project/XAModelProjectDocument.h"

#include "app/controls/XAQtConversions.h"
#include "app/integrations/XAIcons.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleIntroductionOrder.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

#include <set>

XAModelProjectDocument::XAModelProjectDocument(const std::string &xcodeprojPath)
    : project_(XAProject::projectWithXcodeproj(xcodeprojPath)) {}

bool XAModelProjectDocument::loadProjectWithProgress(const XAProgressHandler &progress) {
    return project_->loadProject(progress);
}

std::string XAModelProjectDocument::xcodeprojPath() const { return project_->xcodeprojPath(); }
std::string XAModelProjectDocument::projectName() const { return project_->projectName(); }
std::optional<std::string> XAModelProjectDocument::organizationName() const { return project_->organizationName(); }
std::optional<std::string> XAModelProjectDocument::projectHash() const { return project_->projectHash(); }

std::vector<XAProjectTargetItem> XAModelProjectDocument::targets() const {
    std::vector<XAProjectTargetItem> items;
    for (const std::shared_ptr<XAProjectTarget> &target : project_->targets()) {
        const auto &configurations = target->buildConfigurations();
        items.push_back({target->uniqueXcodeObjectID().value_or(""), target->name(),
                         configurations.empty() ? std::string() : configurations.front()->name()});
    }
    return items;
}

std::vector<std::string> XAModelProjectDocument::buildConfigurationNames() const {
    std::vector<std::string> names;
    for (const std::shared_ptr<XAProjectBuildConfiguration> &configuration : project_->buildConfigurations()) {
        names.push_back(configuration->name());
    }
    return names;
}

std::shared_ptr<XAProjectTarget> XAModelProjectDocument::targetWithID(const std::string &targetID) const {
    for (const std::shared_ptr<XAProjectTarget> &target : project_->targets()) {
        if (target->uniqueXcodeObjectID() == targetID) {
            return target;
        }
    }
    return nullptr;
}

std::string XAModelProjectDocument::typeDescriptionForTarget(const std::string &targetID,
                                                             const std::string &buildConfigurationName) const {
    const std::shared_ptr<XAProjectTarget> target = targetWithID(targetID);
    return target ? project_->typeDescriptionForTarget(*target, buildConfigurationName) : std::string();
}

QImage
XAModelProjectDocument::representativeIconForTarget(const std::optional<std::string> &targetID,
                                                    const std::optional<std::string> &buildConfigurationName) const {
    const std::shared_ptr<XAProjectTarget> target = targetID ? targetWithID(*targetID) : nullptr;
    if (!target) {
        return QImage();
    }
    return XAQImage(project_->representativeIconForTarget(*target, buildConfigurationName.value_or(""),
                                                          XAImageFromQImage(XAProjectFileTypeIcon())));
}

QImage XAModelProjectDocument::defaultProjectIcon() const {
    return XAQImage(project_->defaultProjectIcon(XAImageFromQImage(XAProjectFileTypeIcon())));
}

std::optional<std::string> XAModelProjectDocument::determineTargetID(const XAConfiguration &configuration) const {
    const std::shared_ptr<XAProjectTarget> target =
        XACheckingOperation::determineTargetForProject(*project_, configuration, nullptr);
    return target ? target->uniqueXcodeObjectID() : std::nullopt;
}

std::optional<std::string>
XAModelProjectDocument::determineBuildConfigName(const std::optional<std::string> &targetID,
                                                 const XAConfiguration &configuration) const {
    const std::shared_ptr<XAProjectTarget> target = targetID ? targetWithID(*targetID) : nullptr;
    const std::shared_ptr<XAProjectBuildConfiguration> buildConfig =
        XACheckingOperation::determineBuildConfigForProject(*project_, target.get(), configuration, nullptr);
    return buildConfig ? std::optional<std::string>(buildConfig->name()) : std::nullopt;
}

std::shared_ptr<XACheckingRun> XAModelProjectDocument::operationWithTarget(const std::string &targetID,
                                                                           const std::string &buildConfigurationName,
                                                                           std::shared_ptr<const XARuleSet> ruleSet,
                                                                           const XAConfiguration &configuration) {
    std::shared_ptr<XAProjectTarget> target = targetWithID(targetID);
    std::shared_ptr<XAProjectBuildConfiguration> buildConfig =
        project_->buildConfigurationForName(buildConfigurationName);
    if (!target || !buildConfig) {
        return nullptr;
    }
    return std::make_shared<XAEngineCheckingRun>(XACheckingOperation::operationWithProject(
        project_, std::move(target), std::move(buildConfig), std::move(ruleSet), configuration));
}

std::optional<std::string> XAModelProjectDocument::primaryTessaryConfigFilePath() const {
    return project_->primaryTessaryConfigFilePath();
}

bool XAModelProjectDocument::hasProjectSpecificTessaryConfigFile() const {
    return project_->hasProjectSpecificTessaryConfigFile();
}

std::uint64_t XAModelProjectDocument::lastNotificationRuleIntroOrderNumber() const {
    return project_->lastNotificationRuleIntroOrderNumber();
}

void XAModelProjectDocument::markNewRulesNotified() {
    project_->markNewRulesNotified(XARuleCurrentMaximumIntroductionOrderNumber());
}

std::vector<std::string> XAModelProjectDocument::newRulesToNotifyAboutWithRuleSet(const XARuleSet &ruleSet) const {
    std::vector<XAProject::RuleIntroduction> publicRules;
    for (const XARuleDescriptor *rule : XARuleRegistry::shared().allRules()) {
        if (rule->isPublic) {
            publicRules.push_back({rule->shortName, rule->introductionOrderNumber()});
        }
    }
    std::set<std::string> ruleSetShortNames;
    for (const XARuleDescriptor *rule : ruleSet.rules()) {
        ruleSetShortNames.insert(rule->shortName);
    }
    return project_->newRulesToNotifyAbout(publicRules, ruleSetShortNames);
}

bool XAModelProjectDocument::containsAnnotationHeader() const { return project_->containsAnnotationHeader(); }

std::string XAModelProjectDocument::annotationHeaderInstallDirPath() const {
    return project_->annotationHeaderInstallDirPath();
}

bool XAModelProjectDocument::hasAnyCachedBuildLogInfo() const { return XAHasAnyCachedBuildLogInfo(*project_); }

void XAModelProjectDocument::clearAllCachedBuildLogInfoWithProgress(const XAProgressHandler &progress) {
    XAClearAllCachedBuildLogInfo(*project_, progress);
}

// ---- The engine's run ----

void XAEngineCheckingRun::applyRulesWithProgress(XAProgressHandler progress, std::function<void()> complete) {
    operation_->applyRulesWithProgress(std::move(progress), std::move(complete), false);
}

bool XAEngineCheckingRun::isRunning() const { return operation_->isRunning(); }
bool XAEngineCheckingRun::isCancelled() const { return operation_->isCancelled(); }
void XAEngineCheckingRun::cancel() { operation_->cancel(); }
std::optional<XADiagnostics> XAEngineCheckingRun::diagnostics() const { return operation_->diagnostics(); }
XAOperationProgress *XAEngineCheckingRun::progress() {
    return const_cast<XAOperationProgress *>(&operation_->progress());
}
std::string XAEngineCheckingRun::formattedStatsMessage() const { return operation_->formattedStatsMessage(); }

bool XAEngineCheckingRun::shouldShowSuggestionsForFailedOperation() const {
    return operation_->shouldShowSuggestionsForFailedOperation();
}

bool XAEngineCheckingRun::hasFailed() const { return operation_->hasFailed(); }

std::string XAEngineCheckingRun::formattedSuggestionsForFailedOperation() const {
    return operation_->formattedSuggestionsForFailedOperation();
}
