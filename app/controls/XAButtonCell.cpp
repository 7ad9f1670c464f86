#include "app/controls/XAButtonCell.h"

#include "app/controls/XARoundedRectangles.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr double kDropShadowBlurRadius = 1.0;
constexpr double kCheckboxSide = 15.0;

QColor rgb255(int red, int green, int blue) { return QColor::fromRgbF(red / 255.0, green / 255.0, blue / 255.0); }

struct XAStyleColors {
    QColor fillStart;
    QColor fillEnd;
    QColor border;
};

std::optional<XAStyleColors> colorsOfStyle(qint64 style) {
    switch (style) {
    case XAButtonStyleDark:
        return XAStyleColors{XAWhite(0.15), XAWhite(0.22), XAWhite(0.05)};
    case XAButtonStyleGray:
        return XAStyleColors{XAWhite(0.28), XAWhite(0.36), XAWhite(0.15)};
    case XAButtonStyleGreen:
        return XAStyleColors{rgb255(81, 107, 70), rgb255(109, 143, 93), rgb255(40, 54, 34)};
    case XAButtonStyleAmber:
        return XAStyleColors{rgb255(97, 72, 45), rgb255(143, 107, 67), rgb255(54, 45, 34)};
    default:
        return std::nullopt;
    }
}

} // namespace

QColor XAWhite(double white, double alpha) { return QColor::fromRgbF(white, white, white, alpha); }

XAButtonCell::XAButtonCell(qint64 style, qint64 size) : style_(style), size_(size) { updateStyle(); }

void XAButtonCell::xa_setStyle(qint64 style) {
    style_ = style;
    updateStyle();
}

void XAButtonCell::xa_setSize(qint64 size) {
    size_ = size;
    updateStyle();
}

void XAButtonCell::updateStyle() {
    const bool small = size_ == XAButtonSizeSmall;
    xa_disabledAlpha = 0.7;
    xa_cornerRadius = small ? 10 : 3;
    QFont font;
    font.setPointSizeF(small ? 11 : 12);
    xa_textAttributes = {font, XAWhite(1.0), XAWhite(0.0), QPointF(0, -1)};
    xa_highlightColor = XAWhite(1.0, 0.1);
    xa_highlightOverlayColor = XAWhite(0.0, 0.3);
    xa_dropShadowColor = XAWhite(1.0, 0.05);
    if (const auto colors = colorsOfStyle(style_)) {
        xa_fillGradient = std::make_pair(colors->fillStart, colors->fillEnd);
        xa_borderColor = colors->border;
    }
}

void XAButtonCell::drawWithFrame(QPainter &painter, const QRectF &frame, const QString &title,
                                 const XAButtonDrawState &state) {
    if (!state.enabled) {
        painter.setOpacity(xa_disabledAlpha);
    }
    if (buttonType_ == XAButtonType::CheckBox) {
        xa_drawCheckboxBezelWithFrame(painter, checkboxRect(frame, state.inTableView), state.checkState);
    } else {
        xa_drawButtonBezelWithFrame(painter, frame);
        xa_drawButtonTitle(painter, title, frame);
    }
    if (!bezelPath_.isEmpty() && state.highlighted) {
        painter.fillPath(bezelPath_, xa_highlightOverlayColor);
    }
}

void XAButtonCell::xa_drawButtonBezelWithFrame(QPainter &painter, const QRectF &frame) {
    QRectF r = frame.adjusted(0.5, 0.5, -0.5, -0.5);
    r.setHeight(r.height() - kDropShadowBlurRadius);
    bezelPath_ = XARoundedRectPath(r, xa_cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (xa_fillGradient) {
        // The gradient starts at the bottom edge.
        painter.fillPath(bezelPath_, XAVerticalGradient(r, xa_fillGradient->second, xa_fillGradient->first));
    }
    // The drop shadow: a faint light line one point under the border.
    painter.strokePath(bezelPath_.translated(0, 1), QPen(xa_dropShadowColor, 1));
    if (xa_borderColor) {
        painter.strokePath(bezelPath_, QPen(*xa_borderColor, 1));
    }
    // The light line along the top, inside the border: the upper edge of a taller outline clipped to the bezel.
    QRectF r2 = r.adjusted(-0.5, 1, 0.5, -1);
    r2.setHeight(r2.height() * 2);
    painter.setClipPath(bezelPath_, Qt::IntersectClip);
    painter.strokePath(XARoundedRectPath(r2, xa_cornerRadius), QPen(xa_highlightColor, 1));
    painter.restore();
}

QRectF XAButtonCell::xa_drawButtonTitle(QPainter &painter, const QString &title, const QRectF &frame) const {
    const QFontMetricsF metrics(xa_textAttributes.font);
    const QSizeF size(metrics.horizontalAdvance(title), metrics.height());
    const QRectF rect(frame.x() + frame.width() / 2 - size.width() / 2,
                      frame.y() + frame.height() / 2 - size.height() / 2, size.width(), size.height());
    const QRectF integral = rect.toAlignedRect();
    painter.save();
    painter.setFont(xa_textAttributes.font);
    painter.setPen(xa_textAttributes.shadowColor);
    painter.drawText(integral.translated(xa_textAttributes.shadowOffset), Qt::AlignCenter, title);
    painter.setPen(xa_textAttributes.foregroundColor);
    painter.drawText(integral, Qt::AlignCenter, title);
    painter.restore();
    return rect;
}

QRectF XAButtonCell::checkboxRect(const QRectF &frame, bool inTableView) {
    if (!inTableView) {
        return frame;
    }
    return {frame.x() + 3, frame.y() + (frame.height() - kCheckboxSide) / 2, kCheckboxSide, kCheckboxSide};
}

void XAButtonCell::xa_drawCheckboxBezelWithFrame(QPainter &painter, const QRectF &frame, Qt::CheckState state) {
    xa_drawButtonBezelWithFrame(painter, frame);
    if (state == Qt::Unchecked) {
        return;
    }
    const double x = frame.x();
    const double y = frame.y();
    const double width = frame.width();
    const double height = frame.height();
    QPainterPath mark;
    if (state == Qt::PartiallyChecked) {
        const double middle = std::round(y + height / 2);
        mark.moveTo(x + 4, middle);
        mark.lineTo(x + width - 4, middle);
    } else {
        mark.moveTo(std::round(x + width), std::round(y));
        mark.lineTo(std::round(x + width / 2), std::round(y + height / 2) + 1);
        mark.lineTo(x + 4, y + height / 2 - 3);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft dark shadow behind the mark, then the mark.
    painter.strokePath(mark, QPen(XAWhite(0.0, 0.3), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(mark, QPen(XAWhite(0.78), 2));
    painter.restore();
}
