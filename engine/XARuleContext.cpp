#include "engine/XARuleContext.h"

#include "engine/XARuleDescriptor.h"
#include "project/XADevEnvironment.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"

XARuleContext::XARuleContext(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                             std::shared_ptr<XAProjectBuildConfiguration> buildConfig,
                             const XAConfiguration &configuration, std::shared_ptr<XABuild> build,
                             XAProgressHandler progressHandler, const std::vector<const XARuleDescriptor *> &rules)
    : projectWasFullyBuilt_(configuration.performFullBuild()), project_(std::move(project)),
      projectTarget_(std::move(target)), projectBuildConfig_(std::move(buildConfig)), build_(std::move(build)),
      progressHandler_(std::move(progressHandler)),
      systemDeveloperDirPath_(XADevEnvironment::sharedEnvironment().devDirRootPath()),
      resolvedOptions_(makeDictionaryOfResolvedFinalRuleOptionValues(configuration, rules)) {
    if (project_ && projectTarget_ && projectBuildConfig_) {
        cachedPlatform_ = project_->platformForTarget(*projectTarget_, projectBuildConfig_->name());
        cachedTargetMinOSVersion_ =
            project_->minDeploymentTargetVersionForTarget(*projectTarget_, projectBuildConfig_->name());
    }
}

XARuleContext::ResolvedRuleOptionValues
XARuleContext::makeDictionaryOfResolvedFinalRuleOptionValues(const XAConfiguration &configuration,
                                                             const std::vector<const XARuleDescriptor *> &rules) {
    ResolvedRuleOptionValues resolved;
    for (const XARuleDescriptor *rule : rules) {
        std::map<std::string, XAOptionValue> &values = resolved[rule->shortName];
        for (const XARuleOptionGroup &group : rule->optionGroups) {
            for (const XARuleOption &option : group.options) {
                std::optional<XAOptionValue> value =
                    configuration.valueOfRuleOption(group.shortName, option.longName());
                if (!value) {
                    value = option.defaultValue();
                }
                if (value && !value->isNull()) {
                    values[option.longName()] = *value;
                }
            }
        }
    }
    return resolved;
}

std::optional<XAOptionValue> XARuleContext::resolvedValueForRuleOptionNamed(const std::string &optionName,
                                                                            const std::string &ruleShortName) const {
    const auto rule = resolvedOptions_.find(ruleShortName);
    if (rule == resolvedOptions_.end()) {
        return std::nullopt;
    }
    const auto value = rule->second.find(optionName);
    return value == rule->second.end() ? std::nullopt : std::optional(value->second);
}

XAComparisonResult XARuleContext::comparisonOfMinimumDeploymentTargetToiOSVersion(const std::string &iOSVersion,
                                                                                  const std::string &OSXVersion) const {
    switch (cachedPlatform_) {
    case XAPlatformIOS:
        return XACompareVersionStrings(cachedTargetMinOSVersion_, iOSVersion);
    case XAPlatformOSX:
        return XACompareVersionStrings(cachedTargetMinOSVersion_, OSXVersion);
    default:
        return XAOrderedSame;
    }
}

void XARuleContext::reportError(const std::string &text) const {
    if (progressHandler_) {
        progressHandler_(XAProgressMessage(XAProgressMessageKindError, text));
    }
}

void XARuleContext::reportDebuggingMessage(const std::string &text) const {
    if (progressHandler_) {
        progressHandler_(XAProgressMessage(XAProgressMessageKindDebug, text));
    }
}

XAXIBs XARuleContext::XIBsForCheckedTarget() const {
    if (!build_ || !project_ || !projectTarget_) {
        return {};
    }
    const XAXIBs *xibs = build_->XIBsForProjectName(project_->projectName(), projectTarget_->name());
    return xibs ? *xibs : XAXIBs{};
}

bool XARuleContext::buildContainsXIBsThatCannotBeInterpreted() const {
    std::call_once(xcode4FormatXIBsOnce_,
                   [this] { buildContainsXcode4FormatXIBs_ = build_ && !build_->xcode4FormatXIBs().empty(); });
    return buildContainsXcode4FormatXIBs_;
}
