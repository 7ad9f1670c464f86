// The project window with a fake project, engine and notifier: loading, the pop-ups and the icon, the new-rules
// notice, checking with cancel and completion, reloading, the availability of its actions, the project actions and
// the log feed.

#include "app/controls/XAButtons.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XAScroller.h"
#include "app/controls/XASidebarButtonCell.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATabView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsViewController.h"
#include "app/project/XAProjectWindowController.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAOperationWindowController.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "engine/XARuleRegistry.h"
#include "support/XADesktopTestSupport.h"
#include "support/XAProjectWindowFakes.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <filesystem>
#include <fstream>
#include <thread>

namespace {

struct XALoggedLine {
    QString text;
    QString colour; // "plain", "red", "yellow", "gray" or "other"
};

QString colourName(const QColor &textColour) {
    const std::vector<std::pair<QString, std::optional<XAColor>>> colours{{"plain", std::nullopt},
                                                                          {"red", XAColor::redColor()},
                                                                          {"yellow", XAColor::yellowColor()},
                                                                          {"gray", XAColor::grayColor()}};
    for (const auto &[name, colour] : colours) {
        if (XALogLineStyleForColor(colour).textColor == textColour) {
            return name;
        }
    }
    return QStringLiteral("other");
}

std::vector<XALoggedLine> loggedLines(XACheckingOperationLogView *view) {
    view->flushQueuedMessages();
    std::vector<XALoggedLine> lines;
    for (QTextBlock block = view->textView()->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty()) {
            lines.push_back({block.text(), colourName(block.begin().fragment().charFormat().foreground().color())});
        }
    }
    return lines;
}

QStringList loggedTexts(XACheckingOperationLogView *view) {
    QStringList texts;
    for (const XALoggedLine &line : loggedLines(view)) {
        texts << line.text;
    }
    return texts;
}

QString colourOfLine(XACheckingOperationLogView *view, const QString &text) {
    for (const XALoggedLine &line : loggedLines(view)) {
        if (line.text == text) {
            return line.colour;
        }
    }
    return QStringLiteral("missing");
}

XADiagnostic diagnosticOfRule(const std::string &shortName) {
    return XADiagnostic::diagnosticWithRuleName(XAXMLString(shortName), shortName, XAXMLString("d"), std::nullopt, {},
                                                XAXMLString("instance"), std::nullopt, std::string("/work/Demo/main.m"),
                                                std::nullopt, std::nullopt, std::nullopt, 1, 5, 8);
}

QStringList popUpTitles(QComboBox *popUp) {
    QStringList titles;
    for (int index = 0; index < popUp->count(); ++index) {
        titles << popUp->itemText(index);
    }
    return titles;
}

std::map<std::int64_t, QString> logBadges(XASidebarView *sidebar) { return sidebar->buttons()[0]->badgeTextsByType(); }

} // namespace

class XAProjectWindowTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XAFakeProjectWindowEngine> engine_;
    std::shared_ptr<XARecordingUserNotifier> notifier_;
    std::shared_ptr<XARecordingFileRevealer> revealer_;
    std::unique_ptr<XAProjectList> recent_;
    std::shared_ptr<XAFakeProjectDocument> project_;
    std::shared_ptr<XAProjectWindowController> controller_;

    bool openProject() {
        controller_->showWindow(nullptr);
        controller_->openProject(project_->path);
        return XAWaitFor([this] { return controller_->projectState() || !controller_->window()->isVisible(); });
    }

    std::shared_ptr<XAFakeCheckingRun> startCheck() {
        const std::size_t before = project_->runs.size();
        controller_->runButtonPressed();
        if (project_->runs.size() == before) {
            return nullptr;
        }
        std::shared_ptr<XAFakeCheckingRun> run = project_->runs.back();
        return XAWaitFor([run] { return run->started.load(); }) ? run : nullptr;
    }

    std::string writeFile(const std::string &name, const std::string &contents) const {
        const std::string path = environment_->path() + "/" + name;
        std::ofstream(path) << contents;
        return path;
    }

    bool alertShown(const QString &title) const {
        for (const auto &shown : alerts_->shown()) {
            if (shown.alert.title == title) {
                return true;
            }
        }
        return false;
    }

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        engine_ = std::make_shared<XAFakeProjectWindowEngine>();
        XAProjectWindowEngine::setShared(engine_);
        notifier_ = std::make_shared<XARecordingUserNotifier>();
        XAUserNotifier::setShared(notifier_);
        revealer_ = std::make_shared<XARecordingFileRevealer>();
        XAFileRevealer::setShared(revealer_);
        recent_ = std::make_unique<XAProjectList>("recentProjects", 30);
        project_ = std::make_shared<XAFakeProjectDocument>();
        project_->path = environment_->makeProject("Demo", "Demo");
        engine_->projects = {project_};
        XAGUIState::sharedGUIState().setIsInitialized(true);
        xa_registerAppDefaults(XAUserDefaults::standard());
        controller_ = std::make_shared<XAProjectWindowController>(recent_.get());
        controller_->setRunButtonPauseAfterCancel(0.3);
    }

    void cleanup() {
        controller_.reset();
        XAGUIState::sharedGUIState().setIsInitialized(false);
        recent_.reset();
        environment_.reset();
    }

    // ---- Loading ----

    void aFailedLoadShowsTheErrorsClosesTheWindowAndIsNotRemembered() {
        project_->loadSucceeds = false;
        project_->loadMessages = {XAProgressMessage(XAProgressMessageKindError, "a"),
                                  XAProgressMessage(XAProgressMessageKindWarning, "careful"),
                                  XAProgressMessage(XAProgressMessageKindError, "b")};
        QVERIFY(openProject());
        QVERIFY(!controller_->projectState());
        QVERIFY(!controller_->window()->isVisible());
        QVERIFY(alertShown(QStringLiteral("Error reading project file: a; b")));
        QVERIFY(!alerts_->shown().back().asSheet);
        QVERIFY(recent_->projectReferences().empty());
    }

    void loadMessagesReachTheLogAndTheOverlayByKind() {
        project_->loadMessages = {XAProgressMessage(XAProgressMessageKindWarning, "Unsupported format"),
                                  XAProgressMessage(XAProgressMessageKindDebug, "Determining build settings"),
                                  XAProgressMessage(XAProgressMessageKindDebug, ""),
                                  XAProgressMessage(XAProgressMessageKindInfo, "dropped")};
        controller_->showWindow(nullptr);
        controller_->openProject(project_->path);
        QVERIFY(controller_->isShowingLoadingUI());
        QCOMPARE(controller_->loadingViewTextField()->text(), QStringLiteral("Loading project Demo…"));
        QVERIFY(!controller_->isCloseButtonEnabled());
        QVERIFY(XAWaitFor([this] { return bool(controller_->projectState()); }));
        QVERIFY(controller_->isCloseButtonEnabled());
        QVERIFY(!controller_->isShowingLoadingUI());
        QCOMPARE(controller_->loadingViewSubtitleTextField()->text(), QStringLiteral("Determining build settings"));
        QCOMPARE(loggedTexts(controller_->logView()), QStringList{"Unsupported format"});
        QCOMPARE(colourOfLine(controller_->logView(), "Unsupported format"), QStringLiteral("yellow"));
        QCOMPARE(controller_->projectNameField()->text(), QStringLiteral("Demo"));
        QCOMPARE(controller_->projectOrgNameField()->text(), QStringLiteral("Quenby"));
        QCOMPARE(controller_->window()->windowFilePath().toStdString(), project_->path);
        QCOMPARE(recent_->projectReferences().size(), std::size_t(1));
    }

    void theCloseButtonChangesWithoutTheWindowBeingMappedAgain() {
        controller_->showWindow(nullptr);
        XAWindow *window = controller_->window();
        window->move(200, 150);
        QVERIFY(XAWaitFor([window] { return window->pos() == QPoint(200, 150); }));
        const WId platformWindow = window->winId();
        XAEventCounter hides(window, QEvent::Hide);
        controller_->openProject(project_->path);
        QVERIFY(!controller_->isCloseButtonEnabled());
        QVERIFY(!window->windowHandle()->flags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(XAWaitFor([this] { return bool(controller_->projectState()); }));
        QVERIFY(controller_->isCloseButtonEnabled());
        QVERIFY(window->windowHandle()->flags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(hides.count, 0);
        QVERIFY(window->isVisible());
        QCOMPARE(window->winId(), platformWindow);
        QCOMPARE(window->pos(), QPoint(200, 150));
    }

    void theProjectsConfigurationFileIsUsedUnlessItCannotBeRead_data() {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("selectedTarget");
        QTest::newRow("readable") << QStringLiteral("{\"target\": \"DemoTests\"}") << QStringLiteral("T2");
        QTest::newRow("unreadable") << QStringLiteral("{ \"target\": ") << QStringLiteral("T1");
    }

    void theProjectsConfigurationFileIsUsedUnlessItCannotBeRead() {
        QFETCH(QString, contents);
        QFETCH(QString, selectedTarget);
        project_->configFilePath = writeFile("main.tessary.json", contents.toStdString());
        QVERIFY(openProject());
        QCOMPARE(controller_->targetPopUpButton()->currentData().toString(), selectedTarget);
        const QStringList lines = loggedTexts(controller_->logView());
        QVERIFY(!lines.isEmpty());
        QCOMPARE(
            lines.front(),
            QStringLiteral("Using configuration file at: %1").arg(QString::fromStdString(*project_->configFilePath)));
        QCOMPARE(controller_->projectState()->configuration->targetName().has_value(), selectedTarget == "T2");
    }

    // ---- Pop-ups and icon ----

    void targetTitlesNameTheTypeOnlyWhenThereIsOneAndAllBuildConfigurationsAreListed() {
        project_->targetItems = {{"T1", "DemoApp", "Debug"}, {"T2", "DemoTests", "Beta"}, {"T3", "", "Debug"}};
        project_->configurationNames = {"Debug", "Release", "Profile"};
        QVERIFY(openProject());
        QCOMPARE(popUpTitles(controller_->targetPopUpButton()),
                 QStringList({"DemoApp (iOS Application)", "DemoTests", ""}));
        for (int index : {0, 1}) {
            controller_->targetPopUpButton()->setCurrentIndex(index);
            QCOMPARE(popUpTitles(controller_->buildConfigPopUpButton()), QStringList({"Debug", "Release", "Profile"}));
        }
    }

    void changingAPopUpChangesTheRepresentedConfigurationAndFadesOnlyToADifferentIcon() {
        project_->icons = {{"T1/Debug", XAFilledIcon(Qt::red)},
                           {"T2/Debug", XAFilledIcon(Qt::red)},
                           {"T2/Release", XAFilledIcon(Qt::blue)}};
        QVERIFY(openProject());
        QVERIFY(XAWaitFor([this] { return controller_->projectIconFadeCount() == 1; }));
        QCOMPARE(controller_->shownProjectIcon(), XAFilledIcon(Qt::red));

        controller_->targetPopUpButton()->setCurrentIndex(1);
        QVERIFY(XAWaitFor([this] { return project_->iconLookups == 2; }));
        QTest::qWait(50);
        QCOMPARE(controller_->projectIconFadeCount(), 1); // the same picture: no fade

        controller_->buildConfigPopUpButton()->setCurrentIndex(1);
        QVERIFY(XAWaitFor([this] { return controller_->projectIconFadeCount() == 2; }));
        QCOMPARE(controller_->shownProjectIcon(), XAFilledIcon(Qt::blue));

        const XAConfiguration represented = controller_->configurationRepresentedInTheGUI();
        QCOMPARE(represented.targetName().value_or(""), std::string("DemoTests"));
        QCOMPARE(represented.buildConfigName().value_or(""), std::string("Release"));
        QVERIFY(!controller_->projectState()->configuration->targetName());
        QVERIFY(!controller_->projectState()->configuration->buildConfigName());
    }

    // ---- New rules ----

    void theNewRulesNotice_data() {
        QTest::addColumn<bool>("ownConfigurationFile");
        QTest::addColumn<QStringList>("newRules");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("noticeShown");
        QTest::addColumn<QStringList>("addedRules");
        QTest::newRow("no own configuration file") << false << QStringList{"NSLogUsed"} << "" << false << QStringList{};
        QTest::newRow("no new rules") << true << QStringList{} << "" << false << QStringList{};
        QTest::newRow("skip") << true << QStringList{"NSLogUsed"} << "Skip" << true << QStringList{};
        QTest::newRow("show") << true << QStringList{"NSLogUsed"} << "Show" << true << QStringList{};
        QTest::newRow("select all") << true << QStringList{"NSLogUsed", "ReservedPrefix"} << "Select All" << true
                                    << QStringList{"NSLogUsed", "ReservedPrefix"};
    }

    void theNewRulesNotice() {
        QFETCH(bool, ownConfigurationFile);
        QFETCH(QStringList, newRules);
        QFETCH(QString, answer);
        QFETCH(bool, noticeShown);
        QFETCH(QStringList, addedRules);
        if (ownConfigurationFile) {
            project_->configFilePath =
                writeFile("main.tessary.json", "{\"ruleTags\": [], \"rules\": [\"IsEqualAndHash\"]}");
        }
        for (const QString &rule : newRules) {
            QVERIFY2(XARuleRegistry::shared().ruleWithShortName(rule.toStdString()), qPrintable(rule));
            project_->newRules.push_back(rule.toStdString());
        }
        alerts_->answerNextWith(answer);
        QVERIFY(openProject());
        QCOMPARE(alertShown(QStringLiteral("New rules")), noticeShown);
        QCOMPARE(project_->markCount, noticeShown ? 1 : 0);
        if (noticeShown) {
            const XAAlert &notice = alerts_->shown().back().alert;
            QVERIFY(alerts_->shown().back().asSheet);
            QCOMPARE(notice.buttons, QStringList({"Skip", "Show", "Select All"}));
            QVERIFY(
                notice.message.startsWith("The following new rules have not yet been enabled for this project:\n\n• "));
            QCOMPARE(notice.message.count(QStringLiteral("\n• ")), qsizetype(newRules.size()));
        }
        std::vector<std::string> expected =
            ownConfigurationFile ? std::vector<std::string>{"IsEqualAndHash"} : std::vector<std::string>{};
        for (const QString &rule : addedRules) {
            expected.push_back(rule.toStdString());
        }
        QCOMPARE(controller_->projectState()->configuration->ruleShortNames(), expected);
        const std::size_t ruleCount = controller_->projectState()->ruleSet->rules().size();
        QCOMPARE(controller_->ruleSelectionField()->text(),
                 QStringLiteral("%1/%2 Rules:")
                     .arg(ruleCount)
                     .arg(XARuleRegistry::shared().allPublicRuleShortNames().size()));
        if (!addedRules.isEmpty()) {
            QVERIFY(ruleCount >= expected.size());
        }
    }

    // ---- Checking ----

    void aCheckWithoutATargetAsksForOne() {
        project_->targetItems.clear();
        QVERIFY(openProject());
        QVERIFY(!startCheck());
        QVERIFY(alertShown(QStringLiteral("Error")));
        QCOMPARE(alerts_->shown().back().alert.message,
                 QStringLiteral("Please select a target and a build configuration."));
        QVERIFY(!controller_->projectState()->checkingOperation);
    }

    void aCheckStreamsMessagesAndTheRunButtonCancels() {
        QVERIFY(openProject());
        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        QCOMPARE(run->targetID, std::string("T1"));
        QCOMPARE(run->buildConfigurationName, std::string("Debug"));
        QCOMPARE(controller_->runButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(controller_->runButton()->cell().xa_style(), qint64(XAButtonStyleAmber));
        QVERIFY(controller_->runButton()->isEnabled());
        QVERIFY(!controller_->targetPopUpButton()->isEnabled());
        QVERIFY(!controller_->isCloseButtonEnabled());
        QVERIFY(!controller_->respondsToSelector("reloadProjectFromDisk:"));

        std::thread([run] { run->send(XAProgressMessage(XAProgressMessageKindInfo, "Preparing")); }).join();
        QVERIFY(XAWaitFor([this] { return loggedTexts(controller_->logView()).contains("Preparing"); }));

        controller_->runButtonPressed();
        QVERIFY(run->cancelled);
        QCOMPARE(colourOfLine(controller_->logView(), "Checking was cancelled by the user."), QStringLiteral("red"));
        QVERIFY(!controller_->runButton()->isEnabled());
        QCOMPARE(controller_->runButton()->text(), QStringLiteral("Start checking"));
        QCOMPARE(controller_->runButton()->cell().xa_style(), qint64(XAButtonStyleGreen));
        QVERIFY(controller_->targetPopUpButton()->isEnabled());

        std::thread([run] {
            run->send(XAProgressMessage(XAProgressMessageKindError, "late error"));
            run->finish({diagnosticOfRule("NSLogUsed")});
        }).join();
        QVERIFY(XAWaitFor([this] { return controller_->runButton()->isEnabled(); }));
        QStringList lines = loggedTexts(controller_->logView());
        QCOMPARE(lines, QStringList({"Preparing", "Checking was cancelled by the user."}));
        QVERIFY(notifier_->delivered.empty());
        QCOMPARE(controller_->diagnosticsVC()->diagnostics().size(), std::size_t(0));
        QVERIFY(controller_->projectState()->errorMessages.empty());
    }

    void theTabAtTheEndFollowsDiagnosticsErrorsAndScrolling_data() {
        QTest::addColumn<int>("diagnostics");
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("draggingLog");
        QTest::addColumn<int>("tab");
        QTest::newRow("clean run") << 0 << 0 << false << 1;
        QTest::newRow("errors, no diagnostics") << 0 << 1 << false << 0;
        QTest::newRow("errors and diagnostics") << 2 << 1 << false << 1;
        QTest::newRow("user drags the log") << 2 << 0 << true << 0;
    }

    void theTabAtTheEndFollowsDiagnosticsErrorsAndScrolling() {
        QFETCH(int, diagnostics);
        QFETCH(int, errors);
        QFETCH(bool, draggingLog);
        QFETCH(int, tab);
        QVERIFY(openProject());
        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        for (int i = 0; i < errors; ++i) {
            run->send(XAProgressMessage(XAProgressMessageKindError, "broken"));
        }
        if (draggingLog) {
            controller_->logView()->scrollView()->verticalScroller()->setSliderDown(true);
        }
        run->finish(XADiagnostics(diagnostics, diagnosticOfRule("NSLogUsed")));
        QVERIFY(XAWaitFor([this] { return !notifier_->delivered.empty(); }));
        QCOMPARE(controller_->tabView()->indexOfSelectedTabViewItem(), tab);
        QCOMPARE(controller_->runButton()->text(), QStringLiteral("Start checking"));
        QVERIFY(controller_->isCloseButtonEnabled());
    }

    void badgesAndTheNotificationCountErrorsWarningsAndDiagnostics_data() {
        QTest::addColumn<int>("diagnostics");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("clean") << 0 << 0 << 0 << QStringLiteral("0 diagnostics");
        QTest::newRow("diagnostics only") << 3 << 0 << 1 << QStringLiteral("3 diagnostics");
        QTest::newRow("errors only") << 0 << 2 << 0 << QStringLiteral("2 errors during checking");
        QTest::newRow("both") << 4 << 1 << 2 << QStringLiteral("4 diagnostics, 1 errors during checking");
    }

    void badgesAndTheNotificationCountErrorsWarningsAndDiagnostics() {
        QFETCH(int, diagnostics);
        QFETCH(int, errors);
        QFETCH(int, warnings);
        QFETCH(QString, subtitle);
        QVERIFY(openProject());
        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        run->showSuggestions = errors > 0;
        for (int i = 0; i < errors; ++i) {
            run->send(
                XAProgressMessage(XAProgressMessageKindCompilerError, "bad", XADictionary{{"file", XAValue("a.m")}}));
        }
        for (int i = 0; i < warnings; ++i) {
            run->send(XAProgressMessage(XAProgressMessageKindWarning, "odd"));
        }
        run->send(XAProgressMessage(XAProgressMessageKindInfo, "fine"));
        run->finish(XADiagnostics(diagnostics, diagnosticOfRule("NSLogUsed")));
        run->finishAgain();
        QVERIFY(XAWaitFor([this] { return !notifier_->delivered.empty(); }));
        QTest::qWait(20);
        QCOMPARE(notifier_->delivered.size(), std::size_t(1));
        QCOMPARE(notifier_->delivered[0].first, QStringLiteral("Finished checking Demo"));
        QCOMPARE(notifier_->delivered[0].second, subtitle);
        std::map<std::int64_t, QString> expectedBadges;
        if (errors) {
            expectedBadges[XALogBadgeTypeErrors] = QString::number(errors);
        }
        if (warnings) {
            expectedBadges[XALogBadgeTypeWarnings] = QString::number(warnings);
        }
        QCOMPARE(logBadges(controller_->sidebarView()), expectedBadges);
        if (errors > 0) {
            QCOMPARE(controller_->projectState()->errorMessages.front(),
                     std::string("COMPILER ERROR when parsing file a.m: bad\n"));
        }
        const QStringList lines = loggedTexts(controller_->logView());
        QCOMPARE(lines.contains("Checked total 12 code statements."), true);
        QCOMPARE(colourOfLine(controller_->logView(), "• Try a clean build."),
                 errors > 0 ? QStringLiteral("yellow") : QStringLiteral("missing"));
        QCOMPARE(controller_->diagnosticsVC()->diagnostics().size(), std::size_t(diagnostics));
    }

    void aSecondCheckClearsTheLogBadgesListsAndDiagnosticsFirst() {
        QVERIFY(openProject());
        std::shared_ptr<XAFakeCheckingRun> first = startCheck();
        QVERIFY(first);
        first->send(XAProgressMessage(XAProgressMessageKindError, "first error"));
        first->send(XAProgressMessage(XAProgressMessageKindWarning, "first warning"));
        first->finish({diagnosticOfRule("NSLogUsed")});
        QVERIFY(XAWaitFor([this] { return !notifier_->delivered.empty(); }));
        QCOMPARE(controller_->diagnosticsVC()->diagnostics().size(), std::size_t(1));

        std::shared_ptr<XAFakeCheckingRun> second = startCheck();
        QVERIFY(second);
        QVERIFY(loggedTexts(controller_->logView()).isEmpty());
        QVERIFY(logBadges(controller_->sidebarView()).empty());
        QVERIFY(controller_->projectState()->errorMessages.empty());
        QVERIFY(controller_->projectState()->warningMessages.empty());
        QCOMPARE(controller_->diagnosticsVC()->diagnostics().size(), std::size_t(0));
        QCOMPARE(controller_->tabView()->indexOfSelectedTabViewItem(), 0);
        QCOMPARE(controller_->projectState()->checkingOperation, std::shared_ptr<XACheckingRun>(second));
    }

    void openingAnotherProjectDuringACheckCancelsIt() {
        QVERIFY(openProject());
        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        controller_->openProject(project_->path);
        QVERIFY(run->cancelled);
        QVERIFY(XAWaitFor([this] { return bool(controller_->projectState()); }));
        run->finish({diagnosticOfRule("NSLogUsed")});
        QTest::qWait(50);
        QVERIFY(notifier_->delivered.empty());
        QVERIFY(controller_->runButton()->isEnabled());
    }

    // ---- Reload ----

    void aChangedProjectFileIsAskedAboutOnce() {
        QVERIFY(openProject());
        alerts_->answerNextWith(QStringLiteral("Don't reload"));
        project_->setHash("hash-2");
        controller_->handleApplicationWillBecomeActive();
        controller_->handleApplicationWillBecomeActive();
        QCOMPARE(std::count_if(alerts_->shown().begin(), alerts_->shown().end(),
                               [](const auto &shown) { return shown.alert.title == "Reload project?"; }),
                 std::ptrdiff_t(1));
        QCOMPARE(project_->loadCount, 1);

        project_->setHash("hash-3");
        alerts_->answerNextWith(QStringLiteral("Reload"));
        controller_->handleApplicationWillBecomeActive();
        QVERIFY(XAWaitFor([this] { return project_->loadCount == 2 && controller_->projectState(); }));
        QCOMPARE(alerts_->shown().back().alert.message,
                 QStringLiteral("The Xcode project seems to have changed on disk. Do you want to reload it?"));
    }

    void theChangeCheckRunsWhenTheApplicationBecomesActiveFromFirstMainUntilClosed() {
        QVERIFY(openProject());
        alerts_->answerNextWith(QStringLiteral("Don't reload"));
        project_->setHash("hash-2");
        XANotificationCenter::defaultCenter().post({XAWindowDidBecomeMainNotificationName, controller_->window(), {}});
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!alertShown(QStringLiteral("Reload project?")));
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QVERIFY(alertShown(QStringLiteral("Reload project?")));
        const std::size_t shown = alerts_->shown().size();
        controller_->window()->close();
        project_->setHash("hash-3");
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(alerts_->shown().size(), shown);
        QVERIFY(!controller_->projectState());
        QCOMPARE(recent_->projectReferences().size(), std::size_t(1));
    }

    void aReloadAsksOnlyWithDiagnosticsAndKeepsTheWorkingConfiguration() {
        project_->configFilePath =
            writeFile("main.tessary.json", "{\"target\": \"DemoTests\", \"ruleTags\": [], \"rules\": []}");
        project_->newRules = {"NSLogUsed"};
        alerts_->answerNextWith(QStringLiteral("Skip"));
        QVERIFY(openProject());
        QVERIFY(alertShown(QStringLiteral("New rules")));
        const std::size_t alertsAfterOpen = alerts_->shown().size();
        controller_->projectState()->configuration->setValue(std::string("DemoApp"),
                                                             *XAConfiguration::appOptionWithLongName("target"));
        project_->newRules = {"NSLogUsed", "ReservedPrefix"};
        controller_->reloadProjectFromDisk(); // no diagnostics: no question
        QVERIFY(XAWaitFor([this] { return project_->loadCount == 2 && controller_->projectState(); }));
        QCOMPARE(alerts_->shown().size(), alertsAfterOpen); // no wizard, no notice
        QCOMPARE(controller_->projectState()->configuration->targetName().value_or(""), std::string("DemoApp"));
        QCOMPARE(controller_->targetPopUpButton()->currentData().toString(), QStringLiteral("T1"));
        QVERIFY(controller_->configurationRepresentedInTheGUI() ==
                *controller_->projectState()->lastLoadedOrSavedConfiguration);

        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        run->finish({diagnosticOfRule("NSLogUsed")});
        QVERIFY(XAWaitFor([this] { return !notifier_->delivered.empty(); }));
        alerts_->answerNextWith(QStringLiteral("Cancel"));
        controller_->reloadProjectFromDisk();
        QCOMPARE(alerts_->shown().back().alert.buttons, QStringList({"Reload", "Cancel"}));
        QTest::qWait(50);
        QCOMPARE(project_->loadCount, 2);
        alerts_->answerNextWith(QStringLiteral("Reload"));
        controller_->reloadProjectFromDisk();
        QVERIFY(XAWaitFor([this] { return project_->loadCount == 3 && controller_->projectState(); }));
        QCOMPARE(controller_->diagnosticsVC()->diagnostics().size(), std::size_t(0));
        QVERIFY(!controller_->projectState()->checkingOperation);
    }

    // ---- Availability ----

    void windowActionsAreAvailableWithAProjectAndNoRunningCheck() {
        const std::vector<std::string> projectActions{"reloadProjectFromDisk:",
                                                      "saveConfiguration:",
                                                      "saveConfigurationAs:",
                                                      "loadConfiguration:",
                                                      "addAnnotationsHeaderToProject:",
                                                      "openProjectInXcode:",
                                                      "showRuleSelection:",
                                                      "showProjectConfiguration:",
                                                      "showProjectConfigurationWizard:",
                                                      "clearProjectCaches:"};
        for (const std::string &action : projectActions) {
            QVERIFY2(!controller_->respondsToSelector(action), action.c_str());
        }
        project_->hasCachedLogs = false;
        QVERIFY(openProject());
        for (const std::string &action : projectActions) {
            QCOMPARE(controller_->respondsToSelector(action), action != "clearProjectCaches:");
        }
        QVERIFY(!controller_->respondsToSelector("copy:"));
        project_->hasCachedLogs = true;
        QVERIFY(controller_->respondsToSelector("clearProjectCaches:"));
        std::shared_ptr<XAFakeCheckingRun> run = startCheck();
        QVERIFY(run);
        for (const std::string &action : projectActions) {
            QVERIFY2(!controller_->respondsToSelector(action), action.c_str());
        }
        run->finish({});
        QVERIFY(XAWaitFor([this] { return controller_->respondsToSelector("clearProjectCaches:"); }));
    }

    // ---- Project actions ----

    void clearingCachesLogsBothStepsInGray() {
        QVERIFY(openProject());
        controller_->performAction("clearProjectCaches:");
        QCOMPARE(project_->clearCount, 1);
        QCOMPARE(engine_->moduleCacheClears, 1);
        QVERIFY(XAWaitFor([this] { return loggedTexts(controller_->logView()).size() == 4; }));
        const std::vector<XALoggedLine> lines = loggedLines(controller_->logView());
        QCOMPARE(lines[0].text, QStringLiteral("Clearing project build log caches."));
        QCOMPARE(lines[0].colour, QStringLiteral("gray"));
        QCOMPARE(lines[1].text, QStringLiteral("Removed the build log cache."));
        QCOMPARE(lines[2].text, QStringLiteral("Clearing module caches."));
        QCOMPARE(lines[2].colour, QStringLiteral("gray"));
        QCOMPARE(lines[3].colour, QStringLiteral("red"));
    }

    // At its narrowest the window still shows every button of its header in full, side by side, and fits an
    // 800-pixel screen; the project's name gives way, cut with an ellipsis.
    void theHeaderFitsAtTheNarrowestWidth() {
        QVERIFY(openProject());
        XAWindow *window = controller_->window();
        window->resize(1, window->height());
        QCoreApplication::processEvents();
        QVERIFY2(window->width() <= 800, qPrintable(QString::number(window->width())));
        QList<XAButton *> buttons;
        for (XAButton *button : window->findChildren<XAButton *>()) {
            if (button->isVisibleTo(window) && !button->text().isEmpty()) {
                buttons << button;
            }
        }
        QVERIFY(buttons.size() >= 3);
        for (const XAButton *button : buttons) {
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            const QRect shown(button->mapTo(window, QPoint(0, 0)), button->size());
            QVERIFY2(window->rect().contains(shown), qPrintable(button->text()));
            for (const XAButton *other : buttons) {
                const QRect otherShown(other->mapTo(window, QPoint(0, 0)), other->size());
                QVERIFY2(other == button || !shown.intersects(otherShown),
                         qPrintable(button->text() + QStringLiteral(" over ") + other->text()));
            }
        }
        QCOMPARE(controller_->projectNameField()->text(), QString::fromStdString(project_->name));
    }

    void openingInTheIDEShowsItsError() {
        QVERIFY(openProject());
        controller_->performAction("openProjectInXcode:");
        QCOMPARE(engine_->openedInXcode, std::vector<std::string>{project_->path});
        QVERIFY(!alertShown(QStringLiteral("Xcode could not open the project.")));
        engine_->openSucceeds = false;
        controller_->performAction("openProjectInXcode:");
        QVERIFY(alertShown(QStringLiteral("Xcode could not open the project.")));
        // The alert tells where the program that opens projects is set.
        QVERIFY(alerts_->shown().back().alert.message.contains(QStringLiteral("Preferences \u2192 Integrations")));
    }

    void theAnnotationHeader_data() {
        QTest::addColumn<bool>("inProject");
        QTest::addColumn<bool>("resourceExists");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<QString>("lastTitle");
        QTest::newRow("already in the project") << true << true << false << "Header file already in project";
        QTest::newRow("missing resource") << false << false << false << "Failed to add annotation header";
        QTest::newRow("existing target file") << false << true << true << "The file already exists: %1";
        QTest::newRow("copied") << false << true << false << "Header file added";
    }

    void theAnnotationHeader() {
        QFETCH(bool, inProject);
        QFETCH(bool, resourceExists);
        QFETCH(bool, targetExists);
        QFETCH(QString, lastTitle);
        const std::string resources = environment_->path() + "/Resources";
        const std::string install = environment_->path() + "/Install";
        std::filesystem::create_directories(resources);
        std::filesystem::create_directories(install);
        if (resourceExists) {
            std::ofstream(resources + "/TessaryAnnotations.h") << "#define TESSARY_IGNORE(x)\n";
        }
        const std::string target = install + "/TessaryAnnotations.h";
        if (targetExists) {
            std::ofstream(target) << "mine\n";
        }
        project_->hasAnnotationHeader = inProject;
        project_->installDirectory = install;
        controller_->setAnnotationHeaderResourceFolder(resources);
        QVERIFY(openProject());
        alerts_->answerNextWith(QStringLiteral("Add"));
        alerts_->answerNextWith(QStringLiteral("Reveal in Finder"));
        controller_->performAction("addAnnotationsHeaderToProject:");
        const QString expectedTitle =
            lastTitle.contains(QStringLiteral("%1")) ? lastTitle.arg(QString::fromStdString(target)) : lastTitle;
        QVERIFY(XAWaitFor([&] { return alertShown(expectedTitle); }));
        if (inProject) {
            QCOMPARE(alerts_->shown().back().alert.message, QStringLiteral("The file already exists in the project."));
            return;
        }
        QCOMPARE(alerts_->shown()[alerts_->shown().size() - 2].alert.title,
                 QStringLiteral("Add diagnostics suppression annotation header"));
        if (lastTitle == "Header file added") {
            QVERIFY(alerts_->shown().back().alert.message.contains(QString::fromStdString(target)));
            QCOMPARE(revealer_->revealed, std::vector<std::string>{target});
            QVERIFY(std::filesystem::exists(target));
        } else {
            QVERIFY(revealer_->revealed.empty());
        }
        if (targetExists) {
            std::ifstream kept(target);
            std::string line;
            std::getline(kept, line);
            QCOMPARE(line, std::string("mine"));
        }
    }

    // ---- The log feed ----

    void applicationLogLinesReachTheLogByLevel() {
        QVERIFY(openProject());
        for (int level : {1, 2, 3, 7}) {
            XADictionary info;
            info.set(XALogMessageNotificationLogLevelKey, XAValue(std::int64_t(level)));
            info.set(XALogMessageNotificationMessageKey, XAValue("level " + std::to_string(level)));
            XANotificationCenter::defaultCenter().post({XALogMessageNotificationName, nullptr, info});
        }
        QCOMPARE(loggedTexts(controller_->logView()), QStringList({"level 2", "level 3", "level 7"}));
        QCOMPARE(colourOfLine(controller_->logView(), "level 2"), QStringLiteral("plain"));
        QCOMPARE(colourOfLine(controller_->logView(), "level 3"), QStringLiteral("yellow"));
        QCOMPARE(colourOfLine(controller_->logView(), "level 7"), QStringLiteral("red"));
    }
};

QTEST_MAIN(XAProjectWindowTests)
#include "XAProjectWindowTests.moc"
