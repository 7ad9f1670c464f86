// The helpers the windows share: alerts in one call, colours, styled text as rich text, images, the placeholder
// label, centring and the throttle on the GUI thread.

#include "app/controls/XAAlerts.h"
#include "app/controls/XAQtConversions.h"
#include "app/controls/XATextFieldCell.h"
#include "app/controls/XAViewExtensions.h"
#include "app/shell/XADispatch.h"
#include "support/XADesktopTestSupport.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>

class XADesktopHelpersTests : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { XAAlertPresenter::setShared(nullptr); }

    void alertsKeepOnlyStringButtonsAndReportTheChosenOne() {
        const XAAlert alert = xa_alertWithTitle(QStringLiteral("Title"), QStringLiteral("Text"), XAAlertStyle::Critical,
                                                {QStringLiteral("Save"), 42, QStringLiteral("Cancel")});
        QCOMPARE(alert.buttons, QStringList({"Save", "Cancel"}));
        QCOMPARE(alert.title, QStringLiteral("Title"));
        QCOMPARE(alert.message, QStringLiteral("Text"));

        auto presenter = std::make_shared<XAScriptedAlertPresenter>();
        XAAlertPresenter::setShared(presenter);
        presenter->answerNextWith(QStringLiteral("Cancel"));
        int response = 0;
        xa_showInWindow(nullptr, QStringLiteral("Close?"), QStringLiteral("Unsaved"),
                        {QStringLiteral("Save"), QStringLiteral("Cancel")},
                        [&response](const XAAlert &, int code) { response = code; });
        QCOMPARE(response, 1001);
        QCOMPARE(presenter->shown().back().alert.style, XAAlertStyle::Informational);
        QVERIFY(!presenter->shown().back().asSheet);
        xa_showInWindow(nullptr, QStringLiteral("No handler"), QString(), {}, nullptr); // runs and does nothing after
        QCOMPARE(presenter->shown().size(), size_t(2));
    }

    void hsbChangesKeepTheOtherComponents() {
        const QColor red = QColor::fromRgbF(1, 0, 0);
        const QColor dark = xa_darkColor(red);
        QCOMPARE(qRound(dark.redF() * 255), qRound(0.3 * 255));
        QCOMPARE(dark.greenF(), 0.0);
        const QColor alreadyDark = QColor::fromRgbF(0.1, 0.1, 0.2);
        QCOMPARE(xa_darkColor(alreadyDark).rgb(), alreadyDark.rgb());
        const QColor halfTransparent = xa_colorByModifyingHSBWithBlock(
            QColor::fromRgbF(0, 0, 1), [](double &hue, double &, double &, double &alpha) {
                hue = 1.0 / 3.0;
                alpha = 0.5;
            });
        QCOMPARE(halfTransparent.rgb(), QColor::fromRgbF(0, 1, 0).rgb());
        QCOMPARE(qRound(halfTransparent.alphaF() * 255), 128);
        QCOMPARE(xa_darkContentBackgroundColor().rgb(), QColor::fromRgbF(0.13, 0.13, 0.13).rgb());
    }

    void styledTextBecomesEscapedRichText() {
        XAAttributedString text = xa_string("a < b", XAFont::boldSystemFont(16), XAColor::rgb(1, 0, 0));
        text.append(" & more", {});
        XATextAttributes link;
        link.link = "https://example.org/?a=1&b=2";
        link.underline = true;
        text.append("link", link);
        const QString html = XARichTextFromAttributedString(text);
        QVERIFY2(html.contains(QStringLiteral("a &lt; b")), qPrintable(html));
        QVERIFY(html.contains(QStringLiteral("color: #ff0000")));
        QVERIFY(html.contains(QStringLiteral("font-weight: bold")));
        QVERIFY(html.contains(QStringLiteral("font-size: 16pt")));
        QVERIFY(html.contains(QStringLiteral(" &amp; more")));
        QVERIFY(html.contains(QStringLiteral("<a href=\"https://example.org/?a=1&amp;b=2\">")));
        QVERIFY(html.contains(QStringLiteral("text-decoration: underline")));
        // The text colour role is left to the palette.
        QVERIFY(!XARichTextFromAttributedString(xa_stringWithSystemFont("plain")).contains(QStringLiteral("color")));
    }

    void imagesKeepTheirPixelsAcrossTheBridgeAndShrinkWhole() {
        QImage image(4, 2, QImage::Format_ARGB32);
        image.fill(QColor(10, 20, 30));
        image.setPixelColor(3, 1, QColor(200, 100, 50, 128));
        const QImage back = XAQImage(XAImageFromQImage(image));
        QCOMPARE(back.size(), QSize(4, 2));
        QCOMPARE(back.pixelColor(0, 0), QColor(10, 20, 30));
        QCOMPARE(back.pixelColor(3, 1).alpha(), 128);
        const QImage small = xa_imageResizedToSize(image, QSize(2, 1));
        QCOMPARE(small.size(), QSize(2, 1));
        const QColor grey = xa_monochromeImage(image).pixelColor(0, 0);
        QCOMPARE(grey.red(), grey.green());
        QCOMPARE(grey.green(), grey.blue());
    }

    void thePlaceholderLabelIsReusedAndCleared() {
        QWidget view;
        view.resize(300, 200);
        QLabel *first = xa_addPlaceholderLabelWithText(&view, QStringLiteral("Loading…"));
        QLabel *second = xa_addPlaceholderLabelWithText(&view, QStringLiteral("Nothing here"));
        QCOMPARE(first, second);
        QCOMPARE(second->text(), QStringLiteral("Nothing here"));
        QVERIFY(std::abs(second->geometry().center().x() - 150) <= 1);
        QVERIFY(std::abs(second->geometry().center().y() - 100) <= 1);
        xa_clearPlaceholderLabel(&view);
        QVERIFY(!xa_placeholderLabel(&view));
        QCOMPARE(xa_addPlaceholderLabelWithText(&view, std::nullopt)->text(), QString());
    }

    void thePlaceholderLabelStaysCentredWhenItsViewIsResized() {
        QWidget view;
        view.resize(120, 80);
        QLabel *label = xa_addPlaceholderLabelWithText(&view, QStringLiteral("Select a rule to see its info"));
        view.resize(600, 400);
        view.show();
        QVERIFY(XAWaitFor([&] { return view.isVisible(); }));
        QVERIFY(std::abs(label->geometry().center().x() - 300) <= 1);
        QVERIFY(std::abs(label->geometry().center().y() - 200) <= 1);
        QVERIFY(label->x() >= 0); // the whole text is in view
        view.resize(400, 100);
        QVERIFY(std::abs(label->geometry().center().x() - 200) <= 1);
    }

    // Values wrap between words only; what does not fit ends in an ellipsis instead of being cut off.
    void valuesFitTheirCellWithoutBreakingWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthInAverageCharacters");
        QTest::addColumn<int>("lines");
        QTest::newRow("fits on one line") << "Pods/, Vendor/" << 40 << 2;
        QTest::newRow("wraps between words") << "alpha beta gamma delta epsilon" << 12 << 4;
        QTest::newRow("too many lines") << "alpha beta gamma delta epsilon zeta eta theta" << 12 << 2;
        QTest::newRow("a word wider than the cell") << "NSLocalizedStringFromTableInBundle x" << 10 << 3;
    }

    void valuesFitTheirCellWithoutBreakingWords() {
        QFETCH(QString, text);
        QFETCH(int, widthInAverageCharacters);
        QFETCH(int, lines);
        const QFont font = QApplication::font();
        const QFontMetricsF metrics(font);
        const QSizeF size(metrics.averageCharWidth() * widthInAverageCharacters, metrics.lineSpacing() * lines + 1);
        const QStringList shown = xa_textFittedToSize(text, font, size).split('\n');
        QVERIFY(shown.size() <= lines);
        const QStringList words = text.split(' ');
        QString rebuilt;
        for (const QString &line : shown) {
            QVERIFY2(metrics.horizontalAdvance(line) <= size.width() + 0.5, qPrintable(line));
            const bool cut = line.endsWith(QChar(0x2026));
            // Every line is whole words of the text, or whole words and the start of the next one before the ellipsis.
            const QStringList lineWords = QString(line).remove(QChar(0x2026)).split(' ', Qt::SkipEmptyParts);
            for (qsizetype index = 0; index < lineWords.size(); ++index) {
                const bool lastOfACutLine = cut && index + 1 == lineWords.size();
                QVERIFY2(lastOfACutLine
                             ? std::ranges::any_of(
                                   words, [&](const QString &word) { return word.startsWith(lineWords[index]); })
                             : words.contains(lineWords[index]),
                         qPrintable(line));
            }
            rebuilt += (rebuilt.isEmpty() ? "" : " ") + line;
        }
        if (!rebuilt.contains(QChar(0x2026))) {
            QCOMPARE(rebuilt, text); // nothing lost when nothing is cut
        }
    }

    void centringOnNoWindowUsesAZeroFrame() {
        QWidget window;
        window.resize(100, 60);
        xa_centerOnWindow(&window, nullptr);
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(-50, -30));
    }

    void theThrottleRunsOnlyTheLastBlockOnce() {
        std::vector<int> runs;
        for (int call = 1; call <= 3; ++call) {
            xa_throttleWithIdentifier("save", 0.05, [&runs, call] { runs.push_back(call); });
        }
        xa_throttleWithIdentifier("other", 0.05, [&runs] { runs.push_back(10); });
        xa_throttleWithIdentifier("", 0.0, [&runs] { runs.push_back(99); });
        QVERIFY(XAWaitFor([&runs] { return runs.size() >= 2; }));
        QTest::qWait(100);
        std::sort(runs.begin(), runs.end());
        QCOMPARE(runs, std::vector<int>({3, 10}));
    }
};

QTEST_MAIN(XADesktopHelpersTests)
#include "XADesktopHelpersTests.moc"
