// The filter field's tokens and hint popovers: token pills, their fonts and colours, the field's fixed text colour
// and plain pasting, and popovers that show until dismissed once.

#include "app/controls/XAButtons.h"
#include "app/controls/XAInfoPopover.h"
#include "app/controls/XAQtConversions.h"
#include "app/diagnostics/XATokenField.h"
#include "core/XALog.h"
#include "core/XAUserDefaults.h"
#include "support/XADesktopTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QTextBlock>

namespace {

QColor pixelAt(const XATokenTextAttachmentCell &cell, QPointF point) {
    QImage image(cell.cellSize().toSize() + QSize(4, 4), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    cell.drawTokenWithFrame(&painter, QRectF(QPointF(0, 0), cell.cellSize()));
    painter.end();
    return image.pixelColor(point.toPoint());
}

// The field's editing format after typing: the colour the typed text gets.
QColor typedTextColor(XATokenField &field) {
    const QTextBlock block = field.document()->begin();
    return block.begin().fragment().charFormat().foreground().color();
}

} // namespace

class XATokenFieldTests : public QObject {
    Q_OBJECT

private slots:
    void ruleTokensDrawTheirKindOnDarkGreenAndTheValueOnGrey() {
        XATokenTextAttachmentCell cell(QStringLiteral("Rule=X"));
        QCOMPARE(cell.kindString().toUpper(), QStringLiteral("RULE="));
        QCOMPARE(QString::fromStdString(cell.diagnosticFilterValue().string()), QStringLiteral("X"));
        const QColor kind = cell.kindPillFillColors().at(0);
        QVERIFY(kind.valueF() <= 0.31);
        QVERIFY2(kind.hueF() > 0.2 && kind.hueF() < 0.5, qPrintable(kind.name())); // green
        QCOMPARE(cell.valuePillFillColors().at(0), QColor(91, 95, 99));
        // Drawn: the kind pill's middle is its colour, the value pill's middle grey.
        const QSizeF kindPill = cell.kindCellPillSize();
        const QColor kindPixel = pixelAt(cell, {kindPill.width() / 2, 2});
        QVERIFY2(kindPixel.green() > kindPixel.red() && kindPixel.green() > kindPixel.blue(),
                 qPrintable(kindPixel.name()));
        QCOMPARE(pixelAt(cell, {kindPill.width() + cell.valueCellPillSize().width() - 3, kindPill.height() / 2}),
                 QColor(91, 95, 99));
        // "and" follows every token, so the cell reserves room for it.
        QCOMPARE(cell.cellSize().width(),
                 kindPill.width() + cell.valueCellPillSize().width() + cell.suffixTextSize().width() + 3);
    }

    void unknownTextIsAQuestionMarkOnDarkRedWithTheWholeTextAsValue() {
        XATokenTextAttachmentCell cell(QStringLiteral("bogus"));
        QCOMPARE(cell.kindString(), QStringLiteral("?"));
        QCOMPARE(QString::fromStdString(cell.diagnosticFilterValue().string()), QStringLiteral("bogus"));
        const QColor kind = cell.kindPillFillColors().at(2);
        QVERIFY(kind.red() > 0 && kind.green() == 0 && kind.blue() == 0 && kind.valueF() <= 0.31);
        XATokenTextAttachmentCell empty;
        QCOMPARE(empty.kindPillFillColors().at(0), kind);
    }

    void kindFontsAreThreePointsSmallerButNeverBelowTen() {
        const std::vector<std::pair<double, double>> cases = {{12, 10}, {13, 10}, {15, 12}};
        for (const auto &[cellSize, kindSize] : cases) {
            XATokenTextAttachmentCell cell(QStringLiteral("file=a"));
            QFont font;
            font.setPointSizeF(cellSize);
            cell.setFont(font);
            QCOMPARE(cell.kindTextFont().pointSizeF(), kindSize);
            QCOMPARE(cell.valueTextFont().pointSizeF(), cellSize);
        }
    }

    void anEmptyValueStillHasAPillTenPointsWide() {
        XATokenTextAttachmentCell cell(QStringLiteral("file="));
        QCOMPARE(cell.valueCellPillSize().width(), 10.0);
    }

    void theSelectedModeDarkensOnlyTheValuePill() {
        XATokenTextAttachmentCell cell(QStringLiteral("impact=style"));
        QCOMPARE(cell.valuePillFillColors().at(2), QColor(45, 48, 51));
        QCOMPARE(cell.valueTextColors().at(2), QColor::fromRgbF(0.7f, 0.7f, 0.7f));
        QCOMPARE(cell.valueTextColors().at(0), QColor::fromRgbF(0.8f, 0.8f, 0.8f));
        QCOMPARE(cell.kindPillFillColors().at(2), cell.kindPillFillColors().at(0));
        cell.setTokenDrawingMode(2);
        const QSizeF kindPill = cell.kindCellPillSize();
        QCOMPARE(pixelAt(cell, {kindPill.width() + cell.valueCellPillSize().width() - 3, kindPill.height() / 2}),
                 QColor(45, 48, 51));
    }

    void theFieldsTextStaysWhiteAndPastedTextArrivesPlain() {
        XATokenField field;
        field.show();
        field.setTextColor(Qt::red);
        auto *styled = new QMimeData;
        styled->setHtml(QStringLiteral("<b style=\"color:red\">rule=</b><i>Unused</i>"));
        styled->setText(QStringLiteral("rule=Unused"));
        QGuiApplication::clipboard()->setMimeData(styled);
        field.setFocus();
        field.paste();
        QCOMPARE(field.toPlainText(), QStringLiteral("rule=Unused"));
        const QTextCharFormat format = field.document()->begin().begin().fragment().charFormat();
        QVERIFY(!format.font().bold() && !format.font().italic());
        QVERIFY(typedTextColor(field) != QColor(Qt::red));
        QCOMPARE(field.palette().color(QPalette::Text), QColor::fromRgbF(0.9f, 0.9f, 0.9f));
        QCOMPARE(field.palette().color(QPalette::Highlight), QColor(57, 81, 133));
        QCOMPARE(XATokenField::textColor(), QColor::fromRgbF(0.9f, 0.9f, 0.9f));

        // Return turns the text into a token drawn by a cell; the text typed after it is still editing text.
        QTest::keyClick(&field, Qt::Key_Return);
        QTest::keyClicks(&field, "file=a");
        QCOMPARE(field.tokens(), QStringList{"rule=Unused"});
        QCOMPARE(field.editingText(), QStringLiteral("file=a"));
        QCOMPARE(field.objectValue(), (QStringList{"rule=Unused", "file=a"}));
        QVERIFY(field.cellAtPosition(0));
        QCOMPARE(field.cellAtPosition(0)->stringValue(), QStringLiteral("rule=Unused"));
        QTest::keyClick(&field, Qt::Key_Tab);
        QCOMPARE(field.tokens(), (QStringList{"rule=Unused", "file=a"}));
        QVERIFY(field.editingText().isEmpty());
    }

    void hintsShownUntilDismissedAreRememberedAndNeverShowAgain() {
        XADesktopTestEnvironment environment;
        QWidget anchor;
        anchor.resize(200, 40);
        anchor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&anchor));
        for (const bool byEscape : {false, true}) {
            const QString identifier = byEscape ? QStringLiteral("ByEscape") : QStringLiteral("ByButton");
            XAInfoPopover *popover = XAInfoPopover::showWithID(identifier, "Title", "Text", 2, &anchor, 3);
            QVERIFY(popover && popover->isVisible());
            QVERIFY(XAInfoPopover::visiblePopovers().contains(popover));
            QCOMPARE(XAInfoPopover::showWithID(identifier, "Title", "Text", 2, &anchor, 3), popover); // not stacked
            QCOMPARE(XAInfoPopover::visiblePopovers().size(), 1);
            XAButton *button = popover->contentViewController()->dismissButton();
            QCOMPARE(button->text(), QStringLiteral("  Okay! (Don't show this again)  "));
            QVERIFY(popover->contentViewController()->textField()->text().contains("Title"));
            static_cast<QWidget *>(popover)->close(); // a close from outside does not dismiss
            QVERIFY(popover->isVisible());
            if (byEscape) {
                QTest::keyClick(popover, Qt::Key_Escape);
            } else {
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QVERIFY(XAWaitFor([&] { return XAInfoPopover::visiblePopovers().isEmpty(); }));
            QVERIFY(XAUserDefaults::standard().boolForKey("PopoverShown-" + identifier.toStdString()));
            QVERIFY(!XAInfoPopover::showWithID(identifier, "Title", "Text", 2, &anchor, 3));
            QVERIFY(XAInfoPopover::visiblePopovers().isEmpty());
        }
    }

    void hintsOfOtherFrequenciesShowEachTimeAndAnchorsOutsideWindowsShowNothing() {
        XADesktopTestEnvironment environment;
        QWidget anchor;
        anchor.setObjectName("filterField");
        std::vector<std::string> logged;
        XASetLogTargets(XALogTargetNotification);
        XASetLogNotificationHandler([&logged](int, const std::string &message) { logged.push_back(message); });
        QVERIFY(!XAInfoPopover::showWithID("Hidden", "T", "X", 2, &anchor, 0));
        XASetLogNotificationHandler(nullptr);
        XASetLogTargets(XALogTargetStandardError);
        QCOMPARE(logged.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(logged.front()),
                 QString::fromUtf8("<QWidget: filterField> has no window — not showing popover 'Hidden'."));

        anchor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&anchor));
        for (int time = 0; time < 2; ++time) {
            XAInfoPopover *popover = XAInfoPopover::showWithID("Always", "T", "X", 1, &anchor, 0);
            QVERIFY(popover && popover->isVisible());
            QCOMPARE(popover->contentViewController()->dismissButton()->text(), QStringLiteral("  Okay!  "));
            QTest::mouseClick(popover->contentViewController()->dismissButton(), Qt::LeftButton);
            QVERIFY(XAWaitFor([&] { return XAInfoPopover::visiblePopovers().isEmpty(); }));
        }
        QVERIFY(!XAUserDefaults::standard().boolForKey("PopoverShown-Always"));

        // A hint goes with its anchor, and is not counted as dismissed.
        auto *shortLived = new QWidget;
        shortLived->show();
        QVERIFY(QTest::qWaitForWindowExposed(shortLived));
        QVERIFY(XAInfoPopover::showWithID("Orphan", "T", "X", 2, shortLived, 0));
        delete shortLived;
        QVERIFY(XAWaitFor([&] { return XAInfoPopover::visiblePopovers().isEmpty(); }));
        QVERIFY(!XAUserDefaults::standard().boolForKey("PopoverShown-Orphan"));
    }
};

QTEST_MAIN(XATokenFieldTests)
#include "XATokenFieldTests.moc"
