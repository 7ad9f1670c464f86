// The checking log: batched appends, following the end, line colours, scroller marks and the progress handler.

#include "app/controls/XAScrollView.h"
#include "app/controls/XAScroller.h"
#include "app/diagnostics/XACheckingOperationLogView.h"
#include "support/XADesktopTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <thread>

namespace {

// A shown log whose timers never fire on their own during a test, so that each flush is the test's.
struct XAShownLog {
    XACheckingOperationLogView view;
    XAShownLog() {
        view.setFlushIntervalMilliseconds(3600 * 1000);
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QString text() const { return view.textView()->toPlainText(); }
    QScrollBar *scroller() const { return view.textView()->verticalScrollBar(); }
    void logLines(int count, const std::optional<XAColor> &color = std::nullopt) {
        for (int i = 0; i < count; ++i) {
            view.logMessage("line " + std::to_string(i), color);
        }
    }
    QTextCharFormat formatOfLine(int line) const {
        const QTextBlock block = view.textView()->document()->findBlockByNumber(line);
        return block.begin().fragment().charFormat();
    }
};

} // namespace

class XACheckingOperationLogViewTests : public QObject {
    Q_OBJECT

private slots:
    void linesAppearOnlyAtAFlushEachWithOneLineBreak() {
        XAShownLog log;
        log.view.logMessage("first", std::nullopt);
        log.view.logMessage(std::nullopt, XAColor::redColor());
        log.view.logMessage("ends with a break\n", std::nullopt);
        log.view.logMessage("", std::nullopt);
        QCOMPARE(log.text(), QString());
        QCOMPARE(log.view.queuedMessages().size(), std::size_t(3));
        log.view.flushQueuedMessages();
        QCOMPARE(log.text(), QStringLiteral("first\nends with a break\n\n\n"));
        QVERIFY(log.view.queuedMessages().empty());
    }

    void theFocusedLogShowsNoCaretButStaysSelectable() {
        XAShownLog log;
        QTextEdit *text = log.view.textView();
        log.view.activateWindow();
        text->setFocus();
        QVERIFY(XAWaitFor([text] { return text->hasFocus(); }));
        // The caret would be drawn at the cursor's place at the start of the empty log.
        const QImage picture = text->viewport()->grab().toImage();
        const QRect caret = text->cursorRect();
        const QColor background = text->palette().color(QPalette::Base);
        for (int y = caret.top() + 1; y < caret.bottom(); ++y) {
            for (int x = std::max(0, caret.left() - 1); x <= caret.right() + 1; ++x) {
                QCOMPARE(picture.pixelColor(x, y).rgb(), background.rgb());
            }
        }
        QVERIFY(text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    }

    void theFlushTimerAppendsQueuedLines() {
        XACheckingOperationLogView view;
        view.setFlushIntervalMilliseconds(5);
        view.logMessage("from the timer", std::nullopt);
        QVERIFY(XAWaitFor([&view] { return !view.textView()->toPlainText().isEmpty(); }));
        QCOMPARE(view.textView()->toPlainText(), QStringLiteral("from the timer\n"));
    }

    void anEmptyFlushChangesNothingAndDoesNotScroll() {
        XAShownLog log;
        log.logLines(100);
        log.view.flushQueuedMessages();
        log.scroller()->setValue(10);
        const QString before = log.text();
        log.view.flushQueuedMessages();
        QCOMPARE(log.text(), before);
        QCOMPARE(log.scroller()->value(), 10);
    }

    void followsTheEndUnlessScrolledUp() {
        XAShownLog log;
        log.logLines(3);
        log.view.flushQueuedMessages(); // too short to scroll: follows
        QCOMPARE(log.scroller()->maximum(), 0);
        log.logLines(100);
        log.view.flushQueuedMessages();
        QVERIFY(log.scroller()->maximum() > 0);
        QCOMPARE(log.scroller()->value(), log.scroller()->maximum());

        log.logLines(50);
        log.view.flushQueuedMessages(); // at the bottom: follows
        QCOMPARE(log.scroller()->value(), log.scroller()->maximum());

        log.scroller()->setValue(log.scroller()->maximum() / 2);
        const int readingPlace = log.scroller()->value();
        log.logLines(50);
        log.view.flushQueuedMessages(); // scrolled up: stays
        QCOMPARE(log.scroller()->value(), readingPlace);
        QVERIFY(log.scroller()->maximum() > readingPlace);
    }

    void lineColoursFollowTheKindOfTheLine_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("mark");
        QTest::addColumn<bool>("whiteText");
        const QColor none;
        QTest::newRow("red") << 1 << QColor(51, 37, 37) << QColor(189, 83, 81) << false;
        QTest::newRow("yellow") << 2 << none << QColor(122, 122, 97) << false;
        QTest::newRow("green") << 3 << none << none << false;
        QTest::newRow("grey") << 4 << none << none << false;
        QTest::newRow("none") << 0 << none << none << true;
    }

    void lineColoursFollowTheKindOfTheLine() {
        QFETCH(int, colour);
        QFETCH(QColor, background);
        QFETCH(QColor, mark);
        QFETCH(bool, whiteText);
        const std::optional<XAColor> colours[] = {std::nullopt, XAColor::redColor(), XAColor::yellowColor(),
                                                  XAColor::greenColor(), XAColor::grayColor()};
        XAShownLog log;
        log.view.logMessage("a line", colours[colour]);
        log.view.flushQueuedMessages();
        const QTextCharFormat format = log.formatOfLine(0);
        QCOMPARE(format.hasProperty(QTextFormat::BackgroundBrush), background.isValid());
        if (background.isValid()) {
            QCOMPARE(format.background().color(), background);
        }
        QCOMPARE(format.hasProperty(XAScrollerIndicatorColorProperty), mark.isValid());
        if (mark.isValid()) {
            QCOMPARE(format.colorProperty(XAScrollerIndicatorColorProperty), mark);
        }
        const QColor text = format.foreground().color();
        if (whiteText) {
            QCOMPARE(text, QColor(Qt::white));
        } else {
            // The colour's lightly saturated variant: saturation at most 0.2, the hue kept.
            QVERIFY(text.hsvSaturationF() <= 0.2 + 1e-6);
            if (colours[colour] != XAColor::grayColor()) {
                QVERIFY(text.hsvSaturationF() > 0.1);
            }
        }
        QCOMPARE(format.font().pointSizeF(), 11.0);
        QVERIFY(QFontInfo(format.font()).fixedPitch());
    }

    void consecutiveLinesOfOneColourMakeOneMarker() {
        XAShownLog log;
        log.logLines(10);
        log.logLines(3, XAColor::redColor());
        log.logLines(10);
        log.view.logMessage("error", XAColor::redColor());
        log.view.logMessage("warning", XAColor::yellowColor());
        log.logLines(10, XAColor::greenColor());
        log.view.flushQueuedMessages();
        log.view.updateScrollerMarkers();
        const std::vector<XAScrollerMarker> &markers = log.view.scrollView()->verticalScroller()->markers();
        QCOMPARE(markers.size(), std::size_t(3));
        QCOMPARE(markers[0].color, QColor(189, 83, 81));
        QCOMPARE(markers[1].color, QColor(189, 83, 81));
        QCOMPARE(markers[2].color, QColor(122, 122, 97));

        // The fractions are the lines' places in the laid-out document.
        QTextDocument *document = log.view.textView()->document();
        QAbstractTextDocumentLayout *layout = document->documentLayout();
        const double height =
            std::max<double>(layout->documentSize().height(), log.view.textView()->viewport()->height());
        auto lineRect = [&](int line) { return layout->blockBoundingRect(document->findBlockByNumber(line)); };
        QCOMPARE(markers[0].fromFraction, lineRect(10).top() / height);
        QCOMPARE(markers[0].toFraction, lineRect(12).bottom() / height);
        QCOMPARE(markers[1].fromFraction, lineRect(23).top() / height);
        QCOMPARE(markers[2].fromFraction, lineRect(24).top() / height);
        QCOMPARE(markers[2].toFraction, lineRect(24).bottom() / height);
        QVERIFY(markers[0].fromFraction < markers[0].toFraction);
    }

    void markersFollowASettledSizeChange() {
        XAShownLog log;
        log.view.setMarkerUpdateDelayMilliseconds(5);
        log.view.logMessage("error", XAColor::redColor());
        log.view.flushQueuedMessages();
        QVERIFY(log.view.isMarkerUpdatePending());
        QVERIFY(log.view.scrollView()->verticalScroller()->markers().empty());
        QVERIFY(XAWaitFor([&log] { return !log.view.scrollView()->verticalScroller()->markers().empty(); }));
        QVERIFY(!log.view.isMarkerUpdatePending());
    }

    void clearingRemovesTextAndMarkersButKeepsQueuedLines() {
        XAShownLog log;
        log.logLines(2, XAColor::redColor());
        log.view.flushQueuedMessages();
        log.view.updateScrollerMarkers();
        QCOMPARE(log.view.scrollView()->verticalScroller()->markers().size(), std::size_t(1));
        log.view.logMessage("queued before the clear", std::nullopt);
        log.view.clearLog();
        QCOMPARE(log.text(), QString());
        QVERIFY(log.view.scrollView()->verticalScroller()->markers().empty());
        log.view.flushQueuedMessages();
        QCOMPARE(log.text(), QStringLiteral("queued before the clear\n"));
    }

    void holdingTheScrollerCountsAsManipulation() {
        XAShownLog log;
        log.logLines(300);
        log.view.flushQueuedMessages();
        XAScroller *scroller = log.view.scrollView()->verticalScroller();
        QVERIFY(!log.view.scrollViewIsBeingManipulated());
        const QPoint knob = scroller->knobRect().center();
        QTest::mousePress(scroller, Qt::LeftButton, {}, knob);
        QVERIFY(log.view.scrollViewIsBeingManipulated());
        QTest::mouseRelease(scroller, Qt::LeftButton, {}, knob);
        QVERIFY(!log.view.scrollViewIsBeingManipulated());
    }

    void theProgressHandlerWorksFromAnyThread() {
        XAShownLog log;
        XAProgressHandler handler = log.view.standardProgressHandler();
        handler(XAProgressMessage(XAProgressMessageKindWarning, "on the GUI thread"));
        QCOMPARE(log.view.queuedMessages().size(), std::size_t(1));
        QCOMPARE(log.view.queuedMessages()[0].second(), std::optional<XAColor>(XAColor::yellowColor()));
        std::thread worker([handler] { handler(XAProgressMessage(XAProgressMessageKindError, "from a worker")); });
        worker.join();
        QCOMPARE(log.view.queuedMessages().size(), std::size_t(1)); // posted, not queued off the GUI thread
        QVERIFY(XAWaitFor([&log] { return log.view.queuedMessages().size() == 2; }));
        QCOMPARE(log.view.queuedMessages()[1].first(), std::string("ERROR: from a worker"));

        // A handler that outlives its view drops what it gets.
        auto *shortLived = new XACheckingOperationLogView;
        XAProgressHandler orphan = shortLived->standardProgressHandler();
        delete shortLived;
        orphan(XAProgressMessage(XAProgressMessageKindError, "too late"));
    }

    void aBurstOfLinesIsAppendedInShortFlushes() {
        XAShownLog log;
        const int linesPerFlush = 2000; // 20,000 lines within one second, ten flushes
        qint64 longestFlush = 0;
        for (int flush = 0; flush < 10; ++flush) {
            for (int i = 0; i < linesPerFlush; ++i) {
                log.view.logMessage("Checking /project/Sources/File" + std::to_string(flush * linesPerFlush + i) + ".m",
                                    i % 50 == 0 ? std::optional<XAColor>(XAColor::yellowColor()) : std::nullopt);
            }
            QElapsedTimer timer;
            timer.start();
            log.view.flushQueuedMessages();
            longestFlush = std::max(longestFlush, timer.elapsed());
        }
        QElapsedTimer markTimer;
        markTimer.start();
        log.view.updateScrollerMarkers();
        qInfo("longest flush of %d lines: %lld ms; marks over 20,000 lines: %lld ms", linesPerFlush, longestFlush,
              markTimer.elapsed());
        QCOMPARE(log.view.textView()->document()->blockCount(), 20001);
        QCOMPARE(log.scroller()->value(), log.scroller()->maximum());
    }
};

QTEST_MAIN(XACheckingOperationLogViewTests)
#include "XACheckingOperationLogViewTests.moc"
