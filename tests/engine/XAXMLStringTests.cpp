#include "engine/XAXMLString.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// The runs of a styled text as (text, attributes) pairs.
std::vector<std::pair<std::string, XATextAttributes>> runsOf(const XAAttributedString &styled) {
    std::vector<std::pair<std::string, XATextAttributes>> runs;
    for (const XAAttributeRun &run : styled.runs()) {
        runs.emplace_back(styled.string().substr(run.range.location, run.range.length), run.attributes);
    }
    return runs;
}

XATextAttributes textAttributes(XAFont font, std::optional<XAColor> color = std::nullopt) {
    XATextAttributes attributes;
    attributes.font = font;
    attributes.foregroundColor = color;
    return attributes;
}

TEST(XAXMLStringTest, ParagraphsAreSeparatedByOneEmptyLine) {
    EXPECT_EQ(XAXMLString("<p>One</p><p>Two</p>").attributedString().string(), "One\n\nTwo");
    // White space between blocks in the source adds nothing.
    EXPECT_EQ(XAXMLString("<p>One</p>\n  <p>Two</p>\n").attributedString().string(), "One\n\nTwo");
}

TEST(XAXMLStringTest, ListItemsGetBullets) {
    const XAXMLString list("<ul><li>a</li><li>b</li></ul>");
    EXPECT_EQ(list.attributedString().string(), "\u2022 a\n\u2022 b");
    EXPECT_EQ(list.attributedStringOneLine().string(), "\u2022 a \u2022 b");
    EXPECT_EQ(list.htmlString(), "<ul><li>a</li><li>b</li></ul>");
    EXPECT_EQ(list.plainString(), "ab");
    // White space between the items, as list helpers write it, does not indent the items after the first.
    EXPECT_EQ(XAXMLString("<ul><li>a</li> <li>b</li>\n <li>c</li></ul>").attributedString().string(),
              "\u2022 a\n\u2022 b\n\u2022 c");
}

TEST(XAXMLStringTest, StringsAreGreenAndQuoted) {
    const XAXMLString text("<string>x</string>");
    EXPECT_EQ(text.plainString(), "x");
    EXPECT_EQ(text.htmlString(), "<code class=\"tessary-string\">x</code>");
    const XATextAttributes green = XATextAttributes::withForegroundColor(XAColor::greenColor());
    EXPECT_EQ(runsOf(text.attributedString()), (std::vector<std::pair<std::string, XATextAttributes>>{
                                                   {"\u201C", green},
                                                   {"x", textAttributes(XAFont::systemFont(12), XAColor::greenColor())},
                                                   {"\u201D", green}}));
}

TEST(XAXMLStringTest, TagsChooseTheirHTMLElementAndStyle) {
    struct Case {
        const char *markup;
        const char *html;
        const char *styledText;
    };
    const Case cases[] = {
        {"<buildConfig>Debug</buildConfig>", "<div class=\"tessary-buildConfig\">Debug</div>", "\u2018Debug\u2019"},
        {"<CODE>x</CODE>", "<CODE>x</CODE>", "x"},
        {"<objcmethod>-[A b]</objcmethod>", "<code class=\"tessary-objcmethod\">-[A b]</code>", "-[A b]"},
        {"<filepath a=\"1\">/p/a.m</filepath>", "<div class=\"tessary-filepath\">/p/a.m</div>", "/p/a.m"},
        {"<unknown>u</unknown>", "<div class=\"tessary-unknown\">u</div>", "u"},
        {"a &amp; b", "a &amp; b", "a & b"},
        {"<p>closed twice</p></p> then text", "<p>closed twice</p></p> then text", "closed twice\n\n then text"},
    };
    for (const Case &c : cases) {
        const XAXMLString text(c.markup);
        EXPECT_EQ(text.htmlString(), c.html) << c.markup;
        EXPECT_EQ(text.attributedString().string(), c.styledText) << c.markup;
    }
    EXPECT_EQ(XAXMLString("a &amp; b").plainString(), "a &amp; b");
}

TEST(XAXMLStringTest, NestedTagsMergeColoursAndFontTraits) {
    const XAXMLString text("<note>see <code>x</code> and <filepath><em>f</em></filepath></note>");
    const XAFont plain = XAFont::systemFont(12);
    XAFont code = plain;
    code.bold = code.fixedPitch = true;
    XAFont italic = plain;
    italic.italic = true;
    EXPECT_EQ(runsOf(text.attributedString()), (std::vector<std::pair<std::string, XATextAttributes>>{
                                                   {"see ", textAttributes(plain, XAColor::grayColor())},
                                                   {"x", textAttributes(code, XAColor::grayColor())},
                                                   {" and ", textAttributes(plain, XAColor::grayColor())},
                                                   {"f", textAttributes(italic, XAColor::blueColor())}}));
    // An upper-case tag name has no style.
    EXPECT_EQ(runsOf(XAXMLString("<CODE>x</CODE>").attributedString()),
              (std::vector<std::pair<std::string, XATextAttributes>>{{"x", textAttributes(plain)}}));
}

TEST(XAXMLStringTest, IdentityIsTheSource) {
    EXPECT_EQ(XAXMLString("<code>a</code>"), XAXMLString("<code>a</code>"));
    EXPECT_EQ(XAXMLString("<code>a</code>").hash(), XAXMLString("<code>a</code>").hash());
    EXPECT_NE(XAXMLString("<code>a</code>"), XAXMLString("<em>a</em>"));
    EXPECT_EQ(XAXMLString("<p>\U0001F600</p>").length(), 9u);
}

TEST(XAXMLStringTest, AnEmptySourceRendersEmpty) {
    const XAXMLString empty;
    EXPECT_EQ(empty.plainString(), "");
    EXPECT_EQ(empty.htmlString(), "");
    EXPECT_TRUE(empty.attributedString().empty());
    EXPECT_TRUE(empty.attributedStringOneLine().empty());
    EXPECT_EQ(empty.length(), 0u);
}

TEST(XAXMLStringTest, ComparesPlainTextsTheOtherFirst) {
    const XAXMLString a("<p>a</p>"), b("b");
    EXPECT_GT(a.compare(b), 0);
    EXPECT_LT(b.compare(a), 0);
    EXPECT_EQ(a.compare(XAXMLString("a")), 0);
}

TEST(XAXMLStringTest, ConcurrentFirstRequestsShareOneRendering) {
    const XAXMLString text("<p>shared <string>value</string></p>");
    std::vector<const XAAttributedString *> rendered(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        threads.emplace_back([&, i] { rendered[i] = &text.attributedString(); });
    }
    for (std::thread &thread : threads) {
        thread.join();
    }
    for (const XAAttributedString *styled : rendered) {
        EXPECT_EQ(styled, rendered[0]);
    }
    EXPECT_EQ(rendered[0]->string(), "shared \u201Cvalue\u201D");
}

} // namespace
