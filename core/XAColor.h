#pragma once

// Colours of styled text: calibrated RGB with alpha, each component from 0 to 1.
//
// Two colours are roles rather than values: the text colour and the text background colour. Outputs render them in
// their own way (a terminal leaves its default colours, a window uses its palette); arithmetic on them (brightness and
// saturation changes) starts from their light-appearance values, black and white, and gives a plain colour.

#include <functional>

enum class XAColorRole {
    Plain,          // the components are the colour
    Text,           // the output's text colour
    TextBackground, // the output's text background colour
};

struct XAColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
    XAColorRole role = XAColorRole::Plain;

    bool operator==(const XAColor &) const = default;

    static XAColor rgb(double red, double green, double blue, double alpha = 1) {
        return {red, green, blue, alpha, XAColorRole::Plain};
    }
    static XAColor white(double whiteLevel, double alpha = 1) { return rgb(whiteLevel, whiteLevel, whiteLevel, alpha); }

    // The platform's named colours.
    static XAColor blackColor() { return white(0); }
    static XAColor whiteColor() { return white(1); }
    static XAColor grayColor() { return white(0.5); }
    static XAColor redColor() { return rgb(1, 0, 0); }
    static XAColor greenColor() { return rgb(0, 1, 0); }
    static XAColor blueColor() { return rgb(0, 0, 1); }
    static XAColor cyanColor() { return rgb(0, 1, 1); }
    static XAColor yellowColor() { return rgb(1, 1, 0); }
    static XAColor magentaColor() { return rgb(1, 0, 1); }
    static XAColor textColor() { return {0, 0, 0, 1, XAColorRole::Text}; }
    static XAColor textBackgroundColor() { return {1, 1, 1, 1, XAColorRole::TextBackground}; }
};

// Hue, saturation and brightness (all from 0 to 1, hue as a fraction of the full turn) with alpha.
struct XAHSBColor {
    double hue = 0;
    double saturation = 0;
    double brightness = 0;
    double alpha = 1;
};

XAHSBColor XAHSBFromColor(const XAColor &color);
XAColor XAColorFromHSB(const XAHSBColor &hsb);

// Receives hue, saturation, brightness and alpha and may change them.
using XAHSBModifier = std::function<void(double &hue, double &saturation, double &brightness, double &alpha)>;

// The colour's HSB values as `modify` leaves them, as a plain colour (components clamped to 0...1).
XAColor xa_colorByModifyingHSBWithBlock(const XAColor &color, const XAHSBModifier &modify);
