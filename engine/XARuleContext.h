#pragma once

// What every rule call of a checking run is given: the checked project, target, build configuration and build, the
// option values of every rule of the run, resolved once, facts about the target cached at creation, and the run's
// progress handler. One context is made per run, before any rule is called, and is read from every checking thread;
// nothing in it but the rules' state store changes after creation.

#include "codemodel/XABuild.h"
#include "core/XAProgressMessage.h"
#include "core/XAVersionStrings.h"
#include "engine/XARuleStateStore.h"
#include "engine/config/XAConfiguration.h"
#include "project/XAProject.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class XAProjectBuildConfiguration;
class XAProjectTarget;
struct XARuleDescriptor;

class XARuleContext {
public:
    // Rule short name -> (option long name -> value).
    using ResolvedRuleOptionValues = std::map<std::string, std::map<std::string, XAOptionValue>>;

    // A context for the rules of a run: their options are resolved from the configuration, and the target's
    // platform and minimum deployment version are cached.
    XARuleContext(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                  std::shared_ptr<XAProjectBuildConfiguration> buildConfig, const XAConfiguration &configuration,
                  std::shared_ptr<XABuild> build, XAProgressHandler progressHandler,
                  const std::vector<const XARuleDescriptor *> &rules);
    XARuleContext(const XARuleContext &) = delete;
    XARuleContext &operator=(const XARuleContext &) = delete;

    // For every rule, for every option of its option groups: the value the configuration holds for the group and
    // option, else the option's default. An option without a value (a configured null included, which does not fall
    // back to the default) gets no entry; every rule gets its map, possibly empty.
    static ResolvedRuleOptionValues
    makeDictionaryOfResolvedFinalRuleOptionValues(const XAConfiguration &configuration,
                                                  const std::vector<const XARuleDescriptor *> &rules);

    bool projectWasFullyBuilt() const { return projectWasFullyBuilt_; }
    const std::shared_ptr<XAProject> &project() const { return project_; }
    const std::shared_ptr<XAProjectTarget> &projectTarget() const { return projectTarget_; }
    const std::shared_ptr<XAProjectBuildConfiguration> &projectBuildConfig() const { return projectBuildConfig_; }
    const std::shared_ptr<XABuild> &build() const { return build_; }
    const XAProgressHandler &progressHandler() const { return progressHandler_; }
    const std::optional<std::string> &systemDeveloperDirPath() const { return systemDeveloperDirPath_; }
    const ResolvedRuleOptionValues &resolvedRuleOptionValuesByRuleShortName() const { return resolvedOptions_; }

    // The option's value for the rule; no value when the rule or the option has none.
    std::optional<XAOptionValue> resolvedValueForRuleOptionNamed(const std::string &optionName,
                                                                 const std::string &ruleShortName) const;

    XAPlatform targetPlatform() const { return cachedPlatform_; }
    const std::optional<std::string> &targetMinOSVersion() const { return cachedTargetMinOSVersion_; }
    // The target's minimum deployment version against the iOS version on iOS, the OS X version on OS X; same on
    // other platforms.
    XAComparisonResult comparisonOfMinimumDeploymentTargetToiOSVersion(const std::string &iOSVersion,
                                                                       const std::string &OSXVersion) const;

    // Hand the progress handler an error (kind 3) or a debugging message (kind 5); nothing without a handler.
    void reportError(const std::string &text) const;
    void reportDebuggingMessage(const std::string &text) const;

    // The XIB and storyboard files of the checked target as the build read them; none without a build or before the
    // build has read its XIBs.
    XAXIBs XIBsForCheckedTarget() const;
    // Whether the build holds XIBs in the archive format of Xcode 4 and earlier, which the XIB model cannot read;
    // worked out on the first call.
    bool buildContainsXIBsThatCannotBeInterpreted() const;

    // What rules keep between calls during the run: the one part of the context that changes, under its own lock.
    XARuleStateStore &stateStore() const { return stateStore_; }

private:
    bool projectWasFullyBuilt_ = false;
    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> projectTarget_;
    std::shared_ptr<XAProjectBuildConfiguration> projectBuildConfig_;
    std::shared_ptr<XABuild> build_;
    XAProgressHandler progressHandler_;
    std::optional<std::string> systemDeveloperDirPath_;
    ResolvedRuleOptionValues resolvedOptions_;
    XAPlatform cachedPlatform_ = XAPlatformOther;
    std::optional<std::string> cachedTargetMinOSVersion_;
    mutable XARuleStateStore stateStore_;
    mutable std::once_flag xcode4FormatXIBsOnce_;
    mutable bool buildContainsXcode4FormatXIBs_ = false;
};
