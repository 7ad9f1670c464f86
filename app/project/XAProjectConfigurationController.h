#pragma once

// How the project window changes, saves and loads the working configuration of its project: the configuration
// sheet, the rule selection sheet (also opened from a rule link in the diagnostics), the first-open wizard, saving
// into the project's configuration file or another one, loading one, and the prompt "Save configuration changes?"
// that guards closing the window and quitting. The project window owns one and forwards its actions to it.
//
// Only a configuration file that was written or read counts: a save whose write fails leaves the last loaded or saved
// configuration as it was, and the window that asked stays open.

#include "core/XAError.h"
#include "engine/config/XAConfiguration.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;
class XAWindowController;
struct XANotification;
struct XAProjectGUIState;
class XACheckingOperationLogView;

// What the controller needs of the project window.
class XAProjectConfigurationHost {
public:
    virtual ~XAProjectConfigurationHost() = default;

    // The loaded project's state; null while no project is loaded.
    virtual XAProjectGUIState *projectState() = 0;
    // The loaded project's `.xcodeproj` bundle and whether it has a configuration file of its own.
    virtual std::string xcodeprojPath() = 0;
    virtual bool hasProjectSpecificTessaryConfigFile() = 0;
    // The working configuration with the target and build configuration chosen in the window.
    virtual XAConfiguration configurationRepresentedInTheGUI() = 0;
    // Refills the window (pop-ups, rule set and count) from the project state.
    virtual void updateUIStateFromProjectState() = 0;
    // Recomputes the rule set from the working configuration and shows the new count.
    virtual void updateRuleSetFromConfiguration() = 0;
    virtual void notifyAboutNewRulesIfNeeded() = 0;
    // The window that sheets and prompts are shown on.
    virtual QWidget *sheetParentWindow() = 0;
    virtual XACheckingOperationLogView *logView() = 0;
    // Closes the window; the close asks nothing more, since the controller has just decided it.
    virtual void closeWindowWithoutPrompt() = 0;
};

// What the controller needs of the rule selection sheet, which is made per showing.
class XARuleSelectionSheet {
public:
    virtual ~XARuleSelectionSheet() = default;
    virtual XAWindowController &windowController() = 0;
    virtual std::vector<std::string> selectedRuleTags() const = 0;
    virtual std::vector<std::string> selectedRuleShortNames() const = 0;
    virtual std::vector<std::string> excludedRuleShortNames() const = 0;
    virtual XAConfiguration::RuleOptionValues selectedRuleOptionValues() const = 0;
};

class XAProjectConfigurationController {
public:
    using Completion = std::function<void(bool mayClose)>;
    // Makes the rule selection sheet for the configuration, a rule to focus on and a search text.
    using RuleSelectionSheetFactory = std::function<std::shared_ptr<XARuleSelectionSheet>(
        const XAConfiguration &configuration, const std::optional<std::string> &focusedRuleShortName,
        const std::optional<std::string> &searchQuery)>;
    // Shows two texts side by side in the external diff tool, off the GUI thread; the failure block may run on any
    // thread.
    using DiffRunner = std::function<void(const std::string &left, const std::string &right,
                                          std::function<void(const XAError &)> failure)>;

    explicit XAProjectConfigurationController(XAProjectConfigurationHost &host);
    ~XAProjectConfigurationController();

    // The application's rule selection sheet by default.
    void setRuleSelectionSheetFactory(RuleSelectionSheetFactory factory) { ruleSheetFactory_ = std::move(factory); }
    // The user's diff tool by default.
    void setDiffRunner(DiffRunner runner) { diffRunner_ = std::move(runner); }

    // True when the window may close now; else the prompt is up and the completion, when given, later says whether
    // closing (or quitting) may go on.
    bool closeProjectWithPossibleUserPromptAndCompletion(Completion completion);
    bool windowShouldClose() { return closeProjectWithPossibleUserPromptAndCompletion(nullptr); }
    // Whether the GUI's configuration differs from the last one loaded or saved (and the prompt is wanted).
    bool hasUnsavedChangesToAskAbout();

    // Actions of the Configuration menu.
    void saveConfiguration();
    void saveConfigurationAs();
    void loadConfiguration();
    void showProjectConfiguration();
    void showRuleSelection() { configureRulesFocusingOnRuleWithShortName(std::nullopt, std::nullopt); }
    void showProjectConfigurationWizard() { configureProjectUsingWizardDialogProvidingCurrentConfiguration(true, {}); }

    void configureRulesFocusingOnRuleWithShortName(const std::optional<std::string> &ruleShortName,
                                                   const std::optional<std::string> &searchQuery);
    // A "configure-rule" action of the diagnostics pages opens the rule selection on its rule.
    void handleWebDelegateActionNotification(const XANotification &notification);

    // The wizard as a sheet, starting from the working configuration or from nothing; accepted, its answers go into
    // the working configuration. The completion runs afterwards in every case.
    void configureProjectUsingWizardDialogProvidingCurrentConfiguration(bool provideCurrentConfiguration,
                                                                        std::function<void()> completion);
    // After a project has loaded: the wizard for a project without a configuration file of its own (when wanted),
    // then the notice about new rules.
    void offerWizardThenNotifyAboutNewRules();

    // The sheet shown on the window by this controller, while it is open. One sheet at a time: while it is up,
    // requests for another are ignored.
    std::shared_ptr<XAWindowController> presentedSheet() const { return presentedSheet_; }

private:
    void promptAnsweredWith(const QString &button, const XAConfiguration &guiConfiguration,
                            const Completion &completion);
    void saveAfterPrompt(const XAConfiguration &guiConfiguration, const Completion &completion);
    void showDifferences(const XAConfiguration &guiConfiguration);
    void applyRuleSelection(const XARuleSelectionSheet &sheet);
    void presentSheet(std::shared_ptr<XAWindowController> sheet, std::function<void(int returnCode)> ended);

    XAProjectConfigurationHost &host_;
    RuleSelectionSheetFactory ruleSheetFactory_;
    DiffRunner diffRunner_;
    std::shared_ptr<XAWindowController> presentedSheet_;
    // Set while this controller itself closes the window, so that the close is not asked about again.
    bool closingDecided_ = false;
    std::shared_ptr<bool> alive_;
};
