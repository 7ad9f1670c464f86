// The checking operation's inputs, file filters, rules and statistics. The preparation and the run are in
// XACheckingOperationPreparation.cpp and XACheckingOperationRun.cpp.

#include "engine/XACheckingOperation.h"

#include "codemodel/XABuild.h"
#include "codemodel/XAClangVersion.h"
#include "core/XACollections.h"
#include "core/XADates.h"
#include "core/XAPaths.h"
#include "engine/XADiagnosticSuppression.h"
#include "engine/XAProgressMessageRecord.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace {

void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &text) {
    if (progress) {
        progress(XAProgressMessage(kind, text));
    }
}

double secondsBetween(const std::optional<XACheckingOperation::Date> &start,
                      const std::optional<XACheckingOperation::Date> &end) {
    return start && end ? std::chrono::duration<double>(*end - *start).count() : 0.0;
}

} // namespace

// ---- Choosing the inputs ----

std::shared_ptr<XAProjectTarget> XACheckingOperation::determineTargetForProject(const XAProject &project,
                                                                                const XAConfiguration &configuration,
                                                                                const XAProgressHandler &progress) {
    if (const std::optional<std::string> name = configuration.targetName()) {
        std::shared_ptr<XAProjectTarget> target = project.targetForName(*name);
        if (!target) {
            send(progress, XAProgressMessageKindError, "Error: Cannot find specified target '" + *name + "'");
        }
        return target;
    }
    const auto targets = project.targets();
    for (const auto &target : targets) {
        if (target->targetType() == XAProjectTargetTypeApplication) {
            return target;
        }
    }
    return targets.empty() ? nullptr : targets.front();
}

std::shared_ptr<XAProjectBuildConfiguration>
XACheckingOperation::determineBuildConfigForProject(const XAProject &project, const XAProjectTarget *target,
                                                    const XAConfiguration &configuration,
                                                    const XAProgressHandler &progress) {
    if (const std::optional<std::string> name = configuration.buildConfigName()) {
        std::shared_ptr<XAProjectBuildConfiguration> buildConfig =
            target ? target->buildConfigurationForName(*name) : nullptr;
        if (!buildConfig) {
            send(progress, XAProgressMessageKindError,
                 "Error: Cannot find specified build configuration '" + *name + "'");
        }
        return buildConfig;
    }
    if (std::shared_ptr<XAProjectBuildConfiguration> byDefault = project.defaultBuildConfiguration()) {
        return byDefault;
    }
    const std::vector<std::string> tried = {project.projectName(), "Release", "AppStore", "App Store", "App",
                                            "Application",         "Debug"};
    for (const std::string &name : tried) {
        if (auto buildConfig = target ? target->buildConfigurationForName(name) : nullptr) {
            return buildConfig;
        }
    }
    send(progress, XAProgressMessageKindError,
         "Error: Cannot determine default build configuration (tried: " +
             xa_nonEmptyComponentsJoinedWithString(xa_doubleQuotedComponents(tried), ", ") +
             "). You can specify one with the --buildConfig argument.");
    return nullptr;
}

std::shared_ptr<const XARuleSet>
XACheckingOperation::determineRuleSetWithConfiguration(const XAConfiguration &configuration,
                                                       const XAProgressHandler &progress) {
    const std::vector<std::string> only = configuration.ruleShortNamesToApplyOnly();
    if (!only.empty()) {
        return std::make_shared<const XARuleSet>(XARuleSet::ruleSetWithRulesWithTags({}, only, {}, progress));
    }
    return std::make_shared<const XARuleSet>(XARuleSet::ruleSetWithRulesWithTags(
        configuration.ruleTags(), configuration.ruleShortNames(), configuration.excludedRuleShortNames(), progress));
}

std::shared_ptr<XACheckingOperation>
XACheckingOperation::operationWithProject(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                                          std::shared_ptr<XAProjectBuildConfiguration> buildConfig,
                                          std::shared_ptr<const XARuleSet> ruleSet, XAConfiguration configuration) {
    return std::make_shared<XACheckingOperation>(ConstructionKey(), std::move(project), std::move(target),
                                                 std::move(buildConfig), std::move(ruleSet), std::move(configuration));
}

XACheckingOperation::XACheckingOperation(ConstructionKey, std::shared_ptr<XAProject> project,
                                         std::shared_ptr<XAProjectTarget> target,
                                         std::shared_ptr<XAProjectBuildConfiguration> buildConfig,
                                         std::shared_ptr<const XARuleSet> ruleSet, XAConfiguration configuration)
    : project_(std::move(project)), projectTarget_(std::move(target)), projectBuildConfig_(std::move(buildConfig)),
      ruleSet_(std::move(ruleSet)), configuration_(std::move(configuration)), ruleRegistry_(&XARuleRegistry::shared()),
      messageRecord_(std::make_shared<XAProgressMessageRecord>()) {}

XACheckingOperation::~XACheckingOperation() = default;

// ---- File filters ----

bool XACheckingOperation::filePathIsExcluded(const std::string &path) const {
    const std::shared_ptr<XAProjectFile> file = project_ ? project_->projectFileWithPath(path) : nullptr;
    const std::string pathOnDisk = file && file->pathOnDisk() ? *file->pathOnDisk() : path;
    const std::optional<std::string> root = project_ ? project_->versionControlRootPath() : std::nullopt;
    if (root && !XAPathIsInsideOrEqual(xa_stringByStandardizingPath(pathOnDisk), *root)) {
        return true;
    }
    const std::optional<std::string> pathInXcode = file ? file->pathInXcode() : std::nullopt;
    return configuration_.isFileExcluded(pathOnDisk, pathInXcode.value_or(""));
}

bool XACheckingOperation::allowDiagnosticForFilePath(const std::string &path) const {
    const std::string extension = xa_pathExtension(path);
    const bool isSource =
        XASourceTypeForFileExtension(extension.empty() ? std::nullopt : std::optional<std::string>(extension)) != 0;
    if (isSource && (!project_ || !project_->projectFileWithPath(path))) {
        return false;
    }
    return !filePathIsExcluded(path);
}

// ---- Rules ----

std::shared_ptr<XARuleContext>
XACheckingOperation::newRuleContextWithProgressHandler(const XAProgressHandler &handler) const {
    const Rules none;
    return std::make_shared<XARuleContext>(project_, projectTarget_, projectBuildConfig_, configuration_, build_,
                                           handler, ruleSet_ ? ruleSet_->rules() : none);
}

XACheckingOperation::Rules XACheckingOperation::rulesThatWillBeApplied() const {
    Rules applied;
    if (!ruleSet_) {
        return applied;
    }
    std::shared_ptr<XARuleContext> context;
    for (const XARuleDescriptor *rule : ruleSet_->rules()) {
        if (rule->appliesToContext) {
            if (!context) {
                context = newRuleContextWithProgressHandler(nullptr);
            }
            if (!rule->appliesToContext(*context)) {
                continue;
            }
        }
        applied.push_back(rule);
    }
    return applied;
}

// ---- Results and statistics ----

std::optional<std::vector<XAProgressMessage>>
XACheckingOperation::progressMessagesOfKind(XAProgressMessageKind kind) const {
    return messageRecord_->messagesOfKind(kind);
}

double XACheckingOperation::preparationDuration() const {
    return secondsBetween(preparationStartDate_, preparationEndDate_);
}

double XACheckingOperation::operationDuration() const { return secondsBetween(operationStartDate_, operationEndDate_); }

std::string XACheckingOperation::formattedDuration(double seconds) {
    const std::int64_t milliseconds = std::llround(seconds * 1000.0);
    const std::int64_t inDay = ((milliseconds % 86'400'000) + 86'400'000) % 86'400'000;
    char text[32];
    std::snprintf(text, sizeof text, "%02" PRId64 ":%02" PRId64 ":%02" PRId64 ".%03" PRId64, inDay / 3'600'000,
                  inDay / 60'000 % 60, inDay / 1000 % 60, inDay % 1000);
    return text;
}

std::string XACheckingOperation::formattedStatsMessage() const {
    const double run = operationDuration();
    const double share = run > 0 ? preparationDuration() / run * 100.0 : 0.0;
    char percentage[32];
    std::snprintf(percentage, sizeof percentage, "%.1f", share);
    return "Checked total " + std::to_string(numCheckedStatements_) + " code statements in " +
           formattedOperationDuration() + " (the preparation took " + formattedPreparationDuration() + " (" +
           percentage + "%)).";
}

bool XACheckingOperation::enoughFileCheckingErrors() const {
    const std::size_t errors =
        progressMessagesOfKind(XAProgressMessageKindCompilerError).value_or(std::vector<XAProgressMessage>{}).size();
    const std::size_t threshold = std::max<std::size_t>(compilationInfosForFilesToCheck().size() / 3, 1);
    return errors >= threshold;
}

bool XACheckingOperation::shouldShowSuggestionsForFailedOperation() const {
    if (!ruleSet_ || ruleSet_->rules().empty()) {
        return false;
    }
    return progressMessagesOfKind(XAProgressMessageKindError).has_value() || !preparationSuccess_ ||
           enoughFileCheckingErrors();
}

std::vector<std::string> XACheckingOperation::suggestionsForFailedOperation() const {
    std::vector<std::string> suggestions;
    suggestions.push_back(
        preparationSuccess_ ? "Try clearing the project caches (Project → Clear Project Caches… menu item in the GUI, "
                              "or `tessary clearcaches <path_to_xcodeproj>` in the CLI)"
                            : "Just try again — the project caches have now been cleared");
    if (!configuration_.performFullBuild()) {
        suggestions.push_back("If source files are generated during builds, or if interpreting this project's source "
                              "code otherwise depends on full builds to occur, enable the '" +
                              XAConfiguration::descriptionForAppOption(XAConfiguration::kFullBuild) + "' option.");
    }
    if (!configuration_.associatedWorkspacePath()) {
        suggestions.push_back("If this project must be built via a workspace (and cannot be built independently), "
                              "specify the workspace and scheme to build the project with by using the '" +
                              XAConfiguration::descriptionForAppOption(XAConfiguration::kWorkspace) + "' and '" +
                              XAConfiguration::descriptionForAppOption(XAConfiguration::kScheme) + "' options.");
    }
    suggestions.push_back("In general, ensure that the xcodebuild arguments Tessary uses are correct: enable the "
                          "'verbose' option and try performing the checks to see what arguments are being used, and "
                          "then determine if they need to be adjusted");
    return suggestions;
}

std::string XACheckingOperation::formattedSuggestionsForFailedOperation() const {
    std::string lines;
    for (const std::string &suggestion : suggestionsForFailedOperation()) {
        lines += (lines.empty() ? "• " : "\n• ") + suggestion;
    }
    return "Some errors were encountered. If these are a problem, please consider the following remedies:\n" + lines;
}
