#include "engine/XAFileSnippet.h"

#include "core/XATextOffsets.h"
#include "core/XAXMLText.h"

#include <algorithm>

namespace {

constexpr std::size_t kSingleLineContextUnits = 15;

std::size_t previousCharacterStart(std::string_view text, std::size_t offset) {
    do {
        --offset;
    } while (offset > 0 && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80);
    return offset;
}

// The offset `units` UTF-16 units before `offset`, not before `floor`.
std::size_t unitsBefore(std::string_view text, std::size_t offset, std::size_t units, std::size_t floor) {
    while (offset > floor && units > 0) {
        const std::size_t start = previousCharacterStart(text, offset);
        const std::size_t width = xa_utf16Length(text.substr(start, offset - start));
        if (width > units) {
            break;
        }
        units -= width;
        offset = start;
    }
    return std::max(offset, floor);
}

// The offset `units` UTF-16 units after `offset`, not after `ceiling`.
std::size_t unitsAfter(std::string_view text, std::size_t offset, std::size_t units, std::size_t ceiling) {
    while (offset < ceiling && units > 0) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        const std::size_t width = xa_utf16Length(text.substr(offset, character.length));
        if (width > units) {
            break;
        }
        units -= width;
        offset += character.length;
    }
    return std::min(offset, ceiling);
}

// The part of the text a trimmed snippet shows, before widening and trimming.
XAStringRange cutAroundMarker(std::string_view text, XAStringRange marker, bool multiline) {
    const std::size_t markerStart = marker.location, markerEnd = marker.end();
    const std::size_t previousLineBreak = text.rfind('\n', markerStart == 0 ? 0 : markerStart - 1);
    const std::size_t lineStart =
        (markerStart == 0 || previousLineBreak == std::string_view::npos) ? 0 : previousLineBreak + 1;
    const std::size_t nextLineBreak = text.find('\n', markerEnd);
    const std::size_t lineEnd = nextLineBreak == std::string_view::npos ? text.size() : nextLineBreak;
    if (multiline) {
        return {lineStart, lineEnd - lineStart};
    }
    std::size_t start = unitsBefore(text, markerStart, kSingleLineContextUnits, lineStart);
    std::size_t end = unitsAfter(text, markerEnd, kSingleLineContextUnits, lineEnd);
    const std::size_t firstLineBreak = text.substr(start, end - start).find('\n');
    if (firstLineBreak != std::string_view::npos) {
        if (start + firstLineBreak == markerStart) {
            start = markerStart + 1;
        } else {
            end = start + firstLineBreak;
        }
    }
    return {start, end > start ? end - start : 0};
}

} // namespace

std::optional<XAFileSnippet> XAFileSnippet::snippetFromString(std::shared_ptr<const std::string> text,
                                                              XAStringRange range) {
    if (range.length == 0 || !text || text->empty()) {
        return std::nullopt;
    }
    return makeSnippet(std::move(text), range);
}

std::optional<XAFileSnippet> XAFileSnippet::makeSnippet(std::shared_ptr<const std::string> text, XAStringRange range) {
    if (!text) {
        return std::nullopt;
    }
    const std::size_t end = std::min(range.location + range.length, text->size());
    if (range.location >= end) {
        return std::nullopt;
    }
    const std::optional<XAStringRange> widened =
        xa_rangeOfComposedCharacterSequences(*text, range.location, end - range.location);
    return XAFileSnippet(std::move(text), *widened);
}

std::string XAFileSnippet::fullMarkedSubstring() const {
    return text_->substr(markerRange_.location, markerRange_.length);
}

XAAttributedString XAFileSnippet::trimmedMarkedSnippetMultiline(bool multiline) const {
    const XAStringRange cut = cutAroundMarker(*text_, markerRange_, multiline);
    const XAStringRange widened =
        xa_rangeOfComposedCharacterSequences(*text_, cut.location, cut.length).value_or(XAStringRange{cut.location, 0});
    XAAttributedString snippet(text_->substr(widened.location, widened.length));
    const std::size_t markerStart = std::clamp(markerRange_.location, widened.location, widened.end());
    const std::size_t markerEnd = std::clamp(markerRange_.end(), widened.location, widened.end());
    XATextAttributes marker;
    marker.marker = true;
    snippet.addAttributes(marker, {markerStart - widened.location, markerEnd - markerStart});
    if (!xa_containsAnyCharacterInSet(snippet.string(), XANewlineCharacterSet())) {
        xa_trimCharactersInSet(snippet, &XAWhitespaceAndNewlineCharacterSet());
    }
    return snippet;
}

std::optional<std::string> XAFileSnippet::trimmedHTMLMultiline(bool multiline) const {
    const XAAttributedString snippet = trimmedMarkedSnippetMultiline(multiline);
    const XAStringRange marked = xa_firstRangeOfAttribute(snippet, XAAttributeName::Marker);
    if (!marked.found() || marked.length == 0) {
        return std::nullopt;
    }
    const std::string &text = snippet.string();
    return xa_escapedForXML(std::string_view(text).substr(0, marked.location)) + "<marker>" +
           xa_escapedForXML(std::string_view(text).substr(marked.location, marked.length)) + "</marker>" +
           xa_escapedForXML(std::string_view(text).substr(marked.end()));
}
