// The widget-tree, scroll-area, table and tab helpers, and the small views: the split view's divider, the title
// background box and the image-only cell.

#include "app/controls/XAImageButtonCell.h"
#include "app/controls/XAScrollAndTableExtensions.h"
#include "app/controls/XASplitView.h"
#include "app/controls/XATitleBackgroundBox.h"
#include "app/controls/XAViewExtensions.h"
#include "support/XADesktopTestSupport.h"

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

QImage filledImage(QSize size, QColor color) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QImage grabbed(QWidget *widget) { return widget->grab().toImage(); }

} // namespace

class XAViewHelpersTests : public QObject {
    Q_OBJECT

private slots:
    void subviewsByIndexAndBreadthFirst() {
        QWidget root;
        auto *a = new QWidget(&root);
        auto *b = new QWidget(&root);
        auto *a1 = new QWidget(a);
        auto *b1 = new QWidget(b);
        auto *a1x = new QWidget(a1);
        a->setObjectName("a");
        b->setObjectName("b");
        a1->setObjectName("a1");
        b1->setObjectName("b1");
        a1x->setObjectName("a1x");

        QCOMPARE(xa_subviewAtIndex(&root, 1), b);
        QCOMPARE(xa_subviewAtIndex(&root, 2), nullptr); // at the count
        QCOMPARE(xa_subviewAtIndex(&root, -1), nullptr);

        QStringList order;
        xa_recurseSubviewsWithBlock(&root, [&order](QWidget *view, bool &) { order << view->objectName(); });
        QCOMPARE(order, QStringList({"a", "b", "a1", "b1", "a1x"}));

        order.clear();
        xa_recurseSubviewsWithBlock(&root, [&order](QWidget *view, bool &stop) {
            order << view->objectName();
            stop = view->objectName() == QLatin1String("a1");
        });
        QCOMPARE(order, QStringList({"a", "b", "a1"}));

        bool called = false;
        xa_recurseSubviewsWithBlock(a1x, [&called](QWidget *, bool &) { called = true; });
        QVERIFY(!called);

        xa_bringSubviewToFront(&root, a);
        QCOMPARE(xa_subviewAtIndex(&root, 1), a);
    }

    void replacingAndRemovingSubviews() {
        QWidget root;
        auto *replacement = new QWidget;
        xa_replaceFirstSubviewWithView(&root, replacement); // none there: added
        QCOMPARE(xa_subviewAtIndex(&root, 0), replacement);

        auto *second = new QWidget(&root);
        auto *newFirst = new QWidget;
        replacement->setGeometry(1, 2, 3, 4);
        QPointer<QWidget> old = replacement;
        xa_replaceFirstSubviewWithView(&root, newFirst);
        QVERIFY(old.isNull());
        QCOMPARE(xa_subviewAtIndex(&root, 0), newFirst);
        QCOMPARE(xa_subviewAtIndex(&root, 1), second);
        QCOMPARE(newFirst->geometry(), QRect(1, 2, 3, 4));

        xa_removeAllSubviews(&root);
        QCOMPARE(xa_subviewAtIndex(&root, 0), nullptr);
    }

    void centringOnAWindowUsesTheFramesMiddle() {
        QWidget other;
        other.setGeometry(100, 200, 400, 300);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QWidget window;
        window.resize(100, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        xa_centerOnWindow(&window, &other);
        const QRect own = window.frameGeometry();
        const QRect frame = other.frameGeometry();
        QCOMPARE(own.x(), frame.x() + (frame.width() - own.width()) / 2);
        QCOMPARE(own.y(), frame.y() + (frame.height() - own.height()) / 2);
    }

    void focusNeedsTheActiveWindowAndNoSheetOnIt() {
        QWidget window;
        auto *field = new QLineEdit(&window);
        auto *other = new QLineEdit(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QVERIFY(XAWaitFor([&] { return field->hasFocus(); }));
        QVERIFY(xa_isFocused(field));
        QVERIFY(!xa_isFocused(other));

        QDialog sheet(&window);
        auto *sheetField = new QLineEdit(&sheet);
        sheet.setWindowModality(Qt::WindowModal);
        sheet.show();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        sheetField->setFocus();
        QVERIFY(XAWaitFor([&] { return sheetField->hasFocus(); }));
        QVERIFY(xa_isFocused(sheetField)); // inside the front-most dialog
        QVERIFY(!xa_isFocused(field));
    }

    void scrollQueriesFollowTheScrollBar() {
        QPlainTextEdit text;
        text.resize(200, 100);
        text.show();
        QVERIFY(QTest::qWaitForWindowExposed(&text));
        QVERIFY(!xa_hasEnoughContentToScrollVertically(&text));
        QVERIFY(xa_isScrolledToTop(&text));
        QStringList lines;
        for (int line = 0; line < 200; ++line) {
            lines << QStringLiteral("line %1").arg(line);
        }
        text.setPlainText(lines.join(QLatin1Char('\n')));
        QVERIFY(XAWaitFor([&] { return xa_hasEnoughContentToScrollVertically(&text); }));
        QVERIFY(!xa_hasEnoughContentToScrollHorizontally(&text));
        QVERIFY(xa_isScrolledToTop(&text));
        QVERIFY(!xa_isScrolledToBottom(&text));
        text.verticalScrollBar()->setValue(text.verticalScrollBar()->maximum());
        QVERIFY(xa_isScrolledToBottom(&text));
        QVERIFY(!xa_isScrolledToTop(&text));
        text.verticalScrollBar()->setValue(text.verticalScrollBar()->maximum() - 1); // more than 0.001 away
        QVERIFY(!xa_isScrolledToBottom(&text));
    }

    void rowHeightsAndTotals() {
        QStandardItemModel model(3, 1);
        QTableView table;
        table.setModel(&model);
        table.verticalHeader()->setDefaultSectionSize(20);
        table.verticalHeader()->resizeSection(1, 35);
        QCOMPARE(xa_heightOfRow(&table, 1), 0.0); // without custom row heights
        xa_setIntercellSpacingHeight(&table, 2);
        QCOMPARE(xa_totalHeightOfAllRows(&table), 6.0); // only the spacing

        xa_setRowSizeStyle(&table, XATableRowSizeStyle::Custom);
        QCOMPARE(xa_heightOfRow(&table, 1), 35.0);
        QCOMPARE(xa_totalHeightOfAllRows(&table), 20.0 + 35.0 + 20.0 + 3 * 2.0);
        const double header = table.horizontalHeader()->sizeHint().height();
        QVERIFY(header > 0);
        QCOMPARE(xa_totalContentHeight(&table), 81.0 + header);
        table.horizontalHeader()->hide();
        QCOMPARE(xa_totalContentHeight(&table), 81.0);

        QStandardItemModel empty(0, 1);
        table.setModel(&empty);
        QCOMPARE(xa_totalHeightOfAllRows(&table), 0.0);
    }

    void fadingOutHidesTheViewAtTheEnd() {
        QWidget parent;
        auto *view = new QWidget(&parent);
        parent.show();
        xa_fadeOutWithDuration(view, 0.05);
        QVERIFY(view->isVisible());
        QVERIFY(XAWaitFor([view] { return !view->isVisible(); }));
        QCOMPARE(view->graphicsEffect(), nullptr);
        xa_fadeInWithDuration(view, 0.05);
        QVERIFY(view->isVisible());
        QVERIFY(XAWaitFor([view] { return view->graphicsEffect() == nullptr; }));
        QVERIFY(view->isVisible());
    }

    void removingAllTabs() {
        QTabWidget tabs;
        tabs.addTab(new QWidget, QStringLiteral("One"));
        tabs.addTab(new QWidget, QStringLiteral("Two"));
        xa_removeAllTabViewItems(&tabs);
        QCOMPARE(tabs.count(), 0);
    }

    void theSplitViewsDividerIsBlackUnlessSet() {
        XASplitView split;
        split.addWidget(new QWidget);
        split.addWidget(new QWidget);
        split.resize(101, 50);
        split.show();
        QVERIFY(QTest::qWaitForWindowExposed(&split));
        const QSplitterHandle *handle = split.handle(1);
        QCOMPARE(handle->contentsRect().width(), 1);
        const int x = handle->x() + handle->contentsRect().x();
        QCOMPARE(grabbed(&split).pixelColor(x, 25), QColor(Qt::black));
        split.setXa_dividerColor(QColor(200, 10, 10));
        QCOMPARE(grabbed(&split).pixelColor(x, 25), QColor(200, 10, 10));
    }

    void theTitleBoxFillsWithItsShade() {
        XATitleBackgroundBox box;
        box.resize(20, 10);
        QCOMPARE(grabbed(&box).pixelColor(5, 5).rgb(), QColor::fromRgbF(0.2, 0.2, 0.2).rgb());
        box.setXa_isSecondaryTitle(true);
        QCOMPARE(grabbed(&box).pixelColor(5, 5).rgb(), QColor::fromRgbF(0.15, 0.15, 0.15).rgb());
    }

    void theImageCellChoosesItsImageAndCentresIt() {
        XAImageButtonCell cell;
        const QImage plain = filledImage({4, 4}, Qt::red);
        cell.setImage(plain);
        QCOMPARE(cell.imageFor(true, true), plain); // no special images: always the plain one
        const QImage pressed = filledImage({4, 4}, Qt::green);
        const QImage selected = filledImage({4, 4}, Qt::blue);
        cell.setXa_imageWhenPressed(pressed);
        cell.setXa_imageWhenOnHighlightedTableRow(selected);
        QCOMPARE(cell.imageFor(true, true), pressed);
        QCOMPARE(cell.imageFor(false, true), selected);
        QCOMPARE(cell.imageFor(false, false), plain);

        QImage canvas = filledImage({20, 10}, Qt::black);
        QPainter painter(&canvas);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 20, 10);
        option.state = QStyle::State_Selected;
        cell.paint(&painter, option, QModelIndex());
        painter.end();
        QCOMPARE(canvas.pixelColor(8, 3), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(11, 6), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(7, 3), QColor(Qt::black));
        QCOMPARE(canvas.pixelColor(12, 6), QColor(Qt::black));
    }
};

QTEST_MAIN(XAViewHelpersTests)
#include "XAViewHelpersTests.moc"
