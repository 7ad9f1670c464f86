// The dark scrollers and their scroll view: orientation, the drag flag, markers and the corner square.

#include "app/controls/XAQtConversions.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XAScroller.h"
#include "support/XADesktopTestSupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

class XAScrollerTests : public QObject {
    Q_OBJECT

private slots:
    void orientationFollowsTheInitialiser() {
        XAScroller vertical;
        QVERIFY(!vertical.isHorizontal());
        std::unique_ptr<XAScroller> horizontal(XAScroller::initHorizontal());
        QVERIFY(horizontal->isHorizontal());
        QCOMPARE(vertical.xa_backgroundColor(), XAQColor(XAColor::white(0.2)));
        QCOMPARE(vertical.xa_knobColor(), XAQColor(XAColor::white(0.8, 0.7)));
    }

    void theDragFlagHoldsWhileTheKnobIsPressed() {
        XAScroller scroller;
        scroller.setRange(0, 1000);
        scroller.setPageStep(100);
        scroller.resize(15, 300);
        scroller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scroller));
        const QPoint knobCentre = scroller.knobRect().center();
        QTest::mousePress(&scroller, Qt::LeftButton, {}, knobCentre);
        QVERIFY(scroller.xa_isBeingDragged());
        QTest::mouseMove(&scroller, knobCentre + QPoint(0, 30));
        QVERIFY(scroller.xa_isBeingDragged());
        QTest::mouseRelease(&scroller, Qt::LeftButton, {}, knobCentre + QPoint(0, 30));
        QVERIFY(!scroller.xa_isBeingDragged());
        QVERIFY(scroller.value() > 0);
    }

    void markersAreBarsAcrossTheSlot() {
        XAScroller scroller;
        scroller.resize(15, 200);
        const QRectF slot(0, 0, 15, 200);
        const QRectF half = scroller.markerRect({0.25, 0.75, Qt::red}, slot);
        QCOMPARE(half, QRectF(0, 50, 15, 100));
        // A single line of a long document still shows, also at the very end.
        const QRectF thin = scroller.markerRect({0.5, 0.5001, Qt::red}, slot);
        QCOMPARE(thin.height(), 2.0);
        QCOMPARE(thin.top(), 100.0);
        const QRectF atEnd = scroller.markerRect({1.0, 1.0, Qt::red}, slot);
        QCOMPARE(atEnd, QRectF(0, 198, 15, 2));

        scroller.xa_addMarkerWithColor(QColor(189, 83, 81), 0.25, 0.5);
        scroller.xa_addMarkerWithColor(QColor(122, 122, 97), 0.6, 0.7);
        QCOMPARE(scroller.markers().size(), std::size_t(2));
        QCOMPARE(scroller.markers()[1].fromFraction, 0.6);
        const QImage painted = scroller.grab().toImage();
        const QRect slotRect = scroller.slotRect();
        const int markerY = slotRect.top() + int(slotRect.height() * 0.3);
        QCOMPARE(painted.pixelColor(slotRect.center().x(), markerY).rgb(), QColor(189, 83, 81).rgb());
        scroller.xa_clearMarkers();
        QVERIFY(scroller.markers().empty());
        QVERIFY(scroller.grab().toImage().pixelColor(slotRect.center().x(), markerY) != QColor(189, 83, 81));
    }

    void theCornerIsPaintedOnlyBetweenTwoShownScrollers() {
        for (const bool hasHorizontal : {true, false}) {
            XAScrollView scrollView;
            scrollView.setDocumentView(new QPlainTextEdit(QString(200, QLatin1Char('x'))));
            scrollView.setHasHorizontalScroller(hasHorizontal);
            scrollView.resize(200, 150);
            scrollView.show();
            QVERIFY(QTest::qWaitForWindowExposed(&scrollView));
            const QRect corner = scrollView.cornerRect();
            const QImage painted = scrollView.grab().toImage();
            const QColor cornerColor = XAQColor(XAColor::white(0.2));
            if (hasHorizontal) {
                QVERIFY(!corner.isEmpty());
                QCOMPARE(corner.right(), scrollView.width() - 1);
                QCOMPARE(corner.bottom(), scrollView.height() - 1);
                QCOMPARE(painted.pixelColor(corner.center()).rgb(), cornerColor.rgb());
            } else {
                // No square: the vertical scroller runs down to the bottom edge.
                QVERIFY(corner.isEmpty());
                XAScroller *vertical = scrollView.verticalScroller();
                QCOMPARE(vertical->mapTo(&scrollView, QPoint(0, vertical->height())).y(), scrollView.height());
            }
        }
    }

    void aPlainWidgetIsWrappedInAScrollArea() {
        XAScrollView scrollView;
        auto *label = new QLabel(QStringLiteral("content"));
        scrollView.setDocumentView(label);
        QCOMPARE(scrollView.documentView(), label);
        QVERIFY(scrollView.scrollArea() != nullptr);
        QCOMPARE(scrollView.scrollArea()->verticalScrollBar(), scrollView.verticalScroller());
    }
};

QTEST_MAIN(XAScrollerTests)
#include "XAScrollerTests.moc"
