// The checking run: preparation, the rule passes, the per-file phase, filtering and post-processing, cancelling and
// the one completion of each run.

#include "engine/XACheckingOperation.h"

#include "codemodel/XABuild.h"
#include "codemodel/XAProjectBuildLogCache.h"
#include "core/XACollections.h"
#include "core/XALog.h"
#include "core/XAParallelFor.h"
#include "core/XAProcessRegistry.h"
#include "core/XASleepPrevention.h"
#include "engine/XACursorRulePhase.h"
#include "engine/XADiagnosticSuppression.h"
#include "engine/XAFileLineIndex.h"
#include "engine/XAProgressMessageRecord.h"
#include "engine/XARuleContext.h"
#include "engine/XARuleSet.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"

#include <future>
#include <set>
#include <thread>
#include <unordered_set>

namespace {

void send(const XAProgressHandler &progress, XAProgressMessageKind kind, const std::string &text = "") {
    if (progress) {
        progress(XAProgressMessage(kind, text));
    }
}

// Diagnostics collected from the parallel rule passes; equal diagnostics collapse into one.
class XADiagnosticCollection {
public:
    void add(XADiagnostics diagnostics) {
        std::lock_guard lock(mutex_);
        for (XADiagnostic &diagnostic : diagnostics) {
            if (seen_.insert(diagnostic).second) {
                inOrder_.push_back(std::move(diagnostic));
            }
        }
    }
    const XADiagnostics &diagnostics() const { return inOrder_; }

private:
    std::mutex mutex_;
    std::unordered_set<XADiagnostic> seen_;
    XADiagnostics inOrder_;
};

// One pass over the rules, one parallel iteration per rule; the findings are collected in the rules' order, whatever
// order the iterations end in.
void applyPass(const XACheckingOperation::Rules &rules, XARuleDescriptor::ContextPhase XARuleDescriptor::*phase,
               XARuleContext &context, XADiagnosticCollection &collection) {
    std::vector<XADiagnostics> found(rules.size());
    XAParallelFor(rules.size(), [&](std::size_t index) {
        if (XARuleDescriptor::ContextPhase apply = rules[index]->*phase) {
            found[index] = apply(context);
        }
    });
    for (XADiagnostics &diagnostics : found) {
        collection.add(std::move(diagnostics));
    }
}

std::string environmentDescription(const std::map<std::string, std::string> &variables) {
    std::string text = "{";
    for (const auto &[name, value] : variables) {
        text += "\n    " + name + " = " + value + ";";
    }
    return text + "\n}";
}

} // namespace

// What one run carries from step to step.
struct XACheckingOperation::RunState {
    XAProgressHandler progress; // the wrapped handler
    Completion complete;
    XASleepAssertionID sleepAssertion = 0;
    std::shared_ptr<XARuleContext> context;
    Rules codeRules;
    Rules projectRules;
    // Findings in one file take their line positions from one scan of it.
    XAFileLineIndex::RunScope lineIndexes;
};

XAProgressHandler XACheckingOperation::wrappedProgressHandler(XAProgressHandler handler) {
    return [record = messageRecord_, handler = std::move(handler)](const XAProgressMessage &message) {
        record->record(message);
        if (handler) {
            handler(message);
        }
    };
}

void XACheckingOperation::cancel() {
    cancelled_ = true;
    XAProcessRegistry::terminateAllForExecutable("xcodebuild");
}

bool XACheckingOperation::isRunning() const { return running_ && !isCancelled(); }

void XACheckingOperation::finishRun(RunState &run) {
    bool wasRunning = true;
    if (!running_.compare_exchange_strong(wasRunning, false)) {
        return;
    }
    operationEndDate_ = std::chrono::system_clock::now();
    if (build_) {
        build_->endModulesCacheUse(); // nothing of this run is parsed any more
    }
    progress_.setCompletedUnitCount(0);
    progress_.setTotalUnitCount(0);
    xa_reEnableSleepAndAppNapWithAssertionID(run.sleepAssertion);
    if (run.complete) {
        run.complete();
    }
}

bool XACheckingOperation::finishWhenCancelled(RunState &run) {
    if (!isCancelled()) {
        return false;
    }
    finishRun(run);
    return true;
}

void XACheckingOperation::applyRulesWithProgress(XAProgressHandler progress, Completion complete, bool synchronous) {
    progress_.setCompletedUnitCount(0);
    progress_.setTotalUnitCount(0);
    messageRecord_ = std::make_shared<XAProgressMessageRecord>();
    cancelled_ = false;
    hasFailed_ = false;
    running_ = true;
    preparationSuccess_ = false;
    operationStartDate_ = std::chrono::system_clock::now();
    operationEndDate_.reset();

    auto run = std::make_shared<RunState>();
    run->complete = std::move(complete);
    run->sleepAssertion = xa_preventSleepAndAppNapWithActivityDescription("Checking project");
    run->progress = wrappedProgressHandler(std::move(progress));
    send(run->progress, XAProgressMessageKindOperationStarted);

    preparationSuccess_ = prepareOperationWithProgress(run->progress);
    if (!preparationSuccess_) {
        send(run->progress, XAProgressMessageKindDebug, "Preparation failed → clearing build log caches");
        if (project_) {
            XAClearAllCachedBuildLogInfo(*project_, run->progress);
        }
        hasFailed_ = true;
        finishRun(*run);
        return;
    }
    if (finishWhenCancelled(*run)) {
        return;
    }
    send(run->progress, XAProgressMessageKindPreparationFinished);
    run->context = newRuleContextWithProgressHandler(run->progress);
    for (const XARuleDescriptor *rule : rulesThatWillBeApplied()) {
        (rule->isCursorRule ? run->codeRules : run->projectRules).push_back(rule);
    }
    if (run->codeRules.empty() && run->projectRules.empty()) {
        send(run->progress, XAProgressMessageKindError, "No rules to apply.");
        hasFailed_ = true;
        finishRun(*run);
        return;
    }

    // The work holds the operation until its completion has run.
    auto work = [self = shared_from_this(), run] { self->applyRulePasses(run); };
    if (synchronous && !customQueue_) {
        work();
    } else if (synchronous) {
        std::promise<void> done;
        customQueue_([&work, &done] {
            work();
            done.set_value();
        });
        done.get_future().wait();
    } else if (customQueue_) {
        customQueue_(std::move(work));
    } else {
        std::thread(std::move(work)).detach();
    }
}

void XACheckingOperation::applyRulePasses(const std::shared_ptr<RunState> &run) {
    XARuleContext &context = *run->context;
    XADiagnosticCollection collection;
    send(run->progress, XAProgressMessageKindBeforeCodePhase, "Applying rules before checking code");
    applyPass(run->projectRules, &XARuleDescriptor::applyWithContext, context, collection);
    if (finishWhenCancelled(*run)) {
        return;
    }
    diagnosticSuppressions_.clear();
    if (!run->codeRules.empty()) {
        applyPass(run->codeRules, &XARuleDescriptor::applyBeforeCodeWithContext, context, collection);
        if (finishWhenCancelled(*run)) {
            return;
        }
        if (std::optional<XADiagnostics> found =
                applyCursorRules(run->codeRules, context, &diagnosticSuppressions_, run->progress)) {
            collection.add(std::move(*found));
        }
        if (finishWhenCancelled(*run)) {
            return;
        }
        send(run->progress, XAProgressMessageKindAfterCodePhase, "Applying rules after checking code");
        applyPass(run->codeRules, &XARuleDescriptor::applyAfterCodeWithContext, context, collection);
        if (finishWhenCancelled(*run)) {
            return;
        }
    }
    for (const Rules *rules : {&run->codeRules, &run->projectRules}) {
        for (const XARuleDescriptor *rule : *rules) {
            std::vector<XADiagnosticSuppression> suppressions =
                rule->diagnosticSuppressionsWithContext ? rule->diagnosticSuppressionsWithContext(context)
                                                        : XARuleDiagnosticSuppressionsWithContext(*rule, context);
            for (XADiagnosticSuppression &suppression : suppressions) {
                diagnosticSuppressions_.push_back(std::move(suppression));
            }
        }
    }

    send(run->progress, XAProgressMessageKindInfo, "Filtering diagnostics");
    XADiagnostics kept;
    for (const XADiagnostic &diagnostic : collection.diagnostics()) {
        const bool excluded = diagnostic.exclusionResistance() == 0 && diagnostic.filePath() &&
                              !allowDiagnosticForFilePath(*diagnostic.filePath());
        const bool suppressed = std::any_of(
            diagnosticSuppressions_.begin(), diagnosticSuppressions_.end(),
            [&](const XADiagnosticSuppression &suppression) { return suppression.suppressesDiagnostic(diagnostic); });
        if (!excluded && !suppressed && !diagnostic.isNullDiagnostic()) {
            kept.push_back(diagnostic);
        }
    }
    send(run->progress, XAProgressMessageKindInfo, "Post-processing diagnostics");
    XADiagnostic::updateDiagnosticPositions(kept);
    if (finishWhenCancelled(*run)) {
        return;
    }
    diagnostics_ = std::move(kept);
    finishRun(*run);
}

// ---- The per-file phase ----

XACheckingOperation::CompilationInfos XACheckingOperation::compilationInfosForFilesToCheck() const {
    CompilationInfos infos;
    if (!build_) {
        return infos;
    }
    for (const auto &[path, info] : build_->compilationInfosByFilePath()) {
        if (info->file() && shouldFileAtPathBeChecked(info->filePath())) {
            infos.push_back(info);
        }
    }
    return infos;
}

void XACheckingOperation::updateEnvironmentFromCompilationInfos(const CompilationInfos &infos) {
    XALog(XALogLevelDebug, "Determining environment variables for source code parsing.");
    std::map<std::string, std::string> common;
    for (std::size_t index = 0; index < infos.size(); ++index) {
        const std::map<std::string, std::string> &variables = infos[index]->environmentVariables();
        if (index == 0) {
            common = variables;
            continue;
        }
        std::erase_if(common, [&](const auto &entry) {
            auto found = variables.find(entry.first);
            return found == variables.end() || found->second != entry.second;
        });
    }
    XALog(XALogLevelDebug, "Environment variables of the compilations: " + environmentDescription(common));
    parsingEnvironmentVariables_ = std::move(common);
}

std::optional<XADiagnostics> XACheckingOperation::applyCursorRules(const Rules &codeRules, XARuleContext &context,
                                                                   std::vector<XADiagnosticSuppression> *suppressions,
                                                                   const XAProgressHandler &progress) {
    return applyCursorRulesToCompilations(compilationInfosForFilesToCheck(), codeRules, context, suppressions,
                                          progress);
}

std::optional<XADiagnostics> XACheckingOperation::applyCursorRulesToCompilations(
    const CompilationInfos &infos, const Rules &codeRules, XARuleContext &context,
    std::vector<XADiagnosticSuppression> *suppressions, const XAProgressHandler &progress) {
    if (infos.empty()) {
        send(progress, XAProgressMessageKindDebug, "No compilation units found — no code to check.");
        return std::nullopt;
    }
    std::vector<std::string> workingDirectories;
    for (const auto &info : infos) {
        workingDirectories.push_back(info->workingDirectory());
    }
    // Each file is parsed in its own compiler's working directory (an argument of its parse); the warning still
    // tells that the compilations do not agree.
    if (std::set<std::string>(workingDirectories.begin(), workingDirectories.end()).size() != 1) {
        send(progress, XAProgressMessageKindWarning,
             "Warning: The compilation working directories are not the same for all files. Using compilation working "
             "directory: " +
                 xa_mostCommonValue(workingDirectories).value_or(""));
    }
    updateEnvironmentFromCompilationInfos(infos);
    XACursorRulePhase phase(codeRules, context, configuration_.numberOfConcurrentFileCheckingJobs());
    phase.setCancellationFlag(&cancelled_);
    phase.setVerbose(configuration_.verbose());
    phase.setRuleRegistry(*ruleRegistry_);
    phase.setProgress(&progress_);
    phase.setProfiling(XAMinimumLogLevel() < 2);
    XACursorRulePhaseResult result = phase.run(infos, progress);
    numCheckedStatements_ = result.checkedStatements;
    if (suppressions) {
        *suppressions = std::move(result.suppressions);
    }
    return std::move(result.diagnostics);
}
