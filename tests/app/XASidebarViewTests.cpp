// The sidebar: buttons mirroring the tab view's pages both ways, the shown-page announcement, badges and the
// drawing of a button; and a picture of the log beside the sidebar.

#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XAScroller.h"
#include "app/controls/XASidebarButtonCell.h"
#include "app/controls/XASidebarView.h"
#include "app/controls/XATabView.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "app/integrations/XASidebarImages.h"
#include "app/shell/XANotificationCenter.h"
#include "app/shell/XAViewController.h"
#include "support/XADesktopTestSupport.h"

#include <QHBoxLayout>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<XATabViewItem> XAImageItem(const QString &label, const std::string &imageName,
                                           QWidget *view = nullptr) {
    auto item = std::make_unique<XATabViewItem>(label, view);
    item->setSidebarImage(XASidebarImageNamed(imageName));
    return item;
}

// A tab view with the project window's two pages, mirrored by a shown sidebar.
struct XASidebarFixture {
    QWidget window;
    XASidebarView *sidebar = new XASidebarView;
    XATabView *tabView = new XATabView;

    XASidebarFixture() {
        tabView->addTabViewItem(XAImageItem(QStringLiteral("Checking log"), "sidebarLogTemplate"));
        tabView->addTabViewItem(XAImageItem(QStringLiteral("Diagnostics"), "sidebarDiagnosticsTemplate"));
        auto *layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        sidebar->setFixedWidth(90);
        layout->addWidget(sidebar);
        layout->addWidget(tabView, 1);
        sidebar->setAssociatedTabView(tabView);
        window.resize(560, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    XASidebarButtonCell *button(int index) const { return sidebar->buttons().at(std::size_t(index)); }
};

class XARecordingViewController : public XAViewController {
public:
    void xa_sidebarDidShowView(const XANotification &) override { ++shownCount; }
    int shownCount = 0;
};

// The alpha-weighted average colour of the image's opaque pixels.
QColor XAAverageOpaqueColor(const QImage &image) {
    double red = 0, green = 0, blue = 0, weight = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QColor pixel = argb.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                red += pixel.red();
                green += pixel.green();
                blue += pixel.blue();
                weight += 1;
            }
        }
    }
    return weight ? QColor(int(red / weight + 0.5), int(green / weight + 0.5), int(blue / weight + 0.5)) : QColor();
}

} // namespace

class XASidebarViewTests : public QObject {
    Q_OBJECT

private slots:
    void buttonsMirrorThePagesWithTintedImages() {
        XASidebarFixture fixture;
        QCOMPARE(fixture.sidebar->buttons().size(), std::size_t(2));
        QCOMPARE(fixture.button(0)->text(), QStringLiteral("Checking log"));
        QCOMPARE(fixture.button(1)->text(), QStringLiteral("Diagnostics"));
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), 0);
        QCOMPARE(fixture.button(0)->geometry(), QRect(0, 0, 90, 70));
        QCOMPARE(fixture.button(1)->geometry(), QRect(0, 70, 90, 70));
        // Template images: white 0.8 when selected, 0.5 otherwise.
        QVERIFY(fixture.button(1)->image() && fixture.button(1)->alternateImage());
        QCOMPARE(XAAverageOpaqueColor(*fixture.button(1)->image()).rgb(), XAQColor(XAColor::white(0.8)).rgb());
        QCOMPARE(XAAverageOpaqueColor(*fixture.button(1)->shownImage()).rgb(), XAQColor(XAColor::white(0.5)).rgb());
        QCOMPARE(XAAverageOpaqueColor(*fixture.button(0)->shownImage()).rgb(), XAQColor(XAColor::white(0.8)).rgb());
    }

    void aPlainPageGetsATitleAndNoImage() {
        XASidebarFixture fixture;
        fixture.tabView->addTabViewItem(std::make_unique<XABasicTabViewItem>(QStringLiteral("Plain"), nullptr));
        QCOMPARE(fixture.sidebar->buttons().size(), std::size_t(3));
        QCOMPARE(fixture.button(2)->text(), QStringLiteral("Plain"));
        QVERIFY(!fixture.button(2)->image());
        QVERIFY(!fixture.button(2)->alternateImage());
    }

    void anImageThatIsNoTemplateKeepsItsColours() {
        XASidebarView sidebar;
        QImage red(8, 8, QImage::Format_ARGB32);
        red.fill(Qt::red);
        XASidebarButtonCell *cell =
            sidebar.addButtonWithTitle(QStringLiteral("Red"), XAImageFromQImage(red), std::nullopt);
        QVERIFY(!cell->isOn());
        QVERIFY(!cell->alternateImage());
        QCOMPARE(XAAverageOpaqueColor(*cell->shownImage()).rgb(), QColor(Qt::red).rgb());
    }

    void addingOrRemovingAPageRebuildsAndReselects() {
        XASidebarFixture fixture;
        fixture.tabView->selectTabViewItemAtIndex(1);
        fixture.sidebar->setBadge(QStringLiteral("3"), XASidebarBadgeTypeError, 0);
        fixture.tabView->insertTabViewItem(std::make_unique<XABasicTabViewItem>(QStringLiteral("First"), nullptr), 0);
        QCOMPARE(fixture.sidebar->buttons().size(), std::size_t(3));
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), 2);    // still the diagnostics page
        QVERIFY(fixture.button(1)->badgeTextsByType().empty()); // a rebuild drops the badges
        fixture.tabView->removeTabViewItemAtIndex(0);
        QCOMPARE(fixture.sidebar->buttons().size(), std::size_t(2));
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), fixture.tabView->indexOfSelectedTabViewItem());
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), 1);
    }

    void aClickSelectsItsPage() {
        XASidebarFixture fixture;
        QTest::mouseClick(fixture.button(1), Qt::LeftButton);
        QCOMPARE(fixture.tabView->indexOfSelectedTabViewItem(), 1);
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), 1);
        QTest::mouseClick(fixture.button(1), Qt::LeftButton); // the selected page's button keeps it
        QCOMPARE(fixture.tabView->indexOfSelectedTabViewItem(), 1);
        QVERIFY(fixture.button(1)->isOn());
    }

    void selectingInCodeMovesTheButtonBeforeTheSwitch() {
        XASidebarFixture fixture;
        int buttonAtAnnouncement = -1;
        const std::uint64_t observation = XANotificationCenter::defaultCenter().addObserver(
            XASidebarViewShownNotificationName, nullptr,
            [&](const XANotification &) { buttonAtAnnouncement = fixture.sidebar->indexOfSelectedItem(); });
        fixture.tabView->selectTabViewItemAtIndex(1);
        XANotificationCenter::defaultCenter().removeObserver(observation);
        QCOMPARE(fixture.sidebar->indexOfSelectedItem(), 1);
        QCOMPARE(buttonAtAnnouncement, 1);
    }

    void theAnnouncementReachesOnlyTheShownPagesController() {
        XARecordingViewController logController;
        XARecordingViewController diagnosticsController;
        XATabView tabView;
        XASidebarView sidebar;
        tabView.addTabViewItem(std::make_unique<XATabViewItem>(QStringLiteral("Checking log"), logController.view()));
        tabView.addTabViewItem(
            std::make_unique<XATabViewItem>(QStringLiteral("Diagnostics"), diagnosticsController.view()));
        sidebar.setAssociatedTabView(&tabView);
        tabView.selectTabViewItemAtIndex(1);
        QCOMPARE(diagnosticsController.shownCount, 1);
        QCOMPARE(logController.shownCount, 0);
        sidebar.buttons()[0]->click();
        QCOMPARE(logController.shownCount, 1);
        QCOMPARE(diagnosticsController.shownCount, 1);
    }

    void titlesFitAndBadgesStackAboveTheTitle() {
        XASidebarFixture fixture;
        fixture.sidebar->setBadge(QStringLiteral("2"), XASidebarBadgeTypeError, 0);
        fixture.sidebar->setBadge(QStringLiteral("14"), XASidebarBadgeTypeWarning, 0);
        for (XASidebarButtonCell *button : fixture.sidebar->buttons()) {
            const QRectF frame = button->rect();
            QVERIFY2(QFontMetricsF(button->titleFont()).horizontalAdvance(button->text()) <= frame.width(),
                     qPrintable(button->text()));
        }
        // Badges of 12-point bold text: two of them end well above the title's 18-point strip at the bottom.
        const QRectF frame = fixture.button(0)->rect();
        const auto rects = fixture.button(0)->badgeRects(frame);
        QCOMPARE(rects.size(), std::size_t(2));
        QCOMPARE(XASidebarButtonCell::xa_badgeTextFont().pixelSize(), 12);
        QVERIFY(rects[1].second.bottom() <= 5 + 2 * 16 + 1);
        QVERIFY(rects[1].second.bottom() < fixture.button(0)->titleRect(frame).top());
    }

    void badgesAreSetRemovedAndStackedFromTheTop() {
        XASidebarButtonCell cell;
        const QRectF frame(0, 0, 80, 70);
        cell.xa_setBadgeText(QStringLiteral("5"), 0);
        QVERIFY(cell.badgeTextsByType().empty());

        cell.xa_setBadgeText(QStringLiteral("12"), XASidebarBadgeTypeWarning);
        auto rects = cell.badgeRects(frame);
        QCOMPARE(rects.size(), std::size_t(1));
        QCOMPARE(rects[0].first, XASidebarBadgeTypeWarning);
        QCOMPARE(rects[0].second.top(), 5.0); // a warning alone sits at the top
        QCOMPARE(rects[0].second.right(), 75.0);

        cell.xa_setBadgeText(QStringLiteral(""), XASidebarBadgeTypeError); // empty: no badge, no room taken
        rects = cell.badgeRects(frame);
        QCOMPARE(rects.size(), std::size_t(1));
        QCOMPARE(rects[0].second.top(), 5.0);

        cell.xa_setBadgeText(QStringLiteral("3"), XASidebarBadgeTypeError);
        rects = cell.badgeRects(frame);
        QCOMPARE(rects.size(), std::size_t(2));
        QCOMPARE(rects[0].first, XASidebarBadgeTypeError);
        QCOMPARE(rects[1].second.top(), rects[0].second.bottom() + 1);

        cell.xa_setBadgeText(std::nullopt, XASidebarBadgeTypeError);
        QVERIFY(!cell.badgeTextsByType().contains(XASidebarBadgeTypeError));
        QCOMPARE(cell.badgeRects(frame)[0].second.top(), 5.0);
    }

    void aBadgeIsPaintedInTheColourOfItsType() {
        XASidebarFixture fixture;
        fixture.sidebar->setBadge(QStringLiteral("1"), XASidebarBadgeTypeError, 1);
        const auto rects = fixture.button(1)->badgeRects(fixture.button(1)->rect());
        const QImage painted = fixture.button(1)->grab().toImage();
        const QPointF edge = rects[0].second.topLeft() + QPointF(2, rects[0].second.height() / 2);
        QCOMPARE(painted.pixelColor(edge.toPoint()).rgb(), QColor(191, 61, 61).rgb());
    }

    void aPressedButtonShrinksAndDarkens() {
        XASidebarFixture fixture;
        XASidebarButtonCell *button = fixture.button(1);
        const QRectF frame = button->rect();
        QCOMPARE(button->imageRect(frame).size(), QSizeF(40, 40));
        QCOMPARE(button->titleFont().pixelSize(), 11);
        QCOMPARE(button->bezelFillColor(), XAQColor(XAColor::white(0.26)));
        QCOMPARE(fixture.button(0)->bezelFillColor(), XAQColor(XAColor::white(0.21)));

        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(button->isHighlighted());
        QCOMPARE(button->imageRect(frame).size(), QSizeF(36, 36));
        QCOMPARE(button->imageRect(frame).center(),
                 QRectF((frame.width() - 40) / 2, 4 + (70 - 18 - 8 - 40) / 2.0, 40, 40).center());
        QCOMPARE(button->titleFont().pixelSize(), 10);
        QCOMPARE(button->bezelFillColor(), XAQColor(XAColor::white(0.16)));
        QCOMPARE(button->grab().toImage().pixelColor(2, 40).rgb(), XAQColor(XAColor::white(0.16)).rgb());

        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(!button->isHighlighted());
        QCOMPARE(button->imageRect(frame).size(), QSizeF(40, 40));
        QCOMPARE(button->grab().toImage().pixelColor(2, 40).rgb(),
                 XAQColor(XAColor::white(0.21)).rgb()); // now selected
    }

    void theLogBesideTheSidebarWithBothBadges() {
        XASidebarFixture fixture;
        auto *log = new XACheckingOperationLogView;
        fixture.tabView->removeTabViewItemAtIndex(0);
        auto item = XAImageItem(QStringLiteral("Checking log"), "sidebarLogTemplate", log);
        fixture.tabView->insertTabViewItem(std::move(item), 0);
        fixture.tabView->selectTabViewItemAtIndex(0);
        fixture.sidebar->setBadge(QStringLiteral("2"), XASidebarBadgeTypeError, 0);
        fixture.sidebar->setBadge(QStringLiteral("14"), XASidebarBadgeTypeWarning, 0);
        log->logMessage("Loading project Example.xcodeproj", std::nullopt);
        for (int i = 0; i < 6; ++i) {
            log->logMessage("Checking Sources/File" + std::to_string(i) + ".m", XAColor::grayColor());
        }
        log->logMessage("Sources/Broken.m:12:3: error: use of undeclared identifier 'foo'", XAColor::redColor());
        log->logMessage("ERROR: could not read Resources/Main.strings", XAColor::redColor());
        for (int i = 6; i < 9; ++i) {
            log->logMessage("Checking Sources/File" + std::to_string(i) + ".m", std::nullopt);
        }
        log->logMessage("Sources/Old.m:40:9: warning: 'foo' is deprecated", XAColor::yellowColor());
        for (int i = 9; i < 18; ++i) {
            log->logMessage("Checking Sources/File" + std::to_string(i) + ".m", std::nullopt);
        }
        log->logMessage("Checked 18 files: 2 errors, 14 warnings", XAColor::greenColor());
        log->flushQueuedMessages();
        log->updateScrollerMarkers();
        QCOMPARE(log->scrollView()->verticalScroller()->markers().size(), std::size_t(2));
        const QString path = XASaveScreenshot(&fixture.window, QStringLiteral("log-sidebar"));
        QVERIFY(!QImage(path).isNull());
    }
};

QTEST_MAIN(XASidebarViewTests)
#include "XASidebarViewTests.moc"
