#pragma once

// A file's text with the part a diagnostic points at marked. A snippet keeps the whole text (shared between the
// snippets of one file, never copied) and the marked range; it is cut down to a few lines only when it is shown.
//
// Ranges are byte ranges of the UTF-8 text and always cover whole user-perceived characters. The context limit of a
// single-line snippet counts UTF-16 units, as the desktop shows them.

#include "core/XAAttributedString.h"

#include <memory>
#include <optional>
#include <string>

class XAFileSnippet {
public:
    // No snippet for an empty range or text; otherwise as the constructor.
    static std::optional<XAFileSnippet> snippetFromString(std::shared_ptr<const std::string> text, XAStringRange range);
    // No snippet when the range, clipped to the text, is empty; the marked range is widened to whole characters.
    static std::optional<XAFileSnippet> makeSnippet(std::shared_ptr<const std::string> text, XAStringRange range);

    const std::string &string() const { return *text_; }
    XAStringRange markerRange() const { return markerRange_; }

    // The marked text.
    std::string fullMarkedSubstring() const;
    // The lines around the marked part with the marker attribute on it. Single-line, the cut keeps at most 15 UTF-16
    // units on either side on the marker's first line and, holding no line break, is trimmed of white space.
    XAAttributedString trimmedMarkedSnippetMultiline(bool multiline) const;
    // The trimmed snippet as HTML: the code before, "<marker>", the marked code, "</marker>", the code after, each
    // part escaped for XML. No value when the cut holds no marked character.
    std::optional<std::string> trimmedHTMLMultiline(bool multiline) const;

private:
    XAFileSnippet(std::shared_ptr<const std::string> text, XAStringRange markerRange)
        : text_(std::move(text)), markerRange_(markerRange) {}

    std::shared_ptr<const std::string> text_;
    XAStringRange markerRange_;
};
