#pragma once

// What the project window uses of the project model, the checking engine and the desktop around it, behind small
// interfaces: the real ones stand on XAProject and XACheckingOperation, tests install fakes that script loads, runs
// and their messages.

#include "app/shell/XASharedService.h"
#include "core/XAError.h"
#include "core/XAProgressMessage.h"
#include "engine/XADiagnostic.h"
#include "engine/config/XAConfiguration.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XACheckingOperation;
class XAOperationProgress;
class XARuleSet;

// One target as the window lists it.
struct XAProjectTargetItem {
    std::string objectID; // the target's uniqueXcodeObjectID
    std::string name;
    std::string firstBuildConfigurationName;
};

// One checking run of the loaded project.
class XACheckingRun {
public:
    virtual ~XACheckingRun() = default;

    // Starts the run and returns at once; both blocks are called from checking threads, the completion once.
    virtual void applyRulesWithProgress(XAProgressHandler progress, std::function<void()> complete) = 0;
    virtual bool isRunning() const = 0;
    virtual bool isCancelled() const = 0;
    virtual void cancel() = 0;
    // The diagnostics that survived filtering; none before the end and after a failed or cancelled run.
    virtual std::optional<XADiagnostics> diagnostics() const = 0;
    // The progress object the bar follows; may be null.
    virtual XAOperationProgress *progress() = 0;
    virtual std::string formattedStatsMessage() const = 0;
    virtual bool shouldShowSuggestionsForFailedOperation() const = 0;
    virtual std::string formattedSuggestionsForFailedOperation() const = 0;
    virtual bool hasFailed() const = 0;
    // The engine's operation behind the run; null for runs that have none.
    virtual std::shared_ptr<XACheckingOperation> checkingOperation() const { return nullptr; }
};

// The project shown in the project window. Loading runs on a worker; everything else is asked on the GUI thread
// after the load (the icon lookup on a worker).
class XAProjectDocument {
public:
    virtual ~XAProjectDocument() = default;

    // Reads the project file, fetches the resolved build settings and validates; false when reading or fetching
    // fails. Fatal problems arrive as kind-3 messages, validation problems as kind 4, status texts as kind 5.
    virtual bool loadProjectWithProgress(const XAProgressHandler &progress) = 0;

    virtual std::string xcodeprojPath() const = 0;
    virtual std::string projectName() const = 0;
    virtual std::optional<std::string> organizationName() const = 0;
    // SHA-1 of the project file's text; none when it cannot be read. Computed anew at each call.
    virtual std::optional<std::string> projectHash() const = 0;

    virtual std::vector<XAProjectTargetItem> targets() const = 0;
    // The project's build configurations (not a target's).
    virtual std::vector<std::string> buildConfigurationNames() const = 0;
    // The platform's and the target type's display names, or "".
    virtual std::string typeDescriptionForTarget(const std::string &targetID,
                                                 const std::string &buildConfigurationName) const = 0;
    // The icon of the target in the configuration, else another target's, else the default project icon; a null
    // image without target.
    virtual QImage representativeIconForTarget(const std::optional<std::string> &targetID,
                                               const std::optional<std::string> &buildConfigurationName) const = 0;
    virtual QImage defaultProjectIcon() const = 0;

    // The engine's choice of target (its object identifier) and build configuration (its name) for a configuration.
    virtual std::optional<std::string> determineTargetID(const XAConfiguration &configuration) const = 0;
    virtual std::optional<std::string> determineBuildConfigName(const std::optional<std::string> &targetID,
                                                                const XAConfiguration &configuration) const = 0;
    // A new idle checking run; null when the target or the configuration is not the project's.
    virtual std::shared_ptr<XACheckingRun> operationWithTarget(const std::string &targetID,
                                                               const std::string &buildConfigurationName,
                                                               std::shared_ptr<const XARuleSet> ruleSet,
                                                               const XAConfiguration &configuration) = 0;

    virtual std::optional<std::string> primaryTessaryConfigFilePath() const = 0;
    virtual bool hasProjectSpecificTessaryConfigFile() const = 0;

    // The newest rule number announced for the project (110 when none was), storing the current maximum, and the
    // public rules newer than the announced number that the rule set lacks, in introduction order.
    virtual std::uint64_t lastNotificationRuleIntroOrderNumber() const = 0;
    virtual void markNewRulesNotified() = 0;
    virtual std::vector<std::string> newRulesToNotifyAboutWithRuleSet(const XARuleSet &ruleSet) const = 0;

    virtual bool containsAnnotationHeader() const = 0;
    virtual std::string annotationHeaderInstallDirPath() const = 0;
    virtual bool hasAnyCachedBuildLogInfo() const = 0;
    virtual void clearAllCachedBuildLogInfoWithProgress(const XAProgressHandler &progress) = 0;
};

// Makes projects and runs the project-wide actions that are not the project's own.
class XAProjectWindowEngine {
public:
    virtual ~XAProjectWindowEngine() = default;

    // A new project for the `.xcodeproj` path; nothing is read yet.
    virtual std::shared_ptr<XAProjectDocument> projectWithXcodeproj(const std::string &path) = 0;
    virtual void clearModuleCachesWithProgress(const XAProgressHandler &progress) = 0;
    // Opens the project in the IDE; false with an error when that fails.
    virtual bool openProjectInXcode(const std::string &xcodeprojPath, XAError *error) = 0;
    // The icon of the IDE, shown on sheets that change its projects.
    virtual QImage xcodeIcon() const = 0;

    static XAProjectWindowEngine &shared();
    static void setShared(std::shared_ptr<XAProjectWindowEngine> engine); // an empty pointer restores the real one
};

// The desktop notification at the end of a check. The real notifier sends a freedesktop notification over the
// session bus and logs the text when there is no bus.
class XAUserNotifier {
public:
    virtual ~XAUserNotifier() = default;
    virtual void deliverNotification(const QString &title, const QString &subtitle) = 0;

    static XAUserNotifier &shared();
    static void setShared(std::shared_ptr<XAUserNotifier> notifier); // an empty pointer restores the real one
};
