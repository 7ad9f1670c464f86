// The dark look, checked by rendering into images and sampling pixels: the table's rows, group rows and selection,
// the header, the text and pill cells, buttons, check boxes and pop-ups; and a gallery of them all for a person to
// look at.

#include "app/controls/XAButtons.h"
#include "app/controls/XAControlCellDelegates.h"
#include "app/controls/XAScrollView.h"
#include "app/controls/XATableHeaderView.h"
#include "app/controls/XATableView.h"
#include "app/controls/XATextFieldCell.h"
#include "support/XADesktopTestSupport.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStandardItemModel>
#include <QTest>
#include <QToolTip>

namespace {

QImage canvas(QSize size, QColor fill = Qt::black) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// Whether two colours differ by at most `tolerance` in each channel.
bool near(QColor a, QColor b, int tolerance = 3) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QString describe(QColor color) { return color.name(QColor::HexArgb); }

QStandardItemModel *tableModel(QObject *parent) {
    auto *model = new QStandardItemModel(4, 2, parent);
    model->setHorizontalHeaderLabels({QStringLiteral("Rule"), QStringLiteral("Count")});
    const char *names[] = {"Memory", "retain cycle", "leaked object", "Style"};
    for (int row = 0; row < 4; ++row) {
        model->setItem(row, 0, new QStandardItem(QLatin1String(names[row])));
        model->setItem(row, 1, new QStandardItem(QString::number(row * 7 + 3)));
    }
    return model;
}

// A table of the style with rows 0 and 3 as group rows, 22 points per row, shown and painted.
struct XATableFixture {
    explicit XATableFixture(qint64 style) {
        table.xa_setStyle(style);
        table.setModel(tableModel(&table));
        table.setGroupRowPredicate([](int row) { return row == 0 || row == 3; });
        table.verticalHeader()->hide();
        table.verticalHeader()->setDefaultSectionSize(22);
        table.resize(240, 160);
        table.show();
    }
    QColor rowColor(int row, int y = 11) {
        const QImage image = table.viewport()->grab().toImage();
        return image.pixelColor(image.width() - 5, table.rowViewportPosition(row) + y);
    }
    XATableView table;
};

QImage renderButton(XAButtonCell &cell, QSize size, XAButtonDrawState state = {}) {
    QImage image = canvas(size);
    QPainter painter(&image);
    cell.drawWithFrame(painter, QRectF(QPointF(0, 0), size), QString(), state);
    return image;
}

} // namespace

class XADarkControlsTests : public QObject {
    Q_OBJECT

private slots:
    void theLightStylePaintsNoGroupRows() {
        XATableFixture fixture(1);
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.table));
        fixture.table.selectRow(0); // a selected group row: no selection either
        QVERIFY2(near(fixture.rowColor(0), Qt::white), qPrintable(describe(fixture.rowColor(0))));
        QVERIFY(near(fixture.rowColor(1), Qt::white));
        fixture.table.selectRow(1);
        QVERIFY(!near(fixture.rowColor(1), Qt::white));
        QVERIFY(!fixture.table.groupRowHighlightGradient());
    }

    void theDarkStylePaintsGroupRowsAndTheirSelectionWithTheirOwnGradient() {
        XATableFixture fixture(2);
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.table));
        const XAGradientColors group = *fixture.table.groupRowHighlightGradient();
        const XAGradientColors selectedGroup = *fixture.table.selectedGroupRowHighlightGradient();
        QVERIFY(near(fixture.rowColor(0, 0), group.top, 6));
        QVERIFY(near(fixture.rowColor(0, 21), group.bottom, 6));
        QVERIFY(near(fixture.rowColor(2), QColor::fromRgbF(0.13, 0.13, 0.13)));

        fixture.table.selectRow(0);
        const QColor top = fixture.rowColor(0, 0);
        QVERIFY2(near(top, selectedGroup.top, 6), qPrintable(describe(top)));
        QVERIFY(!near(top, fixture.table.selectedFocusedHighlightGradient().top, 20));
        QVERIFY(!near(top, fixture.table.selectedUnfocusedHighlightGradient().top, 20));

        // An ordinary selected row: the focused gradient while the table has the focus, else the unfocused one.
        fixture.table.selectRow(1);
        fixture.table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fixture.table));
        fixture.table.setFocus();
        QVERIFY(XAWaitFor([&] { return fixture.table.hasFocus(); }));
        QVERIFY(near(fixture.rowColor(1, 0), fixture.table.selectedFocusedHighlightGradient().top, 6));
        fixture.table.clearFocus();
        QVERIFY(near(fixture.rowColor(1, 0), fixture.table.selectedUnfocusedHighlightGradient().top, 6));
        QVERIFY(near(fixture.rowColor(0, 0), group.top, 6));
    }

    void aStyleOutsideTheRangeKeepsTheColours() {
        XATableView table;
        table.xa_setStyle(2);
        const QColor focusedTop = table.selectedFocusedHighlightGradient().top;
        table.xa_setStyle(7);
        QCOMPARE(table.xa_style(), 7);
        QCOMPARE(table.selectedFocusedHighlightGradient().top, focusedTop);
        QVERIFY(table.groupRowHighlightGradient());
        QCOMPARE(table.palette().color(QPalette::Base), QColor::fromRgbF(0.13, 0.13, 0.13));
    }

    void theScrollersKnobFollowsTheTablesStyle() {
        // Styled before the scroll view takes the table, and restyled inside it.
        XAScrollView scrollView;
        auto *table = new XATableView;
        table->xa_setStyle(1);
        scrollView.setDocumentView(table);
        const QColor darkKnob = scrollView.verticalScroller()->xa_knobColor();
        QVERIFY(darkKnob.valueF() < 0.1);
        QCOMPARE(scrollView.horizontalScroller()->xa_knobColor(), darkKnob);
        table->xa_setStyle(2);
        QVERIFY(scrollView.verticalScroller()->xa_knobColor().valueF() > 0.7);
        QVERIFY(scrollView.horizontalScroller()->xa_knobColor().valueF() > 0.7);
        table->xa_setStyle(7);
        QVERIFY(scrollView.verticalScroller()->xa_knobColor().valueF() > 0.7);
    }

    void theHeaderKeepsTitlesAndAPressedSectionIsATenthDarker() {
        XATableView table;
        table.setModel(tableModel(&table));
        table.xa_useHeaderCellClass();
        auto *header = dynamic_cast<XATableHeaderView *>(table.horizontalHeader());
        QVERIFY(header);
        QCOMPARE(header->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Count"));

        auto render = [header](bool pressed) {
            QImage image = canvas({100, 20});
            QPainter painter(&image);
            header->xa_drawSection(&painter, QRect(0, 0, 100, 20), 0, pressed);
            return image;
        };
        const QImage normal = render(false);
        const QImage pressed = render(true);
        QVERIFY(near(normal.pixelColor(90, 19), QColor::fromRgbF(0.3, 0.3, 0.3))); // bottom line
        QVERIFY(near(normal.pixelColor(99, 10), QColor::fromRgbF(0.3, 0.3, 0.3))); // separator
        QVERIFY(near(normal.pixelColor(98, 10), QColor::fromRgbF(0.45, 0.45, 0.45), 8));
        for (const QPoint point : {QPoint(90, 2), QPoint(90, 10), QPoint(99, 10), QPoint(90, 19)}) {
            const QColor before = normal.pixelColor(point);
            const QColor after = pressed.pixelColor(point);
            QVERIFY2(std::abs(after.red() - qRound(before.red() * 0.9)) <= 1,
                     qPrintable(describe(before) + " " + describe(after)));
        }
    }

    void runButtonStylesChangeOnlyColours() {
        XAButtonCell cell;
        cell.xa_setStyle(XAButtonStyleGreen);
        const QImage green = renderButton(cell, {80, 24});
        const double radius = cell.xa_cornerRadius;
        const QFont font = cell.xa_textAttributes.font;
        const QRectF bezel = cell.bezelPath().boundingRect();
        cell.xa_setStyle(XAButtonStyleAmber);
        const QImage amber = renderButton(cell, {80, 24});
        QCOMPARE(cell.xa_cornerRadius, radius);
        QCOMPARE(cell.xa_textAttributes.font, font);
        QCOMPARE(cell.bezelPath().boundingRect(), bezel);
        const QColor greenMiddle = green.pixelColor(40, 12);
        const QColor amberMiddle = amber.pixelColor(40, 12);
        QVERIFY2(greenMiddle.green() > greenMiddle.red(), qPrintable(describe(greenMiddle)));
        QVERIFY2(amberMiddle.red() > amberMiddle.green(), qPrintable(describe(amberMiddle)));
        // The border on the left edge changes with the style too.
        QVERIFY(green.pixelColor(0, 12) != amber.pixelColor(0, 12));
    }

    void buttonStylesAndSizes() {
        XAButtonCell cell;
        QCOMPARE(cell.xa_cornerRadius, 3.0);
        QCOMPARE(cell.xa_textAttributes.font.pointSizeF(), 12.0);
        cell.xa_setSize(XAButtonSizeSmall);
        QCOMPARE(cell.xa_cornerRadius, 10.0);
        QCOMPARE(cell.xa_textAttributes.font.pointSizeF(), 11.0);
        QVERIFY(cell.bezelPath().isEmpty()); // never drawn

        XAButtonCell unknown(9); // a new cell with an unknown style: no fill, no border
        QVERIFY(!unknown.xa_fillGradient);
        QVERIFY(!unknown.xa_borderColor);
        const QImage image = renderButton(unknown, {60, 24});
        QVERIFY(near(image.pixelColor(30, 14), Qt::black));
    }

    void onlyTheApplicationsButtonsHaveAStyledCell() {
        XAButton button(QStringLiteral("Run"));
        XACheckBox checkBox;
        QPushButton plain(QStringLiteral("Plain"));
        QCOMPARE(xa_buttonCell(&button), &button.cell());
        QCOMPARE(xa_buttonCell(&checkBox), &checkBox.cell());
        QCOMPARE(checkBox.cell().buttonType(), XAButtonType::CheckBox);
        QCOMPARE(xa_buttonCell(&plain), nullptr);
    }

    void disabledControlsAreDrawnAtSeventyPercent() {
        XAButtonCell button;
        button.xa_setStyle(XAButtonStyleGray);
        const QImage enabled = renderButton(button, {60, 24});
        XAButtonDrawState disabled;
        disabled.enabled = false;
        const QImage faded = renderButton(button, {60, 24}, disabled);
        const QColor full = enabled.pixelColor(30, 16);
        QCOMPARE(faded.pixelColor(30, 16).red(), qRound(full.red() * 0.7));

        // The pop-up's top row holds only its border, drawn once: 70 % of it covers a clear image.
        XAPopUpButtonCell popUp;
        auto renderPopUp = [&popUp](bool isEnabled) {
            QImage image = canvas({100, 22}, Qt::transparent);
            QPainter painter(&image);
            popUp.drawWithFrame(painter, QRectF(0, 0, 100, 22), QString(), isEnabled, false, false);
            return image;
        };
        QCOMPARE(renderPopUp(true).pixelColor(50, 0).alpha(), 255);
        QVERIFY(std::abs(renderPopUp(false).pixelColor(50, 0).alpha() - qRound(255 * 0.7)) <= 1);
    }

    void thePressedOverlayCoversTheBezelOutline() {
        XAButtonCell cell;
        const QImage normal = renderButton(cell, {60, 24});
        XAButtonDrawState pressedState;
        pressedState.highlighted = true;
        const QImage pressed = renderButton(cell, {60, 24}, pressedState);
        QCOMPARE(pressed.pixelColor(30, 12).red(), qRound(normal.pixelColor(30, 12).red() * 0.7));
        // Below the bezel (the drop-shadow row) stays as it was.
        QCOMPARE(pressed.pixelColor(30, 23), normal.pixelColor(30, 23));
    }

    void checkBoxesInTablesAreFifteenSquareAndMarked() {
        QCOMPARE(XAButtonCell::checkboxRect(QRectF(10, 20, 100, 30), true), QRectF(13, 27.5, 15, 15));
        XAButtonCell cell;
        cell.setButtonType(XAButtonType::CheckBox);
        auto render = [&cell](Qt::CheckState state) {
            XAButtonDrawState drawState;
            drawState.checkState = state;
            drawState.inTableView = true;
            QImage image = canvas({60, 25});
            QPainter painter(&image);
            cell.drawWithFrame(painter, QRectF(0, 0, 60, 25), QStringLiteral("never drawn"), drawState);
            return image;
        };
        const QImage off = render(Qt::Unchecked);
        const QImage mixed = render(Qt::PartiallyChecked);
        const QImage on = render(Qt::Checked);
        QVERIFY(off.pixelColor(40, 12) == Qt::black); // nothing right of the box: no title
        QVERIFY(off.pixelColor(1, 12) == Qt::black);  // left of x + 3
        QVERIFY(off.pixelColor(10, 12) != Qt::black); // the box
        QCOMPARE(cell.bezelPath().boundingRect().x(), 3.5);
        // The dash: a light line across the middle row only.
        const QColor markColor = QColor::fromRgbF(0.78, 0.78, 0.78);
        QVERIFY2(near(mixed.pixelColor(10, 12), markColor, 25), qPrintable(describe(mixed.pixelColor(10, 12))));
        QVERIFY(!near(mixed.pixelColor(10, 7), markColor, 60));
        // The check mark: its long stroke reaches the upper right; the dash does not.
        QVERIFY(on.pixelColor(16, 7).red() > off.pixelColor(16, 7).red() + 60);
        QVERIFY(mixed.pixelColor(16, 7).red() < on.pixelColor(16, 7).red());
    }

    void aPopUpInATallRowIsTwentyTwoHighAndInset() {
        QCOMPARE(XAPopUpButtonCell::bezelFrame(QRectF(0, 0, 120, 30), true), QRectF(3, 4, 114, 22));
        QCOMPARE(XAPopUpButtonCell::bezelFrame(QRectF(0, 0, 120, 18), true), QRectF(3, 0, 114, 18));
        QCOMPARE(XAPopUpButtonCell::bezelFrame(QRectF(0, 0, 120, 30), false), QRectF(0, 0, 120, 30));
        XAPopUpButtonCell cell;
        QImage image = canvas({120, 30});
        QPainter painter(&image);
        cell.drawWithFrame(painter, QRectF(0, 0, 120, 30), QString(), true, false, true);
        painter.end();
        QCOMPARE(cell.bezelPath().boundingRect(), QRectF(3, 4, 114, 22));
        QVERIFY(image.pixelColor(60, 2) == Qt::black);
        QVERIFY(image.pixelColor(1, 15) == Qt::black);
        QVERIFY(image.pixelColor(60, 15) != Qt::black);
        // The chevrons: white strokes near the right end, upper pair above the lower.
        QVERIFY(image.pixelColor(120 - 3 - 13.5 + 3.75, 4 + 5.5 + 0).lightness() > 120);
        QCOMPARE(XAPopUpButtonCell::titleColor(Qt::black).lightnessF() > 0.99, true);
        QVERIFY(XAPopUpButtonCell::titleColor(QColor::fromRgbF(0.5, 0, 0)).valueF() >= 0.699);
    }

    void theNoHighlightCellPaintsNoSelection() {
        XANoHighlightTextFieldCell cell;
        QStandardItemModel model(1, 1);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("x")));
        QStyleOptionViewItem option;
        option.showDecorationSelected = true;
        option.rect = QRect(0, 0, 80, 20);
        option.state = QStyle::State_Selected | QStyle::State_Enabled;
        option.palette.setColor(QPalette::Highlight, Qt::red);
        QImage image = canvas({80, 20});
        QPainter painter(&image);
        cell.paint(&painter, option, model.index(0, 0));
        painter.end();
        QCOMPARE(image.pixelColor(70, 10), QColor(Qt::black));

        // A plain delegate under the same conditions paints the highlight, so the check above can fail.
        QStyledItemDelegate plain;
        QImage plainImage = canvas({80, 20});
        QPainter plainPainter(&plainImage);
        plain.paint(&plainPainter, option, model.index(0, 0));
        plainPainter.end();
        QCOMPARE(plainImage.pixelColor(70, 10), QColor(Qt::red));
    }

    void theCentredTitleRectangle() {
        XATextFieldCell cell;
        QFont font;
        font.setPointSize(13);
        const QRectF bounds(10, 100, 200, 40);
        QCOMPARE(cell.titleRectForBounds(bounds, QStringLiteral("Text"), font), QRectF(12, 100, 196, 40));
        cell.setXa_centerVertically(true);
        const QRectF centred = cell.titleRectForBounds(bounds, QStringLiteral("Text"), font);
        QVERIFY(centred.height() > 10 && centred.height() < 40);
        QCOMPARE(centred.x(), 12.0);
        QCOMPARE(centred.width(), 196.0);
        QCOMPARE(centred.center().y(), 120.0); // the middle of the bounds, not of a padded rectangle
        QCOMPARE(cell.titleRectForBounds(bounds, QString(), font), QRectF(12, 120, 196, 0));
        // Text taller than the rectangle is not centred.
        const QRectF low(10, 100, 200, 5);
        QCOMPARE(cell.titleRectForBounds(low, QStringLiteral("Text"), font), QRectF(12, 100, 196, 5));
    }

    void aTruncatedValueShowsInFullInAToolTip() {
        XATableView table;
        QStandardItemModel model(2, 1);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("<b>Long</b> name of a project that does not fit")));
        model.setItem(1, 0, new QStandardItem(QStringLiteral("Short")));
        table.setModel(&model);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        XATextFieldCell cell;
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 60, 20);
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), table.mapToGlobal(QPoint(5, 5)));
        QVERIFY(cell.helpEvent(&event, &table, option, model.index(0, 0)));
        QVERIFY(XAWaitFor([] { return QToolTip::isVisible(); }));
        QCOMPARE(QToolTip::text(), QStringLiteral("Long name of a project that does not fit"));
        QVERIFY(cell.helpEvent(&event, &table, option, model.index(1, 0)));
        QVERIFY(XAWaitFor([] { return !QToolTip::isVisible(); }));
    }

    void theFieldEditorIsWhiteOnBlueGrey() {
        XATextFieldCell cell;
        QStandardItemModel model(1, 1);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("value")));
        QWidget parent;
        QWidget *editor = cell.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0));
        QVERIFY(editor);
        QCOMPARE(editor->palette().color(QPalette::Base).rgb(), qRgb(57, 81, 133));
        QCOMPARE(editor->palette().color(QPalette::Text).rgb(), qRgb(255, 255, 255));
    }

    void pillRadiiFollowTheFontWithinHalfThePill() {
        const QSizeF radii = XAPillTextFieldCell::pillRadii(13, QRectF(0, 0, 40, 30));
        QVERIFY(qAbs(radii.width() - 10.7) < 1e-9);
        QVERIFY(qAbs(radii.height() - 11.7) < 1e-9);
        const QSizeF limited = XAPillTextFieldCell::pillRadii(13, QRectF(0, 0, 16, 20));
        QCOMPARE(limited, QSizeF(8, 10));
        QCOMPARE(XAPillTextFieldCell::pillRect(QRectF(5, 10, 20, 16)), QRectF(5, 8, 20, 20));

        XAPillTextFieldCell cell;
        QStandardItemModel model(1, 1);
        model.setItem(0, 0, new QStandardItem(QStringLiteral("12")));
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 40, 24);
        option.font.setPointSize(13);
        auto render = [&](bool selected) {
            option.state = selected ? QStyle::State_Selected : QStyle::State_None;
            QImage image = canvas({40, 24});
            QPainter painter(&image);
            cell.paint(&painter, option, model.index(0, 0));
            return image.pixelColor(36, 12);
        };
        QVERIFY2(near(render(false), QColor::fromRgbF(0.5, 0.5, 0.5)), qPrintable(describe(render(false))));
        QVERIFY(near(render(true), QColor::fromRgbF(0.7, 0.7, 0.7)));
    }

    void thePlaceholderIsGreyAndTurnsWhiteOnASelectedRow() {
        XATextFieldCell cell;
        cell.setPlaceholderString(QStringLiteral("██████"));
        QStandardItemModel model(1, 1);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 120, 20);
        option.font.setPointSize(13);
        auto brightest = [&](bool selected) {
            option.state = selected ? QStyle::State_Selected : QStyle::State_None;
            QImage image = canvas({120, 20});
            QPainter painter(&image);
            cell.paint(&painter, option, model.index(0, 0));
            painter.end();
            int best = 0;
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 120; ++x) {
                    best = std::max(best, image.pixelColor(x, y).red());
                }
            }
            return best;
        };
        QVERIFY(std::abs(brightest(false) - qRound(0.4 * 255)) <= 2);
        QVERIFY(std::abs(brightest(true) - qRound(0.9 * 255)) <= 2);

        XATextFieldCell noPlaceholder;
        QImage image = canvas({120, 20});
        QPainter painter(&image);
        noPlaceholder.paint(&painter, option, model.index(0, 0));
        painter.end();
        QCOMPARE(image, canvas({120, 20})); // an empty value without placeholder draws nothing
    }

    void aGalleryOfTheControls() {
        QWidget gallery;
        gallery.setAutoFillBackground(true);
        QPalette palette = gallery.palette();
        palette.setColor(QPalette::Window, QColor::fromRgbF(0.2, 0.2, 0.2));
        palette.setColor(QPalette::WindowText, QColor::fromRgbF(0.8, 0.8, 0.8));
        gallery.setPalette(palette);
        auto *grid = new QGridLayout(&gallery);
        const char *styleNames[] = {"Dark", "Grey", "Green", "Amber"};
        int row = 0;
        for (const qint64 size : {XAButtonSizeRegular, XAButtonSizeSmall}) {
            for (qint64 style = 1; style <= 4; ++style, ++row) {
                grid->addWidget(new QLabel(QLatin1String(styleNames[style - 1])), row, 0);
                for (int column = 1; column <= 3; ++column) {
                    const char *titles[] = {"", "Enabled", "Disabled", "Pressed"};
                    auto *button = new XAButton(QLatin1String(titles[column]));
                    button->cell().xa_setSize(size);
                    button->cell().xa_setStyle(style);
                    button->setEnabled(column != 2);
                    button->setDown(column == 3);
                    button->setFixedSize(100, size == XAButtonSizeSmall ? 20 : 24);
                    grid->addWidget(button, row, column);
                }
            }
        }
        for (const Qt::CheckState state : {Qt::Unchecked, Qt::PartiallyChecked, Qt::Checked}) {
            auto *checkBox = new XACheckBox;
            checkBox->setTristate(true);
            checkBox->setCheckState(state);
            grid->addWidget(checkBox, row, 1 + int(state) / 1, Qt::AlignLeft);
        }
        grid->addWidget(new QLabel(QStringLiteral("Check boxes")), row++, 0);
        grid->addWidget(new QLabel(QStringLiteral("Pop-ups")), row, 0);
        for (qint64 style = 1; style <= 2; ++style) {
            auto *popUp = new XAPopUpButton;
            popUp->cell().xa_setStyle(style);
            popUp->addItems({QStringLiteral("Debug"), QStringLiteral("Release")});
            popUp->setFixedSize(120, 22);
            grid->addWidget(popUp, row, int(style));
        }
        auto *disabledPopUp = new XAPopUpButton;
        disabledPopUp->addItem(QStringLiteral("Disabled"));
        disabledPopUp->setEnabled(false);
        disabledPopUp->setFixedSize(120, 22);
        grid->addWidget(disabledPopUp, row++, 3);

        auto *table = new XATableView;
        table->xa_setStyle(2);
        QStandardItemModel *model = tableModel(table);
        model->setColumnCount(4);
        model->setHorizontalHeaderLabels(
            {QStringLiteral("Rule"), QStringLiteral("Count"), QStringLiteral("On"), QStringLiteral("Severity")});
        for (int r = 0; r < 4; ++r) {
            auto *check = new QStandardItem;
            check->setData(r % 2 ? Qt::Checked : Qt::PartiallyChecked, Qt::CheckStateRole);
            model->setItem(r, 2, check);
            model->setItem(r, 3, new QStandardItem(r % 2 ? QStringLiteral("Warning") : QStringLiteral("Error")));
        }
        table->setModel(model);
        table->xa_useHeaderCellClass();
        table->setGroupRowPredicate([](int r) { return r == 0 || r == 3; });
        auto *nameCell = new XATextFieldCell(table);
        nameCell->setXa_centerVertically(true);
        table->setItemDelegateForColumn(0, nameCell);
        auto *pill = new XAPillTextFieldCell(table);
        pill->setXa_centerVertically(true);
        table->setItemDelegateForColumn(1, pill);
        table->setItemDelegateForColumn(2, new XACheckBoxCellDelegate(table));
        table->setItemDelegateForColumn(3, new XAPopUpCellDelegate(table));
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(26);
        table->setColumnWidth(0, 140);
        table->setFixedHeight(140);
        table->selectRow(1);
        grid->addWidget(table, row, 0, 1, 4);

        gallery.resize(460, 560);
        gallery.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gallery));
        const QString path = XASaveScreenshot(&gallery, QStringLiteral("controls"));
        QVERIFY(QImage(path).width() > 0);
    }
};

QTEST_MAIN(XADarkControlsTests)
#include "XADarkControlsTests.moc"
