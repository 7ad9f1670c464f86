#pragma once

// The user documentation: Markdown pages among the resources ("Docs/<page>.md") with the style sheet "docs.css",
// rendered as a complete HTML document for the desktop's documentation window and shown as text by the command
// line's "docs" command.
//
// Every header up to the renderer's nesting level gets an anchor made from its own rendered content (blanks and tabs
// become "-", ASCII letters are lower-cased, nothing else changes), and the table of contents links to those anchors.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The page's Markdown; no value when the resource cannot be read.
std::optional<std::string> XADocsMarkdownForPage(std::string_view pageName);
// The style sheet; empty when it cannot be read.
std::string XADocsCSS();
// The HTML document of the page, with the table of contents when asked; a missing page gives an empty body.
std::string XADocsHTMLForPage(std::string_view pageName, bool withTableOfContents);
// The page's Markdown as plain text (not rendered); empty when the page is missing.
std::string XADocsTextForPage(std::string_view pageName);

// ---- The parts, for any Markdown text ----

struct XADocsHeader {
    int level = 0;
    std::string content; // rendered HTML
};

// The header anchor of rendered header content.
std::string XADocsHeaderAnchor(std::string_view renderedContent);
// The Markdown rendered as HTML (no extensions), headers with their anchors; the headers are reported in order.
std::string XADocsRenderedBody(std::string_view markdown, std::vector<XADocsHeader> *headers = nullptr);
// The nested list of links to the headers, its outer level that of the first header.
std::string XADocsTableOfContents(const std::vector<XADocsHeader> &headers);
// The document around a style sheet, a contents section (may be empty) and a body.
std::string XADocsHTMLDocument(std::string_view css, std::string_view contentsSection, std::string_view body);
