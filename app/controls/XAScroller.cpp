#include "app/controls/XAScroller.h"

#include "app/controls/XAQtConversions.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

constexpr double XAMinimumMarkerLength = 2;
constexpr double XAKnobInset = 3;

} // namespace

XAScroller::XAScroller(QWidget *parent) : XAScroller(Qt::Vertical, parent) {}

XAScroller::XAScroller(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent), backgroundColor_(XAQColor(XAColor::white(0.2))),
      knobColor_(XAQColor(XAColor::white(0.8, 0.7))) {
    connect(this, &QScrollBar::sliderPressed, this, [this] { isBeingDragged_ = true; });
    connect(this, &QScrollBar::sliderReleased, this, [this] { isBeingDragged_ = false; });
}

void XAScroller::setKnobStyle(XAScrollerKnobStyle style) {
    knobColor_ = XAQColor(style == XAScrollerKnobStyle::Light ? XAColor::white(0.8, 0.7) : XAColor::white(0.0, 0.5));
    update();
}

XAScroller *XAScroller::initHorizontal() { return new XAScroller(Qt::Horizontal, nullptr); }

void XAScroller::xa_addMarkerWithColor(const QColor &color, double fromFraction, double toFraction) {
    markers_.push_back({fromFraction, toFraction, color});
    update();
}

void XAScroller::xa_clearMarkers() {
    markers_.clear();
    update();
}

QRectF XAScroller::markerRect(const XAScrollerMarker &marker, const QRectF &slot) const {
    const double length = isHorizontal() ? slot.width() : slot.height();
    const double start = std::clamp(marker.fromFraction, 0.0, 1.0) * length;
    const double end = std::clamp(marker.toFraction, 0.0, 1.0) * length;
    double extent = std::max(end - start, XAMinimumMarkerLength);
    const double origin = std::min(start, length - extent);
    extent = std::min(extent, length);
    if (isHorizontal()) {
        return QRectF(slot.x() + origin, slot.y(), extent, slot.height());
    }
    return QRectF(slot.x(), slot.y() + origin, slot.width(), extent);
}

QRect XAScroller::slotRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
}

QRect XAScroller::knobRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

void XAScroller::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    drawKnobSlot(painter);
    drawKnob(painter);
}

void XAScroller::drawKnobSlot(QPainter &painter) {
    painter.fillRect(rect(), backgroundColor_);
    xa_drawMarkersInRect(painter, slotRect());
}

void XAScroller::xa_drawMarkersInRect(QPainter &painter, const QRectF &slot) {
    for (const XAScrollerMarker &marker : markers_) {
        painter.fillRect(markerRect(marker, slot), marker.color);
    }
}

void XAScroller::drawKnob(QPainter &painter) {
    if (maximum() <= minimum()) {
        return; // nothing to scroll: no knob
    }
    const QRectF knob = QRectF(knobRect()).adjusted(XAKnobInset, XAKnobInset, -XAKnobInset, -XAKnobInset);
    if (knob.isEmpty()) {
        return;
    }
    const double radius = std::min(knob.width(), knob.height()) / 2;
    QPainterPath path;
    path.addRoundedRect(knob, radius, radius);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, knobColor_);
}
