// The project window's set-up, the load of a project and the filling of the window from it.

#include "app/project/XAProjectWindowController.h"

#include "app/controls/XAAlerts.h"
#include "app/controls/XAButtons.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATabView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XAViewExtensions.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsViewController.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/integrations/XASidebarImages.h"
#include "app/project/XAProjectWindowServices.h"
#include "app/project/XAViewAlpha.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAUserDefaults.h"
#include "core/XAUserFolders.h"
#include "engine/XACheckingOperation.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleSet.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QWindow>

namespace {

// A sheet that follows another sheet's answer waits this long, so that the first has gone.
constexpr double kSheetAfterSheetDelaySeconds = 0.1;

// Refuses to close the window while its close button is disabled.
class XACloseButtonGuard : public QObject {
public:
    explicit XACloseButtonGuard(QObject *parent) : QObject(parent) {}
    bool enabled = true;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Close && !enabled) {
            event->ignore();
            return true;
        }
        return false;
    }
};

// The window's guard; a plain cast over the children, since the class has no meta-object of its own.
XACloseButtonGuard *closeButtonGuard(QWidget *window) {
    for (QObject *child : window->children()) {
        if (auto *guard = dynamic_cast<XACloseButtonGuard *>(child)) {
            return guard;
        }
    }
    return nullptr;
}

} // namespace

XAProjectWindowController::XAProjectWindowController(XAProjectList *recentProjects)
    : recentProjects_(recentProjects ? recentProjects : &XAProjectList::recentProjectsList()),
      annotationHeaderResourceFolder_(XAResourcesDirectoryPath().value_or("")) {}

XAProjectWindowController::~XAProjectWindowController() {
    for (std::uint64_t observer : observers_) {
        XANotificationCenter::defaultCenter().removeObserver(observer);
    }
    disconnect(applicationStateConnection_);
}

// ---- Window set-up ----

void XAProjectWindowController::windowDidLoad() {
    XAWindowController::windowDidLoad();
    buildContentView();
    xa_adoptDarkWindowStyle();
    window()->setWindowTitle(QString());
    projectNameField_->setText(QString());
    projectOrgNameField_->setText(QString());
    for (XAButton *button : {configureButton_.data(), ruleSelectButton_.data()}) {
        button->cell().xa_setStyle(XAButtonStyleDark);
        button->cell().xa_setSize(XAButtonSizeSmall);
    }
    connect(configureButton_, &QPushButton::clicked, this, [this] { performAction("showProjectConfiguration:"); });
    connect(ruleSelectButton_, &QPushButton::clicked, this, [this] { performAction("showRuleSelection:"); });
    createTabViewItems();
    checkingProgressBar_->setXa_inset(2.0);
    checkingProgressBar_->setXa_barColor(Qt::black);
    showLoadingUIWithMessage(QString(), std::nullopt);
    showOperationLogView();
    new XACloseButtonGuard(window());
    window()->installEventFilter(closeButtonGuard(window()));
    observeNotifications();
    resetProgressUI();
}

void XAProjectWindowController::createTabViewItems() {
    while (tabView_->numberOfTabViewItems() > 0) {
        tabView_->removeTabViewItemAtIndex(0);
    }
    logView_ = new XACheckingOperationLogView;
    auto logItem = std::make_unique<XATabViewItem>(QStringLiteral("Checking log"), logView_);
    logItem->setSidebarImage(XASidebarImageNamed("sidebarLogTemplate"));
    tabView_->addTabViewItem(std::move(logItem));
    diagnosticsVC_ = std::make_shared<XADiagnosticsViewController>();
    auto diagnosticsItem = std::make_unique<XATabViewItem>(QStringLiteral("Diagnostics"), diagnosticsVC_->view());
    diagnosticsItem->setSidebarImage(XASidebarImageNamed("sidebarDiagnosticsTemplate"));
    tabView_->addTabViewItem(std::move(diagnosticsItem));
    sidebarView_->setAssociatedTabView(tabView_);
}

void XAProjectWindowController::observeNotifications() {
    XANotificationCenter &center = XANotificationCenter::defaultCenter();
    observers_.push_back(center.addObserver(XALogMessageNotificationName, nullptr, [this](const XANotification &note) {
        handleLogMessageNotification(note);
    }));
    observers_.push_back(
        center.addObserver(XAWebDelegateGenericActionNotificationName, nullptr, [this](const XANotification &note) {
            configurationController_->handleWebDelegateActionNotification(note);
        }));
    observers_.push_back(center.addObserver(XAWindowDidBecomeMainNotificationName, window(),
                                            [this](const XANotification &) { windowDidBecomeMain(); }));
    observers_.push_back(center.addObserver(XAWindowWillCloseNotificationName, window(),
                                            [this](const XANotification &) { windowWillClose(); }));
}

void XAProjectWindowController::windowDidBecomeMain() {
    disconnect(applicationStateConnection_);
    applicationStateConnection_ =
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) {
                handleApplicationWillBecomeActive();
            }
        });
}

void XAProjectWindowController::windowWillClose() {
    saveCurrentProjectIntoRecentProjectsList();
    resetProject();
    disconnect(applicationStateConnection_);
}

bool XAProjectWindowController::isCloseButtonEnabled() const {
    XACloseButtonGuard *guard =
        isWindowLoaded() ? closeButtonGuard(const_cast<XAProjectWindowController *>(this)->window()) : nullptr;
    return !guard || guard->enabled;
}

void XAProjectWindowController::setCloseButtonEnabled(bool enabled) {
    if (XACloseButtonGuard *guard = closeButtonGuard(window())) {
        guard->enabled = enabled;
    }
    XAWindow *ownWindow = window();
    if (ownWindow->windowFlags().testFlag(Qt::WindowCloseButtonHint) == enabled) {
        return;
    }
    // The widget's own flag change would re-create and re-map the window, which the window manager places anew; the
    // platform window takes the new hint in place instead.
    const Qt::WindowFlags flags = ownWindow->windowFlags().setFlag(Qt::WindowCloseButtonHint, enabled);
    ownWindow->overrideWindowFlags(flags);
    if (QWindow *handle = ownWindow->windowHandle()) {
        handle->setFlags(flags);
    }
}

bool XAProjectWindowController::closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool)> completion) {
    return configurationController_->closeProjectWithPossibleUserPromptAndCompletion(std::move(completion));
}

bool XAProjectWindowController::windowShouldClose() { return configurationController_->windowShouldClose(); }

// ---- Loading ----

void XAProjectWindowController::openProject(const std::string &path) {
    readProjectAtPath(path, nullptr, [this] { configurationController_->offerWizardThenNotifyAboutNewRules(); });
}

void XAProjectWindowController::readProjectAtPath(const std::string &path, std::function<void()> loaded,
                                                  std::function<void()> completion) {
    window();
    resetProject();
    const QString overlayMessage =
        QStringLiteral("Loading project %1…")
            .arg(QString::fromStdString(xa_stringByDeletingPathExtension(xa_lastPathComponent(path))));
    showLoadingUIWithMessage(overlayMessage, std::nullopt);
    setCloseButtonEnabled(false);
    const std::uint64_t generation = ++loadGeneration_;
    QPointer<XAProjectWindowController> self(this);
    auto isCurrent = [self, generation] { return self && self->loadGeneration_ == generation; };
    XADispatchToGlobal([=] {
        std::shared_ptr<XAProjectDocument> project = XAProjectWindowEngine::shared().projectWithXcodeproj(path);
        auto errors = std::make_shared<std::vector<std::string>>();
        errors->reserve(10);
        const bool success = project->loadProjectWithProgress([=](const XAProgressMessage &message) {
            XADispatchToMain([=] {
                if (isCurrent()) {
                    self->handleLoadProgressMessage(message, *errors, overlayMessage);
                }
            });
        });
        XADispatchToMain([=] {
            if (isCurrent()) {
                self->finishLoad(project, success, *errors, loaded, completion);
            }
        });
    });
}

void XAProjectWindowController::handleLoadProgressMessage(const XAProgressMessage &message,
                                                          std::vector<std::string> &errors,
                                                          const QString &overlayMessage) {
    switch (message.kind()) {
    case XAProgressMessageKindError:
        errors.push_back(message.message());
        break;
    case XAProgressMessageKindWarning:
        logView_->logMessage(message.message() + "\n", XAColor::yellowColor());
        break;
    case XAProgressMessageKindDebug:
        if (!message.message().empty()) {
            showLoadingUIWithMessage(overlayMessage, QString::fromStdString(message.message()));
        }
        break;
    default:
        break;
    }
}

void XAProjectWindowController::finishLoad(const std::shared_ptr<XAProjectDocument> &project, bool loaded,
                                           const std::vector<std::string> &errors,
                                           const std::function<void()> &loadedBlock,
                                           const std::function<void()> &completion) {
    if (!loaded) {
        std::string joined;
        for (const std::string &error : errors) {
            joined += (joined.empty() ? "" : "; ") + error;
        }
        XAAlertPresenter::shared().present(
            {QStringLiteral("Error reading project file: %1").arg(QString::fromStdString(joined)),
             QString(),
             XAAlertStyle::Warning,
             {}},
            nullptr, nullptr);
        setCloseButtonEnabled(true);
        hideLoadingUI();
        window()->close();
        return;
    }
    projectState_ = std::make_shared<XAProjectGUIState>();
    projectState_->project = project;
    projectState_->lastCheckedProjectHash = project->projectHash();
    projectState_->configuration = std::make_shared<XAConfiguration>(configurationFromProject(*project));
    if (loadedBlock) {
        loadedBlock();
    }
    updateUIStateFromProjectState();
    projectState_->lastLoadedOrSavedConfiguration =
        std::make_shared<XAConfiguration>(configurationRepresentedInTheGUI());
    saveCurrentProjectIntoRecentProjectsList();
    hideLoadingUI();
    setCloseButtonEnabled(true);
    if (completion) {
        completion();
    }
}

XAConfiguration XAProjectWindowController::configurationFromProject(const XAProjectDocument &project) {
    const std::optional<std::string> path = project.primaryTessaryConfigFilePath();
    if (!path) {
        return XAConfiguration();
    }
    logView_->logMessage("Using configuration file at: " + *path, std::nullopt);
    bool readFailed = false;
    const XAProgressHandler logHandler = logView_->standardProgressHandler();
    XAConfiguration configuration =
        XAConfiguration::configFromFile(path, [&readFailed, logHandler](const XAProgressMessage &message) {
            readFailed = readFailed || message.isError();
            logHandler(message);
        });
    return readFailed ? XAConfiguration() : configuration;
}

// ---- Filling the window ----

void XAProjectWindowController::updateUIStateFromProjectState() {
    if (!projectState_) {
        return;
    }
    fillPopUps();
    selectDeterminedTargetAndBuildConfig();
    projectState_->ruleSet =
        XACheckingOperation::determineRuleSetWithConfiguration(*projectState_->configuration, nullptr);
    updateRuleSelectionUI();
    fillNameFields();
    window()->setWindowFilePath(QString::fromStdString(projectState_->project->xcodeprojPath()));
    updateProjectIconInUI();
}

void XAProjectWindowController::fillPopUps() {
    const XAProjectDocument &project = *projectState_->project;
    const QSignalBlocker targetBlocker(targetPopUpButton_);
    const QSignalBlocker configBlocker(buildConfigPopUpButton_);
    targetPopUpButton_->clear();
    buildConfigPopUpButton_->clear();
    for (const XAProjectTargetItem &target : project.targets()) {
        QString title = QString::fromStdString(target.name);
        const std::string description =
            project.typeDescriptionForTarget(target.objectID, target.firstBuildConfigurationName);
        if (!description.empty()) {
            title += QStringLiteral(" (%1)").arg(QString::fromStdString(description));
        }
        targetPopUpButton_->addItem(title, QString::fromStdString(target.objectID));
    }
    for (const std::string &name : project.buildConfigurationNames()) {
        buildConfigPopUpButton_->addItem(QString::fromStdString(name), QString::fromStdString(name));
    }
}

void XAProjectWindowController::selectDeterminedTargetAndBuildConfig() {
    const XAProjectDocument &project = *projectState_->project;
    const std::optional<std::string> targetID = project.determineTargetID(*projectState_->configuration);
    const std::optional<std::string> configName =
        project.determineBuildConfigName(targetID, *projectState_->configuration);
    const QSignalBlocker targetBlocker(targetPopUpButton_);
    const QSignalBlocker configBlocker(buildConfigPopUpButton_);
    targetPopUpButton_->setCurrentIndex(targetID ? targetPopUpButton_->findData(QString::fromStdString(*targetID))
                                                 : -1);
    buildConfigPopUpButton_->setCurrentIndex(
        configName ? buildConfigPopUpButton_->findData(QString::fromStdString(*configName)) : -1);
}

void XAProjectWindowController::fillNameFields() {
    const XAProjectDocument &project = *projectState_->project;
    const std::string name = project.projectName();
    xa_setTitle(projectNameField_, name.empty() ? QStringLiteral("<Unknown project>") : QString::fromStdString(name),
                Qt::white, Qt::black);
    xa_setTitle(projectOrgNameField_, QString::fromStdString(project.organizationName().value_or("")), Qt::lightGray,
                Qt::black);
}

std::optional<XAProjectTargetItem> XAProjectWindowController::targetSelectedInGUI() const {
    if (!projectState_ || targetPopUpButton_->currentIndex() < 0) {
        return std::nullopt;
    }
    const std::string selectedID = targetPopUpButton_->currentData().toString().toStdString();
    for (const XAProjectTargetItem &target : projectState_->project->targets()) {
        if (target.objectID == selectedID) {
            return target;
        }
    }
    return std::nullopt;
}

std::optional<std::string> XAProjectWindowController::buildConfigSelectedInGUI() const {
    if (!projectState_ || buildConfigPopUpButton_->currentIndex() < 0) {
        return std::nullopt;
    }
    const std::string selected = buildConfigPopUpButton_->currentData().toString().toStdString();
    for (const std::string &name : projectState_->project->buildConfigurationNames()) {
        if (name == selected) {
            return name;
        }
    }
    return std::nullopt;
}

XAConfiguration XAProjectWindowController::configurationRepresentedInTheGUI() const {
    XAConfiguration configuration;
    if (!projectState_ || !projectState_->configuration) {
        return configuration;
    }
    const XAConfiguration &working = *projectState_->configuration;
    configuration.applyMainOptionValuesFromDictionary(working.mainOptionValuesDictionary());
    configuration.applyRuleOptionValuesFromDictionary(working.ruleOptionValuesDictionary());
    configuration.setOriginalLoadFilePath(working.originalLoadFilePath());
    if (const std::optional<XAProjectTargetItem> target = targetSelectedInGUI()) {
        configuration.setValue(target->name, *XAConfiguration::appOptionWithLongName("target"));
    }
    if (const std::optional<std::string> buildConfig = buildConfigSelectedInGUI()) {
        configuration.setValue(*buildConfig, *XAConfiguration::appOptionWithLongName("buildConfig"));
    }
    return configuration;
}

void XAProjectWindowController::updateRuleSelectionUI() {
    const std::size_t selected = projectState_ && projectState_->ruleSet ? projectState_->ruleSet->rules().size() : 0;
    ruleSelectionField_->setText(
        QStringLiteral("%1/%2 Rules:").arg(selected).arg(XARuleRegistry::shared().allPublicRuleShortNames().size()));
}

void XAProjectWindowController::targetPopUpButtonValueChanged() { updateProjectIconInUI(); }
void XAProjectWindowController::buildConfigPopUpButtonValueChanged() { updateProjectIconInUI(); }

// ---- The project's icon ----

void XAProjectWindowController::updateProjectIconInUI() {
    if (!projectState_) {
        return;
    }
    const bool imageWasShown = !shownProjectIcon_.isNull();
    const std::shared_ptr<XAProjectDocument> project = projectState_->project;
    const std::optional<XAProjectTargetItem> target = targetSelectedInGUI();
    const std::optional<std::string> targetID = target ? std::optional(target->objectID) : std::nullopt;
    const std::optional<std::string> buildConfig = buildConfigSelectedInGUI();
    QPointer<XAProjectWindowController> self(this);
    XADispatchToGlobal([=] {
        const QImage icon = project->representativeIconForTarget(targetID, buildConfig);
        XADispatchToMain([=] {
            if (self && self->projectState_ && self->projectState_->project == project) {
                self->fadeInProjectIcon(icon, imageWasShown);
            }
        });
    });
}

void XAProjectWindowController::fadeInProjectIcon(const QImage &icon, bool imageWasShown) {
    if (icon == shownProjectIcon_) {
        return;
    }
    shownProjectIcon_ = icon;
    ++projectIconFadeCount_;
    const double duration = imageWasShown ? 0.15 : 0.3;
    auto *fades = new QSequentialAnimationGroup(projectIconImageView_);
    QPropertyAnimation *fadeOut = xa_alphaAnimation(projectIconImageView_, 0.0, imageWasShown ? duration : 0.0);
    QPointer<QLabel> imageView(projectIconImageView_);
    connect(fadeOut, &QAbstractAnimation::finished, this, [imageView, icon] {
        if (imageView) {
            xa_setAlphaValue(imageView, 0.0);
            imageView->setPixmap(icon.isNull() ? QPixmap()
                                               : QPixmap::fromImage(icon).scaled(imageView->size(), Qt::KeepAspectRatio,
                                                                                 Qt::SmoothTransformation));
        }
    });
    fades->addAnimation(fadeOut);
    fades->addAnimation(xa_alphaAnimation(projectIconImageView_, 1.0, duration));
    fades->start(QAbstractAnimation::DeleteWhenStopped);
}

// ---- New rules ----

void XAProjectWindowController::notifyAboutNewRulesIfNeeded() {
    if (!projectState_ || !xa_notifyAboutNewRulesForEachProject(XAUserDefaults::standard()) ||
        !projectState_->project->hasProjectSpecificTessaryConfigFile()) {
        return;
    }
    const std::vector<std::string> newRules =
        projectState_->project->newRulesToNotifyAboutWithRuleSet(*projectState_->ruleSet);
    if (newRules.empty()) {
        return;
    }
    QStringList lines;
    for (const std::string &shortName : newRules) {
        const XARuleDescriptor *rule = XARuleRegistry::shared().ruleWithShortName(shortName);
        lines << QStringLiteral("• %1").arg(QString::fromStdString(rule ? rule->ruleName.plainString() : shortName));
    }
    const QString message = QStringLiteral("The following new rules have not yet been enabled for this project:\n\n%1")
                                .arg(lines.join("\n"));
    std::shared_ptr<XAProjectDocument> project = projectState_->project;
    xa_showInWindow(window(), QStringLiteral("New rules"), message, XAAlertStyle::Informational,
                    {QStringLiteral("Skip"), QStringLiteral("Show"), QStringLiteral("Select All")},
                    [this, newRules, project](const XAAlert &, int response) {
                        if (projectState_ && projectState_->project == project) {
                            handleNewRulesNoticeResponse(response, newRules);
                        }
                        project->markNewRulesNotified();
                    });
}

// "Show" opens the rule selection on the first new rule, listing the rules newer than the number announced before;
// "Select All" selects them all.
void XAProjectWindowController::handleNewRulesNoticeResponse(int response, const std::vector<std::string> &newRules) {
    if (response == XAAlertFirstButtonReturn + 1) {
        const std::string query =
            "new_since:" + std::to_string(projectState_->project->lastNotificationRuleIntroOrderNumber());
        const std::string firstRule = newRules.front();
        std::weak_ptr<XAWindowController> weak = weak_from_this();
        // After the notice's sheet has gone.
        XADispatchToMainAfter(kSheetAfterSheetDelaySeconds, [weak, firstRule, query] {
            if (auto self = std::static_pointer_cast<XAProjectWindowController>(weak.lock())) {
                self->configurationController_->configureRulesFocusingOnRuleWithShortName(firstRule, query);
            }
        });
        return;
    }
    if (response != XAAlertFirstButtonReturn + 2) {
        return;
    }
    XAConfiguration &configuration = *projectState_->configuration;
    std::vector<std::string> rules = configuration.ruleShortNames();
    rules.insert(rules.end(), newRules.begin(), newRules.end());
    configuration.setValue(XAOptionValue::stringArray(rules), *XAConfiguration::appOptionWithLongName("rules"));
    projectState_->ruleSet = XACheckingOperation::determineRuleSetWithConfiguration(configuration, nullptr);
    updateRuleSelectionUI();
}

// ---- Reset and recent projects ----

void XAProjectWindowController::resetProject() {
    // A check of the project being put away would go on unseen, with its child processes.
    if (projectState_ && projectState_->checkingOperation && projectState_->checkingOperation->isRunning()) {
        projectState_->checkingOperation->cancel();
    }
    projectState_.reset();
    diagnosticsVC_->clearPresentedDiagnostics();
    showOperationLogView();
    projectNameField_->setText(QString());
    projectOrgNameField_->setText(QString());
    shownProjectIcon_ = QImage();
    projectIconImageView_->setPixmap(QPixmap());
    window()->setWindowFilePath(QString());
    resetProgressUI();
    clearCheckingLog();
    updateLogBadgeNumber(0, XALogBadgeTypeErrors);
    updateLogBadgeNumber(0, XALogBadgeTypeWarnings);
}

// The log view keeps lines that are still queued through a clear; they belong to what is being cleared, so they are
// appended first and go with the rest.
void XAProjectWindowController::clearCheckingLog() {
    logView_->flushQueuedMessages();
    logView_->clearLog();
}

void XAProjectWindowController::saveCurrentProjectIntoRecentProjectsList() {
    if (!projectState_) {
        return;
    }
    const QImage icon = shownProjectIcon_.isNull() ? projectState_->project->defaultProjectIcon() : shownProjectIcon_;
    recentProjects_->addProjectWithPath(projectState_->project->xcodeprojPath(), icon);
}

void XAProjectWindowController::showDiagnosticsView() { tabView_->selectTabViewItemAtIndex(1); }
void XAProjectWindowController::showOperationLogView() { tabView_->selectTabViewItemAtIndex(0); }
