#include "engine/XAFileSnippet.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const std::string> shared(std::string text) {
    return std::make_shared<const std::string>(std::move(text));
}

// The snippet's text with the marked part in brackets.
std::string bracketed(const XAAttributedString &snippet) {
    const XAStringRange marked = xa_firstRangeOfAttribute(snippet, XAAttributeName::Marker);
    if (!marked.found()) {
        return snippet.string();
    }
    std::string text = snippet.string();
    text.insert(marked.end(), "]");
    text.insert(marked.location, "[");
    return text;
}

TEST(XAFileSnippetTest, NoSnippetForAnEmptyRangeOrText) {
    EXPECT_FALSE(XAFileSnippet::snippetFromString(shared("abc"), {1, 0}));
    EXPECT_FALSE(XAFileSnippet::snippetFromString(shared(""), {0, 1}));
    EXPECT_FALSE(XAFileSnippet::snippetFromString(shared("abc"), {3, 2}));
    // A range reaching past the end is clipped; one inside a character is widened to it.
    EXPECT_EQ(XAFileSnippet::snippetFromString(shared("abc"), {2, 5})->fullMarkedSubstring(), "c");
    EXPECT_EQ(XAFileSnippet::snippetFromString(shared("a\u00E9b"), {2, 1})->fullMarkedSubstring(), "\u00E9");
}

TEST(XAFileSnippetTest, ASingleLineSnippetKeepsFifteenUnitsOnEachSide) {
    const std::string line = "    int value = computeSomethingRatherLong(first, second, third, fourth);";
    const std::string text = "// before\n" + line + "\n// after\n";
    const std::size_t start = text.find("first");
    const auto snippet = XAFileSnippet::snippetFromString(shared(text), {start, 6});
    ASSERT_TRUE(snippet);
    EXPECT_EQ(bracketed(snippet->trimmedMarkedSnippetMultiline(false)), "hingRatherLong([first,] second, third,");
    // Near the start of the line the cut stops at the line and is trimmed of its indentation.
    const auto early = XAFileSnippet::snippetFromString(shared(text), {text.find("int"), 3});
    EXPECT_EQ(bracketed(early->trimmedMarkedSnippetMultiline(false)), "[int] value = comput");
    // Multi-line snippets show whole lines, untrimmed only when they hold a line break.
    EXPECT_EQ(bracketed(snippet->trimmedMarkedSnippetMultiline(true)),
              "int value = computeSomethingRatherLong([first,] second, third, fourth);");
}

TEST(XAFileSnippetTest, AMarkerOverSeveralLinesShowsItsFirstLineWhenSingleLine) {
    const std::string text = "a = call(x,\n         y);\n";
    const auto snippet = XAFileSnippet::snippetFromString(shared(text), {4, text.find(')') + 1 - 4});
    ASSERT_TRUE(snippet);
    EXPECT_EQ(bracketed(snippet->trimmedMarkedSnippetMultiline(false)), "a = [call(x,]");
    EXPECT_EQ(bracketed(snippet->trimmedMarkedSnippetMultiline(true)), "a = [call(x,\n         y)];");
}

TEST(XAFileSnippetTest, HTMLEscapesEveryPartAndHoldsOneMarker) {
    const std::string text = "if (a < b) { x = y <z> w; }\n";
    const std::size_t start = text.find("y <z>");
    const auto snippet = XAFileSnippet::snippetFromString(shared(text), {start, 5});
    ASSERT_TRUE(snippet);
    const std::optional<std::string> html = snippet->trimmedHTMLMultiline(true);
    EXPECT_EQ(html, "if (a &lt; b) { x = <marker>y &lt;z&gt;</marker> w; }");
    EXPECT_EQ(html->find("<marker>"), html->rfind("<marker>"));
}

} // namespace
