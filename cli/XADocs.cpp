#include "cli/XADocs.h"

#include "core/XAUserFolders.h"

#include <md4c-html.h>

namespace {

// Headers deeper than this get no anchor and no contents entry; Markdown has six levels, so all of them do.
constexpr int kNestingLevel = 16;

void appendOutput(const MD_CHAR *text, MD_SIZE size, void *userData) {
    static_cast<std::string *>(userData)->append(text, size);
}

std::string renderedHTML(std::string_view markdown) {
    std::string html;
    md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()), appendOutput, &html, 0, 0);
    return html;
}

} // namespace

std::string XADocsHeaderAnchor(std::string_view renderedContent) {
    std::string anchor;
    anchor.reserve(renderedContent.size());
    for (char c : renderedContent) {
        if (c == ' ' || c == '\t') {
            anchor.push_back('-');
        } else if (c >= 'A' && c <= 'Z') {
            anchor.push_back(static_cast<char>(c - 'A' + 'a'));
        } else {
            anchor.push_back(c);
        }
    }
    return anchor;
}

std::string XADocsRenderedBody(std::string_view markdown, std::vector<XADocsHeader> *headers) {
    const std::string html = renderedHTML(markdown);
    // The renderer writes a header as "<hN>content</hN>" and escapes every "<" of the text, so the next closing tag
    // of that level ends the content.
    std::string body;
    size_t position = 0;
    for (size_t open = html.find("<h"); open != std::string::npos; open = html.find("<h", open + 1)) {
        if (open + 4 > html.size() || html[open + 2] < '1' || html[open + 2] > '6' || html[open + 3] != '>') {
            continue;
        }
        const std::string levelText(1, html[open + 2]);
        const size_t close = html.find("</h" + levelText + ">", open);
        if (close == std::string::npos) {
            break;
        }
        const int level = html[open + 2] - '0';
        const std::string content = html.substr(open + 4, close - open - 4);
        body.append(html, position, open - position);
        body += "<h" + levelText;
        if (level <= kNestingLevel) {
            body += " id=\"" + XADocsHeaderAnchor(content) + "\"";
        }
        body += ">" + content + "</h" + levelText + ">";
        position = close + 5;
        open = close;
        if (headers) {
            headers->push_back({level, content});
        }
    }
    body.append(html, position);
    return body;
}

std::string XADocsTableOfContents(const std::vector<XADocsHeader> &headers) {
    std::string toc;
    int currentLevel = 0;
    int levelOffset = 0;
    for (const XADocsHeader &header : headers) {
        if (header.level > kNestingLevel) {
            continue;
        }
        if (currentLevel == 0) {
            levelOffset = header.level - 1;
        }
        const int level = header.level - levelOffset;
        if (level > currentLevel) {
            for (; currentLevel < level; ++currentLevel) {
                toc += "<ul>\n<li>\n";
            }
        } else if (level < currentLevel) {
            toc += "</li>\n";
            for (; currentLevel > level; --currentLevel) {
                toc += "</ul>\n</li>\n";
            }
            toc += "<li>\n";
        } else {
            toc += "</li>\n<li>\n";
        }
        toc += "<a href=\"#" + XADocsHeaderAnchor(header.content) + "\">" + header.content + "</a>\n";
    }
    for (; currentLevel > 0; --currentLevel) {
        toc += "</li>\n</ul>\n";
    }
    return toc;
}

std::string XADocsHTMLDocument(std::string_view css, std::string_view contentsSection, std::string_view body) {
    std::string document = "<!DOCTYPE html>\n<html lang='en'>\n<style>\n";
    document.append(css).append("\n</style>\n<body>\n");
    document.append(contentsSection).append(body).append("\n</body>\n</html>\n");
    return document;
}

std::optional<std::string> XADocsMarkdownForPage(std::string_view pageName) {
    return xa_contentsOfResource("Docs/" + std::string(pageName) + ".md");
}

std::string XADocsCSS() { return xa_contentsOfResource("docs.css").value_or(""); }

std::string XADocsHTMLForPage(std::string_view pageName, bool withTableOfContents) {
    const std::string markdown = XADocsMarkdownForPage(pageName).value_or("");
    std::vector<XADocsHeader> headers;
    const std::string body = XADocsRenderedBody(markdown, &headers);
    const std::string contents =
        withTableOfContents ? "<h2>Table of Contents</h2>\n" + XADocsTableOfContents(headers) + "\n" : "";
    return XADocsHTMLDocument(XADocsCSS(), contents, body);
}

std::string XADocsTextForPage(std::string_view pageName) { return XADocsMarkdownForPage(pageName).value_or(""); }
