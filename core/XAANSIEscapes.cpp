#include "core/XAANSIEscapes.h"

#include <limits>

namespace {

struct PaletteEntry {
    int foregroundCode;
    XAColor color;
};

// The terminal's colours as the platform's named colours; grey is the bright variant of black.
const PaletteEntry kPalette[] = {
    {30, XAColor::blackColor()},  {31, XAColor::redColor()},   {32, XAColor::greenColor()},
    {33, XAColor::yellowColor()}, {34, XAColor::blueColor()},  {35, XAColor::magentaColor()},
    {36, XAColor::cyanColor()},   {37, XAColor::whiteColor()}, {90, XAColor::grayColor()},
};

// Background codes are the foreground codes plus 10.
constexpr int kBackgroundOffset = 10;

double distance(const XAColor &a, const XAColor &b) {
    const double red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
    return red * red + green * green + blue * blue;
}

int nearestForegroundCode(const XAColor &color) {
    int best = kPalette[0].foregroundCode;
    double bestDistance = std::numeric_limits<double>::max();
    for (const PaletteEntry &entry : kPalette) {
        const double d = distance(color, entry.color);
        if (d < bestDistance) {
            bestDistance = d;
            best = entry.foregroundCode;
        }
    }
    return best;
}

bool isPlain(const std::optional<XAColor> &color) { return color && color->role == XAColorRole::Plain; }

std::string sequence(const std::vector<int> &codes) {
    std::string text = "\033[";
    for (size_t i = 0; i < codes.size(); ++i) {
        text.append(i == 0 ? "" : ";").append(std::to_string(codes[i]));
    }
    return text + "m";
}

} // namespace

std::vector<int> XAANSIGraphicRenditionCodes(const XATextAttributes &attributes) {
    std::vector<int> codes;
    if (attributes.font && attributes.font->bold) {
        codes.push_back(1);
    }
    if (attributes.underline) {
        codes.push_back(4);
    }
    if (isPlain(attributes.foregroundColor)) {
        codes.push_back(nearestForegroundCode(*attributes.foregroundColor));
    }
    if (isPlain(attributes.backgroundColor)) {
        codes.push_back(nearestForegroundCode(*attributes.backgroundColor) + kBackgroundOffset);
    }
    return codes;
}

std::string XAANSIEscapedString(const XAAttributedString &s) {
    std::string escaped;
    for (const XAAttributeRun &run : s.runs()) {
        const std::vector<int> codes = XAANSIGraphicRenditionCodes(run.attributes);
        const std::string_view text = std::string_view(s.string()).substr(run.range.location, run.range.length);
        if (codes.empty()) {
            escaped.append(text);
        } else {
            escaped.append(sequence(codes)).append(text).append("\033[0m");
        }
    }
    return escaped;
}
