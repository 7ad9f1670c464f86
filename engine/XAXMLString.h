#pragma once

// Markup text: every text that a rule or the engine shows to a user (rule names, descriptions, warnings, diagnostic
// messages) is written in a small XML-like markup that says what a piece of text is (a file path, an Objective-C
// method, a string value, a note) rather than how it looks. Each output renders the same source its own way: plain
// text for sorting, searching, JSON and terminal output, HTML for the desktop pane and the rule pages, and styled
// text for the terminal printer and the desktop views.
//
// Tags: "<name ...>" opens a tag (whatever follows the first space is ignored) and "</name>" closes the innermost open
// tag, whatever name it carries. Text between tags may hold XML entity references. Rules wrap names in tags
// ("<codesymbol>...</codesymbol>") and escape inserted values with xa_escapedForXML (core/XAXMLText.h).
//
// A markup text is immutable and cheap to copy (copies share the source and the renderings). Each rendering is made
// on its first request, once even when several threads ask at the same time, and kept.

#include "core/XAAttributedString.h"

#include <memory>
#include <string>
#include <string_view>

class XAXMLString {
public:
    // The empty markup text.
    XAXMLString();
    explicit XAXMLString(std::string markup);
    explicit XAXMLString(const char *markup) : XAXMLString(std::string(markup)) {}

    // The markup source; it alone decides equality, hash and length.
    const std::string &xmlString() const;
    const std::string &description() const { return xmlString(); }

    // The source without its tags; entity references stay as written.
    const std::string &plainString() const;
    // The source with its tags as HTML elements: the block and emphasis tags as themselves, the code tags as code
    // elements and every other tag as a div element, both with the class "tessary-<name>". Entity references stay.
    const std::string &htmlString() const;
    // The styled rendering: colours, font traits, quotation marks and bullets by tag, paragraph breaks between
    // blocks, entity references decoded, trimmed of white space at both ends.
    const XAAttributedString &attributedString() const;
    // The styled rendering with every line break replaced by a blank.
    const XAAttributedString &attributedStringOneLine() const;

    // The length of the source in UTF-16 units, tags included.
    std::size_t length() const;
    std::size_t hash() const;
    bool operator==(const XAXMLString &other) const { return xmlString() == other.xmlString(); }

    // The order of the other text's plain text against this one's (the other first): negative when it sorts before,
    // 0 when equal, positive after. A sort by it runs from the highest plain text to the lowest.
    int compare(const XAXMLString &other) const;

private:
    struct Renderings;
    std::shared_ptr<Renderings> renderings_;
};

template <> struct std::hash<XAXMLString> {
    std::size_t operator()(const XAXMLString &text) const { return text.hash(); }
};

// The markup rendered as styled text (the algorithm behind XAXMLString::attributedString).
XAAttributedString XAStyledTextFromMarkup(std::string_view markup);
