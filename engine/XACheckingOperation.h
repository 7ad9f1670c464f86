#pragma once

// One checking run over one project, target, build configuration, rule set and configuration.
//
// A front end picks the inputs with the class functions (determineTargetForProject, determineBuildConfigForProject,
// determineRuleSetWithConfiguration), makes the operation with operationWithProject and starts it with
// applyRulesWithProgress:
//
//     auto target = XACheckingOperation::determineTargetForProject(*project, configuration, progress);
//     auto buildConfig = XACheckingOperation::determineBuildConfigForProject(*project, target.get(), configuration,
//                                                                            progress);
//     auto ruleSet = XACheckingOperation::determineRuleSetWithConfiguration(configuration, progress);
//     auto operation = XACheckingOperation::operationWithProject(project, target, buildConfig, ruleSet,
//                                                                configuration);
//     operation->applyRulesWithProgress(progress, [&] { print(*operation->diagnostics()); }, true);
//
// A run prepares (version-control state, resolved build settings, the build with its compiler invocations and
// precompiled headers, the XIB files) on the calling thread, then runs the project-level rules, the before-code pass
// of the code rules, the per-file phase (every source file parsed with libclang on as many workers as the configured
// jobs, its cursors handed to the code rules) and the after-code pass; it drops excluded and suppressed diagnostics,
// adds positions and snippets, stores the result in diagnostics() and calls the completion.
//
// Threads and lifetime: the operation is always owned by a shared pointer; a run holds one to it until its completion
// has returned, so a front end may let go of it while an asynchronous run goes on. The completion is called exactly
// once per run, after every worker of the run has finished, also when the run fails or is cancelled. Progress
// handlers are called from any of the run's threads, several at once. The run changes nothing process-wide, neither
// the working directory nor the environment, which other threads (a desktop's interface) read meanwhile: compilers'
// working directories are passed to libclang as arguments, and what the compiler takes from the variables the
// compilations export (the deployment target) is in each file's parsing arguments (its -target triple).
//
// Read the results (diagnostics, hasFailed, preparationSuccess, the recorded messages, the dates) in the completion
// or after it; cancel() and isRunning() may be called from any thread at any time.

#include "codemodel/XACompilationInfo.h"
#include "core/XAProgressMessage.h"
#include "engine/XADiagnostic.h"
#include "engine/XAOperationProgress.h"
#include "engine/config/XAConfiguration.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class XABuild;
class XADiagnosticSuppression;
class XAProgressMessageRecord;
class XAProject;
class XAProjectBuildConfiguration;
class XAProjectTarget;
class XARuleContext;
class XARuleRegistry;
class XARuleSet;
struct XARuleDescriptor;

class XACheckingOperation : public std::enable_shared_from_this<XACheckingOperation> {
    struct ConstructionKey {
        explicit ConstructionKey() = default;
    };

public:
    // Called once at the end of every run.
    using Completion = std::function<void()>;
    // Runs a run's work (everything after the preparation) somewhere else than on the calling thread.
    using WorkQueue = std::function<void(std::function<void()> work)>;
    using Date = std::chrono::system_clock::time_point;
    using Rules = std::vector<const XARuleDescriptor *>;
    using CompilationInfos = std::vector<std::shared_ptr<const XACompilationInfo>>;

    // ---- Choosing the inputs ----

    // The configured target ("Error: Cannot find specified target '<name>'" when the project has none of that name);
    // else the first application target, else the first target; null without targets.
    static std::shared_ptr<XAProjectTarget> determineTargetForProject(const XAProject &project,
                                                                      const XAConfiguration &configuration,
                                                                      const XAProgressHandler &progress);
    // The configured build configuration of the target; else the project's default one; else the target's first of
    // the project's name, "Release", "AppStore", "App Store", "App", "Application", "Debug". Null, with an error
    // message naming what was tried, when none is found.
    static std::shared_ptr<XAProjectBuildConfiguration>
    determineBuildConfigForProject(const XAProject &project, const XAProjectTarget *target,
                                   const XAConfiguration &configuration, const XAProgressHandler &progress);
    // The rules named by "onlyRules" when there are any; else those of "ruleTags" and "rules" less "excludedRules".
    static std::shared_ptr<const XARuleSet> determineRuleSetWithConfiguration(const XAConfiguration &configuration,
                                                                              const XAProgressHandler &progress);
    // A new idle operation holding the five inputs.
    static std::shared_ptr<XACheckingOperation>
    operationWithProject(std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                         std::shared_ptr<XAProjectBuildConfiguration> buildConfig,
                         std::shared_ptr<const XARuleSet> ruleSet, XAConfiguration configuration);

    XACheckingOperation(ConstructionKey, std::shared_ptr<XAProject> project, std::shared_ptr<XAProjectTarget> target,
                        std::shared_ptr<XAProjectBuildConfiguration> buildConfig,
                        std::shared_ptr<const XARuleSet> ruleSet, XAConfiguration configuration);
    ~XACheckingOperation();
    XACheckingOperation(const XACheckingOperation &) = delete;
    XACheckingOperation &operator=(const XACheckingOperation &) = delete;

    // ---- Running ----

    // Runs the whole check. Synchronous: returns after the completion has run. Otherwise the preparation still runs
    // on the calling thread, the rest on the work queue (customQueue, else a thread of its own), and the call returns
    // once that work is handed over. `progress` and `complete` may be empty.
    void applyRulesWithProgress(XAProgressHandler progress, Completion complete, bool synchronous);
    // Asks the run to stop: every phase, file and cursor visit tests the request, and running xcodebuild processes
    // are terminated. The run still ends with its one completion.
    void cancel();
    // A run is in progress and has not been cancelled.
    bool isRunning() const;

    // A handler (never empty) that records each message of the run by kind before it hands the message on to
    // `handler`; a message is recorded before the call returns.
    XAProgressHandler wrappedProgressHandler(XAProgressHandler handler);
    // The messages of that kind recorded during the last run, in arrival order; no value when there were none.
    std::optional<std::vector<XAProgressMessage>> progressMessagesOfKind(XAProgressMessageKind kind) const;

    // ---- Preparation ----

    // Validates the inputs, determines the version-control state, resolves the build settings, reports the rules
    // that will not be applied, makes the build (compiler invocations and precompiled headers) and reads the XIB
    // files. True when the run can go on.
    bool prepareOperationWithProgress(const XAProgressHandler &progress);
    // The rules of the rule set, in order, without the conditionally applied ones whose condition does not hold.
    Rules rulesThatWillBeApplied() const;
    // A context for the rules of this operation's run with that handler.
    std::shared_ptr<XARuleContext> newRuleContextWithProgressHandler(const XAProgressHandler &handler) const;

    // ---- File filters ----

    // Outside the version-control root, or excluded by the configuration's file exclusions.
    bool filePathIsExcluded(const std::string &path) const;
    bool shouldFileAtPathBeChecked(const std::string &path) const { return !filePathIsExcluded(path); }
    // False for a source file that is not part of the project, and for excluded files.
    bool allowDiagnosticForFilePath(const std::string &path) const;

    // ---- The per-file phase ----

    // Parses every file to check on as many workers as the configured jobs and hands its cursors to the code rules;
    // the in-code suppressions met go to `suppressions` (when given). No value when there is no file to check.
    std::optional<XADiagnostics> applyCursorRules(const Rules &codeRules, XARuleContext &context,
                                                  std::vector<XADiagnosticSuppression> *suppressions,
                                                  const XAProgressHandler &progress);
    // The same over the given compilations.
    std::optional<XADiagnostics> applyCursorRulesToCompilations(const CompilationInfos &infos, const Rules &codeRules,
                                                                XARuleContext &context,
                                                                std::vector<XADiagnosticSuppression> *suppressions,
                                                                const XAProgressHandler &progress);
    // The compilations of the build whose files are part of the project and are not excluded, in path order.
    CompilationInfos compilationInfosForFilesToCheck() const;
    // Records (and logs) the environment variables every compilation exports with the same value; the process
    // environment stays as it is.
    void updateEnvironmentFromCompilationInfos(const CompilationInfos &infos);

    // ---- Results and statistics ----

    bool preparationSuccess() const { return preparationSuccess_; }
    bool isCancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    bool hasFailed() const { return hasFailed_; }
    const XAConfiguration &configuration() const { return configuration_; }
    const std::shared_ptr<XAProject> &project() const { return project_; }
    const std::shared_ptr<XAProjectTarget> &projectTarget() const { return projectTarget_; }
    const std::shared_ptr<XAProjectBuildConfiguration> &projectBuildConfig() const { return projectBuildConfig_; }
    const std::shared_ptr<const XARuleSet> &ruleSet() const { return ruleSet_; }
    // Made by the preparation; null before.
    const std::shared_ptr<XABuild> &build() const { return build_; }
    // The diagnostics of the last finished run; no value before, after a failed or cancelled run.
    const std::optional<XADiagnostics> &diagnostics() const { return diagnostics_; }
    // Statements of parsed files that the cursor rules were applied to.
    std::uint64_t numCheckedStatements() const { return numCheckedStatements_; }
    const XAOperationProgress &progress() const { return progress_; }
    const std::vector<XADiagnosticSuppression> &diagnosticSuppressions() const { return diagnosticSuppressions_; }
    // The variables of the last per-file phase's compilations, as updateEnvironmentFromCompilationInfos found them.
    const std::map<std::string, std::string> &parsingEnvironmentVariables() const {
        return parsingEnvironmentVariables_;
    }
    // The registry whose public rules in-code suppressions may name; the shared one unless set.
    const XARuleRegistry &ruleRegistry() const { return *ruleRegistry_; }
    void setRuleRegistry(const XARuleRegistry &registry) { ruleRegistry_ = &registry; }
    const WorkQueue &customQueue() const { return customQueue_; }
    void setCustomQueue(WorkQueue queue) { customQueue_ = std::move(queue); }

    const std::optional<Date> &preparationStartDate() const { return preparationStartDate_; }
    const std::optional<Date> &preparationEndDate() const { return preparationEndDate_; }
    const std::optional<Date> &operationStartDate() const { return operationStartDate_; }
    const std::optional<Date> &operationEndDate() const { return operationEndDate_; }
    // Seconds between start and end; 0 while an end is missing.
    double preparationDuration() const;
    double operationDuration() const;
    // "HH:mm:ss.SSS" of a duration (a day or more wraps around): 62.5 gives "00:01:02.500".
    static std::string formattedDuration(double seconds);
    std::string formattedOperationDuration() const { return formattedDuration(operationDuration()); }
    std::string formattedPreparationDuration() const { return formattedDuration(preparationDuration()); }
    // "Checked total <n> code statements in <run> (the preparation took <preparation> (<share>%))."
    std::string formattedStatsMessage() const;

    // At least a third of the files to check (at least one) had compiler errors.
    bool enoughFileCheckingErrors() const;
    bool shouldShowSuggestionsForFailedOperation() const;
    std::vector<std::string> suggestionsForFailedOperation() const;
    std::string formattedSuggestionsForFailedOperation() const;

private:
    struct RunState;

    void runAfterPreparation(const std::shared_ptr<RunState> &run);
    void applyRulePasses(const std::shared_ptr<RunState> &run);
    void finishRun(RunState &run);
    bool finishWhenCancelled(RunState &run);

    std::shared_ptr<XAProject> project_;
    std::shared_ptr<XAProjectTarget> projectTarget_;
    std::shared_ptr<XAProjectBuildConfiguration> projectBuildConfig_;
    std::shared_ptr<const XARuleSet> ruleSet_;
    XAConfiguration configuration_;
    std::shared_ptr<XABuild> build_;

    std::atomic<bool> running_{false};
    std::atomic<bool> cancelled_{false};
    bool preparationSuccess_ = false;
    bool hasFailed_ = false;
    std::optional<XADiagnostics> diagnostics_;
    std::uint64_t numCheckedStatements_ = 0;
    XAOperationProgress progress_;
    WorkQueue customQueue_;
    const XARuleRegistry *ruleRegistry_;
    std::vector<XADiagnosticSuppression> diagnosticSuppressions_;
    std::map<std::string, std::string> parsingEnvironmentVariables_;
    std::optional<Date> preparationStartDate_;
    std::optional<Date> preparationEndDate_;
    std::optional<Date> operationStartDate_;
    std::optional<Date> operationEndDate_;
    std::shared_ptr<XAProgressMessageRecord> messageRecord_; // of the current or last run
};
