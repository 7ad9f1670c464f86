// Changing, saving and loading the project window's working configuration: when closing asks "Save configuration
// changes?" and what each answer does (a failed save included), the differences in the diff tool, the save and load
// actions, the configuration and rule selection sheets, rule links from the diagnostics, the wizard after a load, and
// a quit that waits for the answer.

#include "app/config/XAConfigurationViewController.h"
#include "app/config/XAProjectConfigWizardWindowController.h"
#include "app/config/XARuleSelectionWindowController.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/integrations/XADiffWindowController.h"
#include "app/project/XAProjectConfigurationController.h"
#include "app/shell/XAAppDelegate.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAProjectWindow.h"
#include "app/shell/XAWindow.h"
#include "app/shell/XAWindowController.h"
#include "app/shell/XAWrapperWindowController.h"
#include "core/XADiffTools.h"
#include "core/XALaunchMode.h"
#include "core/XAUserDefaults.h"
#include "project/XAProject.h"
#include "support/XADesktopTestSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTextEdit>

#include <filesystem>
#include <fstream>

namespace {

const XAConfigurationOption &option(const char *longName) { return *XAConfiguration::appOptionWithLongName(longName); }

// The project window as the controller sees it: a window, its log, the project's state and a target pop-up that
// only holds a name.
class FakeProjectWindow : public XAProjectConfigurationHost {
public:
    explicit FakeProjectWindow(std::string xcodeprojPath) : xcodeprojPath_(std::move(xcodeprojPath)) {
        state.configuration = std::make_shared<XAConfiguration>();
        state.lastLoadedOrSavedConfiguration = std::make_shared<XAConfiguration>(configurationRepresentedInTheGUI());
        window.show();
    }

    XAProjectGUIState *projectState() override { return hasProject ? &state : nullptr; }
    std::string xcodeprojPath() override { return xcodeprojPath_; }
    bool hasProjectSpecificTessaryConfigFile() override {
        return XAProject(xcodeprojPath_).hasProjectSpecificTessaryConfigFile();
    }
    XAConfiguration configurationRepresentedInTheGUI() override {
        XAConfiguration gui;
        gui.applyMainOptionValuesFromDictionary(state.configuration->mainOptionValuesDictionary());
        gui.applyRuleOptionValuesFromDictionary(state.configuration->ruleOptionValuesDictionary());
        gui.setOriginalLoadFilePath(state.configuration->originalLoadFilePath());
        if (!selectedTarget.empty()) {
            gui.setValue(XAOptionValue(selectedTarget), option("target"));
        }
        return gui;
    }
    void updateUIStateFromProjectState() override {
        ++refills;
        selectedTarget = state.configuration->targetName().value_or(selectedTarget);
    }
    void updateRuleSetFromConfiguration() override { ++ruleSetUpdates; }
    void notifyAboutNewRulesIfNeeded() override { ++newRuleNotices; }
    QWidget *sheetParentWindow() override { return &window; }
    XACheckingOperationLogView *logView() override { return &log; }
    void closeWindowWithoutPrompt() override {
        ++closes;
        window.close();
    }

    // Every line the log has shown or still queues.
    QString logText() const {
        QString text = log.textView()->toPlainText();
        for (const auto &queued : log.queuedMessages()) {
            text += QString::fromStdString(queued.first()) + QLatin1Char('\n');
        }
        return text;
    }

    XAProjectGUIState state;
    bool hasProject = true;
    std::string selectedTarget = "Shop";
    QWidget window;
    XACheckingOperationLogView log;
    int refills = 0;
    int ruleSetUpdates = 0;
    int newRuleNotices = 0;
    int closes = 0;

private:
    std::string xcodeprojPath_;
};

// Holds the handler of every alert until the test answers it, as a person would some time later.
class DeferredAlertPresenter : public XAAlertPresenter {
public:
    void present(const XAAlert &alert, QWidget *window, Handler handler) override {
        pending.push_back({alert, window != nullptr, std::move(handler)});
    }
    void answer(const QString &button) {
        Pending next = std::move(pending.front());
        pending.erase(pending.begin());
        if (next.handler) {
            next.handler(next.alert, XAAlertFirstButtonReturn + int(next.alert.buttons.indexOf(button)));
        }
    }
    struct Pending {
        XAAlert alert;
        bool asSheet;
        Handler handler;
    };
    std::vector<Pending> pending;
};

// The rule selection sheet with its answers set by the test.
class FakeRuleSheet : public XARuleSelectionSheet {
public:
    XAWindowController &windowController() override { return *controller; }
    std::vector<std::string> selectedRuleTags() const override { return tags; }
    std::vector<std::string> selectedRuleShortNames() const override { return rules; }
    std::vector<std::string> excludedRuleShortNames() const override { return excluded; }
    XAConfiguration::RuleOptionValues selectedRuleOptionValues() const override { return optionValues; }

    std::shared_ptr<XAWindowController> controller = std::make_shared<XAWindowController>();
    std::vector<std::string> tags, rules, excluded;
    XAConfiguration::RuleOptionValues optionValues;
    std::optional<std::string> focus, query;
};

struct PromptCase {
    const char *name;
    bool askDefault;
    bool hasConfiguration;
    bool changeTarget;
    bool changeOption;
    bool expectPrompt;
};

} // namespace

class XAProjectConfigurationControllerTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        panels_ = std::make_shared<XAScriptedFilePanels>();
        XAFilePanelFactory::setShared(panels_);
        XAUserDefaults::standard().registerDefaults(
            {{"askToSaveProjectConfig", true}, {"offerProjectConfigWizardIfNoConfigFile", true}});
        projectPath_ = environment_->makeProject("Shop", "Shop");
        window_ = std::make_unique<FakeProjectWindow>(projectPath_);
        controller_ = std::make_unique<XAProjectConfigurationController>(*window_);
        controller_->setRuleSelectionSheetFactory(
            [this](const XAConfiguration &, const std::optional<std::string> &focus,
                   const std::optional<std::string> &query) -> std::shared_ptr<XARuleSelectionSheet> {
                ruleSheet_ = std::make_shared<FakeRuleSheet>();
                ruleSheet_->focus = focus;
                ruleSheet_->query = query;
                ++ruleSheetsMade_;
                return ruleSheet_;
            });
    }

    void cleanup() {
        controller_.reset();
        window_.reset();
        ruleSheet_.reset();
        ruleSheetsMade_ = 0;
        environment_.reset();
    }

    // No prompt without the default, without a working configuration, or while the GUI shows what was last loaded
    // or saved; a changed target pop-up alone is a change.
    void closingAsksOnlyAboutRealChanges() {
        const PromptCase cases[] = {
            {"unchanged", true, true, false, false, false},
            {"default off", false, true, true, true, false},
            {"no working configuration", true, false, true, true, false},
            {"only the target pop-up changed", true, true, true, false, true},
            {"an option changed", true, true, false, true, true},
        };
        for (const PromptCase &test : cases) {
            cleanup();
            init();
            XAUserDefaults::standard().setBool("askToSaveProjectConfig", test.askDefault);
            if (test.changeTarget) {
                window_->selectedTarget = "ShopTests";
            }
            if (test.changeOption) {
                window_->state.configuration->setValue(XAOptionValue(true), option("fullBuild"));
            }
            if (!test.hasConfiguration) {
                window_->state.configuration.reset();
            }
            bool answered = false;
            const bool closesNow =
                controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool) { answered = true; });
            QVERIFY2(closesNow == !test.expectPrompt, test.name);
            QVERIFY2(alerts_->shown().size() == (test.expectPrompt ? 1u : 0u), test.name);
            QVERIFY2(!answered || test.expectPrompt, test.name);
        }
    }

    // Three buttons for a configuration never loaded from a file, four for one that was; "Cancel" cancels, starts
    // no diff tool and closes nothing, whichever set is shown.
    void thePromptsButtonsAndCancel() {
        for (const bool loadedFromFile : {false, true}) {
            cleanup();
            init();
            if (loadedFromFile) {
                window_->state.lastLoadedOrSavedConfiguration->setOriginalLoadFilePath("/p/main.tessary.json");
            }
            int diffs = 0;
            controller_->setDiffRunner([&](auto &&...) { ++diffs; });
            window_->selectedTarget = "Other";
            alerts_->answerNextWith(QStringLiteral("Cancel"));
            std::optional<bool> answer;
            QVERIFY(!controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool may) { answer = may; }));

            const XAAlert &prompt = alerts_->shown().at(0).alert;
            QVERIFY(alerts_->shown()[0].asSheet);
            QCOMPARE(prompt.title, QStringLiteral("Save configuration changes?"));
            QCOMPARE(
                prompt.message,
                QStringLiteral("The project configuration has been modified. Would you like to save the changes?"));
            const QStringList expected = loadedFromFile
                                             ? QStringList{"Save…", "Don’t Save", "Show Differences", "Cancel"}
                                             : QStringList{"Save…", "Don’t Save", "Cancel"};
            QCOMPARE(prompt.buttons, expected);
            QCOMPARE(answer, std::optional<bool>(false));
            QCOMPARE(diffs, 0);
            QCOMPARE(window_->closes, 0);
            QVERIFY(window_->window.isVisible());
        }
    }

    void dontSaveClosesAndSaysYes() {
        window_->selectedTarget = "Other";
        alerts_->answerNextWith(QStringLiteral("Don’t Save"));
        std::optional<bool> answer;
        controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool may) { answer = may; });
        QCOMPARE(answer, std::optional<bool>(true));
        QCOMPARE(window_->closes, 1);
        QVERIFY(!std::filesystem::exists(XAProject(projectPath_).defaultPathForSavingNewConfigFile()));
    }

    // "Save…" opens the "Save configuration" sheet after the prompt has gone; cancelling it, or a write that fails,
    // keeps the window open and says NO; a save that succeeds closes it, says YES and becomes the last saved.
    void saveFromThePromptClosesOnlyAfterASuccessfulWrite() {
        struct Case {
            const char *name;
            QString sheetAnswer;
            bool blockTheFolder;
            bool expectSaved;
        };
        const Case cases[] = {{"cancelled", QStringLiteral("Cancel"), false, false},
                              {"write fails", QStringLiteral("Save"), true, false},
                              {"saved", QStringLiteral("Save"), false, true}};
        for (const Case &test : cases) {
            cleanup();
            init();
            const XAProject project(projectPath_);
            if (test.blockTheFolder) {
                std::ofstream(project.tessaryConfigFileFolderPath()) << "a file where the folder should be";
            }
            window_->selectedTarget = "Other";
            const XAConfiguration atPrompt = window_->configurationRepresentedInTheGUI();
            const XAConfiguration lastBefore = *window_->state.lastLoadedOrSavedConfiguration;
            alerts_->answerNextWith(QStringLiteral("Save…"));
            alerts_->answerNextWith(test.sheetAnswer);
            std::optional<bool> answer;
            controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool may) { answer = may; });
            QVERIFY2(!answer.has_value(), test.name); // the save waits for the prompt's sheet to go
            QVERIFY2(XAWaitFor([&] { return answer.has_value(); }), test.name);

            QCOMPARE(alerts_->shown().size(), std::size_t(2));
            QCOMPARE(alerts_->shown()[1].alert.title, QStringLiteral("Save configuration"));
            QVERIFY(alerts_->shown()[1].asSheet);
            QVERIFY2(*answer == test.expectSaved, test.name);
            QVERIFY2(window_->closes == (test.expectSaved ? 1 : 0), test.name);
            const XAConfiguration &last = *window_->state.lastLoadedOrSavedConfiguration;
            QVERIFY2(last.isEqualToConfiguration(test.expectSaved ? atPrompt : lastBefore), test.name);
            if (test.expectSaved) {
                QVERIFY(XAConfiguration::configFromFile(project.defaultPathForSavingNewConfigFile(), nullptr)
                            .isEqualToConfiguration(atPrompt));
            }
        }
    }

    // The real diff-tool runner with a stand-in tool that keeps its two files: it gets the file's and the GUI's
    // texts under their headers, and nothing closes. A tool that cannot run shows its error.
    void showDifferencesGivesTheDiffToolBothTexts() {
        const std::string loadedPath = environment_->path() + "/Shop/main.tessary.json";
        window_->state.lastLoadedOrSavedConfiguration->setOriginalLoadFilePath(loadedPath);
        window_->state.configuration->setValue(XAOptionValue(true), option("fullBuild"));
        const std::string tool = environment_->path() + "/stubdiff";
        const std::string copies = environment_->path() + "/diffed";
        {
            std::ofstream script(tool);
            script << "#!/bin/sh\ncat \"$1\" > '" << copies << ".left'\ncat \"$2\" > '" << copies << ".right'\n";
        }
        std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
        const std::vector<XADiffTool> tools{{"Stub", {"stubdiff"}}};
        const XAExecutableLocator locator = [tool](const std::string &command) -> std::optional<std::string> {
            return command == "stubdiff" ? std::optional<std::string>(tool) : std::nullopt;
        };
        controller_->setDiffRunner([&](const std::string &left, const std::string &right, auto failure) {
            xa_showDiffUsingTools(left, tools, right, locator, nullptr, failure);
        });
        alerts_->answerNextWith(QStringLiteral("Show Differences"));
        std::optional<bool> answer;
        controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool may) { answer = may; });
        QCOMPARE(answer, std::optional<bool>(false));
        QVERIFY(XAWaitFor([&] { return std::filesystem::exists(copies + ".right"); }));
        QVERIFY(XAWaitFor([&] { return std::filesystem::file_size(copies + ".right") > 0; }));
        const QString left = readAll(copies + ".left");
        const QString right = readAll(copies + ".right");
        QVERIFY(left.startsWith(QString::fromStdString("// Project configuration in file: " + loadedPath + "\n")));
        QVERIFY(right.startsWith(QStringLiteral("// Configuration set in the GUI\n")));
        QVERIFY(right.contains(QStringLiteral("\"fullBuild\": true")));
        QVERIFY(!left.contains(QStringLiteral("\"fullBuild\": true")));
        QCOMPARE(window_->closes, 0);

        const std::vector<XADiffTool> missing{{"Missing", {"no-such-diff-tool"}}};
        controller_->setDiffRunner([&](const std::string &l, const std::string &r, auto failure) {
            xa_showDiffUsingTools(
                l, missing, r, [](const std::string &) { return std::nullopt; }, nullptr, failure);
        });
        alerts_->answerNextWith(QStringLiteral("Show Differences"));
        controller_->closeProjectWithPossibleUserPromptAndCompletion(nullptr);
        QVERIFY(XAWaitFor([&] { return alerts_->shown().size() == 3; }));
        QVERIFY(!alerts_->shown()[2].asSheet);
        QVERIFY(alerts_->shown()[2].alert.message.contains(QStringLiteral("no-such-diff-tool")));
        QCOMPARE(window_->closes, 0);
    }

    // Without a graphical tool the terminal's diff prints the difference, which a window of its own shows.
    void theTerminalDiffIsShownInAWindow() {
        window_->state.lastLoadedOrSavedConfiguration->setOriginalLoadFilePath(environment_->path() + "/main.json");
        window_->state.configuration->setValue(XAOptionValue(true), option("fullBuild"));
        const std::vector<XADiffTool> terminal{xa_diffTools().back()};
        const XAExecutableLocator locator = [](const std::string &command) -> std::optional<std::string> {
            return command == "diff" ? std::optional<std::string>("/usr/bin/diff") : std::nullopt;
        };
        controller_->setDiffRunner([&](const std::string &left, const std::string &right, auto failure) {
            xa_showDiffUsingTools(
                left, terminal, right, locator,
                [](const auto &printed) {
                    XAShowPrintedDifference(QStringLiteral("Configuration Differences"), printed);
                },
                failure);
        });
        alerts_->answerNextWith(QStringLiteral("Show Differences"));
        controller_->closeProjectWithPossibleUserPromptAndCompletion(nullptr);
        QVERIFY(XAWaitFor([] { return !XADiffWindowController::openWindows().empty(); }));
        const auto shown = XADiffWindowController::openWindows().back();
        QCOMPARE(shown->window()->windowTitle(), QStringLiteral("Configuration Differences"));
        QVERIFY(shown->window()->isVisible());
        const QString text = shown->textView()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("+// Configuration set in the GUI")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\"fullBuild\": true")));
        QVERIFY(shown->textView()->isReadOnly());
        QVERIFY(QFile::exists(XASaveScreenshot(shown->window(), "configuration-differences")));
        shown->window()->close();
        QVERIFY(XAWaitFor([] { return XADiffWindowController::openWindows().empty(); }));
        QCOMPARE(alerts_->shown().size(), std::size_t(1)); // only the prompt: no error
    }

    // Saving writes what the GUI shows and makes it the last saved, without replacing the working configuration;
    // a failed write changes nothing.
    void saveActionsRecordOnlySuccessfulWrites() {
        window_->selectedTarget = "Other";
        const XAConfiguration gui = window_->configurationRepresentedInTheGUI();
        alerts_->answerNextWith(QStringLiteral("Save"));
        controller_->saveConfiguration();
        QVERIFY(window_->state.lastLoadedOrSavedConfiguration->isEqualToConfiguration(gui));
        QVERIFY(!window_->state.configuration->targetName().has_value());
        QVERIFY(XAWaitFor(
            [&] { return window_->logText().contains(QStringLiteral("The configuration has been written into: ")); }));
        QVERIFY(!controller_->hasUnsavedChangesToAskAbout());

        window_->selectedTarget = "Third";
        panels_->answerNextWith(environment_->path() + "/Shop/nowhere.tessary.json/inside/x.tessary.json");
        std::ofstream(environment_->path() + "/Shop/nowhere.tessary.json") << "blocks the folder";
        controller_->saveConfigurationAs();
        QVERIFY(window_->state.lastLoadedOrSavedConfiguration->isEqualToConfiguration(gui));
        QVERIFY(controller_->hasUnsavedChangesToAskAbout());

        const std::string chosen = environment_->path() + "/Shop/Chosen.tessary.json";
        panels_->answerNextWith(chosen);
        controller_->saveConfigurationAs();
        QVERIFY(!controller_->hasUnsavedChangesToAskAbout());
        QVERIFY(std::filesystem::exists(chosen));
    }

    // The loaded file becomes the working configuration, the window follows it, it counts as the last loaded, and
    // the log names the file.
    void loadingMakesTheFileTheWorkingConfiguration() {
        const std::string path = environment_->path() + "/Shop/Loaded.tessary.json";
        std::ofstream(path) << "{ \"target\": \"Loaded\", \"fullBuild\": true }\n";
        panels_->answerNextWith(path);
        controller_->loadConfiguration();
        QCOMPARE(window_->state.configuration->targetName().value_or(""), std::string("Loaded"));
        QVERIFY(window_->state.configuration->performFullBuild());
        QCOMPARE(window_->refills, 1);
        QCOMPARE(window_->selectedTarget, std::string("Loaded"));
        QVERIFY(window_->state.lastLoadedOrSavedConfiguration->isEqualToConfiguration(
            window_->configurationRepresentedInTheGUI()));
        QCOMPARE(window_->state.lastLoadedOrSavedConfiguration->originalLoadFilePath().value_or(""), path);
        QVERIFY(window_->logText().contains(QString::fromStdString("Loaded configuration from file: " + path)));
        QVERIFY(!controller_->hasUnsavedChangesToAskAbout());
    }

    // OK applies the main options edited in the sheet; Cancel applies nothing.
    void theConfigurationSheetAppliesOnlyOnOK() {
        for (const int returnCode : {0, 1}) {
            cleanup();
            init();
            controller_->showProjectConfiguration();
            auto sheet = std::dynamic_pointer_cast<XAWrapperWindowController>(controller_->presentedSheet());
            QVERIFY(sheet);
            QCOMPARE(sheet->title(), QStringLiteral("Configuration"));
            QVERIFY(sheet->window()->isVisible());
            auto view = std::dynamic_pointer_cast<XAConfigurationViewController>(sheet->viewController());
            QCOMPARE(view->autosaveName(), QStringLiteral("GeneralConfigTable"));
            const int row = rowOf(*view, "fullBuild");
            QVERIFY(row >= 0);
            view->assignValue(XAOptionValue(true), view->optionRows()[std::size_t(row)], false);
            returnCode ? sheet->okPressed() : sheet->cancelPressed();
            QVERIFY(!controller_->presentedSheet());
            QCOMPARE(window_->state.configuration->performFullBuild(), returnCode == 1);
            QCOMPARE(window_->refills, 0);
        }
    }

    // OK sets the rule selection options, lays the edited option values over the others and recomputes the rule
    // set; Cancel changes nothing, the edited option values included.
    void theRuleSheetAppliesOnlyOnOK() {
        XAConfiguration::RuleOptionValues seeded;
        seeded["GroupA"]["limit"] = XAOptionValue(3);
        seeded["GroupB"]["names"] = XAOptionValue::stringArray({"x"});
        window_->state.configuration->applyRuleOptionValuesFromDictionary(seeded);
        const XAConfiguration before = *window_->state.configuration;
        for (const int returnCode : {0, 1}) {
            controller_->showRuleSelection();
            QVERIFY(ruleSheet_);
            QVERIFY(!ruleSheet_->focus && !ruleSheet_->query);
            ruleSheet_->tags = {"Recommended"};
            ruleSheet_->rules = {"NSLogUsed"};
            ruleSheet_->excluded = {"OldRule"};
            ruleSheet_->optionValues["GroupA"]["limit"] = XAOptionValue(7);
            ruleSheet_->controller->xa_endSelfSheetWithReturnCode(returnCode);
            if (returnCode == 0) {
                QVERIFY(window_->state.configuration->isEqualToConfiguration(before));
                QCOMPARE(window_->ruleSetUpdates, 0);
            }
        }
        const XAConfiguration &after = *window_->state.configuration;
        QCOMPARE(after.ruleTags(), std::vector<std::string>{"Recommended"});
        QCOMPARE(after.ruleShortNames(), std::vector<std::string>{"NSLogUsed"});
        QCOMPARE(after.excludedRuleShortNames(), std::vector<std::string>{"OldRule"});
        QCOMPARE(after.valueOfRuleOption("GroupA", "limit"), std::optional<XAOptionValue>(XAOptionValue(7)));
        QCOMPARE(after.valueOfRuleOption("GroupB", "names"),
                 std::optional<XAOptionValue>(XAOptionValue::stringArray({"x"})));
        QCOMPARE(window_->ruleSetUpdates, 1);
    }

    // The application's own rule selection sheet: what is chosen in it reaches the working configuration on OK.
    void theRealRuleSheetHandsBackItsChoices() {
        controller_->setRuleSelectionSheetFactory({});
        controller_ = std::make_unique<XAProjectConfigurationController>(*window_);
        controller_->configureRulesFocusingOnRuleWithShortName(std::nullopt, std::string("new_since:110"));
        auto sheet = std::dynamic_pointer_cast<XARuleSelectionWindowController>(controller_->presentedSheet());
        QVERIFY(sheet);
        QVERIFY(sheet->window()->isVisible());
        // The sheet types the search text itself once it is up.
        QVERIFY(XAWaitFor([&] { return sheet->searchField()->text() == QStringLiteral("new_since:110"); }));
        sheet->state().selectedTags = {"Style"};
        sheet->state().excludedShortNames = {"Gone"};
        sheet->okPressed();
        QVERIFY(!controller_->presentedSheet());
        // The sheet's first search ends while its window is still there.
        QVERIFY(sheet->searchQueue().pool().waitForDone(5000));
        QCoreApplication::processEvents();
        QCOMPARE(window_->state.configuration->ruleTags(), std::vector<std::string>{"Style"});
        QCOMPARE(window_->state.configuration->excludedRuleShortNames(), std::vector<std::string>{"Gone"});
        QCOMPARE(window_->ruleSetUpdates, 1);
    }

    // A "configure-rule" link opens the rule sheet focused on its rule, with no search text; other actions do
    // nothing.
    void ruleLinksOpenTheRuleSheetOnTheirRule() {
        controller_->handleWebDelegateActionNotification(
            {"XAWebDelegateGenericActionNotificationName", nullptr,
             XADictionary{{"XAWebDelegateGenericActionNameKey", "open-docs"},
                          {"XAWebDelegateGenericActionParamKey", "NSLogUsed"}}});
        QCOMPARE(ruleSheetsMade_, 0);
        controller_->handleWebDelegateActionNotification(
            {"XAWebDelegateGenericActionNotificationName", nullptr,
             XADictionary{{"XAWebDelegateGenericActionNameKey", "configure-rule"},
                          {"XAWebDelegateGenericActionParamKey", "NSLogUsed"}}});
        QCOMPARE(ruleSheetsMade_, 1);
        QCOMPARE(ruleSheet_->focus, std::optional<std::string>("NSLogUsed"));
        QVERIFY(!ruleSheet_->query);
        QCOMPARE(controller_->presentedSheet().get(), ruleSheet_->controller.get());

        // One sheet at a time on the window.
        controller_->handleWebDelegateActionNotification(
            {"XAWebDelegateGenericActionNotificationName", nullptr,
             XADictionary{{"XAWebDelegateGenericActionNameKey", "configure-rule"},
                          {"XAWebDelegateGenericActionParamKey", "Other"}}});
        controller_->showProjectConfiguration();
        QCOMPARE(ruleSheetsMade_, 1);
        QCOMPARE(controller_->presentedSheet().get(), ruleSheet_->controller.get());
    }

    // After a load: the wizard first for a project without a configuration file of its own (when wanted), the
    // notice about new rules after it whatever the wizard's answer; otherwise the notice at once.
    void theWizardComesBeforeTheNewRulesNotice() {
        controller_->offerWizardThenNotifyAboutNewRules();
        auto wizard = std::dynamic_pointer_cast<XAProjectConfigWizardWindowController>(controller_->presentedSheet());
        QVERIFY(wizard);
        QVERIFY(!wizard->wasInitializedWithBaseConfiguration());
        QCOMPARE(window_->newRuleNotices, 0);
        wizard->codeGeneratedCheckBox()->setChecked(true);
        wizard->cancelAndUseDefaultConfig();
        QCOMPARE(window_->newRuleNotices, 1);
        QVERIFY(!window_->state.configuration->performFullBuild());

        XAUserDefaults::standard().setBool("offerProjectConfigWizardIfNoConfigFile", false);
        controller_->offerWizardThenNotifyAboutNewRules();
        QVERIFY(!controller_->presentedSheet());
        QCOMPARE(window_->newRuleNotices, 2);

        XAUserDefaults::standard().setBool("offerProjectConfigWizardIfNoConfigFile", true);
        const std::string configFile = XAProject(projectPath_).defaultPathForSavingNewConfigFile();
        std::filesystem::create_directories(std::filesystem::path(configFile).parent_path());
        std::ofstream(configFile) << "{}\n";
        controller_->offerWizardThenNotifyAboutNewRules();
        QVERIFY(!controller_->presentedSheet());
        QCOMPARE(window_->newRuleNotices, 3);
    }

    // The wizard on request starts from the working configuration and, accepted, writes its answers into it.
    void theWizardOnRequestChangesTheWorkingConfiguration() {
        controller_->showProjectConfigurationWizard();
        auto wizard = std::dynamic_pointer_cast<XAProjectConfigWizardWindowController>(controller_->presentedSheet());
        QVERIFY(wizard);
        QVERIFY(wizard->wasInitializedWithBaseConfiguration());
        QCOMPARE(wizard->cancelButton()->text(), QStringLiteral("Cancel"));
        wizard->codeGeneratedCheckBox()->setChecked(true);
        wizard->saveConfigurationAndDismiss();
        QVERIFY(window_->state.configuration->performFullBuild());
        QCOMPARE(window_->newRuleNotices, 0);
    }

    // A window asks its controller before the user closes it, with the close button or Escape; closing it from the
    // code does not ask.
    void closingAWindowAsksItsController() {
        struct Guarded : XAWindowController {
            bool windowShouldClose() override {
                ++asked;
                return allow;
            }
            int asked = 0;
            bool allow = false;
        };
        auto guarded = std::make_shared<Guarded>();
        guarded->window()->show();
        int willClose = 0;
        const std::uint64_t observer = XANotificationCenter::defaultCenter().addObserver(
            XAWindowWillCloseNotificationName, guarded->window(), [&](const XANotification &) { ++willClose; });
        QCloseEvent byTheUser;
        QSpontaneKeyEvent::setSpontaneous(&byTheUser);
        qApp->notify(guarded->window(), &byTheUser); // as the window system delivers it
        QVERIFY(!byTheUser.isAccepted());
        QCOMPARE(willClose, 0); // a refused close is no close
        QTest::keyClick(guarded->window(), Qt::Key_Escape);
        QVERIFY(guarded->window()->isVisible());
        QCOMPARE(guarded->asked, 2);
        guarded->allow = true;
        QTest::keyClick(guarded->window(), Qt::Key_Escape);
        QVERIFY(!guarded->window()->isVisible());
        QCOMPARE(guarded->asked, 3);
        guarded->allow = false;
        guarded->window()->show();
        guarded->window()->close();
        QVERIFY(!guarded->window()->isVisible());
        QCOMPARE(guarded->asked, 3);
        QCOMPARE(willClose, 1);
        XANotificationCenter::defaultCenter().removeObserver(observer);
    }

    // The application's quit asks the project window and waits: "Cancel" keeps it running, "Don’t Save" quits.
    void quittingWaitsForThePromptsAnswer() {
        auto deferred = std::make_shared<DeferredAlertPresenter>();
        XAAlertPresenter::setShared(deferred);
        XAXcodeProjectsQuery::setShared(std::make_shared<XAFakeXcodeProjectsQuery>(std::nullopt));
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        XASetRunningUnitTests(false);
        XAGUIState::sharedGUIState().setIsInitialized(false);
        struct PromptingProjectWindow : XAProjectWindow {
            explicit PromptingProjectWindow(XAProjectConfigurationController &controller) : controller_(controller) {}
            XAWindowController &windowController() override { return *windowController_; }
            void openProject(const std::string &) override {}
            bool closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool)> completion) override {
                return controller_.closeProjectWithPossibleUserPromptAndCompletion(std::move(completion));
            }
            XAProjectConfigurationController &controller_;
            std::shared_ptr<XAWindowController> windowController_ = std::make_shared<XAWindowController>();
        };
        XAProjectList recent("recentProjects", 30);
        XAAppDelegate delegate(&recent);
        int quits = 0;
        delegate.setQuitHandler([&] { ++quits; });
        auto projectWindow = std::make_shared<PromptingProjectWindow>(*controller_);
        delegate.setProjectWindowFactory([projectWindow] { return projectWindow; });
        delegate.applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([&] { return delegate.userInterfaceEnabled(); }));
        delegate.openProjectAtPath(projectPath_);
        QVERIFY(projectWindow->windowController().window()->isVisible());
        window_->selectedTarget = "Changed";

        delegate.terminate();
        QCOMPARE(deferred->pending.size(), std::size_t(1));
        QCOMPARE(deferred->pending[0].alert.title, QStringLiteral("Save configuration changes?"));
        QCOMPARE(quits, 0);
        deferred->answer(QStringLiteral("Cancel"));
        QCOMPARE(quits, 0);

        delegate.terminate();
        QCOMPARE(deferred->pending.size(), std::size_t(1));
        deferred->answer(QStringLiteral("Don’t Save"));
        QCOMPARE(quits, 1);
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
    }

private:
    static QString readAll(const std::string &path) {
        QFile file(QString::fromStdString(path));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    static int rowOf(const XAConfigurationViewController &view, const std::string &longName) {
        for (std::size_t row = 0; row < view.optionRows().size(); ++row) {
            const XAConfigTableRow &entry = view.optionRows()[row];
            if (!entry.isGroupRow() && entry.option()->longName() == longName) {
                return int(row);
            }
        }
        return -1;
    }

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XAScriptedFilePanels> panels_;
    std::string projectPath_;
    std::unique_ptr<FakeProjectWindow> window_;
    std::unique_ptr<XAProjectConfigurationController> controller_;
    std::shared_ptr<FakeRuleSheet> ruleSheet_;
    int ruleSheetsMade_ = 0;
};

QTEST_MAIN(XAProjectConfigurationControllerTests)
#include "XAProjectConfigurationControllerTests.moc"
