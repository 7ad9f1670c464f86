#include "app/shell/XAAppDelegate.h"

#include "app/config/XADocumentWindows.h"
#include "app/config/XAPreferencesWindowController.h"
#include "app/controls/XAAlerts.h"
#include "app/integrations/XAAboutWindowController.h"
#include "app/integrations/XACLIInstallWindowController.h"
#include "app/integrations/XACrashReporter.h"
#include "app/integrations/XAUpdater.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XAMenuUpdatingDelegate.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAOpenProjectDialog.h"
#include "app/shell/XAProjectWindow.h"
#include "app/shell/XAWindow.h"
#include "core/XAAppVersion.h"
#include "core/XALaunchMode.h"
#include "core/XAPaths.h"
#include "core/XAProcessRegistry.h"
#include "core/XAURLEncoding.h"
#include "core/XAUserDefaults.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLayout>
#include <QMenuBar>
#include <QUrl>

#include <stdexcept>

namespace {

XAAppDelegate *gCurrentDelegate = nullptr;

} // namespace

XAAppDelegate::XAAppDelegate(XAProjectList *recentProjects)
    : recentProjects_(recentProjects), quitHandler_([] { QCoreApplication::quit(); }) {
    gCurrentDelegate = this;
    XAWindowController::setLatestVisiblePrimaryWindowProvider(
        [this] { return latestVisiblePrimaryWindowController(); });
    connectMenuActions();
}

XAAppDelegate::~XAAppDelegate() {
    for (std::uint64_t observer : observers_) {
        XANotificationCenter::defaultCenter().removeObserver(observer);
    }
    if (gCurrentDelegate == this) {
        gCurrentDelegate = nullptr;
        XAWindowController::setLatestVisiblePrimaryWindowProvider(nullptr);
    }
}

XAAppDelegate *XAAppDelegate::current() { return gCurrentDelegate; }

void XAApplicationTerminate() {
    if (XAAppDelegate *delegate = XAAppDelegate::current()) {
        delegate->terminate();
    } else {
        QCoreApplication::quit();
    }
}

void XAAppDelegate::connectMenuActions() {
    connect(mainMenu_.openDocumentAction(), &QAction::triggered, this, [this] { openDocument(nullptr); });
    connect(mainMenu_.installCLIToolsAction(), &QAction::triggered, this, [this] { installCLITools(nullptr); });
    connect(mainMenu_.quitAction(), &QAction::triggered, this, [this] { terminate(); });
    connect(mainMenu_.aboutAction(), &QAction::triggered, this, [this] { orderFrontAboutPanel(nullptr); });
    connect(mainMenu_.preferencesAction(), &QAction::triggered, this, [this] { showPreferences(nullptr); });
    connect(mainMenu_.checkForUpdatesAction(), &QAction::triggered, this, [this] { checkForUpdatesToApp(nullptr); });
    connect(mainMenu_.feedbackAction(), &QAction::triggered, this, [this] { sendFeedback(nullptr); });
    connect(mainMenu_.issueTrackerAction(), &QAction::triggered, this, [this] { navigateToIssueTracker(nullptr); });
    connect(mainMenu_.helpAction(), &QAction::triggered, this, [this] { showDocumentation(nullptr); });
    connect(mainMenu_.licenseAction(), &QAction::triggered, this, [this] { showLicenseAgreement(nullptr); });
    connectProjectWindowMenuActions();
    setUserInterfaceEnabled(false);
}

// The items of "Project" and "Configuration" go to the project window, which tells when a menu opens which of them
// it can perform now.
void XAAppDelegate::connectProjectWindowMenuActions() {
    for (const auto &[selector, action] : mainMenu_.projectWindowActions()) {
        connect(action, &QAction::triggered, this, [this, selector] {
            if (projectVC_) {
                projectVC_->performAction(selector);
            }
        });
    }
    for (QMenu *menu : {mainMenu_.projectMenu(), mainMenu_.configurationMenu()}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { validateProjectWindowMenuItems(); });
    }
    xa_makeItemsWithTagsVisibleOnlyWhenOptionKeyDepressed(mainMenu_.projectMenu(), {XAMainMenu::kOptionKeyItemTag});
}

void XAAppDelegate::validateProjectWindowMenuItems() {
    for (const auto &[selector, action] : mainMenu_.projectWindowActions()) {
        action->setEnabled(projectVC_ && projectVC_->respondsToSelector(selector));
    }
}

// ---- Launch ----

void XAAppDelegate::applicationDidFinishLaunching() {
    if (XAIsRunningUnitTests()) {
        return;
    }
    createControllers();
    setUserInterfaceEnabled(false);
    registerObservers();
    mainNaviVC_->showWindow(this);
    mainNaviVC_->initializeAppWithCallback([this] { initializationDidComplete(); });
    showProjectMenuItems(false);
    if (xa_debugFeaturesEnabled(XAUserDefaults::standard())) {
        enableDebugUI();
    }
    XADispatchToMain([] { XACrashReporter::offerToSendCrashReportsIfAny(); });
}

void XAAppDelegate::createControllers() {
    if (projectWindowFactory_) {
        projectVC_ = projectWindowFactory_();
    }
    mainNaviVC_ = std::make_shared<XAMainNaviWindowController>(recentProjects_);
    // The document windows build their windows and render their pages only when first shown.
    docsWindowController_ = std::make_shared<XAAppDocsWindowController>();
    eulaWindowController_ = std::make_shared<XAEULAWindowController>();
    mainMenu_.helpAction()->setVisible(true);
    mainMenu_.licenseAction()->setVisible(true);
    XAWindow *startWindow = mainNaviVC_->window();
    startWindow->layout()->setMenuBar(mainMenu_.createMenuBar(startWindow));
    if (projectVC_) {
        XAWindow *projectWindow = projectVC_->windowController().window();
        projectWindow->layout()->setMenuBar(mainMenu_.createMenuBar(projectWindow));
    }
}

void XAAppDelegate::registerObservers() {
    XANotificationCenter &center = XANotificationCenter::defaultCenter();
    if (projectVC_) {
        observers_.push_back(center.addObserver(XAWindowWillCloseNotificationName,
                                                projectVC_->windowController().window(),
                                                [this](const XANotification &) { projectWindowWillClose(); }));
    }
    observers_.push_back(center.addObserver(
        XAOpenProjectNotificationName, mainNaviVC_.get(), [this](const XANotification &notification) {
            const std::string *path = notification.userInfo.get(XAOpenProjectNotificationProjectPathKey)
                                          ? notification.userInfo.get(XAOpenProjectNotificationProjectPathKey)->string()
                                          : nullptr;
            if (path) {
                openProjectAtPath(*path); // kept for later while the interface is disabled
            }
        }));
    observers_.push_back(
        center.addObserver(XAWindowDidBecomeMainNotificationName, nullptr, [this](const XANotification &notification) {
            const auto *window = static_cast<const XAWindow *>(notification.object);
            showProjectMenuItems(projectVC_ && window && window->controller() == &projectVC_->windowController());
        }));
    // Without a menu bar of its own the application ends with its start window.
    observers_.push_back(
        center.addObserver(XAWindowWillCloseNotificationName, mainNaviVC_->window(),
                           [this](const XANotification &) { XADispatchToMain([this] { terminate(); }); }));
}

void XAAppDelegate::initializationDidComplete() {
    setUserInterfaceEnabled(XAGUIState::sharedGUIState().isInitialized());
    if (deferredProjectPathToOpen_) {
        const std::string path = *deferredProjectPathToOpen_;
        deferredProjectPathToOpen_.reset();
        openProjectAtPath(path);
    } else if (mainNaviVC_) {
        mainNaviVC_->loadProjectReferencesAndUpdateTable();
    }
}

// ---- Opening projects and switching windows ----

void XAAppDelegate::openProjectAtPath(const std::string &path) {
    if (!XAGUIState::sharedGUIState().isInitialized() || !uiEnabled_) {
        deferredProjectPathToOpen_ = path;
        return;
    }
    showProjectWindow();
    if (projectVC_) {
        projectVC_->openProject(path);
    }
}

bool XAAppDelegate::application_openFile(const std::string &path) {
    openProjectAtPath(path);
    return true;
}

void XAAppDelegate::application_openFiles(const std::vector<std::string> &paths) {
    if (!paths.empty()) {
        openProjectAtPath(paths.front());
    }
}

void XAAppDelegate::showProjectWindow() {
    if (!uiEnabled_ || !projectVC_) {
        return;
    }
    projectVC_->windowController().showWindow(this);
    if (mainNaviVC_ && mainNaviVC_->isWindowLoaded()) {
        mainNaviVC_->window()->hide();
    }
}

void XAAppDelegate::projectWindowWillClose() {
    XADispatchToMainAfter(0.05, [this] {
        if (mainNaviVC_) {
            mainNaviVC_->showWindow(this);
        }
    });
}

XAWindowController *XAAppDelegate::latestVisiblePrimaryWindowController() const {
    XAWindowController *project = projectVC_ ? &projectVC_->windowController() : nullptr;
    XAWindowController *start = mainNaviVC_.get();
    auto isVisible = [](XAWindowController *controller) {
        return controller && controller->isWindowLoaded() && controller->window()->isVisible();
    };
    if (isVisible(project)) {
        return project;
    }
    if (isVisible(start)) {
        return start;
    }
    if (project && start) {
        return project->lastShownTimestamp() > start->lastShownTimestamp() ? project : start;
    }
    return start ? start : project;
}

void XAAppDelegate::showProjectMenuItems(bool show) {
    mainMenu_.projectMenu()->menuAction()->setVisible(show);
    mainMenu_.configurationMenu()->menuAction()->setVisible(show);
}

void XAAppDelegate::setUserInterfaceEnabled(bool enabled) {
    uiEnabled_ = enabled;
    mainMenu_.openDocumentAction()->setEnabled(respondsToSelector("openDocument:"));
    mainMenu_.installCLIToolsAction()->setEnabled(respondsToSelector("installCLITools:"));
}

// ---- Menu actions ----

bool XAAppDelegate::respondsToSelector(const std::string &selector) const {
    if (selector == "openDocument:" || selector == "installCLITools:") {
        return uiEnabled_;
    }
    return true;
}

void XAAppDelegate::openDocument(const void *) {
    if (!uiEnabled_) {
        return;
    }
    if (openProjectPanel_ && openProjectPanel_->isVisible()) {
        openProjectPanel_->raise();
        openProjectPanel_->activateWindow();
        return;
    }
    if (!openProjectPanel_) {
        openProjectPanel_ =
            new XAOpenProjectDialog(nullptr, [this](const std::string &path) { openProjectAtPath(path); });
    }
    openProjectPanel_->open();
}

void XAAppDelegate::installCLITools(const void *sender) {
    if (uiEnabled_) {
        cliInstallVC()->showWindow(sender);
    }
}

// The auxiliary windows are made on first use and kept for the life of the application.
XAAboutWindowController *XAAppDelegate::aboutVC() {
    if (!aboutVC_) {
        aboutVC_ = std::make_shared<XAAboutWindowController>();
    }
    return aboutVC_.get();
}

XAPreferencesWindowController *XAAppDelegate::preferencesVC() {
    if (!preferencesVC_) {
        preferencesVC_ = std::make_shared<XAPreferencesWindowController>();
    }
    return preferencesVC_.get();
}

XACLIInstallWindowController *XAAppDelegate::cliInstallVC() {
    if (!cliInstallVC_) {
        cliInstallVC_ = std::make_shared<XACLIInstallWindowController>();
    }
    return cliInstallVC_.get();
}

void XAAppDelegate::orderFrontAboutPanel(const void *sender) { aboutVC()->showWindow(sender); }

void XAAppDelegate::showPreferences(const void *sender) { preferencesVC()->showWindow(sender); }

void XAAppDelegate::checkForUpdatesToApp(const void *) {
    XAUpdater::sharedUpdater().checkForUpdates([](const XAUpdateCheckResult &result) {
        const QString newest = QString::fromStdString(result.newestVersion.value_or(""));
        if (!result.newestVersion) {
            xa_showOKTitle(QStringLiteral("Update check failed"), QString::fromStdString(result.error.message));
        } else if (result.updateAvailable) {
            xa_showOKTitle(
                QStringLiteral("A new version is available"),
                QStringLiteral("%1 %2 is available; you have %3.")
                    .arg(QString::fromUtf8(XAApplicationName), newest, QString::fromStdString(xa_version())));
        } else {
            xa_showOKTitle(QStringLiteral("You're up to date"),
                           QStringLiteral("%1 %2 is the newest version.")
                               .arg(QString::fromUtf8(XAApplicationName), QString::fromStdString(xa_version())));
        }
    });
}

void XAAppDelegate::sendFeedback(const void *) {
    const QString message = QStringLiteral("The default email application will be opened for sending an email message "
                                           "to the following address:\n\n%1")
                                .arg(QString::fromUtf8(XAFeedbackEmailAddress));
    XAAlertPresenter::shared().present({QStringLiteral("Send feedback email"),
                                        message,
                                        XAAlertStyle::Informational,
                                        {QStringLiteral("Send"), QStringLiteral("Cancel")}},
                                       nullptr, [](const XAAlert &, int response) {
                                           if (response != XAAlertFirstButtonReturn) {
                                               return;
                                           }
                                           const std::string url = "mailto:" + xa_URLEncoded(XAFeedbackEmailAddress) +
                                                                   "?subject=" + xa_URLEncoded(XAApplicationName) +
                                                                   "%20Feedback%20(version%20" +
                                                                   xa_URLEncoded(xa_version()) + ")";
                                           QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
                                       });
}

void XAAppDelegate::navigateToIssueTracker(const void *) {
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(XABackendBaseAddress) + QStringLiteral("/issues")));
}

void XAAppDelegate::showDocumentation(const void *) {
    if (docsWindowController_) {
        docsWindowController_->showWindow(this);
    }
}

void XAAppDelegate::showLicenseAgreement(const void *) {
    if (eulaWindowController_) {
        eulaWindowController_->showWindow(this);
    }
}

void XAAppDelegate::enableDebugUI() {
    connect(
        mainMenu_.addCrashAction(), &QAction::triggered, this, [this] { crashTheApp(nullptr); }, Qt::UniqueConnection);
}

void XAAppDelegate::crashTheApp(const void *) {
    XAAlertPresenter::shared().present(
        {QStringLiteral("Crash?"),
         QStringLiteral("Are you sure you want to CRASH the app right now?"),
         XAAlertStyle::Critical,
         {QStringLiteral("Crash!"), QStringLiteral("Cancel")}},
        nullptr, [](const XAAlert &, int response) {
            if (response != XAAlertFirstButtonReturn + 1) {
                throw std::logic_error("Crash on request"); // uncaught on purpose: crash capture can be tried out
            }
        });
}

// ---- Quitting ----

XATerminateReply XAAppDelegate::applicationShouldTerminate() {
    const bool projectWindowVisible = projectVC_ && projectVC_->windowController().isWindowLoaded() &&
                                      projectVC_->windowController().window()->isVisible();
    if (!projectWindowVisible) {
        return XATerminateReply::Now;
    }
    auto decided = std::make_shared<bool>(false);
    const bool closesNow = projectVC_->closeProjectWithPossibleUserPromptAndCompletion([this, decided](bool mayClose) {
        if (*decided) {
            return;
        }
        *decided = true;
        replyToApplicationShouldTerminate(mayClose);
    });
    if (*decided) {
        return XATerminateReply::Later; // already answered through the completion
    }
    if (closesNow) {
        *decided = true;
        return XATerminateReply::Now;
    }
    terminationPending_ = true;
    return XATerminateReply::Later;
}

void XAAppDelegate::replyToApplicationShouldTerminate(bool shouldTerminate) {
    terminationPending_ = false;
    if (shouldTerminate) {
        finishTermination();
    }
}

void XAAppDelegate::applicationWillTerminate() { XAProcessRegistry::terminateAll(); }

void XAAppDelegate::terminate() {
    if (terminationPending_) {
        return; // still waiting for the project window's answer
    }
    if (applicationShouldTerminate() == XATerminateReply::Now) {
        finishTermination();
    }
}

void XAAppDelegate::finishTermination() {
    applicationWillTerminate();
    if (quitHandler_) {
        quitHandler_();
    }
}
