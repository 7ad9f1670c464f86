// Crash reports offered at launch and sent to a backend: a loopback HTTP server stands in for the backend, the
// scripted alert presenter for the user, and the freedesktop trash of the test's own home for the trash.

#include "app/integrations/XABackendClient.h"
#include "app/integrations/XACrashReporter.h"
#include "app/shell/XAAppDelegate.h"
#include "core/XACrashCapture.h"
#include "core/XAJSON.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"
#include "support/XALoopbackHTTPServer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr const char *kCrashTheAppVariable = "TESSARY_TEST_CRASH_THE_APP";

// Sets an environment variable and puts the earlier state back at the end of the scope.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QString &value) : name_(name) {
        if (const char *old = std::getenv(name)) {
            saved_ = QByteArray(old);
        }
        ::setenv(name, value.toUtf8(), 1);
    }
    ~ScopedVariable() {
        if (saved_) {
            ::setenv(name_, saved_->constData(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char *name_;
    std::optional<QByteArray> saved_;
};

// The number of texts in a crash upload's body; -1 when it is not {"logs": [...]}.
int logCount(const XALoopbackHTTPServer::Request &request) {
    const std::optional<XAValue> body = XAValueFromJSON(request.body, false, "request", nullptr);
    const XAValue *logs = body ? body->get("logs") : nullptr;
    return logs && logs->array() ? static_cast<int>(logs->array()->size()) : -1;
}

std::vector<std::string> logTexts(const XALoopbackHTTPServer::Request &request) {
    std::vector<std::string> texts;
    const std::optional<XAValue> body = XAValueFromJSON(request.body, false, "request", nullptr);
    for (const XAValue &log : *body->get("logs")->array()) {
        texts.push_back(*log.string());
    }
    return texts;
}

} // namespace

class XACrashReporterTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::unique_ptr<XALoopbackHTTPServer> server_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::vector<std::unique_ptr<ScopedVariable>> variables_;

    QString reportsFolder() const { return QString::fromStdString(environment_->path()) + "/CrashReports"; }
    QString trashFolder() const { return QString::fromStdString(environment_->path()) + "/XDG_DATA_HOME/Trash/files"; }
    QStringList filesIn(const QString &folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
    void writeReport(const QString &name, const QByteArray &contents) const {
        QFile file(reportsFolder() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    void useBackendWithoutVersion() {
        XABackendClient::setSharedClient(std::make_shared<XABackendClient>(
            XABackendSettings{server_->baseAddress("api/"), "reporter", "s3cret:pw"}, XAAppVersionInfo()));
    }

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        server_ = std::make_unique<XALoopbackHTTPServer>();
        alerts_ = environment_->alerts();
        QDir().mkpath(reportsFolder());
        // The trash of the home the reports are in: <home>/XDG_DATA_HOME/Trash.
        variables_.push_back(std::make_unique<ScopedVariable>("HOME", QString::fromStdString(environment_->path())));
        variables_.push_back(std::make_unique<ScopedVariable>("TESSARY_CRASH_REPORTS_DIR", reportsFolder()));
        variables_.push_back(std::make_unique<ScopedVariable>("TESSARY_BACKEND_URL",
                                                              QString::fromStdString(server_->baseAddress("api"))));
        XABackendClient::setSharedClient(nullptr);
        XACrashReporter::setBundleName("Tessary");
        XACrashCaptureStart(XACrashCaptureMechanismSystemCrashLogs);
    }

    void cleanup() {
        XACrashCaptureStart(XACrashCaptureMechanismNone);
        XABackendClient::setSharedClient(nullptr);
        variables_.clear();
        server_.reset();
        environment_.reset();
    }

    // Policy "always": 23 reports (one of them not UTF-8) of an application whose name has spaces go out unasked in
    // three requests of 10, 10 and 3 texts, each group to the trash after its success; another application's report is
    // left alone.
    void sendingAlwaysGoesOutInGroupsOfTenAndTrashesEachGroup() {
        XACrashReporter::setBundleName("My App");
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 1);
        for (int index = 0; index < 22; ++index) {
            writeReport(QStringLiteral("MyApp_2026-12-%1.crash").arg(index + 10),
                        "report " + QByteArray::number(index));
        }
        writeReport(QStringLiteral("MyApp_2026-12-00-unreadable.crash"), QByteArray("\xff\xfe broken \xc3", 12));
        writeReport(QStringLiteral("OtherApp_2026-12-01.crash"), "not ours");
        writeReport(QStringLiteral("My App_2026-12-01.crash"), "a name with the space is not ours");
        useBackendWithoutVersion();

        XACrashReporter::offerToSendCrashReportsIfAny();
        QVERIFY(XAWaitFor([&] { return filesIn(trashFolder()).size() == 23; }, 20000));
        QVERIFY(alerts_->shown().empty());
        const std::vector<XALoopbackHTTPServer::Request> requests = server_->requests();
        QCOMPARE(requests.size(), 3u);
        std::vector<int> sizes;
        std::vector<std::string> allTexts;
        for (const XALoopbackHTTPServer::Request &request : requests) {
            QCOMPARE(request.method, std::string("POST"));
            QCOMPARE(request.path, std::string("/api/reportcrash"));
            QCOMPARE(request.header("authorization"),
                     "Basic " + QByteArray("reporter:s3cret:pw").toBase64().toStdString());
            QCOMPARE(request.header("x-tessary-version"), std::string("?"));
            QCOMPARE(request.header("x-tessary-vcs-revision"), std::string("unknown-revision"));
            QVERIFY(!request.hasHeader("x-tessary-username"));
            sizes.push_back(logCount(request));
            for (const std::string &text : logTexts(request)) {
                allTexts.push_back(text);
            }
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, (std::vector<int>{3, 10, 10}));
        QCOMPARE(std::count(allTexts.begin(), allTexts.end(), XACrashReporter::unreadableReportText), 1);
        QCOMPARE(std::count(allTexts.begin(), allTexts.end(), "report 21"), 1);
        QCOMPARE(std::count(allTexts.begin(), allTexts.end(), "not ours"), 0);
        QCOMPARE(filesIn(reportsFolder()),
                 (QStringList{QStringLiteral("My App_2026-12-01.crash"), QStringLiteral("OtherApp_2026-12-01.crash")}));
    }

    // The contact headers need both a contact and the box on.
    void contactDetailsOnlyWithAContactAndTheBoxOn() {
        const struct {
            bool hasCard;
            bool boxOn;
            bool expectHeaders;
        } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 1);
        std::size_t expectedRequests = 0;
        for (const auto &testCase : cases) {
            xa_setCrashReportContactCard(
                testCase.hasCard ? std::optional(XAContactCard{"Ann Example", "ann@example.org"}) : std::nullopt);
            xa_setSendContactInfoInCrashReports(XAUserDefaults::standard(), testCase.boxOn);
            writeReport(QStringLiteral("Tessary_one.crash"), "one");
            XACrashReporter::offerToSendCrashReportsIfAny();
            ++expectedRequests;
            QVERIFY(XAWaitFor(
                [&] { return server_->requests().size() == expectedRequests && filesIn(reportsFolder()).isEmpty(); }));
            const XALoopbackHTTPServer::Request request = server_->requests().back();
            QCOMPARE(request.hasHeader("x-tessary-username"), testCase.expectHeaders);
            QCOMPARE(request.hasHeader("x-tessary-useremail"), testCase.expectHeaders);
            if (testCase.expectHeaders) {
                QCOMPARE(request.header("x-tessary-username"), std::string("Ann Example"));
                QCOMPARE(request.header("x-tessary-useremail"), std::string("ann@example.org"));
            }
            // The configured backend has no user name, so no authorisation is sent.
            QVERIFY(!request.hasHeader("authorization"));
        }
    }

    void aFailureStatusShowsTheErrorAndKeepsTheReports() {
        server_->setResponse(500, "{\"error\":\"down\"}");
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 1);
        writeReport(QStringLiteral("Tessary_a.crash"), "a");
        writeReport(QStringLiteral("Tessary_b.crash"), "b");
        XACrashReporter::offerToSendCrashReportsIfAny();
        QVERIFY(XAWaitFor([&] { return !alerts_->shown().empty(); }));
        QCOMPARE(server_->requests().size(), 1u);
        QVERIFY(alerts_->shown().front().alert.title.contains(QStringLiteral("500")));
        QCOMPARE(filesIn(reportsFolder()).size(), 2);
        QVERIFY(filesIn(trashFolder()).isEmpty());
    }

    // Nothing is shown or sent without reports, with "never", without a backend or with one over plain HTTP to
    // another host.
    void nothingHappensWithoutReportsWithNeverOrWithoutAnAcceptableBackend() {
        XACrashReporter::offerToSendCrashReportsIfAny();
        writeReport(QStringLiteral("Tessary_a.crash"), "a");
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 2);
        XACrashReporter::offerToSendCrashReportsIfAny();
        xa_setCrashReportPolicy(XAUserDefaults::standard(), 1);
        for (const char *address : {"", "http://backend.example.org/api", "ftp://127.0.0.1/"}) {
            ScopedVariable backend("TESSARY_BACKEND_URL", QString::fromLatin1(address));
            XABackendClient::setSharedClient(nullptr);
            XACrashReporter::offerToSendCrashReportsIfAny();
        }
        QTest::qWait(300);
        QVERIFY(alerts_->shown().empty());
        QVERIFY(server_->requests().empty());
        QCOMPARE(filesIn(reportsFolder()).size(), 1);
    }

    void theAnswersAreRemembered() {
        writeReport(QStringLiteral("Tessary_a.crash"), "a");
        XAUserDefaults &defaults = XAUserDefaults::standard();
        // Unchecking the contact box is stored even when nothing is sent, and the offer comes again.
        xa_setSendContactInfoInCrashReports(defaults, true);
        alerts_->answerNextWith(QStringLiteral("Don't send"), [](XAAlert &alert) {
            QCOMPARE(alert.suppressionButtonTitle, std::optional(QStringLiteral("Remember my choice")));
            QVERIFY(!alert.suppressionButtonChecked);
            QVERIFY(alert.accessoryCheckBoxChecked);
            alert.accessoryCheckBoxChecked = false;
        });
        XACrashReporter::offerToSendCrashReportsIfAny();
        QVERIFY(!xa_sendContactInfoInCrashReports(defaults));
        QCOMPARE(xa_crashReportPolicy(defaults), 0);
        // "Delete", then "Don't Trash", asks again; "Don't send" then leaves the reports.
        alerts_->answerNextWith(QStringLiteral("Delete"));
        alerts_->answerNextWith(QStringLiteral("Don't Trash"));
        alerts_->answerNextWith(QStringLiteral("Don't send"));
        XACrashReporter::offerToSendCrashReportsIfAny();
        QStringList titles;
        for (const XAScriptedAlertPresenter::Shown &shown : alerts_->shown()) {
            titles << shown.alert.title;
        }
        QCOMPARE(titles, (QStringList{"Send Crash Reports?", "Send Crash Reports?", "Move Crash Reports to Trash?",
                                      "Send Crash Reports?"}));
        QVERIFY(!alerts_->shown()[1].alert.accessoryCheckBoxChecked); // the stored answer
        // Remembering "Delete" stores "never": declining the trash then ends the offer without asking again.
        alerts_->answerNextWith(QStringLiteral("Delete"),
                                [](XAAlert &alert) { alert.suppressionButtonChecked = true; });
        alerts_->answerNextWith(QStringLiteral("Don't Trash"));
        XACrashReporter::offerToSendCrashReportsIfAny();
        QCOMPARE(xa_crashReportPolicy(defaults), 2);
        QCOMPARE(alerts_->shown().size(), 6u);
        QCOMPARE(filesIn(reportsFolder()).size(), 1);
        QVERIFY(server_->requests().empty());
    }

    void trashingOnRequestMovesOnlyThisApplicationsReports() {
        writeReport(QStringLiteral("Tessary_a.crash"), "a");
        writeReport(QStringLiteral("Tessary_b.crash"), "b");
        writeReport(QStringLiteral("Other_a.crash"), "other");
        alerts_->answerNextWith(QStringLiteral("Delete"));
        alerts_->answerNextWith(QStringLiteral("Trash"));
        XACrashReporter::offerToSendCrashReportsIfAny();
        QCOMPARE(filesIn(reportsFolder()), QStringList{QStringLiteral("Other_a.crash")});
        QCOMPARE(filesIn(trashFolder()),
                 (QStringList{QStringLiteral("Tessary_a.crash"), QStringLiteral("Tessary_b.crash")}));
        QVERIFY(server_->requests().empty());
    }

    void rememberingSendStoresAlwaysAndSends() {
        writeReport(QStringLiteral("Tessary_a.crash"), "a");
        alerts_->answerNextWith(QStringLiteral("Send"), [](XAAlert &alert) { alert.suppressionButtonChecked = true; });
        XACrashReporter::offerToSendCrashReportsIfAny();
        QCOMPARE(xa_crashReportPolicy(XAUserDefaults::standard()), 1);
        QVERIFY(XAWaitFor([&] { return filesIn(trashFolder()).size() == 1; }));
        QCOMPARE(server_->requests().size(), 1u);
        QCOMPARE(logTexts(server_->requests().front()), std::vector<std::string>{"a"});
    }

    // The real message box shows both check boxes with their first states and hands their final states over.
    void theRealAlertReportsItsCheckBoxes() {
        XAAlertPresenter::setShared(nullptr);
        QWidget window;
        window.show();
        XAAlert alert(QStringLiteral("Send Crash Reports?"), QString(), XAAlertStyle::Informational,
                      {QStringLiteral("Send"), QStringLiteral("Don't send")});
        alert.suppressionButtonTitle = QStringLiteral("Remember my choice");
        alert.accessoryCheckBoxTitle = QStringLiteral("Send my contact info with crash reports");
        alert.accessoryCheckBoxChecked = true;
        std::optional<XAAlert> answered;
        int response = 0;
        XAAlertPresenter::shared().present(alert, &window, [&](const XAAlert &result, int code) {
            answered = result;
            response = code;
        });
        auto *box = window.findChild<QMessageBox *>();
        QVERIFY(box);
        QCheckBox *remember = nullptr;
        QCheckBox *contact = nullptr;
        for (QCheckBox *checkBox : box->findChildren<QCheckBox *>()) {
            (checkBox->text() == QStringLiteral("Remember my choice") ? remember : contact) = checkBox;
        }
        QVERIFY(remember && contact);
        QCOMPARE(contact->text(), QStringLiteral("Send my contact info with crash reports"));
        QVERIFY(!remember->isChecked());
        QVERIFY(contact->isChecked());
        remember->setChecked(true);
        contact->setChecked(false);
        box->buttons().at(1)->click();
        QVERIFY(XAWaitFor([&] { return answered.has_value(); }));
        QCOMPARE(response, 1001);
        QVERIFY(answered->suppressionButtonChecked);
        QVERIFY(!answered->accessoryCheckBoxChecked);
    }

    // "Crash The App" in a desktop process of its own leaves exactly one report naming the signal.
    void crashingTheAppLeavesOneReport() {
        QProcess process;
        QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
        processEnvironment.insert(QString::fromLatin1(kCrashTheAppVariable), QStringLiteral("1"));
        process.setProcessEnvironment(processEnvironment);
        process.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        const QStringList reports = filesIn(reportsFolder());
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.front().startsWith(QStringLiteral("Tessary_")));
        QFile report(reportsFolder() + "/" + reports.front());
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("Signal: SIGABRT (6)"));
    }
};

// Started with the crash variable, the program is the desktop crashing on request instead of the tests.
int main(int argc, char **argv) {
    if (std::getenv(kCrashTheAppVariable)) {
        const rlimit noCoreFiles = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCoreFiles);
        QApplication application(argc, argv);
        XACrashReporter::startForAppLaunchWithMechanism(XACrashCaptureMechanismSystemCrashLogs);
        auto alerts = std::make_shared<XAScriptedAlertPresenter>();
        alerts->answerNextWith(QStringLiteral("Crash!"));
        XAAlertPresenter::setShared(alerts);
        XAAppDelegate delegate;
        delegate.crashTheApp(nullptr);
        return 0; // not reached
    }
    QApplication application(argc, argv);
    XACrashReporterTests tests;
    return QTest::qExec(&tests, argc, argv);
}
#include "XACrashReporterTests.moc"
