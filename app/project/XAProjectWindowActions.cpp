// The project window's remaining behaviour: noticing a changed project file and reloading, the project actions of
// the menus, which window actions are available, and the application's log lines in the checking log.

#include "app/controls/XAAlerts.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/integrations/XAFileRevealer.h"
#include "app/project/XAProjectWindowController.h"
#include "app/project/XAProjectWindowServices.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAOperation.h"
#include "app/shell/XAOperationWindowController.h"
#include "app/shell/XAWindow.h"
#include "core/XAAppVersion.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "project/XAAddFileToProjectOperation.h"

#include <filesystem>
#include <map>

namespace {

constexpr const char *kAnnotationHeaderName = "TessaryAnnotations.h";

// The window actions whose availability follows the loaded project.
const std::map<std::string, void (XAProjectWindowController::*)()> &projectActions() {
    static const std::map<std::string, void (XAProjectWindowController::*)()> actions{
        {"reloadProjectFromDisk:", &XAProjectWindowController::reloadProjectFromDisk},
        {"saveConfiguration:", nullptr},
        {"saveConfigurationAs:", nullptr},
        {"loadConfiguration:", nullptr},
        {"addAnnotationsHeaderToProject:", &XAProjectWindowController::addAnnotationsHeaderToProject},
        {"openProjectInXcode:", &XAProjectWindowController::openProjectInXcode},
        {"showRuleSelection:", nullptr},
        {"showProjectConfiguration:", nullptr},
        {"showProjectConfigurationWizard:", nullptr},
        {"clearProjectCaches:", &XAProjectWindowController::clearProjectCaches},
    };
    return actions;
}

// The window actions that change, save or load the configuration.
const std::map<std::string, void (XAProjectConfigurationController::*)()> &configurationActions() {
    static const std::map<std::string, void (XAProjectConfigurationController::*)()> actions{
        {"saveConfiguration:", &XAProjectConfigurationController::saveConfiguration},
        {"saveConfigurationAs:", &XAProjectConfigurationController::saveConfigurationAs},
        {"loadConfiguration:", &XAProjectConfigurationController::loadConfiguration},
        {"showRuleSelection:", &XAProjectConfigurationController::showRuleSelection},
        {"showProjectConfiguration:", &XAProjectConfigurationController::showProjectConfiguration},
        {"showProjectConfigurationWizard:", &XAProjectConfigurationController::showProjectConfigurationWizard},
    };
    return actions;
}

} // namespace

// ---- Availability ----

bool XAProjectWindowController::isCheckRunning() const {
    return projectState_ && projectState_->checkingOperation && projectState_->checkingOperation->isRunning();
}

bool XAProjectWindowController::projectActionsAvailable() const {
    return projectState_ && projectState_->project && projectState_->configuration && !isCheckRunning();
}

bool XAProjectWindowController::respondsToSelector(const std::string &selector) const {
    if (!projectActions().contains(selector)) {
        return XAProjectWindow::respondsToSelector(selector);
    }
    if (selector == "clearProjectCaches:") {
        return projectActionsAvailable() && projectState_->project->hasAnyCachedBuildLogInfo();
    }
    return projectActionsAvailable();
}

void XAProjectWindowController::performAction(const std::string &selector) {
    if (!respondsToSelector(selector)) {
        return;
    }
    if (const auto action = projectActions().find(selector); action != projectActions().end() && action->second) {
        (this->*action->second)();
    } else if (const auto change = configurationActions().find(selector); change != configurationActions().end()) {
        (configurationController_.get()->*change->second)();
    }
}

// ---- Changes on disk and reloading ----

void XAProjectWindowController::handleApplicationWillBecomeActive() {
    if (!projectState_ || !projectState_->lastCheckedProjectHash) {
        return;
    }
    const std::optional<std::string> currentHash = projectState_->project->projectHash();
    if (currentHash == projectState_->lastCheckedProjectHash) {
        return;
    }
    projectState_->lastCheckedProjectHash = currentHash; // each change is asked about once
    xa_showInWindow(window(), QStringLiteral("Reload project?"),
                    QStringLiteral("The Xcode project seems to have changed on disk. Do you want to reload it?"),
                    {QStringLiteral("Reload"), QStringLiteral("Don't reload")}, [this](const XAAlert &, int response) {
                        if (response == XAAlertFirstButtonReturn) {
                            reloadProjectFromDisk();
                        }
                    });
}

void XAProjectWindowController::reloadProjectFromDisk() {
    if (!projectState_) {
        return;
    }
    const std::shared_ptr<XACheckingRun> &run = projectState_->checkingOperation;
    const bool diagnosticsShown = run && run->diagnostics() && !run->diagnostics()->empty();
    if (!diagnosticsShown) {
        reloadProjectKeepingConfiguration();
        return;
    }
    xa_showInWindow(window(), QStringLiteral("Reload project?"),
                    QStringLiteral("Are you sure you want to reload the project from disk? The currently displayed "
                                   "diagnostics will be cleared."),
                    {QStringLiteral("Reload"), QStringLiteral("Cancel")}, [this](const XAAlert &, int response) {
                        if (response == XAAlertFirstButtonReturn) {
                            reloadProjectKeepingConfiguration();
                        }
                    });
}

void XAProjectWindowController::reloadProjectKeepingConfiguration() {
    if (!projectState_) {
        return;
    }
    const std::shared_ptr<XAConfiguration> configuration = projectState_->configuration;
    const std::string path = projectState_->project->xcodeprojPath();
    readProjectAtPath(
        path,
        [this, configuration] {
            if (projectState_) {
                projectState_->configuration = configuration;
            }
        },
        nullptr);
}

// ---- Project actions ----

void XAProjectWindowController::openProjectInXcode() {
    if (!projectState_) {
        return;
    }
    XAError error;
    if (!XAProjectWindowEngine::shared().openProjectInXcode(projectState_->project->xcodeprojPath(), &error)) {
        // Where no IDE was found, or the one found failed, the user can name the program that opens projects.
        xa_showOKTitle(QString::fromStdString(error.message),
                       QStringLiteral("The program that opens projects is set under \u201cOpen projects with\u201d in "
                                      "Preferences \u2192 Integrations."));
    }
}

void XAProjectWindowController::addAnnotationsHeaderToProject() {
    if (!projectState_) {
        return;
    }
    if (projectState_->project->containsAnnotationHeader()) {
        xa_showOKTitle(QStringLiteral("Header file already in project"),
                       QStringLiteral("The file already exists in the project."));
        return;
    }
    xa_showInWindow(
        window(), QStringLiteral("Add diagnostics suppression annotation header"),
        QStringLiteral("Do you want to add the %1 diagnostics suppression annotation header file to this project?")
            .arg(QString::fromUtf8(XAApplicationName)),
        {QStringLiteral("Add"), QStringLiteral("Cancel")}, [this](const XAAlert &, int response) {
            if (response != XAAlertFirstButtonReturn) {
                return;
            }
            QPointer<XAProjectWindowController> self(this);
            XADispatchToMainAfter(0.3, [self] {
                if (self) {
                    self->copyAnnotationHeaderIntoProject();
                }
            });
        });
}

void XAProjectWindowController::copyAnnotationHeaderIntoProject() {
    if (!projectState_) {
        return;
    }
    const std::string resourcePath =
        xa_stringByAppendingPathComponent(annotationHeaderResourceFolder_, kAnnotationHeaderName);
    std::error_code ignored;
    if (annotationHeaderResourceFolder_.empty() || !std::filesystem::is_regular_file(resourcePath, ignored)) {
        xa_showOKTitle(QStringLiteral("Failed to add annotation header"),
                       QStringLiteral("Cannot find the header resource file in the application bundle: %1")
                           .arg(QString::fromUtf8(kAnnotationHeaderName)));
        return;
    }
    auto copy = std::make_shared<XAAddFileToProjectOperation>(projectState_->project->xcodeprojPath(), resourcePath,
                                                              projectState_->project->annotationHeaderInstallDirPath());
    auto operation = std::make_shared<XABlockOperation>([copy](XAOperation &) { copy->main(); });
    auto sheet = std::make_shared<XAOperationWindowController>(
        QStringLiteral("Adding header to Xcode project…"),
        QStringLiteral("Please wait while we add the header to the Xcode project."),
        XAProjectWindowEngine::shared().xcodeIcon(), operation);
    QPointer<XAProjectWindowController> self(this);
    sheet->xa_beginOperationModalInParent(window(), [self, copy](XAWindowController *, int returnCode) {
        if (!self || returnCode == 0) {
            return;
        }
        if (copy->wasSuccessful()) {
            self->showAnnotationHeaderAdded(copy->fileTargetPath());
        } else {
            xa_showOKTitle(QString::fromStdString(copy->error()->message), QString());
        }
    });
}

void XAProjectWindowController::showAnnotationHeaderAdded(const std::string &fileTargetPath) {
    const QString message = QStringLiteral("The %1 file has been copied to the following location:\n\n%2\n\nPlease "
                                           "add it to your Xcode project from there.")
                                .arg(QString::fromUtf8(kAnnotationHeaderName), QString::fromStdString(fileTargetPath));
    xa_showInWindow(window(), QStringLiteral("Header file added"), message,
                    {QStringLiteral("OK"), QStringLiteral("Reveal in Finder")},
                    [fileTargetPath](const XAAlert &, int response) {
                        if (response == XAAlertFirstButtonReturn + 1) {
                            XAFileRevealer::shared().revealPath(fileTargetPath);
                        }
                    });
}

void XAProjectWindowController::clearProjectCaches() {
    if (!projectState_) {
        return;
    }
    logView_->logMessage("Clearing project build log caches.", XAColor::grayColor());
    projectState_->project->clearAllCachedBuildLogInfoWithProgress(logView_->standardProgressHandler());
    logView_->logMessage("Clearing module caches.", XAColor::grayColor());
    XAProjectWindowEngine::shared().clearModuleCachesWithProgress(logView_->standardProgressHandler());
}

// ---- The log feed ----

void XAProjectWindowController::handleLogMessageNotification(const XANotification &notification) {
    const XAValue *levelValue = notification.userInfo.get(XALogMessageNotificationLogLevelKey);
    const XAValue *textValue = notification.userInfo.get(XALogMessageNotificationMessageKey);
    if (!levelValue || !textValue || !textValue->string() || !logView_) {
        return;
    }
    const std::int64_t level = levelValue->integer().value_or(0);
    if (level < 2) {
        return;
    }
    std::optional<XAColor> color;
    if (level == 3) {
        color = XAColor::yellowColor();
    } else if (level >= 4) {
        color = XAColor::redColor();
    }
    logView_->logMessage(*textValue->string(), color);
}
