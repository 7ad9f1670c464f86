#pragma once

// The one project window: it loads a project on a worker behind its loading overlay, takes the project's
// configuration, fills the target and build-configuration pop-ups, shows the project's icon and announces new
// rules; it runs a check with a progress bar and a live log, cancels it, and shows the diagnostics at the end with
// sidebar badges and a desktop notification. It notices a changed project file when the application becomes active
// and reloads, runs the project actions of the menus (open in the IDE, add the annotations header, clear caches),
// answers which of its actions are available, and shows the application's log lines in its log.

#include "app/controls/XAButtons.h"
#include "app/controls/XAProgressIndicator.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XATabView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/project/XAProjectConfigurationController.h"
#include "app/project/XAProjectWindowConfigurationHost.h"
#include "app/project/XAProjectWindowServices.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAProjectWindow.h"
#include "app/shell/XAWindowController.h"

#include <QImage>
#include <QLabel>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class XADiagnosticsViewController;
class XAProjectList;
struct XANotification;

// Badge types of the log's sidebar item.
inline constexpr std::int64_t XALogBadgeTypeErrors = 1;
inline constexpr std::int64_t XALogBadgeTypeWarnings = 2;

class XAProjectWindowController : public XAWindowController, public XAProjectWindow {
public:
    // `recentProjects` is the list a loaded project goes into (the shared one by default).
    explicit XAProjectWindowController(XAProjectList *recentProjects = nullptr);
    ~XAProjectWindowController() override;

    // ---- XAProjectWindow ----
    XAWindowController &windowController() override { return *this; }
    void openProject(const std::string &path) override;
    bool closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool mayClose)> completion) override;
    bool respondsToSelector(const std::string &selector) const override;
    void performAction(const std::string &selector) override;

    // Changing, saving and loading the working configuration, and the prompt before closing with unsaved changes.
    XAProjectConfigurationController &configurationController() { return *configurationController_; }
    bool windowShouldClose() override;

    // ---- Opening and loading ----
    // `loaded` runs after the configuration is set and before the window shows it, `completion` at the very end of
    // a successful load; neither runs when the load fails.
    void readProjectAtPath(const std::string &path, std::function<void()> loaded, std::function<void()> completion);
    XAConfiguration configurationFromProject(const XAProjectDocument &project);
    void updateUIStateFromProjectState();
    std::optional<XAProjectTargetItem> targetSelectedInGUI() const;
    std::optional<std::string> buildConfigSelectedInGUI() const;
    XAConfiguration configurationRepresentedInTheGUI() const;
    void updateRuleSelectionUI();
    void updateProjectIconInUI();
    void targetPopUpButtonValueChanged();
    void buildConfigPopUpButtonValueChanged();
    void notifyAboutNewRulesIfNeeded();
    void resetProject();
    // Empties the log, lines still waiting to be shown included.
    void clearCheckingLog();
    void saveCurrentProjectIntoRecentProjectsList();
    void showDiagnosticsView();
    void showOperationLogView();

    // ---- Checking ----
    void runButtonPressed();
    void beginChecking();
    void cancelChecking();
    void handleCompletion();
    void updateDiagnosticsPresentation();
    void resetProgressUI();
    void showProgressBar(bool show);
    void enableProjectRunUI(bool enable);
    void updateRunButtonStyle(std::int64_t style);
    void updateLogBadgeNumber(std::size_t count, std::int64_t type);
    // How long the run button stays disabled after a cancel (2 s).
    void setRunButtonPauseAfterCancel(double seconds) { runButtonPauseAfterCancel_ = seconds; }

    // ---- Reload, project actions and the log feed ----
    void handleApplicationWillBecomeActive();
    void reloadProjectFromDisk();
    void openProjectInXcode();
    void addAnnotationsHeaderToProject();
    void clearProjectCaches();
    void handleLogMessageNotification(const XANotification &notification);
    // The resource folder the annotations header is looked up in (the application's resources by default).
    void setAnnotationHeaderResourceFolder(std::string folder) { annotationHeaderResourceFolder_ = std::move(folder); }

    // ---- State and views ----
    const std::shared_ptr<XAProjectGUIState> &projectState() const { return projectState_; }
    XACheckingOperationLogView *logView() const { return logView_; }
    XADiagnosticsViewController *diagnosticsVC() const { return diagnosticsVC_.get(); }
    XATabView *tabView() const { return tabView_; }
    XASidebarView *sidebarView() const { return sidebarView_; }
    QLabel *projectNameField() const { return projectNameField_; }
    QLabel *projectOrgNameField() const { return projectOrgNameField_; }
    QLabel *projectIconImageView() const { return projectIconImageView_; }
    QLabel *targetAndBuildConfigLabelField() const { return targetAndBuildConfigLabelField_; }
    XAPopUpButton *targetPopUpButton() const { return targetPopUpButton_; }
    XAPopUpButton *buildConfigPopUpButton() const { return buildConfigPopUpButton_; }
    XAButton *ruleSelectButton() const { return ruleSelectButton_; }
    XAButton *configureButton() const { return configureButton_; }
    QLabel *ruleSelectionField() const { return ruleSelectionField_; }
    XAProgressIndicator *checkingProgressBar() const { return checkingProgressBar_; }
    XAButton *runButton() const { return runButton_; }
    // The image shown by the icon view (null when none), and how many times it faded to a new one.
    const QImage &shownProjectIcon() const { return shownProjectIcon_; }
    int projectIconFadeCount() const { return projectIconFadeCount_; }
    // Whether the window's close button is enabled.
    bool isCloseButtonEnabled() const;

protected:
    void windowDidLoad() override;

private:
    void buildContentView();
    QWidget *buildHeaderView(QWidget *parent);
    void createTabViewItems();
    void observeNotifications();
    void windowDidBecomeMain();
    void windowWillClose();
    void setCloseButtonEnabled(bool enabled);
    void handleLoadProgressMessage(const XAProgressMessage &message, std::vector<std::string> &errors,
                                   const QString &overlayMessage);
    void finishLoad(const std::shared_ptr<XAProjectDocument> &project, bool loaded,
                    const std::vector<std::string> &errors, const std::function<void()> &loadedBlock,
                    const std::function<void()> &completion);
    void fillPopUps();
    void selectDeterminedTargetAndBuildConfig();
    void fillNameFields();
    void fadeInProjectIcon(const QImage &icon, bool imageWasShown);
    void handleNewRulesNoticeResponse(int response, const std::vector<std::string> &newRules);
    void handleCheckingProgressMessage(const std::shared_ptr<XACheckingRun> &run, const XAProgressMessage &message);
    void deliverCompletionNotification();
    bool isCheckRunning() const;
    bool projectActionsAvailable() const;
    void reloadProjectKeepingConfiguration();
    void copyAnnotationHeaderIntoProject();
    void showAnnotationHeaderAdded(const std::string &fileTargetPath);

    XAProjectList *recentProjects_;
    std::shared_ptr<XAProjectGUIState> projectState_;
    std::uint64_t loadGeneration_ = 0;
    double runButtonPauseAfterCancel_ = 2.0;
    std::string annotationHeaderResourceFolder_;
    QImage shownProjectIcon_;
    int projectIconFadeCount_ = 0;
    std::vector<std::uint64_t> observers_;
    std::optional<std::uint64_t> applicationStateObservation_;
    QMetaObject::Connection applicationStateConnection_;

    QPointer<XATabView> tabView_;
    QPointer<XASidebarView> sidebarView_;
    QPointer<QLabel> projectNameField_;
    QPointer<QLabel> projectOrgNameField_;
    QPointer<QLabel> projectIconImageView_;
    QPointer<QLabel> targetAndBuildConfigLabelField_;
    QPointer<XAPopUpButton> targetPopUpButton_;
    QPointer<XAPopUpButton> buildConfigPopUpButton_;
    QPointer<XAButton> ruleSelectButton_;
    QPointer<XAButton> configureButton_;
    QPointer<QLabel> ruleSelectionField_;
    QPointer<XAProgressIndicator> checkingProgressBar_;
    QPointer<XAButton> runButton_;
    QPointer<XACheckingOperationLogView> logView_;
    std::shared_ptr<XADiagnosticsViewController> diagnosticsVC_;
    XAProjectWindowConfigurationHost configurationHost_{*this};
    std::unique_ptr<XAProjectConfigurationController> configurationController_ =
        std::make_unique<XAProjectConfigurationController>(configurationHost_);
};
