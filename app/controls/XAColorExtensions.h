#pragma once

// Colour arithmetic in hue, saturation and brightness (Qt's HSV), and colours as CSS text.

#include <QColor>
#include <QLinearGradient>
#include <QRectF>
#include <QString>

// Saturation limited to at most 0.2.
QColor xa_lightlySaturatedColor(const QColor &color);
// Saturation 0.1 and brightness 0.95.
QColor xa_lightPastelColor(const QColor &color);
// Saturation and brightness both 0.3.
QColor xa_darkDesaturatedColor(const QColor &color);
// "#rrggbb": each sRGB component times 255, truncated toward zero; alpha is left out.
QString xa_cssColor(const QColor &color);

// A vertical gradient across the rectangle: `top` at its top edge, `bottom` at its bottom edge.
QLinearGradient XAVerticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom);
