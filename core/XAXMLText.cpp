#include "core/XAXMLText.h"

#include "core/XAString.h"
#include "core/XATextOffsets.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <sstream>

#include <pugixml.hpp>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace {

constexpr std::string_view kAsciiWhitespace = " \t\n\r\f\v";

bool isAllowedXMLCharacter(UChar32 c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

// The part of a tag's text before its first whitespace, leading whitespace skipped.
std::string tagName(std::string_view tagText) {
    const std::size_t start = tagText.find_first_not_of(kAsciiWhitespace);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t end = tagText.find_first_of(kAsciiWhitespace, start);
    return std::string(tagText.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string lowercased(const std::string &text) {
    std::string result;
    icu::UnicodeString::fromUTF8(text).toLower(icu::Locale::getRoot()).toUTF8String(result);
    return result;
}

// The character named by a numeric reference's text after "&" ("#65", "#x41"); empty when the
// text is not a whole number that fits.
std::optional<std::uint32_t> numericReferenceValue(std::string_view name) {
    if (name.empty() || name[0] != '#') {
        return std::nullopt;
    }
    int base = 10;
    std::string_view digits = name.substr(1);
    if (!digits.empty() && digits[0] == 'x') {
        base = 16;
        digits.remove_prefix(1);
    }
    std::uint32_t value = 0;
    const char *end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> predefinedEntity(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kEntities = {{
        {"amp", "&"},
        {"quot", "\""},
        {"lt", "<"},
        {"gt", ">"},
        {"apos", "'"},
    }};
    for (const auto &[entity, replacement] : kEntities) {
        if (entity == name) {
            return std::string(replacement);
        }
    }
    return std::nullopt;
}

} // namespace

std::string xa_escapedForXML(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int64_t>(text.size());
    for (std::int64_t index = 0; index < length;) {
        const std::int64_t start = index;
        UChar32 c = 0;
        U8_NEXT(bytes, index, length, c);
        switch (c) {
        case '"':
            result += "&quot;";
            break;
        case '&':
            result += "&amp;";
            break;
        case '\'':
            result += "&apos;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            // Ill-formed UTF-8 gives a negative value and is dropped like any other forbidden character.
            if (c >= 0 && isAllowedXMLCharacter(c)) {
                result.append(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(index - start)));
            }
        }
    }
    return result;
}

std::string xa_stringByStrippingXMLTags(std::string_view text) {
    // One left-to-right pass removes exactly what deleting the leftmost "<[^>]+>" again and again
    // would: a deletion never creates a new match before the point where it happened.
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t open = text.find('<', position);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos) {
            break; // no tag can follow
        }
        if (close == open + 1) { // "<>" is not a tag
            result.append(text.substr(position, close - position));
            position = close;
            continue;
        }
        result.append(text.substr(position, open - position));
        position = close + 1;
    }
    result.append(text.substr(std::min(position, text.size())));
    return result;
}

std::string xa_stringByDecodingXMLEntities(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t ampersand = text.find('&', position);
        result.append(text.substr(position, ampersand == std::string_view::npos ? ampersand : ampersand - position));
        if (ampersand == std::string_view::npos) {
            break;
        }
        const std::size_t semicolon = text.find(';', ampersand + 1);
        if (semicolon == std::string_view::npos) {
            result.append(text.substr(ampersand));
            break;
        }
        const std::string_view name = text.substr(ampersand + 1, semicolon - ampersand - 1);
        if (!name.empty() && name[0] == '#') {
            const auto value = numericReferenceValue(name);
            result += value ? xa_stringFromUTF32Char(*value) : std::string(text.substr(ampersand, name.size() + 2));
        } else {
            result += predefinedEntity(name).value_or(std::string(text.substr(ampersand, name.size() + 2)));
        }
        position = semicolon + 1;
    }
    return result;
}

void xa_handleXMLTagStart(std::string_view markup, const XAXMLTagHandler &tagStart, const XAXMLTagHandler &text,
                          const XAXMLTagHandler &tagEnd) {
    XAXMLTagStack stack;
    stack.reserve(100);
    std::size_t position = 0;
    while (position <= markup.size()) {
        const std::size_t open = markup.find('<', position);
        const std::string_view piece = markup.substr(position, open == std::string_view::npos ? open : open - position);
        if (!piece.empty() && text) {
            text(stack, std::string(piece));
        }
        if (open == std::string_view::npos) {
            return;
        }
        position = open + 1;
        const bool closing = position < markup.size() && markup[position] == '/';
        if (closing) {
            ++position;
        }
        const std::size_t close = markup.find('>', position);
        if (close == std::string_view::npos) {
            return;
        }
        const std::string name = tagName(markup.substr(position, close - position));
        position = close + 1;
        if (name.empty()) {
            continue; // "<>" and "</>" name nothing
        }
        if (closing) {
            if (!stack.empty()) {
                stack.pop_back();
            }
            if (tagEnd) {
                tagEnd(stack, name);
            }
        } else {
            if (tagStart) {
                tagStart(stack, name);
            }
            stack.push_back(name);
        }
    }
}

std::string xa_stringByReplacingXMLTags(std::string_view markup, const XAXMLTagReplacements &replacements,
                                        bool removingUnknownTags) {
    std::string result;
    result.reserve(markup.size());
    std::size_t position = 0;
    while (position < markup.size()) {
        const std::size_t open = markup.find('<', position);
        result.append(markup.substr(position, open == std::string_view::npos ? open : open - position));
        if (open == std::string_view::npos) {
            break;
        }
        std::size_t tagTextStart = open + 1;
        const bool closing = tagTextStart < markup.size() && markup[tagTextStart] == '/';
        if (closing) {
            ++tagTextStart;
        }
        const std::size_t close = markup.find('>', tagTextStart);
        if (close == std::string_view::npos) {
            result.append(markup.substr(open)); // not a tag: keep the text
            break;
        }
        const std::string tagText(markup.substr(tagTextStart, close - tagTextStart));
        const auto found = replacements.find(lowercased(tagName(xa_trimmed(tagText))));
        if (found == replacements.end()) {
            if (!removingUnknownTags) {
                result.append(markup.substr(open, close + 1 - open));
            }
        } else {
            const XAXMLTagReplacement &replacement = found->second;
            if (!replacement.tag) {
                result += closing ? replacement.post : replacement.pre;
            } else if (closing) {
                result += replacement.post + "</" + *replacement.tag + ">";
            } else {
                result += "<" + *replacement.tag + (replacement.attrs ? " " + *replacement.attrs : std::string()) +
                          ">" + replacement.pre;
            }
        }
        position = close + 1;
    }
    return result;
}

namespace {

// ---- Well-formed documents ----

// Parsing keeps every kind of node and the raw text of values (no entity expansion), so that a
// document written back is the document that was read.
// In fragment mode pugixml keeps text outside the root element as nodes instead of dropping it, so
// that such text can be rejected.
constexpr unsigned kParseOptions = pugi::parse_fragment | pugi::parse_cdata | pugi::parse_eol | pugi::parse_pi |
                                   pugi::parse_comments | pugi::parse_declaration | pugi::parse_doctype |
                                   pugi::parse_ws_pcdata;

std::string locationText(std::string_view text, std::ptrdiff_t offset) {
    if (offset < 0) {
        return {};
    }
    const auto end = text.begin() + std::min(static_cast<std::size_t>(offset), text.size());
    const auto line = std::count(text.begin(), end, '\n') + 1;
    const auto lineStart = std::find(std::make_reverse_iterator(end), text.rend(), '\n').base();
    return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1) + ": ";
}

bool isBlank(const char *text) {
    return std::string_view(text).find_first_not_of(kAsciiWhitespace) == std::string_view::npos;
}

bool isNameByte(unsigned char c, bool first) {
    if (std::isalpha(c) || c == '_' || c == ':' || c >= 0x80) {
        return true;
    }
    return !first && (std::isdigit(c) || c == '-' || c == '.');
}

// What is wrong with the references in a raw value, or nothing.
std::optional<std::string> referenceProblem(std::string_view raw, bool namedEntitiesDeclared) {
    for (std::size_t ampersand = raw.find('&'); ampersand != std::string_view::npos;
         ampersand = raw.find('&', ampersand + 1)) {
        const std::size_t semicolon = raw.find(';', ampersand + 1);
        const std::string_view name =
            raw.substr(ampersand + 1, semicolon == std::string_view::npos ? 0 : semicolon - ampersand - 1);
        if (name.empty()) {
            return "\"&\" that does not begin a reference";
        }
        if (name[0] == '#') {
            const auto value = numericReferenceValue(name);
            if (!value || !isAllowedXMLCharacter(static_cast<UChar32>(*value))) {
                return "invalid character reference &" + std::string(name) + ";";
            }
            continue;
        }
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (!isNameByte(static_cast<unsigned char>(name[i]), i == 0)) {
                return "\"&\" that does not begin a reference";
            }
        }
        if (!predefinedEntity(name) && !namedEntitiesDeclared) {
            return "undefined entity &" + std::string(name) + ";";
        }
    }
    return std::nullopt;
}

// What pugixml lets pass but XML forbids in an element, or nothing.
std::optional<std::string> elementProblem(const pugi::xml_node &element, bool namedEntitiesDeclared) {
    for (pugi::xml_attribute attribute : element.attributes()) {
        for (pugi::xml_attribute other = attribute.next_attribute(); other; other = other.next_attribute()) {
            if (std::string_view(attribute.name()) == other.name()) {
                return "duplicate attribute \"" + std::string(attribute.name()) + "\"";
            }
        }
        if (std::string_view(attribute.value()).find('<') != std::string_view::npos) {
            return "\"<\" in the value of attribute \"" + std::string(attribute.name()) + "\"";
        }
        if (auto problem = referenceProblem(attribute.value(), namedEntitiesDeclared)) {
            return problem;
        }
    }
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata) {
            if (auto problem = referenceProblem(child.value(), namedEntitiesDeclared)) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

struct StructureProblem {
    std::string message;
    std::ptrdiff_t offset = -1;
};

std::optional<StructureProblem> documentProblem(pugi::xml_document &document) {
    std::size_t rootElements = 0;
    bool namedEntitiesDeclared = false;
    for (pugi::xml_node child : document.children()) {
        switch (child.type()) {
        case pugi::node_element:
            ++rootElements;
            break;
        case pugi::node_declaration:
            if (child != document.first_child()) {
                return StructureProblem{"XML declaration not at the start of the document", child.offset_debug()};
            }
            break;
        case pugi::node_doctype: {
            if (rootElements > 0) {
                return StructureProblem{"document type declaration after the root element", child.offset_debug()};
            }
            // Entities may be declared inline or in an external subset that is not read here.
            const std::string_view declaration = child.value();
            namedEntitiesDeclared = declaration.find("ENTITY") != std::string_view::npos ||
                                    declaration.find("SYSTEM") != std::string_view::npos ||
                                    declaration.find("PUBLIC") != std::string_view::npos;
            break;
        }
        case pugi::node_pcdata:
        case pugi::node_cdata:
            if (!isBlank(child.value())) {
                return StructureProblem{"text outside the root element", child.offset_debug()};
            }
            break;
        default:
            break;
        }
    }
    if (rootElements != 1) {
        return StructureProblem{rootElements == 0 ? "no root element" : "more than one root element", -1};
    }
    std::optional<StructureProblem> problem;
    struct Walker : pugi::xml_tree_walker {
        bool namedEntitiesDeclared = false;
        std::optional<StructureProblem> *problem = nullptr;
        bool for_each(pugi::xml_node &node) override {
            if (node.type() != pugi::node_element) {
                return true;
            }
            if (auto message = elementProblem(node, namedEntitiesDeclared)) {
                *problem = StructureProblem{*message, node.offset_debug()};
                return false;
            }
            return true;
        }
    } walker;
    walker.namedEntitiesDeclared = namedEntitiesDeclared;
    walker.problem = &problem;
    document.traverse(walker);
    return problem;
}

bool parseDocument(std::string_view text, pugi::xml_document &document, XAError *error) {
    const pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    if (!result) {
        XASetError(error, "Invalid XML: " + locationText(text, result.offset) + result.description(),
                   static_cast<int>(result.status));
        return false;
    }
    if (auto problem = documentProblem(document)) {
        XASetError(error, "Invalid XML: " + locationText(text, problem->offset) + problem->message,
                   pugi::status_bad_pcdata);
        return false;
    }
    return true;
}

// Removes whitespace-only text that only separates markup, so that indentation can replace it.
// Whitespace next to real text (mixed content), inside an element that holds nothing else, or
// under xml:space="preserve" is content and stays. Iterative: documents may nest deeper than the
// call stack allows.
void removeIgnorableWhitespace(pugi::xml_document &document) {
    std::vector<pugi::xml_node> elements = {document};
    while (!elements.empty()) {
        pugi::xml_node node = elements.back();
        elements.pop_back();
        // xml:space="preserve" covers the whole subtree, so it is not walked at all.
        if (std::string_view(node.attribute("xml:space").value()) == "preserve") {
            continue;
        }
        bool hasText = false;
        bool hasMarkup = false;
        for (pugi::xml_node child : node.children()) {
            const bool text = child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata;
            hasText = hasText || (text && (child.type() == pugi::node_cdata || !isBlank(child.value())));
            hasMarkup = hasMarkup || !text;
        }
        for (pugi::xml_node child = node.first_child(); child;) {
            const pugi::xml_node next = child.next_sibling();
            if (child.type() == pugi::node_pcdata && !hasText && hasMarkup) {
                node.remove_child(child);
            } else if (child.type() == pugi::node_element) {
                elements.push_back(child);
            }
            child = next;
        }
    }
}

// Indentation grows with depth, so a deeply nested document of modest size would print to
// gigabytes; such a document is refused rather than exhausting memory.
constexpr std::size_t kIndentWidth = 4;
constexpr std::size_t kMaximumIndentationBytes = std::size_t(256) << 20;

bool indentationFits(const pugi::xml_document &document) {
    std::size_t total = 0;
    std::vector<std::pair<pugi::xml_node, std::size_t>> nodes = {{document, 0}};
    while (!nodes.empty()) {
        const auto [node, depth] = nodes.back();
        nodes.pop_back();
        for (pugi::xml_node child : node.children()) {
            total += 2 * kIndentWidth * depth; // before the start tag and the end tag
            if (total > kMaximumIndentationBytes) {
                return false;
            }
            nodes.emplace_back(child, depth + 1);
        }
    }
    return true;
}

// Values are written raw and always in double quotes: a double quote that came from a
// single-quoted value must become a reference.
struct DoubleQuoteEscaper : pugi::xml_tree_walker {
    bool for_each(pugi::xml_node &node) override {
        for (pugi::xml_attribute attribute : node.attributes()) {
            const std::string_view value = attribute.value();
            if (value.find('"') == std::string_view::npos) {
                continue;
            }
            std::string quoted;
            for (char c : value) {
                quoted += c == '"' ? std::string("&quot;") : std::string(1, c);
            }
            attribute.set_value(quoted.c_str());
        }
        return true;
    }
};

} // namespace

bool xa_isValidXMLWithError(std::string_view text, XAError *error) {
    pugi::xml_document document;
    return parseDocument(text, document, error);
}

std::optional<std::string> xa_stringByPrettyPrintingXMLAndReturnError(std::string_view text, XAError *error) {
    pugi::xml_document document;
    if (!parseDocument(text, document, error)) {
        return std::nullopt;
    }
    removeIgnorableWhitespace(document);
    if (!indentationFits(document)) {
        XASetError(error, "The XML document is nested too deeply to be pretty-printed.");
        return std::nullopt;
    }
    DoubleQuoteEscaper escaper;
    document.traverse(escaper);
    std::ostringstream output;
    document.save(output, std::string(kIndentWidth, ' ').c_str(),
                  pugi::format_indent | pugi::format_no_declaration | pugi::format_no_escapes, pugi::encoding_utf8);
    return output.str();
}
