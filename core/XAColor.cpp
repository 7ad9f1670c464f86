#include "core/XAColor.h"

#include <algorithm>
#include <cmath>

namespace {

double clampUnit(double value) { return std::clamp(value, 0.0, 1.0); }

} // namespace

XAHSBColor XAHSBFromColor(const XAColor &color) {
    const double maximum = std::max({color.red, color.green, color.blue});
    const double minimum = std::min({color.red, color.green, color.blue});
    const double chroma = maximum - minimum;
    XAHSBColor hsb{0, maximum > 0 ? chroma / maximum : 0, maximum, color.alpha};
    if (chroma <= 0) {
        return hsb;
    }
    double sector = 0;
    if (maximum == color.red) {
        sector = std::fmod((color.green - color.blue) / chroma + 6, 6);
    } else if (maximum == color.green) {
        sector = (color.blue - color.red) / chroma + 2;
    } else {
        sector = (color.red - color.green) / chroma + 4;
    }
    hsb.hue = sector / 6;
    return hsb;
}

XAColor XAColorFromHSB(const XAHSBColor &hsb) {
    const double hue = clampUnit(hsb.hue) * 6;
    const double brightness = clampUnit(hsb.brightness);
    const double chroma = brightness * clampUnit(hsb.saturation);
    const double second = chroma * (1 - std::fabs(std::fmod(hue, 2) - 1));
    double red = 0, green = 0, blue = 0;
    switch (static_cast<int>(hue) % 6) {
    case 0:
        red = chroma, green = second;
        break;
    case 1:
        red = second, green = chroma;
        break;
    case 2:
        green = chroma, blue = second;
        break;
    case 3:
        green = second, blue = chroma;
        break;
    case 4:
        red = second, blue = chroma;
        break;
    default:
        red = chroma, blue = second;
        break;
    }
    const double lift = brightness - chroma;
    return XAColor::rgb(red + lift, green + lift, blue + lift, clampUnit(hsb.alpha));
}

XAColor xa_colorByModifyingHSBWithBlock(const XAColor &color, const XAHSBModifier &modify) {
    XAHSBColor hsb = XAHSBFromColor(color);
    if (modify) {
        modify(hsb.hue, hsb.saturation, hsb.brightness, hsb.alpha);
    }
    return XAColorFromHSB(hsb);
}
