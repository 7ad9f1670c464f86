// The project window with the real engine and the stand-in developer tools: the example project is opened and
// checked in the real window, and its diagnostics match what the command line reports on the same project.

#include "app/controls/XASplitView.h"
#include "app/controls/XATableView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/diagnostics/XADiagnosticPageView.h"
#include "app/diagnostics/XADiagnosticsViewController.h"
#include "app/project/XAProjectWindowController.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "codemodel/XALibclangLoader.h"
#include "engine/XARuleRegistry.h"
#include "engine/XARuleRegistryOptionGroups.h"
#include "support/XADesktopTestSupport.h"
#include "support/XAProjectWindowFakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <map>

namespace {

QString stageFolder() { return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absolutePath(); }

// Rule short name -> number of diagnostics, as `tessary check` reports them in JSON.
std::map<std::string, std::size_t> commandLineRuleCounts(const QString &xcodeprojPath) {
    QProcess check;
    check.start(stageFolder() + QStringLiteral("/bin/tessary"),
                {QStringLiteral("check"), xcodeprojPath, QStringLiteral("-o"), QStringLiteral("json")});
    check.waitForFinished(240000);
    std::map<std::string, std::size_t> counts;
    const QJsonArray diagnostics =
        QJsonDocument::fromJson(check.readAllStandardOutput()).object()["diagnostics"].toArray();
    for (const QJsonValue &diagnostic : diagnostics) {
        ++counts[diagnostic.toObject()["ruleShortName"].toString().toStdString()];
    }
    return counts;
}

} // namespace

class XAProjectWindowEndToEndTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString developer = stageFolder() + QStringLiteral("/Developer");
        qputenv("DEVELOPER_DIR", developer.toUtf8());
        qputenv("PATH", (developer + QStringLiteral("/usr/bin:")).toUtf8() + qgetenv("PATH"));
        XALoadLibclangAtStartup();
        XAUseRuleOptionGroupsOfRegistry(XARuleRegistry::shared());
    }

    void checkingTheExampleProjectShowsWhatTheCommandLineReports() {
        XADesktopTestEnvironment environment;
        QVERIFY(XAGUIState::sharedGUIState().initializeGUIStateWithProgress(nullptr));
        XAGUIState::sharedGUIState().setIsInitialized(true);
        auto notifier = std::make_shared<XARecordingUserNotifier>();
        XAUserNotifier::setShared(notifier);
        XAProjectList recent("recentProjects", 30);
        auto controller = std::make_shared<XAProjectWindowController>(&recent);
        const QString example =
            QStringLiteral(TESSARY_SOURCE_DIR) + QStringLiteral("/examples/TessaryDemo/TessaryDemo.xcodeproj");

        controller->showWindow(nullptr);
        controller->openProject(example.toStdString());
        QVERIFY(XAWaitFor([&] { return bool(controller->projectState()); }, 60000));
        controller->runButtonPressed();
        QVERIFY(XAWaitFor([&] { return !notifier->delivered.empty(); }, 240000));

        // The table shows one row per group of like diagnostics; a rule may have several groups.
        XADiagnosticsViewController *diagnosticsVC = controller->diagnosticsVC();
        QVERIFY(XAWaitFor([&] { return !diagnosticsVC->tableRows().empty(); }, 60000));
        std::map<std::string, std::size_t> shown;
        for (const XADiagnosticTableRow &row : diagnosticsVC->tableRows()) {
            if (row.group && row.group->representative()) {
                shown[row.group->representative()->ruleShortName()] += row.group->diagnostics().size();
            }
        }
        const std::map<std::string, std::size_t> reported = commandLineRuleCounts(example);
        QVERIFY(!reported.empty());
        QCOMPARE(shown, reported);

        controller->logView()->flushQueuedMessages();
        const QString log = controller->logView()->textView()->toPlainText().trimmed();
        QVERIFY2(log.section(QLatin1Char('\n'), -1).startsWith(QStringLiteral("Checked total ")),
                 qPrintable(log.right(300)));
        QCOMPARE(notifier->delivered.front().first, QStringLiteral("Finished checking TessaryDemo"));
        QTest::qWait(500); // the progress bar's fade
        QVERIFY(!XASaveScreenshot(controller->window(), QStringLiteral("project-window")).isEmpty());

        XAUserNotifier::setShared(nullptr);
        XAGUIState::sharedGUIState().setIsInitialized(false);
    }
};

QTEST_MAIN(XAProjectWindowEndToEndTests)
#include "XAProjectWindowEndToEndTests.moc"
