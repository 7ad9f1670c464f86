// The project window's checking road: the run button starts a check of the chosen target and build configuration on
// a worker or cancels it; its messages stream into the log, its end shows the diagnostics, badges and a desktop
// notification. Nothing of a cancelled run reaches the window.

#include "app/controls/XAAlerts.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATabView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsViewController.h"
#include "app/project/XAProjectWindowController.h"
#include "app/project/XAProjectWindowServices.h"
#include "app/project/XAViewAlpha.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAGUIState.h"

#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

#include <cmath>

void XAProjectWindowController::runButtonPressed() {
    if (projectState_ && projectState_->checkingOperation && projectState_->checkingOperation->isRunning()) {
        cancelChecking();
        logView_->logMessage("Checking was cancelled by the user.", XAColor::redColor());
    } else {
        beginChecking();
    }
}

void XAProjectWindowController::beginChecking() {
    if (!projectState_ || !XAGUIState::sharedGUIState().isInitialized()) {
        return;
    }
    const std::optional<XAProjectTargetItem> target = targetSelectedInGUI();
    const std::optional<std::string> buildConfig = buildConfigSelectedInGUI();
    std::shared_ptr<XACheckingRun> run =
        target && buildConfig
            ? projectState_->project->operationWithTarget(target->objectID, *buildConfig, projectState_->ruleSet,
                                                          *projectState_->configuration)
            : nullptr;
    if (!run) {
        xa_showOKTitle(QStringLiteral("Error"), QStringLiteral("Please select a target and a build configuration."));
        return;
    }
    projectState_->checkingOperation = run;
    resetProgressUI();
    clearCheckingLog();
    updateLogBadgeNumber(0, XALogBadgeTypeErrors);
    updateLogBadgeNumber(0, XALogBadgeTypeWarnings);
    projectState_->errorMessages.clear();
    projectState_->warningMessages.clear();
    diagnosticsVC_->clearPresentedDiagnostics();

    checkingProgressBar_->xa_bindToProgress(run->progress());
    showProgressBar(true);
    showOperationLogView();
    enableProjectRunUI(false);
    runButton_->setText(QStringLiteral("Cancel"));
    updateRunButtonStyle(XAButtonStyleAmber);
    runButton_->setEnabled(true);

    QPointer<XAProjectWindowController> self(this);
    auto completed = std::make_shared<bool>(false); // read and set on the GUI thread only
    XADispatchToGlobal([self, run, completed] {
        run->applyRulesWithProgress(
            [self, run](const XAProgressMessage &message) {
                XADispatchToMain([self, run, message] {
                    if (self && !run->isCancelled()) {
                        self->handleCheckingProgressMessage(run, message);
                    }
                });
            },
            [self, run, completed] {
                XADispatchToMain([self, run, completed] {
                    if (self && !*completed && !run->isCancelled() && self->projectState_ &&
                        self->projectState_->checkingOperation == run) {
                        *completed = true;
                        self->handleCompletion();
                    }
                });
            });
    });
}

void XAProjectWindowController::handleCheckingProgressMessage(const std::shared_ptr<XACheckingRun> &run,
                                                              const XAProgressMessage &message) {
    if (!projectState_ || projectState_->checkingOperation != run) {
        return; // a run of a project that is no longer shown
    }
    logView_->logProgressMessage(message);
    if (message.isError()) {
        projectState_->errorMessages.push_back(message.logMessage());
    } else if (message.isWarning()) {
        projectState_->warningMessages.push_back(message.logMessage());
    }
}

void XAProjectWindowController::cancelChecking() {
    std::shared_ptr<XACheckingRun> run = projectState_ ? projectState_->checkingOperation : nullptr;
    if (run) {
        run->cancel();
    }
    resetProgressUI();
    runButton_->setEnabled(false);
    QPointer<XAButton> button(runButton_);
    XADispatchToMainAfter(runButtonPauseAfterCancel_, [button] {
        if (button) {
            button->setEnabled(true);
        }
    });
}

void XAProjectWindowController::handleCompletion() {
    const std::shared_ptr<XACheckingRun> run = projectState_ ? projectState_->checkingOperation : nullptr;
    if (!run || run->isCancelled()) {
        return;
    }
    updateDiagnosticsPresentation();
    const std::size_t diagnosticsCount = run->diagnostics() ? run->diagnostics()->size() : 0;
    const bool stayOnLog =
        (diagnosticsCount == 0 && !projectState_->errorMessages.empty()) || logView_->scrollViewIsBeingManipulated();
    if (!stayOnLog) {
        showDiagnosticsView();
    }
    resetProgressUI();
    logView_->logMessage(run->formattedStatsMessage(), std::nullopt);
    if (run->shouldShowSuggestionsForFailedOperation()) {
        logView_->logMessage(run->formattedSuggestionsForFailedOperation(), XAColor::yellowColor());
    }
    updateLogBadgeNumber(projectState_->errorMessages.size(), XALogBadgeTypeErrors);
    updateLogBadgeNumber(projectState_->warningMessages.size(), XALogBadgeTypeWarnings);
    logView_->updateScrollerMarkers();
    deliverCompletionNotification();
}

void XAProjectWindowController::deliverCompletionNotification() {
    const std::shared_ptr<XACheckingRun> &run = projectState_->checkingOperation;
    const std::size_t errors = projectState_->errorMessages.size();
    const std::size_t diagnostics = run->diagnostics() ? run->diagnostics()->size() : 0;
    QString subtitle;
    if (errors > 0 && diagnostics > 0) {
        subtitle = QStringLiteral("%1 diagnostics, %2 errors during checking").arg(diagnostics).arg(errors);
    } else if (errors > 0) {
        subtitle = QStringLiteral("%1 errors during checking").arg(errors);
    } else {
        subtitle = QStringLiteral("%1 diagnostics").arg(diagnostics);
    }
    XAUserNotifier::shared().deliverNotification(
        QStringLiteral("Finished checking %1").arg(QString::fromStdString(projectState_->project->projectName())),
        subtitle);
}

void XAProjectWindowController::updateDiagnosticsPresentation() {
    if (projectState_ && projectState_->checkingOperation) {
        const XACheckingRun &run = *projectState_->checkingOperation;
        diagnosticsVC_->displayDiagnostics(run.checkingOperation(), run.diagnostics().value_or(XADiagnostics()),
                                           run.hasFailed());
    }
}

// ---- Progress UI ----

void XAProjectWindowController::resetProgressUI() {
    showProgressBar(false);
    checkingProgressBar_->xa_unbindFromProgress();
    runButton_->setText(QStringLiteral("Start checking"));
    updateRunButtonStyle(XAButtonStyleGreen);
    enableProjectRunUI(true);
}

void XAProjectWindowController::showProgressBar(bool show) {
    const double target = show ? 1.0 : 0.0;
    if (std::abs(xa_alphaValue(checkingProgressBar_) - target) < 0.001) {
        return;
    }
    auto *group = new QParallelAnimationGroup(checkingProgressBar_);
    group->addAnimation(xa_alphaAnimation(checkingProgressBar_, target, 0.3));
    group->addAnimation(xa_alphaAnimation(targetAndBuildConfigLabelField_, 1.0 - target, 0.3));
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void XAProjectWindowController::enableProjectRunUI(bool enable) {
    setCloseButtonEnabled(enable);
    for (QWidget *control : std::initializer_list<QWidget *>{configureButton_, ruleSelectButton_, targetPopUpButton_,
                                                             buildConfigPopUpButton_, runButton_}) {
        control->setEnabled(enable);
    }
}

void XAProjectWindowController::updateRunButtonStyle(std::int64_t style) {
    runButton_->cell().xa_setStyle(style);
    runButton_->update();
}

void XAProjectWindowController::updateLogBadgeNumber(std::size_t count, std::int64_t type) {
    sidebarView_->setBadge(count == 0 ? std::nullopt : std::optional(QString::number(count)), type, 0);
}
