// The preparation of a checking run: inputs, version control, build settings, the rules that apply, the build and the
// XIB files. It runs on the thread that starts the run, before any other thread is involved.

#include "engine/XACheckingOperation.h"

#include "codemodel/XABuild.h"
#include "codemodel/XAClangVersion.h"
#include "engine/XARuleSet.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

#include <algorithm>

namespace {

void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &text) {
    if (progress) {
        progress(XAProgressMessage(kind, text));
    }
}

// The missing input's message; none when all are there.
std::optional<std::string> missingInputMessage(bool hasTarget, bool hasBuildConfig, bool hasRuleSet) {
    if (!hasTarget) {
        return "Error: Cannot find a target (make sure that your project includes at least one). You can specify one "
               "with the --target argument.";
    }
    if (!hasBuildConfig) {
        return "Error: Cannot determine build configuration. You can specify one with the --buildConfig argument.";
    }
    if (!hasRuleSet) {
        return "Error: Cannot determine rule set.";
    }
    return std::nullopt;
}

void reportRulesNotApplied(const XARuleSet &ruleSet, const XACheckingOperation::Rules &applied,
                           const XAProgressHandler &progress) {
    for (const XARuleDescriptor *rule : ruleSet.rules()) {
        if (std::find(applied.begin(), applied.end(), rule) != applied.end()) {
            continue;
        }
        send(progress, XAProgressMessageKindDebug,
             rule->applicationConditionDescription
                 ? "Rule " + rule->shortName + " will not be applied: “" + rule->applicationConditionDescription() + "”"
                 : "Rule " + rule->shortName + " will not be applied");
    }
}

void reportTools(const XAProgressHandler &progress) {
    const XADevEnvironment &environment = XADevEnvironment::sharedEnvironment();
    send(progress, XAProgressMessageKindDebug, "Using xcrun at: " + environment.xcrunExecutablePath().value_or(""));
    send(progress, XAProgressMessageKindDebug,
         "Using xcodebuild at: " + environment.xcodebuildExecutablePath().value_or(""));
    send(progress, XAProgressMessageKindDebug, "Using " + environment.xcodebuildVersionDescription().value_or(""));
    send(progress, XAProgressMessageKindDebug, "Using " + XAClangVersionString().value_or(""));
}

void interpretXIBs(XABuild &build, const XAProgressHandler &progress) {
    if (const std::size_t count = build.numberOfXIBs()) {
        send(progress, XAProgressMessageKindPreparationStep,
             "Initialization: Interpreting " + std::to_string(count) + " XIB files...");
        build.parseAndCacheXIBs();
    }
    const XAXIBs oldFormat = build.xcode4FormatXIBs();
    if (oldFormat.empty()) {
        return;
    }
    std::string lines;
    for (const auto &xib : oldFormat) {
        lines += (lines.empty() ? "• " : "\n• ") + xib->filePath();
    }
    send(progress, XAProgressMessageKindWarning,
         "Warning: Unsupported Xcode 4 -format XIBs (to convert them to the new format, save them in Xcode 5 or "
         "later, or use `ibtool --convert`):\n" +
             lines);
}

} // namespace

bool XACheckingOperation::prepareOperationWithProgress(const XAProgressHandler &progress) {
    preparationStartDate_ = std::chrono::system_clock::now();
    preparationEndDate_.reset();
    if (std::optional<std::string> missing =
            missingInputMessage(projectTarget_ != nullptr, projectBuildConfig_ != nullptr, ruleSet_ != nullptr)) {
        send(progress, XAProgressMessageKindError, *missing);
        return false;
    }
    diagnostics_.reset();

    send(progress, XAProgressMessageKindPreparationStep, "Initialization: Determining VCS state...");
    project_->determineAndCacheVCSInfoWithProgress(XAProgressHandlerDowngradingErrors(progress));

    send(progress, XAProgressMessageKindPreparationStep, "Initialization: Resolving build settings...");
    project_->resolvedBuildSettingsForTarget(*projectTarget_, projectBuildConfig_->name());

    // The build of this run does not exist yet: conditions see the previous run's build, or none.
    const Rules applied = rulesThatWillBeApplied();
    reportRulesNotApplied(*ruleSet_, applied, progress);
    if (applied.empty()) {
        send(progress, XAProgressMessageKindError,
             ruleSet_->rules().empty() ? "No rules to apply."
                                       : "No rules that apply to the given [project, target, build configuration].");
        return false;
    }
    if (configuration_.verbose()) {
        reportTools(progress);
    }

    build_ = std::make_shared<XABuild>(project_, projectTarget_, projectBuildConfig_, configuration_);
    const bool success = build_->processBuildWithPermissionToProcessPCHs(
        ruleSet_->requiresClang(), XAProgressHandlerWithMessagePrefix("Initialization", progress));
    interpretXIBs(*build_, progress);
    preparationEndDate_ = std::chrono::system_clock::now();
    return success;
}
