#pragma once

// The look of the application's push buttons and check boxes: flat dark controls with a vertical gradient, a
// one-point border, a faint light line along the top inside the border and white shadowed titles, in four colour
// styles and two sizes. The cell holds the look and paints it; XAButton, XACheckBox and the check-box cell of
// tables share it.

#include "app/controls/XAColorExtensions.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

enum XAButtonStyle : qint64 {
    XAButtonStyleDark = 1,
    XAButtonStyleGray = 2,
    XAButtonStyleGreen = 3,
    XAButtonStyleAmber = 4,
};
enum XAButtonSize : qint64 { XAButtonSizeRegular = 1, XAButtonSizeSmall = 2 };

// The button types the cell tells apart: a check box (switch) draws a box and mark instead of a title.
enum class XAButtonType { Push, CheckBox };

struct XAButtonTextAttributes {
    QFont font;
    QColor foregroundColor;
    QColor shadowColor;
    QPointF shadowOffset; // in points, y growing downwards
};

// The parts of a control's state the drawing reads.
struct XAButtonDrawState {
    bool enabled = true;
    bool highlighted = false; // pressed
    Qt::CheckState checkState = Qt::Unchecked;
    bool inTableView = false;
};

class XAButtonCell {
public:
    // A cell of the style and size, styled at once.
    explicit XAButtonCell(qint64 style = XAButtonStyleDark, qint64 size = XAButtonSizeRegular);

    XAButtonType buttonType() const { return buttonType_; }
    void setButtonType(XAButtonType type) { buttonType_ = type; }

    qint64 xa_style() const { return style_; }
    void xa_setStyle(qint64 style);
    qint64 xa_size() const { return size_; }
    void xa_setSize(qint64 size);
    // Sets every styled property from the style and size; a style outside 1 to 4 keeps the fill gradient and border.
    void updateStyle();

    // The styled properties; callers may change them until the next updateStyle().
    double xa_disabledAlpha = 0;
    double xa_cornerRadius = 0;
    QColor xa_highlightOverlayColor;
    std::optional<QColor> xa_borderColor;
    QColor xa_highlightColor;
    XAButtonTextAttributes xa_textAttributes;
    std::optional<std::pair<QColor, QColor>> xa_fillGradient; // start (bottom) and end (top) colours
    QColor xa_dropShadowColor;

    // The bezel outline drawn last; empty before the first drawing.
    const QPainterPath &bezelPath() const { return bezelPath_; }

    // Draws the whole control into the frame: bezel, title or check box, pressed overlay, at the disabled alpha when
    // disabled. The painter's opacity is left as the drawing set it.
    void drawWithFrame(QPainter &painter, const QRectF &frame, const QString &title, const XAButtonDrawState &state);
    void xa_drawButtonBezelWithFrame(QPainter &painter, const QRectF &frame);
    // Draws the title centred in the frame; returns its rectangle before rounding.
    QRectF xa_drawButtonTitle(QPainter &painter, const QString &title, const QRectF &frame) const;
    // The check box's square: the frame itself, or 15 × 15 at x + 3, centred vertically, inside a table.
    static QRectF checkboxRect(const QRectF &frame, bool inTableView);
    void xa_drawCheckboxBezelWithFrame(QPainter &painter, const QRectF &frame, Qt::CheckState state);

private:
    XAButtonType buttonType_ = XAButtonType::Push;
    qint64 style_ = XAButtonStyleDark;
    qint64 size_ = XAButtonSizeRegular;
    QPainterPath bezelPath_;
};

// A colour by its grey level (0 to 1) and alpha.
QColor XAWhite(double white, double alpha = 1.0);
