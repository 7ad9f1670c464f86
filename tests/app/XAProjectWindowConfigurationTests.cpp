// The project window's configuration as a person meets it: the prompt before closing after changing only the target,
// the close button, loading a file through the Configuration menu's action, the rule selection sheet and its count,
// "Show" on the new-rules notice, rule links from the diagnostics, and the wizard after opening a project without a
// configuration file (with a picture of it over the window).

#include "app/config/XAProjectConfigWizardWindowController.h"
#include "app/config/XARuleSelectionWindowController.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XAWebDelegate.h"
#include "app/project/XAProjectWindowController.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "core/XAUserDefaults.h"
#include "engine/XARuleRegistry.h"
#include "support/XADesktopTestSupport.h"
#include "support/XAProjectWindowFakes.h"

#include <QCloseEvent>
#include <QPainter>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTextEdit>

#include <fstream>

class XAProjectWindowConfigurationTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        panels_ = std::make_shared<XAScriptedFilePanels>();
        XAFilePanelFactory::setShared(panels_);
        engine_ = std::make_shared<XAFakeProjectWindowEngine>();
        XAProjectWindowEngine::setShared(engine_);
        XAUserNotifier::setShared(std::make_shared<XARecordingUserNotifier>());
        recent_ = std::make_unique<XAProjectList>("recentProjects", 30);
        project_ = std::make_shared<XAFakeProjectDocument>();
        project_->path = environment_->makeProject("Demo", "Demo");
        engine_->projects = {project_};
        XAGUIState::sharedGUIState().setIsInitialized(true);
        xa_registerAppDefaults(XAUserDefaults::standard());
        controller_ = std::make_shared<XAProjectWindowController>(recent_.get());
    }

    void cleanup() {
        controller_.reset();
        XAGUIState::sharedGUIState().setIsInitialized(false);
        recent_.reset();
        environment_.reset();
    }

    // Right after loading nothing is asked; choosing another target alone is a change worth asking about, also
    // when the user clicks the close button, whose "Cancel" keeps the window open.
    void changingOnlyTheTargetAsksBeforeClosing() {
        QVERIFY(openProjectWithConfigurationFile("{}"));
        QVERIFY(controller_->closeProjectWithPossibleUserPromptAndCompletion(nullptr));
        QVERIFY(alerts_->shown().empty());

        controller_->targetPopUpButton()->setCurrentIndex(1);
        alerts_->answerNextWith(QStringLiteral("Cancel"));
        QCloseEvent byTheUser;
        QSpontaneKeyEvent::setSpontaneous(&byTheUser);
        qApp->notify(controller_->window(), &byTheUser);
        QCOMPARE(alerts_->shown().size(), std::size_t(1));
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("Save configuration changes?"));
        QCOMPARE(alerts_->shown()[0].alert.buttons.size(), 4); // the configuration came from a file
        QVERIFY(controller_->window()->isVisible());
        QVERIFY(controller_->projectState());

        alerts_->answerNextWith(QStringLiteral("Don’t Save"));
        std::optional<bool> answer;
        QVERIFY(!controller_->closeProjectWithPossibleUserPromptAndCompletion([&](bool may) { answer = may; }));
        QCOMPARE(answer, std::optional<bool>(true));
        QVERIFY(!controller_->window()->isVisible());
        QVERIFY(!controller_->projectState()); // the window's close resets the project
    }

    // The Configuration menu's load: the file becomes the working configuration, the pop-ups and the rule count
    // follow it, the log names it, and closing asks nothing.
    void loadingAFileThroughTheMenuRefillsTheWindow() {
        QVERIFY(openProjectWithConfigurationFile("{}"));
        const std::string path = writeFile("Other.tessary.json", "{\"target\": \"DemoTests\", \"buildConfig\": "
                                                                 "\"Release\", \"ruleTags\": [], \"rules\": "
                                                                 "[\"NSLogUsed\"]}");
        panels_->answerNextWith(path);
        QVERIFY(controller_->respondsToSelector("loadConfiguration:"));
        controller_->performAction("loadConfiguration:");
        QCOMPARE(controller_->targetPopUpButton()->currentText().startsWith(QStringLiteral("DemoTests")), true);
        QCOMPARE(controller_->buildConfigPopUpButton()->currentText(), QStringLiteral("Release"));
        QCOMPARE(controller_->ruleSelectionField()->text(), rulesText(1));
        QVERIFY(XAWaitFor(
            [&] { return logText().contains(QString::fromStdString("Loaded configuration from file: " + path)); }));
        QVERIFY(controller_->closeProjectWithPossibleUserPromptAndCompletion(nullptr));
    }

    // The rule selection sheet from the window: Cancel leaves the count, OK with a tag updates "%lu/%lu Rules:".
    void theRuleSheetUpdatesTheRuleCountOnlyOnOK() {
        QVERIFY(openProjectWithConfigurationFile("{\"ruleTags\": [], \"rules\": [\"NSLogUsed\"]}"));
        QCOMPARE(controller_->ruleSelectionField()->text(), rulesText(1));
        for (const bool accept : {false, true}) {
            controller_->ruleSelectButton()->click();
            auto sheet = presentedSheet<XARuleSelectionWindowController>();
            QVERIFY(sheet);
            sheet->state().selectedTags = {"Style"};
            accept ? sheet->okPressed() : sheet->cancelPressed();
            settle(*sheet);
        }
        const std::size_t count = controller_->projectState()->ruleSet->rules().size();
        QVERIFY(count > 1);
        QCOMPARE(controller_->ruleSelectionField()->text(), rulesText(count));
        QCOMPARE(controller_->projectState()->configuration->ruleTags(), std::vector<std::string>{"Style"});
    }

    // "Show" on the notice opens the rule selection on the first new rule, listing rules newer than the number
    // announced before (110 for a project never told).
    void showOnTheNewRulesNoticeOpensTheRuleSheet() {
        project_->newRules = {"NSLogUsed", "ReservedPrefix"};
        alerts_->answerNextWith(QStringLiteral("Show"));
        QVERIFY(openProjectWithConfigurationFile("{\"ruleTags\": [], \"rules\": []}"));
        QVERIFY(XAWaitFor([&] { return presentedSheet<XARuleSelectionWindowController>() != nullptr; }));
        auto sheet = presentedSheet<XARuleSelectionWindowController>();
        QVERIFY(XAWaitFor([&] { return sheet->searchField()->text() == QStringLiteral("new_since:110"); }));
        QCOMPARE(project_->markCount, 1);
        sheet->cancelPressed();
        settle(*sheet);
    }

    // A rule link of the diagnostics pages opens the rule selection; other actions do not.
    void ruleLinksFromTheDiagnosticsOpenTheRuleSheet() {
        QVERIFY(openProjectWithConfigurationFile("{}"));
        post("open-docs", "NSLogUsed");
        QVERIFY(!controller_->configurationController().presentedSheet());
        post("configure-rule", "NSLogUsed");
        auto sheet = presentedSheet<XARuleSelectionWindowController>();
        QVERIFY(sheet);
        QVERIFY(sheet->window()->isVisible());
        sheet->cancelPressed();
        settle(*sheet);
    }

    // A project without a configuration file of its own gets the wizard after loading, and the notice only after
    // the wizard; accepted, its answers are in the working configuration, which is then a change to save.
    void theWizardFollowsTheLoadOfAProjectWithoutConfigurationFile() {
        controller_->window()->resize(900, 620);
        QVERIFY(openProject());
        auto wizard = presentedSheet<XAProjectConfigWizardWindowController>();
        QVERIFY(wizard);
        QVERIFY(!wizard->wasInitializedWithBaseConfiguration());
        QVERIFY(XAWaitFor([&] { return wizard->workspacesLoaded(); }));
        wizard->codeGeneratedCheckBox()->setChecked(true);
        saveSheetOverWindow(controller_->window(), wizard->window(), QStringLiteral("wizard"));
        wizard->saveConfigurationAndDismiss();
        QVERIFY(controller_->projectState()->configuration->performFullBuild());
        QVERIFY(!controller_->closeProjectWithPossibleUserPromptAndCompletion(nullptr));
    }

private:
    bool openProject() {
        controller_->showWindow(nullptr);
        controller_->openProject(project_->path);
        return XAWaitFor([this] { return bool(controller_->projectState()); });
    }

    bool openProjectWithConfigurationFile(const std::string &contents) {
        project_->configFilePath = writeFile("main.tessary.json", contents);
        return openProject();
    }

    std::string writeFile(const std::string &name, const std::string &contents) const {
        const std::string path = environment_->path() + "/" + name;
        std::ofstream(path) << contents;
        return path;
    }

    // Lets the sheet's delayed focus and its searches end while its window is still there.
    static void settle(XARuleSelectionWindowController &sheet) {
        QTest::qWait(500);
        QVERIFY(sheet.searchQueue().pool().waitForDone(5000));
        QCoreApplication::processEvents();
    }

    template <typename Sheet> std::shared_ptr<Sheet> presentedSheet() {
        return std::dynamic_pointer_cast<Sheet>(controller_->configurationController().presentedSheet());
    }

    static QString rulesText(std::size_t count) {
        return QStringLiteral("%1/%2 Rules:").arg(count).arg(XARuleRegistry::shared().allPublicRuleShortNames().size());
    }

    QString logText() const {
        QString text = controller_->logView()->textView()->toPlainText();
        for (const auto &queued : controller_->logView()->queuedMessages()) {
            text += QString::fromStdString(queued.first()) + QLatin1Char('\n');
        }
        return text;
    }

    static void post(const char *action, const char *parameter) {
        XANotificationCenter::defaultCenter().post({XAWebDelegateGenericActionNotificationName, nullptr,
                                                    XADictionary{{XAWebDelegateGenericActionNameKey, action},
                                                                 {XAWebDelegateGenericActionParamKey, parameter}}});
    }

    // Without a window server a sheet is a window of its own: the picture lays it at the top of its parent,
    // centred, as it appears on the screen.
    static void saveSheetOverWindow(QWidget *window, QWidget *sheet, const QString &name) {
        const QString path = XASaveScreenshot(window, name);
        QImage picture(path);
        QPainter painter(&picture);
        const int x = (picture.width() - sheet->width()) / 2;
        painter.drawPixmap(x, 0, sheet->grab());
        painter.setPen(QColor(0, 0, 0, 160));
        painter.drawRect(x, -1, sheet->width() - 1, sheet->height());
        painter.end();
        picture.save(path, "PNG");
    }

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XAScriptedFilePanels> panels_;
    std::shared_ptr<XAFakeProjectWindowEngine> engine_;
    std::unique_ptr<XAProjectList> recent_;
    std::shared_ptr<XAFakeProjectDocument> project_;
    std::shared_ptr<XAProjectWindowController> controller_;
};

QTEST_MAIN(XAProjectWindowConfigurationTests)
#include "XAProjectWindowConfigurationTests.moc"
