#include "cli/XADocs.h"

#include <gtest/gtest.h>

TEST(XADocsTest, HeadersGetAnchorsFromTheirOwnText) {
    std::vector<XADocsHeader> headers;
    const std::string body = XADocsRenderedBody("# Getting Started\n\n## The `check` Command\n\ntext\n", &headers);
    EXPECT_NE(body.find("<h1 id=\"getting-started\">Getting Started</h1>"), std::string::npos) << body;
    EXPECT_NE(body.find("<h2 id=\"the-<code>check</code>-command\">The <code>check</code> Command</h2>"),
              std::string::npos)
        << body;
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[1].level, 2);
    EXPECT_EQ(XADocsHeaderAnchor("A\tB C"), "a-b-c");
}

TEST(XADocsTest, TheContentsListNestsFromTheFirstHeadersLevel) {
    const std::vector<XADocsHeader> headers = {{2, "One"}, {3, "One A"}, {2, "Two"}};
    EXPECT_EQ(XADocsTableOfContents(headers), "<ul>\n<li>\n<a href=\"#one\">One</a>\n"
                                              "<ul>\n<li>\n<a href=\"#one-a\">One A</a>\n"
                                              "</li>\n</ul>\n</li>\n<li>\n<a href=\"#two\">Two</a>\n"
                                              "</li>\n</ul>\n");
    EXPECT_EQ(XADocsTableOfContents({}), "");
}

TEST(XADocsTest, TheDocumentHoldsStyleContentsAndBody) {
    EXPECT_EQ(XADocsHTMLDocument("p {}", "", "<p>x</p>\n"),
              "<!DOCTYPE html>\n<html lang='en'>\n<style>\np {}\n</style>\n<body>\n<p>x</p>\n\n</body>\n</html>\n");
}

TEST(XADocsTest, TheMainPageRendersWithItsContentsAndAMissingPageIsEmpty) {
    const std::string html = XADocsHTMLForPage("main", true);
    EXPECT_NE(html.find("<h2>Table of Contents</h2>\n<ul>\n<li>\n<a href=\"#tessary\">Tessary</a>"), std::string::npos)
        << html.substr(0, 600);
    EXPECT_NE(html.find("<h2 id=\"exit-status\">Exit status</h2>"), std::string::npos);
    EXPECT_EQ(XADocsTextForPage("no-such-page"), "");
    EXPECT_NE(XADocsHTMLForPage("no-such-page", false).find("</style>\n<body>\n\n</body>"), std::string::npos);
}
