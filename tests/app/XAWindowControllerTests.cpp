// The window and view controller base classes: the loading overlay, centring of new windows, sheets with their
// return codes, and the sidebar notification of view controllers.

#include "app/shell/XAAppDelegate.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAOperation.h"
#include "app/shell/XAOperationWindowController.h"
#include "app/shell/XAViewController.h"
#include "app/shell/XAWindow.h"
#include "app/shell/XAWindowController.h"
#include "app/shell/XAWrapperWindowController.h"
#include "support/XADesktopTestSupport.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>

namespace {

// A window with two text fields, the second one the initial first responder.
class XAFormWindowController : public XAWindowController {
public:
    QLineEdit *first = nullptr;
    QLineEdit *second = nullptr;

protected:
    void windowDidLoad() override {
        XAWindowController::windowDidLoad();
        auto *layout = new QVBoxLayout(window()->contentView());
        first = new QLineEdit(window()->contentView());
        second = new QLineEdit(window()->contentView());
        layout->addWidget(first);
        layout->addWidget(second);
        window()->setInitialFirstResponder(second);
    }
};

class XARecordingViewController : public XAViewController {
public:
    int shownCount = 0;
    void xa_sidebarDidShowView(const XANotification &) override { ++shownCount; }
};

} // namespace

class XAWindowControllerTests : public QObject {
    Q_OBJECT

private slots:
    void theOverlayShownTwiceAndHiddenOnceRestoresContentAndFocus() {
        auto controller = std::make_shared<XAFormWindowController>();
        XAWindow *window = controller->window();
        QWidget *content = window->contentView();
        controller->showWindow(nullptr);
        controller->first->setFocus();
        QCOMPARE(window->focusWidget(), controller->first);

        controller->showLoadingUIWithMessage(QStringLiteral("Loading"), std::nullopt);
        QVERIFY(controller->isShowingLoadingUI());
        QVERIFY(controller->loadingViewProgressIndicator()->isAnimating());
        controller->showLoadingUIWithMessage(QStringLiteral("Still loading"), QStringLiteral("step 2"));
        QCOMPARE(controller->loadingViewTextField()->text(), QStringLiteral("Still loading"));
        QCOMPARE(controller->loadingViewSubtitleTextField()->text(), QStringLiteral("step 2"));
        controller->second->setFocus(); // focus moves while the overlay is up

        controller->hideLoadingUI();
        QCOMPARE(window->contentView(), content);
        QCOMPARE(window->focusWidget(), controller->first);
        QVERIFY(!controller->loadingViewProgressIndicator()->isAnimating());
        controller->hideLoadingUI(); // no overlay: nothing changes
        QCOMPARE(window->contentView(), content);
    }

    void beforeTheFirstShowTheInitialFirstResponderIsRestored() {
        auto controller = std::make_shared<XAFormWindowController>();
        controller->showLoadingUIWithMessage(std::nullopt, std::nullopt);
        QCOMPARE(controller->loadingViewTextField()->text(), QString());
        controller->hideLoadingUI();
        QCOMPARE(controller->window()->focusWidget(), controller->second);
    }

    void aWindowWithoutAutosaveNameIsCentredOnTheLatestPrimaryWindow() {
        auto primary = std::make_shared<XAWindowController>();
        primary->window()->setGeometry(100, 100, 800, 600);
        primary->showWindow(nullptr);
        XAWindowController::setLatestVisiblePrimaryWindowProvider([primary] { return primary.get(); });
        const std::shared_ptr<void> resetProvider(
            nullptr, [](void *) { XAWindowController::setLatestVisiblePrimaryWindowProvider(nullptr); });

        auto other = std::make_shared<XAWindowController>();
        other->window()->resize(200, 100);
        other->showWindow(nullptr);
        const QRect primaryFrame = primary->window()->frameGeometry();
        const QRect otherFrame = other->window()->frameGeometry();
        QVERIFY(std::abs(otherFrame.center().x() - primaryFrame.center().x()) <= 1);
        QVERIFY(std::abs(otherFrame.center().y() - primaryFrame.center().y()) <= 1);

        auto remembered = std::make_shared<XAWindowController>();
        remembered->window()->setFrameAutosaveName(QStringLiteral("Remembered"));
        remembered->window()->move(5, 7);
        remembered->showWindow(nullptr);
        QCOMPARE(remembered->window()->pos(), QPoint(5, 7));

        // The latest primary window is never centred on itself.
        const QPoint before = primary->window()->pos();
        primary->showWindow(nullptr);
        QCOMPARE(primary->window()->pos(), before);
        QVERIFY(primary->lastShownTimestamp() > other->lastShownTimestamp());
    }

    void theOperationSheetEndsWithZeroOnCancelAndNeverTwice() {
        auto parent = std::make_shared<XAWindowController>();
        parent->showWindow(nullptr);
        std::atomic<bool> mayFinish = false;
        auto operation = std::make_shared<XABlockOperation>([&mayFinish](XAOperation &) {
            while (!mayFinish.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        auto sheet = std::make_shared<XAOperationWindowController>(
            QStringLiteral("Installing"), QStringLiteral("Copying files"), QImage(), operation);
        std::vector<int> codes;
        sheet->xa_beginOperationModalInParent(parent->window(),
                                              [&codes](XAWindowController *, int code) { codes.push_back(code); });
        QVERIFY(sheet->window()->isVisible());
        QCOMPARE(sheet->titleField()->text(), QStringLiteral("Installing"));
        QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
        QCOMPARE(codes, std::vector<int>{0});
        QVERIFY(operation->isCancelled());
        mayFinish = true;
        QVERIFY(XAWaitFor([&operation] { return operation->isFinished(); }));
        QTest::qWait(50);
        QCOMPARE(codes, std::vector<int>{0});
    }

    void theOperationSheetEndsWithOneWhenTheOperationFinishes() {
        auto parent = std::make_shared<XAWindowController>();
        parent->showWindow(nullptr);
        auto operation = std::make_shared<XABlockOperation>([](XAOperation &) {});
        std::vector<int> codes;
        std::weak_ptr<XAWindowController> weakSheet;
        {
            auto sheet = std::make_shared<XAOperationWindowController>(QStringLiteral("Working"), QString(), QImage(),
                                                                       operation);
            weakSheet = sheet;
            sheet->xa_beginOperationModalInParent(parent->window(),
                                                  [&codes](XAWindowController *, int code) { codes.push_back(code); });
        }
        QVERIFY(!weakSheet.expired()); // the presentation keeps the controller alive
        QVERIFY(XAWaitFor([&codes] { return !codes.empty(); }));
        QCOMPARE(codes, std::vector<int>{1});
        QVERIFY(XAWaitFor([&weakSheet] { return weakSheet.expired(); }, 3000)); // released a second later
    }

    void theWrapperSheetEndsWithOneOnOKAndZeroOnCancel() {
        auto parent = std::make_shared<XAWindowController>();
        parent->showWindow(nullptr);
        for (const auto &[pressOK, expected] : std::vector<std::pair<bool, int>>{{true, 1}, {false, 0}}) {
            auto wrapper = std::make_shared<XAWrapperWindowController>(std::make_shared<XAViewController>(),
                                                                       QStringLiteral("Options"), QString());
            std::vector<int> codes;
            wrapper->xa_showModalInParent(parent->window(),
                                          [&codes](XAWindowController *, int code) { codes.push_back(code); });
            QCOMPARE(wrapper->titleTextField()->text(), QStringLiteral("Options"));
            QTest::mouseClick(pressOK ? wrapper->okButton() : wrapper->cancelButton(), Qt::LeftButton);
            QCOMPARE(codes, std::vector<int>{expected});
        }
    }

    // A sheet opens at its content's size; the size the user gives it is kept under its autosave name and given to
    // the next sheet of that name; one left at its opening size keeps nothing.
    void aWrapperSheetRemembersTheSizeTheUserGaveIt() {
        XADesktopTestEnvironment environment;
        auto parent = std::make_shared<XAWindowController>();
        parent->showWindow(nullptr);
        auto makeSheet = [&](const QString &autosaveName) {
            auto sheet = std::make_shared<XAWrapperWindowController>(std::make_shared<XAViewController>(),
                                                                     QStringLiteral("Options"), autosaveName);
            sheet->xa_showModalInParent(parent->window(), nullptr);
            return sheet;
        };
        auto first = makeSheet(QStringLiteral("optionsWindow"));
        const QSize opening = first->window()->size();
        QVERIFY(opening.width() >= first->okButton()->width() + first->cancelButton()->width());
        QVERIFY(!first->window()->savedSize());
        first->window()->resize(opening + QSize(60, 40)); // as the user drags its corner
        first->okPressed();
        QCOMPARE(first->window()->savedSize(), std::optional(opening + QSize(60, 40)));

        auto second = makeSheet(QStringLiteral("optionsWindow"));
        QCOMPARE(second->window()->size(), opening + QSize(60, 40));
        second->cancelPressed();

        auto other = makeSheet(QStringLiteral("otherWindow"));
        QCOMPARE(other->window()->size(), opening);
        other->okPressed();
        QVERIFY(!other->window()->savedSize());
    }

    // However large a window asks to be, it is shown inside its screen's free area.
    void aWindowIsShownNoLargerThanItsScreen() {
        XAWindowController controller;
        controller.window()->resize(20000, 20000);
        controller.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller.window()));
        const QSize screen = controller.window()->screen()->availableGeometry().size();
        QVERIFY(controller.window()->width() <= screen.width());
        QVERIFY(controller.window()->height() <= screen.height());
    }

    void onlyTheShownViewsControllerHearsFromTheSidebar() {
        XARecordingViewController shown;
        XARecordingViewController other;
        XANotificationCenter::defaultCenter().post({XASidebarViewShownNotificationName, shown.view(), {}});
        other.view();
        QCOMPARE(shown.shownCount, 1);
        QCOMPARE(other.shownCount, 0);
    }
};

QTEST_MAIN(XAWindowControllerTests)
#include "XAWindowControllerTests.moc"
