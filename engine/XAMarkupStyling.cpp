// The styled rendering of markup text: what each tag adds (colour, font traits, text inserted at its start and end,
// paragraph breaks) and how text between tags takes the attributes of every tag open around it.

#include "engine/XAXMLString.h"

#include "core/XAXMLText.h"

#include <map>

namespace {

struct TagStyle {
    std::optional<XAColor> color = std::nullopt;
    bool bold = false;
    bool italic = false;
    bool fixedPitch = false;
    // Inserted before and after the tag's text; only "string"'s quotation marks take its colour.
    std::string startInsertion = "";
    std::string endInsertion = "";
    bool insertionsTakeColor = false;
    // Blocks: their start and end keep one empty line from what stands around them.
    bool paragraphBreak = false;
};

std::map<std::string, TagStyle, std::less<>> makeTagStyles() {
    std::map<std::string, TagStyle, std::less<>> styles;
    TagStyle block;
    block.paragraphBreak = true;
    styles["p"] = styles["ul"] = styles["ol"] = block;
    styles["li"].startInsertion = "\u2022 ";
    styles["li"].endInsertion = "\n";
    styles["code"] = {.bold = true, .fixedPitch = true};
    styles["em"] = {.italic = true};
    styles["strong"] = {.bold = true};
    styles["string"] = {.color = XAColor::greenColor(),
                        .startInsertion = "\u201C",
                        .endInsertion = "\u201D",
                        .insertionsTakeColor = true};
    for (const char *code : {"codesymbol", "cfunction", "cmacro", "typedef", "objcclass", "objccategory", "objcmethod",
                             "objcproperty", "objcprotocol"}) {
        styles[code] = {.bold = true, .fixedPitch = true};
    }
    for (const char *path : {"filename", "filepath", "resourcepath"}) {
        styles[path] = {.color = XAColor::blueColor()};
    }
    styles["note"] = {.color = XAColor::grayColor()};
    styles["accent"] = {.color = XAColor::greenColor()};
    for (const char *setting : {"target", "buildConfig"}) {
        styles[setting] = {.startInsertion = "\u2018", .endInsertion = "\u2019"};
    }
    return styles;
}

// Names are compared as written: an upper-case "CODE" has no style.
const TagStyle *styleOfTag(std::string_view name) {
    static const std::map<std::string, TagStyle, std::less<>> styles = makeTagStyles();
    auto found = styles.find(name);
    return found == styles.end() ? nullptr : &found->second;
}

// The line breaks that end the text, counted backwards over blanks and tabs; the first character is never looked at.
std::size_t trailingLineBreaks(const std::string &text) {
    const std::size_t firstCharacterEnd = XADecodeUTF8(text, 0).length;
    std::size_t count = 0;
    for (std::size_t i = text.size(); i > firstCharacterEnd; --i) {
        const char c = text[i - 1];
        if (c == '\n') {
            ++count;
        } else if (c != ' ' && c != '\t') {
            break;
        }
    }
    return count;
}

bool isDirectlyInList(const XAXMLTagStack &openTags) {
    return !openTags.empty() && (openTags.back() == "ul" || openTags.back() == "ol");
}

bool hasFewerThanTwoCharacters(const std::string &text) {
    return text.empty() || XADecodeUTF8(text, 0).length == text.size();
}

// Keeps one empty line between blocks, never more.
void applyParagraphBreak(XAAttributedString &styled) {
    if (hasFewerThanTwoCharacters(styled.string()) || trailingLineBreaks(styled.string()) < 2) {
        styled.append("\n\n");
    }
}

void appendInsertion(XAAttributedString &styled, const TagStyle &style, const std::string &insertion) {
    if (insertion.empty()) {
        return;
    }
    XATextAttributes attributes;
    if (style.insertionsTakeColor) {
        attributes.foregroundColor = style.color;
    }
    styled.append(insertion, attributes);
}

// The system font of 12 points with the traits of every open tag, and the colour of the innermost tag that has one.
XATextAttributes attributesForOpenTags(const XAXMLTagStack &openTags) {
    XATextAttributes attributes;
    XAFont font = XAFont::systemFont(12);
    for (const std::string &name : openTags) {
        if (const TagStyle *style = styleOfTag(name)) {
            if (style->color) {
                attributes.foregroundColor = style->color;
            }
            font.bold = font.bold || style->bold;
            font.italic = font.italic || style->italic;
            font.fixedPitch = font.fixedPitch || style->fixedPitch;
        }
    }
    attributes.font = font;
    return attributes;
}

} // namespace

XAAttributedString XAStyledTextFromMarkup(std::string_view markup) {
    XAAttributedString styled;
    auto tagStart = [&](const XAXMLTagStack &, const std::string &name) {
        if (const TagStyle *style = styleOfTag(name)) {
            appendInsertion(styled, *style, style->startInsertion);
            if (style->paragraphBreak) {
                applyParagraphBreak(styled);
            }
        }
    };
    auto text = [&](const XAXMLTagStack &openTags, const std::string &written) {
        const std::string decoded = xa_stringByDecodingXMLEntities(written);
        // White space after a block, or between the items of a list, is layout of the markup, not text.
        if (xa_trimmed(decoded).empty() && (trailingLineBreaks(styled.string()) >= 2 || isDirectlyInList(openTags))) {
            return;
        }
        styled.append(decoded, attributesForOpenTags(openTags));
    };
    auto tagEnd = [&](const XAXMLTagStack &, const std::string &name) {
        if (const TagStyle *style = styleOfTag(name)) {
            appendInsertion(styled, *style, style->endInsertion);
            if (style->paragraphBreak) {
                applyParagraphBreak(styled);
            }
        }
    };
    xa_handleXMLTagStart(markup, tagStart, text, tagEnd);
    xa_trimCharactersInSet(styled, &XAWhitespaceAndNewlineCharacterSet());
    return styled;
}
