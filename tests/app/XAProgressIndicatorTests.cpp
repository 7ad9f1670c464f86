// The painted progress bar: binding to a checking run's progress object, what it draws for each state, its colour
// schemes and the phase of its stripes.

#include "app/controls/XAProgressIndicator.h"
#include "support/XADesktopTestSupport.h"

#include <QTest>
#include <QVBoxLayout>

#include <thread>

namespace {

QImage render(XAProgressIndicator &indicator) {
    QImage image(indicator.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    indicator.render(&image);
    return image;
}

// The bar's middle row, away from the shadow line at the top edge.
QColor barPixel(const QImage &image, int x) { return image.pixelColor(x, image.height() / 2 + 2); }

bool isGrey(const QColor &color) {
    return std::abs(color.red() - color.green()) <= 2 && std::abs(color.green() - color.blue()) <= 2;
}

} // namespace

class XAProgressIndicatorTests : public QObject {
    Q_OBJECT

private slots:
    void bindingToNothingChangesNothing() {
        XAProgressIndicator indicator;
        indicator.xa_bindToProgress(nullptr);
        QVERIFY(!indicator.isAnimating());
        QVERIFY(!indicator.isBoundToProgress());
        indicator.xa_unbindFromProgress(); // bound to nothing: no stop, no removal
        indicator.startAnimation();
        indicator.xa_unbindFromProgress();
        QVERIFY(indicator.isAnimating());
    }

    void changesOnAWorkerThreadArriveOnTheGUIThread() {
        XAOperationProgress progress;
        XAProgressIndicator indicator;
        indicator.xa_bindToProgress(&progress);
        QVERIFY(indicator.isBoundToProgress());
        QVERIFY(indicator.isAnimating());
        std::thread worker([&progress] {
            progress.setTotalUnitCount(40);
            progress.setCompletedUnitCount(10);
        });
        worker.join();
        QCOMPARE(indicator.maxValue(), 0.0); // the state at binding; nothing changes on the worker's thread
        QVERIFY(XAWaitFor([&indicator] { return indicator.doubleValue() == 10.0; }));
        QCOMPARE(indicator.maxValue(), 40.0);
        QVERIFY(!indicator.isIndeterminate());

        progress.setTotalUnitCount(-1);
        QVERIFY(XAWaitFor([&indicator] { return indicator.isIndeterminate(); }));
        indicator.xa_unbindFromProgress();
        QVERIFY(!indicator.isAnimating());
        progress.setTotalUnitCount(80);
        QTest::qWait(30);
        QVERIFY(indicator.isIndeterminate());
    }

    void aProgressObjectThatGoesAwayEndsTheBinding() {
        XAProgressIndicator indicator;
        {
            XAOperationProgress progress;
            indicator.xa_bindToProgress(&progress);
        }
        QVERIFY(!indicator.isBoundToProgress());
        indicator.xa_unbindFromProgress();
    }

    void aMaximumEqualToTheMinimumDrawsOnlyTheTrack() {
        XAProgressIndicator indicator;
        indicator.resize(200, 14);
        indicator.setMinValue(5);
        indicator.setMaxValue(5);
        indicator.setDoubleValue(5);
        const QImage image = render(indicator);
        QCOMPARE(barPixel(image, 100), QColor(Qt::black));
        QCOMPARE(barPixel(image, 10), QColor(Qt::black));
    }

    void anIndeterminateBarIsFullAndGrey() {
        XAProgressIndicator indicator;
        indicator.resize(200, 14);
        indicator.setIndeterminate(true);
        const QImage image = render(indicator);
        for (int x : {3, 100, 196}) {
            const QColor pixel = barPixel(image, x);
            QVERIFY2(isGrey(pixel) && pixel.lightness() > 100, qPrintable(pixel.name()));
        }
        indicator.setXa_grayWhenIndeterminate(false);
        indicator.setIndeterminate(true);
        QVERIFY(!isGrey(barPixel(render(indicator), 100)));
        indicator.setIndeterminate(false);
        indicator.setXa_grayWhenIndeterminate(true);
        indicator.setIndeterminate(false);
        QCOMPARE(indicator.xa_barColor(), QColor(Qt::black));
    }

    void aHalfFullBarFillsHalfTheTrack() {
        XAProgressIndicator indicator;
        indicator.resize(200, 14);
        indicator.setMaxValue(10);
        indicator.setDoubleValue(5);
        const QImage image = render(indicator);
        QVERIFY(barPixel(image, 50).green() > 100);
        QCOMPARE(barPixel(image, 150), QColor(Qt::black));
    }

    void anUnknownSchemeKeepsTheColours() {
        XAProgressIndicator indicator;
        indicator.setXa_colorScheme(1);
        const QColor blueTrack(67, 85, 125);
        QCOMPARE(indicator.xa_barColor(), blueTrack);
        indicator.setXa_colorScheme(4);
        QCOMPARE(indicator.xa_barColor(), blueTrack);
        indicator.setXa_barColor(Qt::red);
        indicator.setXa_colorScheme(3);
        QCOMPARE(indicator.xa_barColor(), QColor(Qt::black));
    }

    void theStripePhaseRunsFromOneToTwentyThenZero() {
        XAProgressIndicator indicator;
        indicator.resize(100, 10);
        std::vector<double> phases;
        for (int frame = 0; frame < 22; ++frame) {
            render(indicator);
            phases.push_back(indicator.animationOffset());
        }
        std::vector<double> expected;
        for (int phase = 1; phase <= 20; ++phase) {
            expected.push_back(phase);
        }
        expected.push_back(0);
        expected.push_back(1);
        QCOMPARE(phases, expected);
    }

    void reachingTheMaximumStopsAnIndicatorHiddenWhenStopped() {
        XAProgressIndicator indicator;
        indicator.setMaxValue(10);
        indicator.startAnimation();
        indicator.setDoubleValue(10);
        QVERIFY(indicator.isAnimating()); // displayed when stopped: keeps going
        indicator.setDisplayedWhenStopped(false);
        indicator.setDoubleValue(9.9995);
        QVERIFY(!indicator.isAnimating());
    }

    void screenshotsOfTheThreeSchemes() {
        QWidget panel;
        auto *layout = new QVBoxLayout(&panel);
        panel.setStyleSheet(QStringLiteral("background: #333333;"));
        std::vector<XAProgressIndicator *> bars;
        for (int scheme = 1; scheme <= 3; ++scheme) {
            auto *bar = new XAProgressIndicator(&panel);
            bar->setFixedSize(320, 16);
            bar->setXa_cornerRadius(3);
            bar->setXa_inset(2);
            bar->setXa_colorScheme(scheme);
            bar->setMaxValue(100);
            bar->setDoubleValue(25.0 * (scheme + 0.5));
            layout->addWidget(bar);
            bars.push_back(bar);
        }
        panel.resize(360, 90);
        panel.show();
        QTest::qWait(20);
        for (int scheme = 1; scheme <= 3; ++scheme) {
            XASaveScreenshot(bars[scheme - 1], QStringLiteral("progress-bar-scheme-%1").arg(scheme));
        }
        QVERIFY(!QImage(XASaveScreenshot(&panel, QStringLiteral("progress-bar-schemes"))).isNull());
    }
};

QTEST_MAIN(XAProgressIndicatorTests)
#include "XAProgressIndicatorTests.moc"
