#include "core/XAAttributedString.h"
#include "core/XACollections.h"

#include <gtest/gtest.h>

namespace {

XATextAttributes red() { return XATextAttributes::withForegroundColor(XAColor::redColor()); }
XATextAttributes marked() {
    XATextAttributes attributes;
    attributes.marker = true;
    return attributes;
}

} // namespace

TEST(XAAttributedString, FactoriesSetFontAndColourOverTheWholeText) {
    struct Case {
        XAAttributedString made;
        XAFont font;
        XAColor color;
    };
    const Case cases[] = {
        {xa_string("x", std::nullopt, std::nullopt), XAFont::systemFont(12), XAColor::textColor()},
        {xa_stringWithSystemFont("x", XAColor::blueColor()), XAFont::systemFont(12), XAColor::blueColor()},
        {xa_stringWithSystemFont("x"), XAFont::systemFont(12), XAColor::textColor()},
        {xa_stringWithBoldSystemFont("x", XAColor::grayColor()), XAFont::boldSystemFont(12), XAColor::grayColor()},
        {xa_stringWithBoldSystemFont("x"), XAFont::boldSystemFont(12), XAColor::textColor()},
        {xa_stringWithMonospaceFont("x"), XAFont{"Monaco", 11, false, false, true}, XAColor::textColor()},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(c.made.runs().size(), 1u);
        const XATextAttributes &attributes = c.made.runs()[0].attributes;
        EXPECT_EQ(attributes, XATextAttributes::withFontAndColor(c.font, c.color));
        EXPECT_EQ(c.made.runs()[0].range, (XAStringRange{0, 1}));
    }
}

TEST(XAAttributedString, EditingKeepsRunsInStepWithTheText) {
    XAAttributedString s("hello world");
    s.addAttributes(red(), {6, 5});
    s.insert(6, XAAttributedString("big ", marked()));
    EXPECT_EQ(s.string(), "hello big world");
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 6}, {}}, {{6, 4}, marked()}, {{10, 5}, red()}}));

    s.deleteCharacters({8, 5}); // "g wor"
    EXPECT_EQ(s.string(), "hello bild");
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 6}, {}}, {{6, 2}, marked()}, {{8, 2}, red()}}));

    s.removeAttribute(XAAttributeName::Marker, {0, 100});
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 8}, {}}, {{8, 2}, red()}}))
        << "neighbouring runs with equal attributes merge";
}

TEST(XAAttributedString, AddingAttributesKeepsTheOthers) {
    XAAttributedString s = xa_stringWithSystemFont("abc", XAColor::greenColor());
    s.addAttributes(marked(), {1, 1});
    XATextAttributes middle = XATextAttributes::withFontAndColor(XAFont::systemFont(), XAColor::greenColor());
    middle.marker = true;
    XAStringRange range;
    EXPECT_EQ(s.attributesAtIndex(1, &range), middle);
    EXPECT_EQ(range, (XAStringRange{1, 1}));
    EXPECT_TRUE(s.attributesAtIndex(3, &range).empty());
    EXPECT_FALSE(range.found());
}

TEST(XAAttributedString, SubstringsAndAppendsCarryTheirAttributes) {
    XAAttributedString s("ab", red());
    s.append("cd", marked());
    const XAAttributedString middle = s.attributedSubstring({1, 2});
    EXPECT_EQ(middle.string(), "bc");
    EXPECT_EQ(middle.runs(), (std::vector<XAAttributeRun>{{{0, 1}, red()}, {{1, 1}, marked()}}));
    EXPECT_EQ(s.attributedSubstring({3, 50}).string(), "d") << "a range past the end is clipped";
}

TEST(XAAttributedString, JoiningPutsTheSeparatorBetweenComponentsOnly) {
    const std::vector<XAAttributedString> components{XAAttributedString("ab", red()), XAAttributedString("c"),
                                                     XAAttributedString("d", red())};
    const XAAttributedString joined =
        xa_attributedComponentsJoinedByAttributedString(components, XAAttributedString(", ", marked()));
    EXPECT_EQ(joined.string(), "ab, c, d");
    EXPECT_EQ(joined.runs(),
              (std::vector<XAAttributeRun>{
                  {{0, 2}, red()}, {{2, 2}, marked()}, {{4, 1}, {}}, {{5, 2}, marked()}, {{7, 1}, red()}}));
    EXPECT_EQ(xa_attributedComponentsJoinedByAttributedString(components, std::nullopt).string(), "abcd")
        << "no separator joins the components directly";
    EXPECT_EQ(
        xa_attributedComponentsJoinedByAttributedString({XAAttributedString("x", red())}, XAAttributedString(";")),
        XAAttributedString("x", red()));
    EXPECT_TRUE(xa_attributedComponentsJoinedByAttributedString({}, XAAttributedString(";")).empty());
}

TEST(XAAttributedString, FirstRangeOfAttributeSpansNeighbouringRunsWithTheSameValue) {
    XAAttributedString s("plain ");
    s.append("mark", marked());
    s.append("ed", [] {
        XATextAttributes both = marked();
        both.foregroundColor = XAColor::redColor();
        return both;
    }());
    s.append(" tail");
    EXPECT_EQ(xa_firstRangeOfAttribute(s, XAAttributeName::Marker), (XAStringRange{6, 6}));
    EXPECT_EQ(xa_firstRangeOfAttribute(s, XAAttributeName::ForegroundColor), (XAStringRange{10, 2}));
    EXPECT_EQ(xa_firstRangeOfAttribute(s, XAAttributeName::Link), (XAStringRange{XANotFound, 0}));
    EXPECT_EQ(xa_fullRange(s), (XAStringRange{0, s.length()}));
}

TEST(XAAttributedString, TrimmingRemovesSetCharactersAtBothEndsOnly) {
    XAAttributedString s(" \n", red());
    s.append("a b", marked());
    s.append("\t ", red());
    xa_trimCharactersInSet(s, &XAWhitespaceAndNewlineCharacterSet());
    EXPECT_EQ(s.string(), "a b");
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 3}, marked()}}));

    XAAttributedString onlySet(" \u00A0 \n");
    xa_trimCharactersInSet(onlySet, &XAWhitespaceAndNewlineCharacterSet());
    EXPECT_TRUE(onlySet.empty());

    XAAttributedString untouched(" x ");
    xa_trimCharactersInSet(untouched, nullptr);
    EXPECT_EQ(untouched.string(), " x ");
}

TEST(XAAttributedString, ReplacingNeverSearchesTheInsertedText) {
    XAAttributedString s("aaa");
    xa_replaceOccurrencesOfString(s, "a", XAAttributedString("aa", red()));
    EXPECT_EQ(s.string(), "aaaaaa");
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 6}, red()}}));

    XAAttributedString lines("one\ntwo\n");
    xa_replaceOccurrencesOfString(lines, "\n", XAAttributedString(" "));
    EXPECT_EQ(lines.string(), "one two ");
    xa_replaceOccurrencesOfString(lines, "", XAAttributedString("x"));
    EXPECT_EQ(lines.string(), "one two ");
}

TEST(XAAttributedStringWrap, BreaksAtSpacesWithAHangingIndentForBullets) {
    struct Case {
        std::string text;
        size_t width;
        std::string wrapped;
    };
    const Case cases[] = {
        {"\u2022 first second third", 10, "\u2022 first\n  second\n  third"},
        {"abcdefghijkl", 5, "abcde\nfghij\nkl"},          // a long word breaks inside at the width
        {"ab  cd ef", 5, "ab\ncd ef"},                    // the whole run of blanks gives way
        {"aaaa bbbb", 4, "aaaa\nbbbb"},                   // a space right at the width is the break
        {"ab\tcd ef", 8, "ab    cd\nef"},                 // a tab counts four
        {"\tab cd", 6, "    ab\n    cd"},                 // leading blanks indent the continuation
        {"abcde\nfghij\nk", 5, "abcde\nfghij\nk"},        // a line break of the text is kept, none added
        {"ab cd\nef gh ij", 5, "ab cd\nef gh\nij"},       // the column restarts after a line break
        {"abcde   \nx", 5, "abcde   \nx"},                // blanks before a line break never make an empty line
        {"  \u25E6 one two", 8, "  \u25E6 one\n    two"}, // indentation counts every blank and bullet
        {"\u00E9\u00E9\u00E9\u00E9 \u00E9\u00E9", 5, "\u00E9\u00E9\u00E9\u00E9\n\u00E9\u00E9"}, // characters, not bytes
        {"", 5, ""},
        {"a b", 0, "a b"},
    };
    for (const Case &c : cases) {
        XAAttributedString s(c.text);
        xa_wordWrapToWidth(s, c.width);
        EXPECT_EQ(s.string(), c.wrapped) << c.text << " at width " << c.width;
    }
}

TEST(XAAttributedStringWrap, InsertedBreaksCarryNoAttributes) {
    XAAttributedString s("one two", red());
    xa_wordWrapToWidth(s, 4);
    EXPECT_EQ(s.string(), "one\ntwo");
    EXPECT_EQ(s.runs(), (std::vector<XAAttributeRun>{{{0, 3}, red()}, {{3, 1}, {}}, {{4, 3}, red()}}));
}

TEST(XAAttributedString, HighlightingAddsAttributesAtEveryOccurrence) {
    XAAttributedString s = xa_stringWithSystemFont("Foo calls foo");
    xa_highlightSubstrings(s, {"foo"}, marked(), XAStringComparison::CaseInsensitive);
    EXPECT_EQ(xa_firstRangeOfAttribute(s, XAAttributeName::Marker), (XAStringRange{0, 3}));
    EXPECT_TRUE(s.attributesAtIndex(10).marker);
    EXPECT_FALSE(s.attributesAtIndex(4).marker);
    EXPECT_TRUE(s.attributesAtIndex(10).font.has_value()) << "the other attributes stay";
}

TEST(XAAttributedString, BrightnessChangesReachUncolouredText) {
    XAAttributedString s("plain ");
    s.append("red", red());
    xa_assignTextBrightness(s, 0.5, 0.2);
    const XAColor plain = *s.attributesAtIndex(0).foregroundColor;
    const XAHSBColor redHSB = XAHSBFromColor(*s.attributesAtIndex(6).foregroundColor);
    EXPECT_EQ(plain, XAColor::grayColor()) << "the text colour is black before the change";
    EXPECT_DOUBLE_EQ(redHSB.brightness, 0.5);
    EXPECT_DOUBLE_EQ(redHSB.saturation, 0.2);
    EXPECT_DOUBLE_EQ(redHSB.hue, 0);

    XAAttributedString background("x");
    xa_modifyHSBForAttributes(background, {XAAttributeName::Font, XAAttributeName::BackgroundColor},
                              [](double &, double &, double &b, double &) { b *= 0.5; });
    EXPECT_EQ(background.attributesAtIndex(0).backgroundColor, XAColor::grayColor());
    EXPECT_FALSE(background.attributesAtIndex(0).font.has_value());
}

TEST(XAColor, HSBRoundTripsThroughRGB) {
    const XAColor colors[] = {XAColor::redColor(),  XAColor::greenColor(),       XAColor::blueColor(),
                              XAColor::cyanColor(), XAColor::rgb(0.2, 0.4, 0.9), XAColor::rgb(0.9, 0.3, 0.6, 0.5),
                              XAColor::white(0.3)};
    for (const XAColor &color : colors) {
        const XAColor back = XAColorFromHSB(XAHSBFromColor(color));
        EXPECT_NEAR(back.red, color.red, 1e-9);
        EXPECT_NEAR(back.green, color.green, 1e-9);
        EXPECT_NEAR(back.blue, color.blue, 1e-9);
        EXPECT_DOUBLE_EQ(back.alpha, color.alpha);
    }
    EXPECT_DOUBLE_EQ(XAHSBFromColor(XAColor::greenColor()).hue, 1.0 / 3);
}
