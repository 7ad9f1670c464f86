#pragma once

// Rounded rectangles with selected corners, as painter paths.
//
// Corner bits, named in the platform's drawing coordinates (y growing upwards, so "max y" is y + height): 1 the corner
// at (min x, max y), 2 at (max x, max y), 4 at (max x, min y), 8 at (min x, min y). Mask 9 rounds the two corners at
// min x, mask 6 the two at max x, mask 15 all four.

#include <QPainterPath>
#include <QRectF>

enum XARectCorner : unsigned {
    XARectCornerMinXMaxY = 1,
    XARectCornerMaxXMaxY = 2,
    XARectCornerMaxXMinY = 4,
    XARectCornerMinXMinY = 8,
    XARectCornerAll = 15,
};

// A rectangle with all four corners rounded by the radius, as Qt rounds them.
QPainterPath XARoundedRectPath(const QRectF &rect, double radius);
// A new path holding only the rounded rectangle.
QPainterPath xa_bezierPathWithRoundedRectangle(const QRectF &rect, unsigned corners, double radius);
// Appends the rectangle as one closed subpath; an empty rectangle appends nothing. The radius is limited to half the
// smaller side.
void xa_appendBezierPathWithRoundedRectangle(QPainterPath &path, const QRectF &rect, unsigned corners, double radius);
