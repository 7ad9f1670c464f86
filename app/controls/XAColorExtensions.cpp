#include "app/controls/XAColorExtensions.h"

#include "app/controls/XAQtConversions.h"

#include <algorithm>

QColor xa_lightlySaturatedColor(const QColor &color) {
    return xa_colorByModifyingHSBWithBlock(
        color, [](double &, double &saturation, double &, double &) { saturation = std::min(saturation, 0.2); });
}

QColor xa_lightPastelColor(const QColor &color) {
    return xa_colorByModifyingHSBWithBlock(color, [](double &, double &saturation, double &brightness, double &) {
        saturation = 0.1;
        brightness = 0.95;
    });
}

QColor xa_darkDesaturatedColor(const QColor &color) {
    return xa_colorByModifyingHSBWithBlock(color, [](double &, double &saturation, double &brightness, double &) {
        saturation = 0.3;
        brightness = 0.3;
    });
}

QString xa_cssColor(const QColor &color) {
    const QColor rgb = color.toRgb();
    // redF() and friends keep the full precision of the colour, so 0.999 truncates to 254, not 255.
    auto component = [](float value) { return static_cast<int>(value * 255.0); };
    return QString::asprintf("#%.2x%.2x%.2x", component(rgb.redF()), component(rgb.greenF()), component(rgb.blueF()));
}

QLinearGradient XAVerticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    return gradient;
}
