#include "core/XAANSIEscapes.h"

#include <gtest/gtest.h>

TEST(XAANSIEscapes, ColoursBecomeTheNearestTerminalColour) {
    struct Case {
        XAColor color;
        int code;
    };
    const Case cases[] = {
        {XAColor::redColor(), 31},   {XAColor::greenColor(), 32},   {XAColor::yellowColor(), 33},
        {XAColor::blueColor(), 34},  {XAColor::magentaColor(), 35}, {XAColor::cyanColor(), 36},
        {XAColor::whiteColor(), 37}, {XAColor::grayColor(), 90},    {XAColor::rgb(0.8, 0.1, 0.1), 31},
        {XAColor::white(0.1), 30},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(XAANSIEscapedString(xa_stringWithSystemFont("x", c.color)),
                  "\033[" + std::to_string(c.code) + "mx\033[0m");
    }
}

TEST(XAANSIEscapes, BoldUnderlineAndBackgroundCombineInOneSequence) {
    XATextAttributes attributes = XATextAttributes::withFontAndColor(XAFont::boldSystemFont(), XAColor::greenColor());
    attributes.underline = true;
    attributes.backgroundColor = XAColor::blueColor();
    XAAttributedString s("plain ");
    s.append("styled", attributes);
    EXPECT_EQ(XAANSIEscapedString(s), "plain \033[1;4;32;44mstyled\033[0m");
}

TEST(XAANSIEscapes, TheTerminalsOwnColoursAndUnshownAttributesGiveNoSequence) {
    XAAttributedString s = xa_stringWithSystemFont("text");
    XATextAttributes marked;
    marked.marker = true;
    marked.link = "https://example.org";
    marked.backgroundColor = XAColor::textBackgroundColor();
    s.append(" marked", marked);
    s.append(xa_stringWithMonospaceFont(" code"));
    EXPECT_EQ(XAANSIEscapedString(s), "text marked code");
    EXPECT_EQ(XAANSIEscapedString(XAAttributedString()), "");
}
