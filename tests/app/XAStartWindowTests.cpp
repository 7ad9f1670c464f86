// The start window: its rows with and without projects open in the IDE, names of projects that share a name, the
// context menu, opening a project, and loading the lists once.

#include "app/controls/XAViewExtensions.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAProjectList.h"
#include "app/shell/XAWindow.h"
#include "support/XADesktopTestSupport.h"

#include <QMenu>
#include <QTest>

#include <filesystem>

namespace {

QStringList actionTitles(QMenu &menu) {
    QStringList titles;
    for (QAction *action : menu.actions()) {
        titles << action->text();
    }
    return titles;
}

QImage blueIcon() {
    QImage icon(64, 64, QImage::Format_ARGB32);
    icon.fill(QColor(40, 90, 200));
    return icon;
}

} // namespace

class XAStartWindowTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        environment_ = std::make_unique<XADesktopTestEnvironment>();
        alerts_ = environment_->alerts();
        revealer_ = std::make_shared<XARecordingFileRevealer>();
        XAFileRevealer::setShared(revealer_);
        recent_ = std::make_unique<XAProjectList>("recentProjects", 30);
    }

    void cleanup() {
        controller_.reset();
        recent_.reset();
        environment_.reset();
    }

    void withoutOpenProjectsTheRecentHeaderIsRowZero() {
        recent_->addProjectWithPath(environment_->makeProject("a", "Alpha"), blueIcon());
        showWithOpenProjects(std::nullopt);
        QCOMPARE(controller_->numberOfRows(), 2);
        QVERIFY(controller_->isGroupRow(0));
        QCOMPARE(std::get<QString>(controller_->projectsListRows()[0]), QStringLiteral("Recent projects"));
        QVERIFY(controller_->rowIsInRecentProjectsSection(1));
        QCOMPARE(controller_->recentProjectsTitleField()->text(), QStringLiteral("Recent projects:"));
        QMenu menu;
        controller_->menuNeedsUpdate(&menu, 1);
        QCOMPARE(actionTitles(menu), QStringList({"Remove From Recent Projects", "Reveal in Finder"}));
        controller_->menuNeedsUpdate(&menu, 0);
        QVERIFY(menu.isEmpty());
        controller_->menuNeedsUpdate(&menu, -1);
        QVERIFY(menu.isEmpty());
    }

    void twoOpenProjectsComeFirstInTheirOwnSection() {
        recent_->addProjectWithPath(environment_->makeProject("r", "Recent"), blueIcon());
        showWithOpenProjects(
            std::vector<std::string>{environment_->makeProject("x", "One"), environment_->makeProject("y", "Two")});
        QCOMPARE(controller_->numberOfRows(), 5);
        QCOMPARE(std::get<QString>(controller_->projectsListRows()[0]), QStringLiteral("Projects open in Xcode"));
        QCOMPARE(std::get<QString>(controller_->projectsListRows()[3]), QStringLiteral("Recent projects"));
        const std::vector<bool> inXcodeSection{true, true, true, false, false};
        for (long row = 0; row < 5; ++row) {
            QCOMPARE(controller_->rowIsInXcodeProjectsSection(row), bool(inXcodeSection[row]));
        }
        QVERIFY(!controller_->rowIsInXcodeProjectsSection(-1));
        QCOMPARE(controller_->projectReferenceForRow(2)->name(), std::string("Two"));
        QVERIFY(!controller_->projectReferenceForRow(3));
        QVERIFY(!controller_->projectReferenceForRow(5));
        QCOMPARE(controller_->heightOfRow(0), 20.0);
        QCOMPARE(controller_->heightOfRow(1), 27.0);

        QMenu menu;
        controller_->menuNeedsUpdate(&menu, 2);
        QCOMPARE(actionTitles(menu), QStringList({"Reveal in Finder"}));
        menu.actions().front()->trigger();
        QCOMPARE(revealer_->revealed, std::vector<std::string>{controller_->projectReferenceForRow(2)->pathOnDisk()});
    }

    void onlyProjectsSharingANameGetASuffix() {
        recent_->addProjectWithPath(environment_->makeProject("work/client", "App"), blueIcon());
        recent_->addProjectWithPath(environment_->makeProject("home/hobby", "App"), blueIcon());
        recent_->addProjectWithPath(environment_->makeProject("solo", "Single"), blueIcon());
        showWithOpenProjects(std::nullopt);
        const QString first = QString::fromStdString(controller_->projectNameText(2).string());
        const QString second = QString::fromStdString(controller_->projectNameText(3).string());
        QVERIFY2(first.startsWith(QStringLiteral("App — ")), qPrintable(first));
        QVERIFY2(second.startsWith(QStringLiteral("App — ")), qPrintable(second));
        QVERIFY(first != second);
        QCOMPARE(QString::fromStdString(controller_->projectNameText(1).string()), QStringLiteral("Single"));
        QCOMPARE(controller_->toolTipForRow(1), QString::fromStdString(recent_->projectReferences()[0].pathOnDisk()));
        QCOMPARE(controller_->toolTipForRow(0), QString());
    }

    void openingAProjectPostsTheRequestAndAMissingOneShowsWhy() {
        const std::string present = environment_->makeProject("here", "Present");
        const std::string missing = environment_->makeProject("gone", "Missing");
        recent_->addProjectWithPath(present, blueIcon());
        recent_->addProjectWithPath(missing, blueIcon());
        std::filesystem::remove_all(missing);
        recent_->loadFromDiskForced(true, nullptr);
        QVERIFY(XAWaitFor([this] { return recent_->projectReferences().size() == 2; }));
        showWithOpenProjects(std::nullopt, /*reload=*/true);

        std::vector<std::string> requested;
        const std::uint64_t observer = XANotificationCenter::defaultCenter().addObserver(
            XAOpenProjectNotificationName, controller_.get(), [&requested](const XANotification &notification) {
                requested.push_back(*notification.userInfo.get(XAOpenProjectNotificationProjectPathKey)->string());
            });
        selectRow(2);
        controller_->recentProjectsDoubleClicked();
        QCOMPARE(requested, std::vector<std::string>{present});
        QVERIFY(controller_->recentProjectsTable()->selectionModel()->selectedRows().isEmpty());

        selectRow(1);
        controller_->recentProjectsDoubleClicked();
        QCOMPARE(requested.size(), size_t(1));
        QCOMPARE(alerts_->shown().size(), size_t(1));
        QCOMPARE(alerts_->shown()[0].alert.title, QStringLiteral("Cannot find project on disk"));
        QVERIFY(!alerts_->shown()[0].alert.message.isEmpty());
        QCOMPARE(alerts_->shown()[0].alert.style, XAAlertStyle::Critical);
        QVERIFY(alerts_->shown()[0].asSheet);
        XANotificationCenter::defaultCenter().removeObserver(observer);
    }

    void removingFromTheMenuRefillsTheTable() {
        recent_->addProjectWithPath(environment_->makeProject("a", "Alpha"), blueIcon());
        recent_->addProjectWithPath(environment_->makeProject("b", "Beta"), blueIcon());
        showWithOpenProjects(std::nullopt);
        QMenu menu;
        controller_->menuNeedsUpdate(&menu, 1);
        menu.actions().front()->trigger();
        QCOMPARE(recent_->projectReferences().size(), size_t(1));
        QCOMPARE(controller_->numberOfRows(), 2);
        QCOMPARE(controller_->projectReferenceForRow(1)->name(), std::string("Alpha"));
    }

    void showingTheWindowTwiceLoadsTheListsOnce() {
        auto ide = std::make_shared<XAFakeXcodeProjectsQuery>(std::nullopt, /*deferred=*/true);
        XAXcodeProjectsQuery::setShared(ide);
        controller_ = std::make_shared<XAMainNaviWindowController>(recent_.get());
        controller_->window(); // its overlay is up until the initialisation ends
        controller_->hideLoadingUI();
        controller_->showWindow(nullptr);
        controller_->showWindow(nullptr);
        QCOMPARE(ide->queryCount, 1);
        QVERIFY(XAWaitFor([this] { return recent_->isLoadedFromDisk(); }));
        QVERIFY(XAWaitFor([this] {
            QLabel *placeholder = xa_placeholderLabel(controller_->recentProjectsTable());
            return placeholder && placeholder->text() == QStringLiteral("Loading projects open in Xcode…");
        }));
        QVERIFY(XAMainNaviWindowController::isProjectListLoadInProgress());
        ide->answer();
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
        QVERIFY(!xa_placeholderLabel(controller_->recentProjectsTable()));
        controller_->showWindow(nullptr);
        QCOMPARE(ide->queryCount, 2);
        ide->answer();
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
    }

    void screenshotWithTwoRecentProjects() {
        recent_->addProjectWithPath(environment_->makeProject("clients/acme", "Storefront"), blueIcon());
        recent_->addProjectWithPath(environment_->makeProject("personal", "Weather"), QImage());
        showWithOpenProjects(std::nullopt);
        controller_->window()->resize(760, 460);
        QTest::qWait(50);
        QVERIFY(!controller_->isShowingLoadingUI());
        const QString path = XASaveScreenshot(controller_->window(), QStringLiteral("start-window"));
        QImage saved(path);
        QVERIFY(!saved.isNull());
        QCOMPARE(controller_->appNameLabel()->text(), QStringLiteral("Tessary"));
        QVERIFY(controller_->appVersionLabel()->text().startsWith(QStringLiteral("Version ")));
    }

private:
    void showWithOpenProjects(std::optional<std::vector<std::string>> openPaths, bool reload = false) {
        XAXcodeProjectsQuery::setShared(std::make_shared<XAFakeXcodeProjectsQuery>(std::move(openPaths)));
        if (!reload) {
            recent_->loadFromDiskForced(false, nullptr);
        }
        controller_ = std::make_shared<XAMainNaviWindowController>(recent_.get());
        controller_->window(); // its overlay is up until the initialisation ends
        controller_->hideLoadingUI();
        controller_->showWindow(nullptr);
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
    }

    void selectRow(int row) {
        controller_->recentProjectsTable()->selectRow(row);
        QCOMPARE(controller_->recentProjectsTable()->selectionModel()->selectedRows().size(), 1);
    }

    std::unique_ptr<XADesktopTestEnvironment> environment_;
    std::shared_ptr<XAScriptedAlertPresenter> alerts_;
    std::shared_ptr<XARecordingFileRevealer> revealer_;
    std::unique_ptr<XAProjectList> recent_;
    std::shared_ptr<XAMainNaviWindowController> controller_;
};

QTEST_MAIN(XAStartWindowTests)
#include "XAStartWindowTests.moc"
