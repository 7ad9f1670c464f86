#pragma once

// The application's dark, always-visible scroll bar: a painted slot and rounded knob, a flag that tells whether the
// user holds the knob, and coloured markers over the slot for stretches of the document (the checking log marks
// its error and warning lines).

#include <QColor>
#include <QScrollBar>

#include <vector>

// One marked stretch of the document, as fractions of its height (0 top, 1 bottom).
struct XAScrollerMarker {
    double fromFraction = 0;
    double toFraction = 0;
    QColor color;
};

// The knob's colour family: dark over light content, light over dark content.
enum class XAScrollerKnobStyle { Dark, Light };

class XAScroller : public QScrollBar {
public:
    // A vertical scroller.
    explicit XAScroller(QWidget *parent = nullptr);
    XAScroller(Qt::Orientation orientation, QWidget *parent);
    // A new horizontal scroller without a parent.
    static XAScroller *initHorizontal();

    bool isHorizontal() const { return orientation() == Qt::Horizontal; }
    // True from a press on the knob until its release.
    bool xa_isBeingDragged() const { return isBeingDragged_; }

    void xa_addMarkerWithColor(const QColor &color, double fromFraction, double toFraction);
    void xa_clearMarkers();
    const std::vector<XAScrollerMarker> &markers() const { return markers_; }

    // The rectangle a marker covers in the slot: across the slot from its start to its end fraction, at least
    // 2 pixels long so that a single line shows.
    QRectF markerRect(const XAScrollerMarker &marker, const QRectF &slot) const;
    // The slot's and the knob's rectangles as the style places them.
    QRect slotRect() const;
    QRect knobRect() const;

    // Changing the colours does not repaint by itself.
    QColor xa_backgroundColor() const { return backgroundColor_; }
    void setXa_backgroundColor(const QColor &color) { backgroundColor_ = color; }
    QColor xa_knobColor() const { return knobColor_; }
    void setXa_knobColor(const QColor &color) { knobColor_ = color; }
    // Sets the knob colour of the style and repaints.
    void setKnobStyle(XAScrollerKnobStyle style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawKnobSlot(QPainter &painter);
    void xa_drawMarkersInRect(QPainter &painter, const QRectF &slot);
    void drawKnob(QPainter &painter);

    bool isBeingDragged_ = false;
    std::vector<XAScrollerMarker> markers_;
    QColor backgroundColor_;
    QColor knobColor_;
};
