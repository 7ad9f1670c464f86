#include "core/XAXMLText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

TEST(XAXMLTextTests, EscapesMarkupCharacters) {
    EXPECT_EQ(xa_escapedForXML("a \"b\" & 'c' <d>"), "a &quot;b&quot; &amp; &apos;c&apos; &lt;d&gt;");
    EXPECT_EQ(xa_escapedForXML("&amp;"), "&amp;amp;");
    EXPECT_EQ(xa_escapedForXML(""), "");
}

TEST(XAXMLTextTests, EscapingRemovesCharactersXMLForbids) {
    EXPECT_EQ(xa_escapedForXML(std::string("a\0b\x01\x1F"
                                           "c",
                                           6)),
              "abc");
    EXPECT_EQ(xa_escapedForXML("tab\tlf\ncr\r"), "tab\tlf\ncr\r");
    EXPECT_EQ(xa_escapedForXML("x\xEF\xBF\xBEy\xEF\xBF\xBFz"), "xyz"); // U+FFFE, U+FFFF
    EXPECT_EQ(xa_escapedForXML("caf\xC3\xA9 \xF0\x9F\x98\x80"), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(xa_escapedForXML("bad\xC3"
                               "<\xFF"),
              "bad&lt;"); // truncated and invalid UTF-8
}

TEST(XAXMLTextTests, StripsTags) {
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"<p>Hello <b>you</b></p>", "Hello you"},
        {"a < b", "a < b"},
        {"a <> b", "a <> b"},
        {"x<<b>y", "xy"},
        {"1 < 2 <i>and</i> 3 > 2", "1 and 3 > 2"}, // "< 2 <i>" is a tag too
        {"<a href=\"x\">link</a>\n<br/>", "link\n"},
        {"no tags", "no tags"},
        {"trailing <", "trailing <"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_stringByStrippingXMLTags(c.input), c.expected) << c.input;
    }
}

TEST(XAXMLTextTests, DecodesEntities) {
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"a &lt;b&gt; &amp; c", "a <b> & c"},
        {"&quot;&apos;", "\"'"},
        {"&#65;&#x41;", "AA"},
        {"&#x1F600;", "\xF0\x9F\x98\x80"},
        {"&nope;", "&nope;"},
        {"&;", "&;"},
        {"ends with &", "ends with &"},
        {"AT&T", "AT&T"},
        {"&#xZZ;&#12a;&#;&#x;", "&#xZZ;&#12a;&#;&#x;"},
        {"&#99999999999;", "&#99999999999;"},
        {"&#x110000;", "\xEF\xBF\xBD"},
        {"&amp;lt;", "&lt;"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_stringByDecodingXMLEntities(c.input), c.expected) << c.input;
    }
}

// Records the walker's calls as lines such as "start b [a]".
std::vector<std::string> walk(const std::string &markup) {
    std::vector<std::string> calls;
    auto recorder = [&calls](const char *kind) {
        return [&calls, kind](const XAXMLTagStack &stack, const std::string &value) {
            std::string line = std::string(kind) + " " + value + " [";
            for (std::size_t i = 0; i < stack.size(); ++i) {
                line += (i ? ", " : "") + stack[i];
            }
            calls.push_back(line + "]");
        };
    };
    xa_handleXMLTagStart(markup, recorder("start"), recorder("text"), recorder("end"));
    return calls;
}

TEST(XAXMLTextTests, WalkerReportsNesting) {
    EXPECT_EQ(walk("<a>x<b>y</b></a>"), (std::vector<std::string>{"start a []", "text x [a]", "start b [a]",
                                                                  "text y [a, b]", "end b [a]", "end a []"}));
}

TEST(XAXMLTextTests, WalkerIsTolerant) {
    // Attributes are not reported; a self-closing tag stays open; a stray closing tag pops nothing.
    EXPECT_EQ(
        walk("<p class=\"x\">a<br/></i></p>b"),
        (std::vector<std::string>{"start p []", "text a [p]", "start br/ [p]", "end i [p]", "end p []", "text b []"}));
    // A "<" without ">" ends the walk; the text before it is still reported.
    EXPECT_EQ(walk("a < b"), (std::vector<std::string>{"text a  []"}));
    EXPECT_EQ(walk("</"), (std::vector<std::string>{}));
    EXPECT_EQ(walk("<>x</>"), (std::vector<std::string>{"text x []"}));
}

TEST(XAXMLTextTests, WalkerAcceptsEmptyHandlers) {
    int starts = 0;
    xa_handleXMLTagStart(
        "<a>x</a><b/>", [&starts](const XAXMLTagStack &, const std::string &) { ++starts; }, nullptr, nullptr);
    EXPECT_EQ(starts, 2);
    xa_handleXMLTagStart("<a>x</a>", nullptr, nullptr, nullptr);
}

TEST(XAXMLTextTests, ReplacesTags) {
    const XAXMLTagReplacements replacements = {
        {"b", {.tag = "strong", .pre = "", .post = "", .attrs = std::nullopt}},
        {"code", {.tag = "span", .pre = "`", .post = "`", .attrs = "class=\"code\""}},
        {"br", {.tag = std::nullopt, .pre = "\n", .post = "", .attrs = std::nullopt}},
        {"li", {.tag = std::nullopt, .pre = "- ", .post = ";", .attrs = std::nullopt}},
    };
    const struct {
        std::string input;
        bool removingUnknown;
        std::string expected;
    } cases[] = {
        {"<B id=\"1\">bold</B>", false, "<strong>bold</strong>"},
        {"a <code>x</code>", false, "a <span class=\"code\">`x`</span>"},
        {"one<br>two", true, "one\ntwo"},
        {"<li>item</li>", true, "- item;"},
        {"< code >x</ CODE >", false, "<span class=\"code\">`x`</span>"},
        {"<i class=\"k\">x</i>", false, "<i class=\"k\">x</i>"},
        {"<i class=\"k\">x</i>", true, "x"},
        {"a < b", true, "a < b"},
        {"a <", true, "a <"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(xa_stringByReplacingXMLTags(c.input, replacements, c.removingUnknown), c.expected) << c.input;
    }
}

TEST(XAXMLTextTests, AcceptsWellFormedDocuments) {
    const char *documents[] = {
        "<r/>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- c -->\n<r a='1' "
        "b=\"&amp;&#65;&#x42;\">t<![CDATA[<x>]]></r>\n",
        "<!DOCTYPE r [<!ENTITY e \"x\">]><r>&e;</r>",
    };
    for (const char *document : documents) {
        XAError error;
        EXPECT_TRUE(xa_isValidXMLWithError(document, &error)) << document << ": " << error.message;
    }
}

TEST(XAXMLTextTests, RejectsMalformedDocuments) {
    const struct {
        std::string document;
        std::string message;
    } cases[] = {
        {"", "no root element"},
        {"<!-- only a comment -->", "no root element"},
        {"<a><b></a>", "line 1"},
        {"<a>\n<b>\n</a>", "line 3"},
        {"<a/><b/>", "more than one root element"},
        {"text<a/>", "text outside the root element"},
        {"<a/>tail", "text outside the root element"},
        {"<a/><?xml version=\"1.0\"?>", "XML declaration"},
        {"<a/><!DOCTYPE a>", "document type declaration"},
        {"<a x=\"1\" x=\"2\"/>", "duplicate attribute"},
        {"<a>AT&T</a>", "\"&\""},
        {"<a>&nope;</a>", "undefined entity &nope;"},
        {"<a>&#1;</a>", "invalid character reference"},
        {"<a x=\"<\"/>", "\"<\""},
        {"<a", "line 1"},
    };
    for (const auto &c : cases) {
        XAError error;
        EXPECT_FALSE(xa_isValidXMLWithError(c.document, &error)) << c.document;
        EXPECT_THAT(error.message, HasSubstr(c.message)) << c.document;
        EXPECT_EQ(error.domain, XAError::kDomain);
        EXPECT_FALSE(xa_isValidXMLWithError(c.document, nullptr));
    }
}

TEST(XAXMLTextTests, PrettyPrintsAndKeepsEverything) {
    const std::string document = "<?xml version=\"1.0\"?>\n"
                                 "<!DOCTYPE r [<!ENTITY e \"x\">]>\n"
                                 "<!-- top --><r a='say \"hi\"'><p>Hello <b>you</b> &e; &amp; &#65;</p>"
                                 "<?pi data?><list>\n  <i>1</i>\n      <i>2</i></list>"
                                 "<s>  </s><c><![CDATA[<raw>]]></c>"
                                 "<pre xml:space=\"preserve\">  <i/>  </pre></r>";
    XAError error;
    const auto printed = xa_stringByPrettyPrintingXMLAndReturnError(document, &error);
    ASSERT_TRUE(printed) << error.message;
    EXPECT_EQ(*printed, "<?xml version=\"1.0\"?>\n"
                        "<!DOCTYPE r [<!ENTITY e \"x\">]>\n"
                        "<!-- top -->\n"
                        "<r a=\"say &quot;hi&quot;\">\n"
                        "    <p>Hello <b>you</b> &e; &amp; &#65;</p>\n"
                        "    <?pi data?>\n"
                        "    <list>\n"
                        "        <i>1</i>\n"
                        "        <i>2</i>\n"
                        "    </list>\n"
                        "    <s>  </s>\n"
                        "    <c><![CDATA[<raw>]]></c>\n"
                        "    <pre xml:space=\"preserve\">  <i />  </pre>\n"
                        "</r>\n");
    // Printing is stable: the printed document prints the same.
    EXPECT_EQ(xa_stringByPrettyPrintingXMLAndReturnError(*printed, nullptr), printed);
}

TEST(XAXMLTextTests, DeepNestingIsSafe) {
    constexpr std::size_t depth = 200'000;
    std::string document;
    for (std::size_t i = 0; i < depth; ++i) {
        document += "<a>";
    }
    for (std::size_t i = 0; i < depth; ++i) {
        document += "</a>";
    }
    EXPECT_TRUE(xa_isValidXMLWithError(document, nullptr));
    XAError error;
    EXPECT_EQ(xa_stringByPrettyPrintingXMLAndReturnError(document, &error),
              std::nullopt); // would print gigabytes of indentation
    EXPECT_THAT(error.message, HasSubstr("nested too deeply"));
    std::size_t starts = 0;
    xa_handleXMLTagStart(
        document, [&starts](const XAXMLTagStack &, const std::string &) { ++starts; }, nullptr, nullptr);
    EXPECT_EQ(starts, depth);
    EXPECT_EQ(xa_stringByStrippingXMLTags(document), "");
}

TEST(XAXMLTextTests, PrettyPrintingFailsOnMalformedText) {
    XAError error;
    EXPECT_EQ(xa_stringByPrettyPrintingXMLAndReturnError("<a><b></a>", &error), std::nullopt);
    EXPECT_FALSE(error.message.empty());
}

} // namespace
