#include "app/project/XAProjectConfigurationController.h"

#include "app/config/XAConfigurationViewController.h"
#include "app/config/XAProjectConfigWizardWindowController.h"
#include "app/config/XARuleSelectionWindowController.h"
#include "app/controls/XAAlerts.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/integrations/XADiffWindowController.h"
#include "app/project/XAProjectConfigurationFiles.h"
#include "app/shell/XADispatch.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAWrapperWindowController.h"
#include "core/XADiffTools.h"
#include "core/XAUserDefaults.h"
#include "engine/XAConfigurationFileWriter.h"
#include "project/XADevEnvironment.h"
#include "project/XAProject.h"

namespace {

const QString kSaveButton = QStringLiteral("Save…");
const QString kDontSaveButton = QStringLiteral("Don’t Save");
const QString kShowDifferencesButton = QStringLiteral("Show Differences");
const QString kCancelButton = QStringLiteral("Cancel");

// The script bridge's generic action: its name and parameter in the notification's user info.
constexpr const char *kWebActionNameKey = "XAWebDelegateGenericActionNameKey";
constexpr const char *kWebActionParamKey = "XAWebDelegateGenericActionParamKey";
constexpr const char *kConfigureRuleAction = "configure-rule";

// The prompt's save waits this long, so that the prompt's sheet has gone before the save's own sheet comes.
constexpr double kSaveAfterPromptDelaySeconds = 0.1;

void runInUsersDiffTool(const std::string &left, const std::string &right,
                        std::function<void(const XAError &)> failure) {
    xa_showDiffInExternalToolWithString(
        left, right,
        [](const std::string &command) { return XADevEnvironment::sharedEnvironment().pathToExecutable(command); },
        [](const std::optional<std::string> &printed) {
            XAShowPrintedDifference(QStringLiteral("Configuration Differences"), printed);
        },
        std::move(failure));
}

// The application's rule selection sheet.
class XARuleSelectionWindowSheet : public XARuleSelectionSheet {
public:
    explicit XARuleSelectionWindowSheet(std::shared_ptr<XARuleSelectionWindowController> controller)
        : controller_(std::move(controller)) {}
    XAWindowController &windowController() override { return *controller_; }
    std::vector<std::string> selectedRuleTags() const override { return controller_->selectedRuleTags(); }
    std::vector<std::string> selectedRuleShortNames() const override { return controller_->selectedRuleShortNames(); }
    std::vector<std::string> excludedRuleShortNames() const override { return controller_->excludedRuleShortNames(); }
    XAConfiguration::RuleOptionValues selectedRuleOptionValues() const override {
        return controller_->selectedRuleOptionValues();
    }

private:
    std::shared_ptr<XARuleSelectionWindowController> controller_;
};

std::shared_ptr<XARuleSelectionSheet> makeRuleSelectionWindowSheet(const XAConfiguration &configuration,
                                                                   const std::optional<std::string> &focus,
                                                                   const std::optional<std::string> &query) {
    return std::make_shared<XARuleSelectionWindowSheet>(
        std::make_shared<XARuleSelectionWindowController>(configuration, focus, query));
}

const std::string *stringValue(const XADictionary &userInfo, const char *key) {
    const XAValue *value = userInfo.get(key);
    return value ? value->string() : nullptr;
}

} // namespace

XAProjectConfigurationController::XAProjectConfigurationController(XAProjectConfigurationHost &host)
    : host_(host), ruleSheetFactory_(makeRuleSelectionWindowSheet), diffRunner_(runInUsersDiffTool),
      alive_(std::make_shared<bool>(true)) {}

XAProjectConfigurationController::~XAProjectConfigurationController() = default;

// ---- The close prompt ----

bool XAProjectConfigurationController::hasUnsavedChangesToAskAbout() {
    XAProjectGUIState *state = host_.projectState();
    if (!xa_askToSaveProjectConfig(XAUserDefaults::standard()) || !state || !state->configuration) {
        return false;
    }
    return !state->lastLoadedOrSavedConfiguration ||
           !host_.configurationRepresentedInTheGUI().isEqualToConfiguration(*state->lastLoadedOrSavedConfiguration);
}

bool XAProjectConfigurationController::closeProjectWithPossibleUserPromptAndCompletion(Completion completion) {
    if (closingDecided_ || !hasUnsavedChangesToAskAbout()) {
        return true;
    }
    const XAConfiguration guiConfiguration = host_.configurationRepresentedInTheGUI();
    const std::shared_ptr<XAConfiguration> &last = host_.projectState()->lastLoadedOrSavedConfiguration;
    QVariantList buttons{kSaveButton, kDontSaveButton};
    if (last && !last->originalLoadFilePath().value_or("").empty()) {
        buttons.append(kShowDifferencesButton);
    }
    buttons.append(kCancelButton);
    std::weak_ptr<bool> alive = alive_;
    xa_showInWindow(host_.sheetParentWindow(), QStringLiteral("Save configuration changes?"),
                    QStringLiteral("The project configuration has been modified. Would you like to save the changes?"),
                    XAAlertStyle::Warning, buttons,
                    [this, alive, guiConfiguration, completion](const XAAlert &alert, int response) {
                        if (alive.expired()) {
                            return;
                        }
                        // Each button acts by its title, so that the optional one shifts no other button's action.
                        const qsizetype index = response - XAAlertFirstButtonReturn;
                        const QString button =
                            index >= 0 && index < alert.buttons.size() ? alert.buttons[index] : kCancelButton;
                        promptAnsweredWith(button, guiConfiguration, completion);
                    });
    return false;
}

void XAProjectConfigurationController::promptAnsweredWith(const QString &button,
                                                          const XAConfiguration &guiConfiguration,
                                                          const Completion &completion) {
    auto answer = [&completion](bool mayClose) {
        if (completion) {
            completion(mayClose);
        }
    };
    if (button == kSaveButton) {
        std::weak_ptr<bool> alive = alive_;
        XADispatchToMainAfter(kSaveAfterPromptDelaySeconds, [this, alive, guiConfiguration, completion] {
            if (!alive.expired()) {
                saveAfterPrompt(guiConfiguration, completion);
            } else if (completion) {
                completion(false);
            }
        });
    } else if (button == kDontSaveButton) {
        closingDecided_ = true;
        host_.closeWindowWithoutPrompt();
        closingDecided_ = false;
        answer(true);
    } else if (button == kShowDifferencesButton) {
        showDifferences(guiConfiguration);
        answer(false);
    } else {
        answer(false);
    }
}

void XAProjectConfigurationController::saveAfterPrompt(const XAConfiguration &guiConfiguration,
                                                       const Completion &completion) {
    if (!host_.projectState()) {
        if (completion) {
            completion(false);
        }
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
        XAProject(host_.xcodeprojPath()), guiConfiguration, host_.sheetParentWindow(),
        host_.logView()->standardProgressHandler(),
        [this, alive, guiConfiguration, completion](bool saved) {
            if (saved && !alive.expired()) {
                if (XAProjectGUIState *current = host_.projectState()) {
                    current->lastLoadedOrSavedConfiguration = std::make_shared<XAConfiguration>(guiConfiguration);
                }
                closingDecided_ = true;
                host_.closeWindowWithoutPrompt();
                closingDecided_ = false;
            }
            if (completion) {
                completion(saved && !alive.expired());
            }
        },
        [completion] {
            if (completion) {
                completion(false);
            }
        });
}

void XAProjectConfigurationController::showDifferences(const XAConfiguration &guiConfiguration) {
    const XAConfiguration &last = *host_.projectState()->lastLoadedOrSavedConfiguration;
    const std::string fileHeader = "Project configuration in file: " + last.originalLoadFilePath().value_or("");
    const std::string fileText = XAConfigurationFileWriter::jsonConfigFileRepresentation(last, fileHeader, true);
    const std::string guiText =
        XAConfigurationFileWriter::jsonConfigFileRepresentation(guiConfiguration, "Configuration set in the GUI", true);
    diffRunner_(fileText, guiText, [](const XAError &error) {
        const QString message = QString::fromStdString(error.message);
        XADispatchToMain([message] { xa_showOKTitle(QStringLiteral("Cannot show differences"), message); });
    });
}

// ---- Saving and loading ----

void XAProjectConfigurationController::saveConfiguration() {
    XAProjectGUIState *state = host_.projectState();
    if (!state || !state->configuration) {
        return;
    }
    const XAConfiguration guiConfiguration = host_.configurationRepresentedInTheGUI();
    std::weak_ptr<bool> alive = alive_;
    XAProjectConfigurationFiles::saveConfigurationIntoImpliedFolderWithConfiguration(
        XAProject(host_.xcodeprojPath()), guiConfiguration, host_.sheetParentWindow(),
        host_.logView()->standardProgressHandler(),
        [this, alive, guiConfiguration](bool saved) {
            if (saved && !alive.expired()) {
                if (XAProjectGUIState *current = host_.projectState()) {
                    current->lastLoadedOrSavedConfiguration = std::make_shared<XAConfiguration>(guiConfiguration);
                }
            }
        },
        nullptr);
}

void XAProjectConfigurationController::saveConfigurationAs() {
    XAProjectGUIState *state = host_.projectState();
    if (!state || !state->configuration) {
        return;
    }
    const XAConfiguration guiConfiguration = host_.configurationRepresentedInTheGUI();
    std::weak_ptr<bool> alive = alive_;
    XAProjectConfigurationFiles::saveConfigurationIntoUserSpecifiedFolderWithConfiguration(
        guiConfiguration, host_.logView()->standardProgressHandler(),
        [this, alive, guiConfiguration](bool saved) {
            if (saved && !alive.expired()) {
                if (XAProjectGUIState *current = host_.projectState()) {
                    current->lastLoadedOrSavedConfiguration = std::make_shared<XAConfiguration>(guiConfiguration);
                }
            }
        },
        nullptr);
}

void XAProjectConfigurationController::loadConfiguration() {
    if (!host_.projectState() || !host_.projectState()->configuration) {
        return;
    }
    XACheckingOperationLogView *log = host_.logView();
    std::weak_ptr<bool> alive = alive_;
    XAProjectConfigurationFiles::loadConfigurationFromUserSpecifiedPathWithHandler(
        [this, alive, log](const XAConfiguration &loaded) {
            XAProjectGUIState *state = alive.expired() ? nullptr : host_.projectState();
            if (!state) {
                return;
            }
            state->configuration = std::make_shared<XAConfiguration>(loaded);
            host_.updateUIStateFromProjectState();
            state->lastLoadedOrSavedConfiguration =
                std::make_shared<XAConfiguration>(host_.configurationRepresentedInTheGUI());
            log->logMessage("Loaded configuration from file: " + loaded.originalLoadFilePath().value_or(""),
                            std::nullopt);
        },
        log->standardProgressHandler());
}

// ---- Sheets ----

void XAProjectConfigurationController::presentSheet(std::shared_ptr<XAWindowController> sheet,
                                                    std::function<void(int returnCode)> ended) {
    presentedSheet_ = sheet;
    std::weak_ptr<bool> alive = alive_;
    sheet->xa_showModalInParent(host_.sheetParentWindow(),
                                [this, alive, ended](XAWindowController *controller, int returnCode) {
                                    if (alive.expired()) {
                                        return;
                                    }
                                    if (presentedSheet_.get() == controller) {
                                        presentedSheet_.reset();
                                    }
                                    ended(returnCode);
                                });
}

void XAProjectConfigurationController::showProjectConfiguration() {
    XAProjectGUIState *state = host_.projectState();
    if (!state || !state->configuration || presentedSheet_) {
        return;
    }
    auto view = std::make_shared<XAConfigurationViewController>(*state->configuration, true, std::nullopt,
                                                                QStringLiteral("GeneralConfigTable"));
    auto sheet = std::make_shared<XAWrapperWindowController>(view, QStringLiteral("Configuration"),
                                                             QStringLiteral("configWindow"));
    presentSheet(sheet, [this, view](int returnCode) {
        XAProjectGUIState *current = host_.projectState();
        if (returnCode != 0 && current && current->configuration) {
            current->configuration->applyMainOptionValuesFromDictionary(view->selectedMainOptionValues());
        }
    });
}

void XAProjectConfigurationController::configureRulesFocusingOnRuleWithShortName(
    const std::optional<std::string> &ruleShortName, const std::optional<std::string> &searchQuery) {
    XAProjectGUIState *state = host_.projectState();
    if (!state || !state->configuration || !ruleSheetFactory_ || presentedSheet_) {
        return;
    }
    std::shared_ptr<XARuleSelectionSheet> ruleSheet =
        ruleSheetFactory_(*state->configuration, ruleShortName, searchQuery);
    if (!ruleSheet) {
        return;
    }
    std::shared_ptr<XAWindowController> window(ruleSheet, &ruleSheet->windowController());
    presentSheet(window, [this, ruleSheet](int returnCode) {
        if (returnCode != 0) {
            applyRuleSelection(*ruleSheet);
        }
    });
}

void XAProjectConfigurationController::applyRuleSelection(const XARuleSelectionSheet &sheet) {
    XAProjectGUIState *state = host_.projectState();
    if (!state || !state->configuration) {
        return;
    }
    XAConfiguration &configuration = *state->configuration;
    configuration.setValue(XAOptionValue::stringArray(sheet.selectedRuleTags()),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kRuleTags));
    configuration.setValue(XAOptionValue::stringArray(sheet.selectedRuleShortNames()),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kRules));
    configuration.setValue(XAOptionValue::stringArray(sheet.excludedRuleShortNames()),
                           *XAConfiguration::appOptionWithLongName(XAConfiguration::kExcludedRules));
    XAConfiguration::RuleOptionValues ruleOptions = configuration.ruleOptionValuesDictionary();
    for (auto &[group, values] : sheet.selectedRuleOptionValues()) {
        ruleOptions[group] = values;
    }
    configuration.applyRuleOptionValuesFromDictionary(ruleOptions);
    host_.updateRuleSetFromConfiguration();
}

void XAProjectConfigurationController::handleWebDelegateActionNotification(const XANotification &notification) {
    const std::string *name = stringValue(notification.userInfo, kWebActionNameKey);
    if (!name || *name != kConfigureRuleAction) {
        return;
    }
    const std::string *parameter = stringValue(notification.userInfo, kWebActionParamKey);
    configureRulesFocusingOnRuleWithShortName(parameter ? std::optional<std::string>(*parameter) : std::nullopt,
                                              std::nullopt);
}

// ---- The wizard ----

void XAProjectConfigurationController::configureProjectUsingWizardDialogProvidingCurrentConfiguration(
    bool provideCurrentConfiguration, std::function<void()> completion) {
    XAProjectGUIState *state = host_.projectState();
    if (!state || presentedSheet_) {
        if (completion) {
            completion();
        }
        return;
    }
    const XAConfiguration *base =
        provideCurrentConfiguration && state->configuration ? state->configuration.get() : nullptr;
    auto wizard = std::make_shared<XAProjectConfigWizardWindowController>(
        XAProject::projectWithXcodeproj(host_.xcodeprojPath()), base);
    presentSheet(wizard, [this, wizard, completion](int returnCode) {
        XAProjectGUIState *current = host_.projectState();
        if (returnCode == 1 && current && current->configuration) {
            wizard->modifyConfigurationBasedOnUserChoices(*current->configuration);
        }
        if (completion) {
            completion();
        }
    });
}

void XAProjectConfigurationController::offerWizardThenNotifyAboutNewRules() {
    if (host_.projectState() && xa_offerProjectConfigWizardIfNoConfigFile(XAUserDefaults::standard()) &&
        !host_.hasProjectSpecificTessaryConfigFile()) {
        std::weak_ptr<bool> alive = alive_;
        configureProjectUsingWizardDialogProvidingCurrentConfiguration(false, [this, alive] {
            if (!alive.expired()) {
                host_.notifyAboutNewRulesIfNeeded();
            }
        });
        return;
    }
    host_.notifyAboutNewRulesIfNeeded();
}
