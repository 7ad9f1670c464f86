// The application menu's auxiliary windows and the update check it starts: About, Preferences and the launcher
// installer open from their items (the installer only once the application is initialised), and "Check for
// Updates…" tells the user what the update address said.

#include "app/config/XAPreferencesWindowController.h"
#include "app/integrations/XAAboutWindowController.h"
#include "app/integrations/XACLIInstallWindowController.h"
#include "app/shell/XAAppDelegate.h"
#include "app/shell/XAWindow.h"
#include "core/XAAppVersion.h"
#include "support/XADesktopTestSupport.h"
#include "support/XALoopbackHTTPServer.h"

#include <QTest>

#include <cstdlib>

class XAAppMenuWindowsTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::unique_ptr<XAAppDelegate> delegate_;

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        delegate_ = std::make_unique<XAAppDelegate>();
    }
    void cleanup() {
        delegate_.reset();
        ::unsetenv("TESSARY_UPDATE_CHECK_URL");
        environment_.reset();
    }

    void theMenuItemsOpenTheirWindows() {
        delegate_->mainMenu().aboutAction()->trigger();
        QVERIFY(delegate_->aboutVC()->window()->isVisible());
        QCOMPARE(delegate_->aboutVC()->window()->windowTitle(), QStringLiteral("About Tessary"));
        delegate_->mainMenu().preferencesAction()->trigger();
        QVERIFY(delegate_->preferencesVC()->window()->isVisible());
        QCOMPARE(delegate_->preferencesVC()->selectedViewController()->identifier(), QStringLiteral("general"));

        delegate_->installCLITools(nullptr); // not yet initialised: nothing opens
        QVERIFY(!delegate_->cliInstallVC()->isWindowLoaded());
        delegate_->setUserInterfaceEnabled(true);
        delegate_->mainMenu().installCLIToolsAction()->trigger();
        QVERIFY(delegate_->cliInstallVC()->window()->isVisible());
    }

    void checkingForUpdatesSaysWhatTheAddressAnswered() {
        XALoopbackHTTPServer server;
        ::setenv("TESSARY_UPDATE_CHECK_URL", server.baseAddress("version").c_str(), 1);
        const struct {
            std::string answer;
            QString title;
        } cases[] = {
            {"{\"version\": \"99.0\"}", QStringLiteral("A new version is available")},
            {"{\"version\": \"" + xa_version() + "\"}", QStringLiteral("You're up to date")},
            {"{\"release\": \"99.0\"}", QStringLiteral("Update check failed")},
        };
        for (const auto &testCase : cases) {
            server.setResponse(200, testCase.answer);
            const std::size_t shownBefore = alerts_->shown().size();
            delegate_->mainMenu().checkForUpdatesAction()->trigger();
            QVERIFY(XAWaitFor([&] { return alerts_->shown().size() == shownBefore + 1; }));
            QCOMPARE(alerts_->shown().back().alert.title, testCase.title);
        }
        ::unsetenv("TESSARY_UPDATE_CHECK_URL");
        delegate_->checkForUpdatesToApp(nullptr);
        QCOMPARE(alerts_->shown().back().alert.title, QStringLiteral("Update check failed"));
        QCOMPARE(alerts_->shown().back().alert.message, QStringLiteral("No address is configured for update checks."));
    }
};

QTEST_MAIN(XAAppMenuWindowsTests)
#include "XAAppMenuWindowsTests.moc"
