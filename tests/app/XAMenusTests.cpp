// The menus: items that show only while Alt is held, also when Alt changes while the menu is open, and the project
// window's menu items, enabled as the window answers when a menu opens and sent to it when chosen.

#include "app/shell/XAAppDelegate.h"
#include "app/shell/XAGUIState.h"
#include "app/shell/XAMainNaviWindowController.h"
#include "app/shell/XAMenuUpdatingDelegate.h"
#include "app/shell/XAProjectWindow.h"
#include "app/shell/XAWindowController.h"
#include "core/XALaunchMode.h"
#include "support/XADesktopTestSupport.h"

#include <QMenu>
#include <QTest>

#include <set>

namespace {

class XAAnsweringProjectWindow : public XAProjectWindow {
public:
    XAWindowController &windowController() override { return controller; }
    void openProject(const std::string &) override {}
    bool closeProjectWithPossibleUserPromptAndCompletion(std::function<void(bool)>) override { return true; }
    bool respondsToSelector(const std::string &selector) const override { return available.contains(selector); }
    void performAction(const std::string &selector) override { performed.push_back(selector); }

    XAWindowController controller;
    std::set<std::string> available;
    std::vector<std::string> performed;
};

struct XATaggedMenu {
    QMenu menu;
    QAction *plain = menu.addAction(QStringLiteral("Always"));
    QAction *tagged = menu.addAction(QStringLiteral("With Alt"));
    QAction *otherTag = menu.addAction(QStringLiteral("Other tag"));
    XATaggedMenu() {
        tagged->setData(7);
        otherTag->setData(8);
        xa_makeItemsWithTagsVisibleOnlyWhenOptionKeyDepressed(&menu, {7, 99});
    }
};

} // namespace

class XAMenusTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { XAMenuUpdatingDelegate::setKeyboardModifiersProvider(nullptr); }

    void taggedItemsShowWhileAltIsHeldWhenTheMenuOpens_data() {
        QTest::addColumn<bool>("altHeld");
        QTest::newRow("without Alt") << false;
        QTest::newRow("with Alt") << true;
    }

    void taggedItemsShowWhileAltIsHeldWhenTheMenuOpens() {
        QFETCH(bool, altHeld);
        XAMenuUpdatingDelegate::setKeyboardModifiersProvider(
            [altHeld] { return altHeld ? Qt::AltModifier : Qt::NoModifier; });
        XATaggedMenu tagged;
        tagged.menu.popup(QPoint(10, 10));
        QVERIFY(XAWaitFor([&] { return tagged.menu.isVisible(); }));
        QCOMPARE(tagged.tagged->isVisible(), altHeld);
        QVERIFY(tagged.plain->isVisible());
        QVERIFY(tagged.otherTag->isVisible());
        tagged.menu.hide();
    }

    void altPressedOrReleasedWhileTheMenuIsOpenUpdatesIt() {
        XAMenuUpdatingDelegate::setKeyboardModifiersProvider([] { return Qt::NoModifier; });
        XATaggedMenu tagged;
        tagged.menu.popup(QPoint(10, 10));
        QVERIFY(XAWaitFor([&] { return tagged.menu.isVisible(); }));
        XAMenuUpdatingDelegate *delegate = xa_updatingDelegate(&tagged.menu);
        QVERIFY(delegate && delegate->isObservingMenu());
        QVERIFY(!tagged.tagged->isVisible());
        QTest::keyPress(&tagged.menu, Qt::Key_Alt);
        QVERIFY(tagged.tagged->isVisible());
        QTest::keyRelease(&tagged.menu, Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(!tagged.tagged->isVisible());
        QTest::keyPress(&tagged.menu, Qt::Key_Shift);
        QVERIFY(!tagged.tagged->isVisible());
        tagged.menu.hide();
        QVERIFY(!delegate->isObservingMenu());
        // A closed menu no longer follows the key.
        QTest::keyPress(&tagged.menu, Qt::Key_Alt);
        QVERIFY(!tagged.tagged->isVisible());
    }

    void aRemovedDelegateNoLongerUpdatesTheMenu() {
        XATaggedMenu tagged;
        xa_removeUpdatingDelegate(&tagged.menu);
        QVERIFY(!xa_updatingDelegate(&tagged.menu));
        XAMenuUpdatingDelegate::setKeyboardModifiersProvider([] { return Qt::NoModifier; });
        tagged.menu.popup(QPoint(10, 10));
        QVERIFY(XAWaitFor([&] { return tagged.menu.isVisible(); }));
        QVERIFY(tagged.tagged->isVisible());
        tagged.menu.hide();
    }

    void projectWindowItemsFollowTheWindowsAnswerWhenTheMenuOpens() {
        XADesktopTestEnvironment environment;
        XADevEnvironmentSetUp::setShared(std::make_shared<XAFakeDevEnvironmentSetUp>());
        XAXcodeProjectsQuery::setShared(std::make_shared<XAFakeXcodeProjectsQuery>(std::nullopt));
        auto window = std::make_shared<XAAnsweringProjectWindow>();
        window->available = {"reloadProjectFromDisk:", "loadConfiguration:"};
        XAAppDelegate delegate;
        delegate.setProjectWindowFactory([window] { return window; });
        XASetRunningUnitTests(false);
        delegate.setQuitHandler([] {});
        delegate.applicationDidFinishLaunching();
        QVERIFY(XAWaitFor([&] { return delegate.userInterfaceEnabled(); }));
        XAMainMenu &menus = delegate.mainMenu();
        emit menus.projectMenu()->aboutToShow();
        emit menus.configurationMenu()->aboutToShow();
        for (const auto &[selector, action] : menus.projectWindowActions()) {
            QCOMPARE(action->isEnabled(), window->available.contains(selector));
        }
        window->available = {"openProjectInXcode:"};
        emit menus.projectMenu()->aboutToShow();
        QVERIFY(!menus.actionForSelector("reloadProjectFromDisk:")->isEnabled());
        QVERIFY(menus.actionForSelector("openProjectInXcode:")->isEnabled());
        menus.actionForSelector("openProjectInXcode:")->trigger();
        QCOMPARE(window->performed, std::vector<std::string>{"openProjectInXcode:"});
        // Clearing caches is one of the Alt items.
        XAMenuUpdatingDelegate::setKeyboardModifiersProvider([] { return Qt::NoModifier; });
        emit menus.projectMenu()->aboutToShow();
        QVERIFY(!menus.actionForSelector("clearProjectCaches:")->isVisible());
        emit menus.projectMenu()->aboutToHide();
        XAMenuUpdatingDelegate::setKeyboardModifiersProvider([] { return Qt::AltModifier; });
        emit menus.projectMenu()->aboutToShow();
        QVERIFY(menus.actionForSelector("clearProjectCaches:")->isVisible());
        emit menus.projectMenu()->aboutToHide();
        QVERIFY(XAWaitFor([] { return !XAMainNaviWindowController::isProjectListLoadInProgress(); }));
    }
};

QTEST_MAIN(XAMenusTests)
#include "XAMenusTests.moc"
