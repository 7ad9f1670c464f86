#include "app/controls/XAPopUpButtonCell.h"

#include "app/controls/XARoundedRectangles.h"

#include "app/controls/XAButtonCell.h"
#include "app/controls/XAQtConversions.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTableRowBezelHeight = 22;
constexpr double kTitleInset = 8;
constexpr double kChevronsWidth = 20;

} // namespace

XAPopUpButtonCell::XAPopUpButtonCell() { updateStyle(); }

void XAPopUpButtonCell::xa_setStyle(qint64 style) {
    style_ = style;
    updateStyle();
}

void XAPopUpButtonCell::updateStyle() {
    xa_disabledAlpha = 0.7;
    xa_cornerRadius = 4;
    xa_highlightOverlayColor = XAWhite(0.0, 0.3);
    if (style_ == 1) {
        borderColor = XAWhite(0.05);
        backgroundGradient = std::make_pair(XAWhite(0.15), XAWhite(0.22));
    } else if (style_ == 2) {
        borderColor = XAWhite(0.15);
        backgroundGradient = std::make_pair(XAWhite(0.22), XAWhite(0.42));
    }
}

QColor XAPopUpButtonCell::xa_foregroundColor() const { return XAWhite(1.0); }

QRectF XAPopUpButtonCell::bezelFrame(const QRectF &frame, bool inTableView) {
    if (!inTableView) {
        return frame;
    }
    const double height = std::min(frame.height(), kTableRowBezelHeight);
    return {frame.x() + 3, frame.y() + frame.height() / 2 - height / 2, frame.width() - 6, height};
}

void XAPopUpButtonCell::drawWithFrame(QPainter &painter, const QRectF &frame, const QString &title, bool enabled,
                                      bool highlighted, bool inTableView) {
    if (!enabled) {
        painter.setOpacity(xa_disabledAlpha);
    }
    const QRectF bezel = bezelFrame(frame, inTableView);
    xa_drawBaseWithFrame(painter, bezel);
    xa_drawTrianglesWithFrame(painter, bezel);
    painter.save();
    painter.setPen(titleColor(painter.pen().color()));
    painter.drawText(bezel.adjusted(kTitleInset, 0, -kChevronsWidth, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
    if (!bezelPath_.isEmpty() && highlighted) {
        painter.fillPath(bezelPath_, xa_highlightOverlayColor);
    }
}

void XAPopUpButtonCell::xa_drawBaseWithFrame(QPainter &painter, const QRectF &frame) {
    bezelPath_ = XARoundedRectPath(frame, xa_cornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (borderColor) {
        painter.fillPath(bezelPath_, *borderColor);
    }
    if (backgroundGradient) {
        const QRectF inner = frame.adjusted(1, 1, -1, -1);
        painter.fillPath(XARoundedRectPath(inner, xa_cornerRadius),
                         XAVerticalGradient(inner, backgroundGradient->second, backgroundGradient->first));
    }
    painter.restore();
}

void XAPopUpButtonCell::xa_drawTrianglesWithFrame(QPainter &painter, const QRectF &frame) const {
    const double top = (frame.height() - 11) / 2;
    const double x = frame.x() + frame.width() - 13.5;
    xa_drawTriangleInRect(painter, QRectF(x, frame.y() + top, 7.5, 4), true, xa_foregroundColor());
    xa_drawTriangleInRect(painter, QRectF(x, frame.y() + top + 7, 7.5, 4), false, xa_foregroundColor());
}

void XAPopUpButtonCell::xa_drawTriangleInRect(QPainter &painter, const QRectF &rect, bool downwards,
                                              const QColor &color) {
    // With y growing downwards, the first chevron of the pair has its apex at the top and points up.
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    QPainterPath chevron;
    if (downwards) {
        chevron.moveTo(x, y + h);
        chevron.lineTo(x + w / 2, y);
        chevron.lineTo(x + w, y + h);
    } else {
        chevron.moveTo(x, y);
        chevron.lineTo(x + w / 2, y + h);
        chevron.lineTo(x + w, y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(chevron, QPen(color, 1.5));
    painter.restore();
}

QColor XAPopUpButtonCell::titleColor(const QColor &color) {
    return xa_colorByModifyingHSBWithBlock(color, [](double &, double &, double &brightness, double &) {
        if (std::fabs(brightness) < 0.001) {
            brightness = 1.0;
        }
        brightness = std::max(brightness, 0.7);
    });
}
