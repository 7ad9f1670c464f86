#include "app/controls/XARoundedRectangles.h"

#include <algorithm>

namespace {

// The share of the radius at which a cubic curve's control points approximate a quarter circle.
constexpr double kQuarterCircleControl = 0.55228;

} // namespace

QPainterPath xa_bezierPathWithRoundedRectangle(const QRectF &rect, unsigned corners, double radius) {
    QPainterPath path;
    xa_appendBezierPathWithRoundedRectangle(path, rect, corners, radius);
    return path;
}

void xa_appendBezierPathWithRoundedRectangle(QPainterPath &path, const QRectF &rect, unsigned corners, double radius) {
    if (rect.isEmpty()) {
        return;
    }
    const double minX = rect.x();
    const double minY = rect.y();
    const double maxX = rect.x() + rect.width();
    const double maxY = rect.y() + rect.height();
    const double r = std::min(radius, std::min(rect.width(), rect.height()) / 2);
    const double c = kQuarterCircleControl * r;

    QPainterPath outline;
    if (corners & XARectCornerMinXMaxY) {
        outline.moveTo(minX, maxY - r);
        outline.cubicTo(minX, maxY - r + c, minX + r - c, maxY, minX + r, maxY);
    } else {
        outline.moveTo(minX, maxY);
    }
    if (corners & XARectCornerMaxXMaxY) {
        outline.lineTo(maxX - r, maxY);
        outline.cubicTo(maxX - r + c, maxY, maxX, maxY - r + c, maxX, maxY - r);
    } else {
        outline.lineTo(maxX, maxY);
    }
    if (corners & XARectCornerMaxXMinY) {
        outline.lineTo(maxX, minY + r);
        outline.cubicTo(maxX, minY + r - c, maxX - r + c, minY, maxX - r, minY);
    } else {
        outline.lineTo(maxX, minY);
    }
    if (corners & XARectCornerMinXMinY) {
        outline.lineTo(minX + r, minY);
        outline.cubicTo(minX + r - c, minY, minX, minY + r - c, minX, minY + r);
    } else {
        outline.lineTo(minX, minY);
    }
    outline.closeSubpath();
    path.addPath(outline);
}

QPainterPath XARoundedRectPath(const QRectF &rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}
