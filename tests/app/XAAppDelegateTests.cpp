// The application delegate: launch in unit-test mode, initialisation that fails or succeeds, project requests that
// arrive during "Initializing…", quitting with and without a project window, and log lines on the GUI thread.

#include "app/shell/XAAppDelegate.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAProjectWindow.h"
#include "app/shell/XAWindow.h"
#include "app/shell/XAWindowController.h"
#include "core/XALaunchMode.h"
#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"

#include <QTest>
#include <QThread>

#include <thread>

namespace {

class XAFakeProjectWindow : public XAProjectWindow {
public:
    XAWindowController &windowController() override { return *controller; }
    void openProject(const std::string &path) override { opened.push_back(path); }
    bool closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool)> completion) override {
        ++closeRequests;
        pendingCompletion = std::move(completion);
        return mayCloseAtOnce;
    }

    std::shared_ptr<XAWindowController> controller = std::make_shared<XAWindowController>();
    std::vector<std::string> opened;
    bool mayCloseAtOnce = false;
    int closeRequests = 0;
    std::function<void(bool)> pendingCompletion;
};

// Blocks the developer-tools set-up until released, so that requests can arrive during "Initializing…".
class XAGatedSetUp : public XAFakeDevEnvironmentSetUp {
public:
    bool setUp() override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return open_; });
        return XAFakeDevEnvironmentSetUp::setUp();
    }
    void release() {
        std::lock_guard lock(mutex_);
        open_ = true;
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool open_ = false;
};

} // namespace

class XAAppDelegateTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        ide_ = std::make_shared<XAFakeXcodeProjectsQuery>(std::nullopt);
        XAXcodeProjectsQuery::setShared(ide_);
        XAGUIState::sharedGUIState().setIsInitialized(false);
        XASetRunningUnitTests(false);
        quitCount_ = 0;
        recent_ = std::make_unique<XAProjectList>("recentProjects", 30);
        projectWindow_ = std::make_shared<XAFakeProjectWindow>();
        delegate_ = std::make_unique<XAAppDelegate>(recent_.get());
        delegate_->setProjectWindowFactory([this] { return projectWindow_; });
        delegate_->setQuitHandler([this] { ++quitCount_; });
    }

    void cleanup() {
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
        delegate_.reset();
        projectWindow_.reset();
        recent_.reset();
        XASetRunningUnitTests(false);
        environment_.reset();
    }

    void unitTestModeOpensNoWindowAndObservesNothing() {
        XASetRunningUnitTests(true);
        const std::size_t observersBefore = XANotificationCenter::defaultCenter().observerCount();
        delegate_->applicationDidFinishLaunching();
        QVERIFY(!delegate_->mainNaviVC());
        QCOMPARE(delegate_->observerCount(), size_t(0));
        QCOMPARE(XANotificationCenter::defaultCenter().observerCount(), observersBefore);
    }

    void aFailedSetUpShowsTheErrorsAndQuits() {
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>(
            std::vector<XAError>{XAError("Cannot find Xcode."), XAError("Cannot find xcrun.")}));
        delegate_->applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([this] { return quitCount_ == 1; }));
        QCOMPARE(alerts_->shown().size(), size_t(1));
        const XAAlert &alert = alerts_->shown()[0].alert;
        QCOMPARE(alert.title, QStringLiteral("Error initializing application"));
        QVERIFY2(alert.message.startsWith(QStringLiteral("• ")), qPrintable(alert.message));
        QVERIFY(alert.message.contains(QStringLiteral("• Cannot find Xcode.")));
        QVERIFY(alert.message.contains(QStringLiteral("• Cannot find xcrun.")));
        QVERIFY(alert.message.contains(QStringLiteral("Install the developer tools.")));
        QVERIFY(!alerts_->shown()[0].asSheet);
        QVERIFY(!delegate_->userInterfaceEnabled());
        QVERIFY(!delegate_->mainMenu().openDocumentAction()->isEnabled());
        QVERIFY(XAWaitFor([this] { return !delegate_->mainNaviVC()->isShowingLoadingUI(); }));
    }

    void openingAndInstallingAreEnabledOnlyAfterSuccess() {
        auto setUp = std::make_shared<XAGatedSetUp>();
        XADevEnvironmentSetUp::setShared(setUp);
        delegate_->applicationDidFinishLaunching();
        QVERIFY(delegate_->mainNaviVC()->isShowingLoadingUI());
        QCOMPARE(delegate_->mainNaviVC()->loadingViewTextField()->text(), QStringLiteral("Initializing…"));
        QVERIFY(!delegate_->mainMenu().openDocumentAction()->isEnabled());
        QVERIFY(!delegate_->respondsToSelector("installCLITools:"));
        QVERIFY(!delegate_->respondsToSelector("openDocument:"));
        QVERIFY(delegate_->respondsToSelector("showHelp:"));
        setUp->release();
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));
        QVERIFY(delegate_->mainMenu().openDocumentAction()->isEnabled());
        QVERIFY(delegate_->respondsToSelector("installCLITools:"));
        QVERIFY(delegate_->respondsToSelector("openDocument:"));
        QVERIFY(!delegate_->mainNaviVC()->isShowingLoadingUI());
        QCOMPARE(quitCount_, 0);
        QVERIFY(alerts_->shown().empty());
        QVERIFY(!delegate_->mainMenu().projectMenu()->menuAction()->isVisible());
    }

    void theLastRequestDuringInitializationOpensAfterwards() {
        auto setUp = std::make_shared<XAGatedSetUp>();
        XADevEnvironmentSetUp::setShared(setUp);
        delegate_->applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
        const int queriesAfterShowing = ide_->queryCount;
        delegate_->application_openFile("/projects/First.xcodeproj");
        // A double click on the start window while the interface is disabled is kept like any early request.
        XANotificationCenter::defaultCenter().post(
            {XAOpenProjectNotificationName, delegate_->mainNaviVC(),
             XADictionary{{XAOpenProjectNotificationProjectPathKey, XAValue("/projects/Second.xcodeproj")}}});
        QCOMPARE(delegate_->deferredProjectPathToOpen().value_or(""), std::string("/projects/Second.xcodeproj"));
        QVERIFY(projectWindow_->opened.empty());
        setUp->release();
        QVERIFY(XAWaitFor([this] { return !projectWindow_->opened.empty(); }));
        QCOMPARE(projectWindow_->opened, std::vector<std::string>{"/projects/Second.xcodeproj"});
        QVERIFY(!delegate_->deferredProjectPathToOpen());
        QTest::qWait(50);
        QCOMPARE(ide_->queryCount, queriesAfterShowing); // the lists were not reloaded
        QVERIFY(projectWindow_->controller->window()->isVisible());
        QVERIFY(!delegate_->mainNaviVC()->window()->isVisible());
    }

    void withoutARequestTheListsReloadAfterInitialization() {
        auto setUp = std::make_shared<XAGatedSetUp>();
        XADevEnvironmentSetUp::setShared(setUp);
        delegate_->applicationDidFinishLaunching();
        // The load that showing the window started has ended, so the one after initialisation is not refused.
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
        QCOMPARE(ide_->queryCount, 1);
        setUp->release();
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));
        QVERIFY(XAWaitFor([this] { return ide_->queryCount == 2; }));
    }

    void openingSeveralFilesOpensTheFirst() {
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        delegate_->applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));
        delegate_->application_openFiles({"/p/A.xcodeproj", "/p/B.xcodeproj"});
        QCOMPARE(projectWindow_->opened, std::vector<std::string>{"/p/A.xcodeproj"});
    }

    void quittingWaitsForTheProjectWindowsAnswer() {
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        delegate_->applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));

        // The project window closed: the quit happens at once, without asking it.
        delegate_->terminate();
        QCOMPARE(quitCount_, 1);
        QCOMPARE(projectWindow_->closeRequests, 0);

        delegate_->openProjectAtPath("/p/A.xcodeproj");
        QVERIFY(projectWindow_->controller->window()->isVisible());
        delegate_->terminate();
        QCOMPARE(projectWindow_->closeRequests, 1);
        QCOMPARE(quitCount_, 1);
        delegate_->terminate(); // asked again while the answer is pending: still one question
        QCOMPARE(projectWindow_->closeRequests, 1);
        projectWindow_->pendingCompletion(false);
        QCOMPARE(quitCount_, 1);
        delegate_->terminate();
        projectWindow_->pendingCompletion(true);
        QCOMPARE(quitCount_, 2);
        projectWindow_->pendingCompletion(true); // a second answer changes nothing
        QCOMPARE(quitCount_, 2);
    }

    void theProjectMenusShowOnlyForTheProjectWindow() {
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        delegate_->applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));
        auto becomeMain = [](XAWindowController &controller) {
            XANotificationCenter::defaultCenter().post(
                {XAWindowDidBecomeMainNotificationName, controller.window(), {}});
        };
        becomeMain(*projectWindow_->controller);
        QVERIFY(delegate_->mainMenu().projectMenu()->menuAction()->isVisible());
        QVERIFY(delegate_->mainMenu().configurationMenu()->menuAction()->isVisible());
        becomeMain(*delegate_->mainNaviVC());
        QVERIFY(!delegate_->mainMenu().projectMenu()->menuAction()->isVisible());
        QVERIFY(!delegate_->mainMenu().crashAction());
    }

    void debuggingFeaturesAddTheCrashItem() {
        xa_setDebugFeaturesEnabled(XAUserDefaults::standard(), true);
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        delegate_->applicationDidFinishLaunching();
        QVERIFY(delegate_->mainMenu().crashAction());
        QCOMPARE(delegate_->mainMenu().crashAction()->text(), QStringLiteral("Crash The App"));
        QCOMPARE(delegate_->mainMenu().helpMenu()->actions().last(), delegate_->mainMenu().crashAction());
        alerts_->answerNextWith(QStringLiteral("Cancel"));
        delegate_->crashTheApp(nullptr); // cancelled: nothing happens
        QCOMPARE(alerts_->shown().back().alert.title, QStringLiteral("Crash?"));
        QVERIFY(XAWaitFor([this] { return delegate_->userInterfaceEnabled(); }));
    }

    void logLinesFromAnyThreadArriveOnTheGUIThread() {
        XAInstallLogNotificationForwarding();
        XASetLogTargets(XALogTargetStandardError | XALogTargetNotification);
        std::vector<std::pair<std::int64_t, std::string>> received;
        bool onGUIThread = true;
        const std::uint64_t observer = XANotificationCenter::defaultCenter().addObserver(
            XALogMessageNotificationName, nullptr, [&](const XANotification &notification) {
                onGUIThread = onGUIThread && QThread::currentThread() == qApp->thread();
                received.emplace_back(*notification.userInfo.get(XALogMessageNotificationLogLevelKey)->integer(),
                                      *notification.userInfo.get(XALogMessageNotificationMessageKey)->string());
            });
        std::thread worker([] { XALog(XALogLevelError, "  from a worker \n"); });
        worker.join();
        QVERIFY(XAWaitFor([&received] { return !received.empty(); }));
        XASetLogTargets(XALogTargetStandardError);
        XANotificationCenter::defaultCenter().removeObserver(observer);
        QVERIFY(onGUIThread);
        QCOMPARE(received.size(), size_t(1));
        QCOMPARE(received[0].first, std::int64_t(XALogLevelError));
        QCOMPARE(received[0].second, std::string("from a worker"));
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XAFakeXcodeProjectsQuery> ide_;
    std::unique_ptr<XAProjectList> recent_;
    std::shared_ptr<XAFakeProjectWindow> projectWindow_;
    std::unique_ptr<XAAppDelegate> delegate_;
    int quitCount_ = 0;
};

QTEST_MAIN(XAAppDelegateTests)
#include "XAAppDelegateTests.moc"
