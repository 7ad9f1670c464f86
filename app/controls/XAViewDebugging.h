#pragma once

// Debugging aids for widget trees, and the names of the resize-following masks.

#include <QColor>
#include <QString>

#include <cstdint>

class QWidget;

// The resize-following mask bits, by the platform's values.
enum XAAutoresizingMask : unsigned {
    XAViewMinXMargin = 1,
    XAViewWidthSizable = 2,
    XAViewMaxXMargin = 4,
    XAViewMinYMargin = 8,
    XAViewHeightSizable = 16,
    XAViewMaxYMargin = 32,
};

// The names of the set flags joined by " | ", width and height first; empty for 0.
QString XAAutoresizingMaskDescription(unsigned mask);
// 32 characters "1" or "0", bit 0 first.
QString XABinaryStringFromMask(std::uint32_t mask);

// A one-point border of the colour around the widget.
void xa_debugAddBorderOfColor(QWidget *view, const QColor &color);
// Logs the widget's class, geometry and resize-following mask at level 1, then its child widgets indented by 2.
void xa_printRecursiveDescription(const QWidget *view, int indent = 0);
