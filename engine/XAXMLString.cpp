#include "engine/XAXMLString.h"

#include "core/XAString.h"
#include "core/XAXMLText.h"

#include <algorithm>
#include <array>
#include <mutex>

namespace {

constexpr std::array<std::string_view, 9> kHTMLElementTags = {"p",      "code", "pre", "div", "em",
                                                              "strong", "ul",   "ol",  "li"};
constexpr std::array<std::string_view, 10> kHTMLCodeTags = {"string",       "codesymbol",  "cfunction",    "cmacro",
                                                            "typedef",      "objcclass",   "objccategory", "objcmethod",
                                                            "objcproperty", "objcprotocol"};

template <std::size_t N> bool contains(const std::array<std::string_view, N> &names, const std::string &name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string htmlTag(const std::string &name, bool isStart) {
    const std::string lower = xa_lowercased(name);
    if (contains(kHTMLElementTags, lower)) {
        return (isStart ? "<" : "</") + name + ">";
    }
    if (contains(kHTMLCodeTags, lower)) {
        return isStart ? "<code class=\"tessary-" + name + "\">" : "</code>";
    }
    return isStart ? "<div class=\"tessary-" + name + "\">" : "</div>";
}

std::string htmlFromMarkup(std::string_view markup) {
    std::string html;
    xa_handleXMLTagStart(
        markup, [&](const XAXMLTagStack &, const std::string &name) { html += htmlTag(name, true); },
        [&](const XAXMLTagStack &, const std::string &text) { html += text; },
        [&](const XAXMLTagStack &, const std::string &name) { html += htmlTag(name, false); });
    return html;
}

} // namespace

struct XAXMLString::Renderings {
    explicit Renderings(std::string markup) : source(std::move(markup)) {}

    const std::string source;
    std::once_flag plainOnce, htmlOnce, styledOnce, oneLineOnce;
    std::string plain, html;
    XAAttributedString styled, oneLine;
};

XAXMLString::XAXMLString() : XAXMLString(std::string()) {}

XAXMLString::XAXMLString(std::string markup) : renderings_(std::make_shared<Renderings>(std::move(markup))) {}

const std::string &XAXMLString::xmlString() const { return renderings_->source; }

const std::string &XAXMLString::plainString() const {
    Renderings &r = *renderings_;
    std::call_once(r.plainOnce, [&r] { r.plain = xa_stringByStrippingXMLTags(r.source); });
    return r.plain;
}

const std::string &XAXMLString::htmlString() const {
    Renderings &r = *renderings_;
    std::call_once(r.htmlOnce, [&r] { r.html = htmlFromMarkup(r.source); });
    return r.html;
}

const XAAttributedString &XAXMLString::attributedString() const {
    Renderings &r = *renderings_;
    std::call_once(r.styledOnce, [&r] { r.styled = XAStyledTextFromMarkup(r.source); });
    return r.styled;
}

const XAAttributedString &XAXMLString::attributedStringOneLine() const {
    Renderings &r = *renderings_;
    std::call_once(r.oneLineOnce, [this, &r] {
        r.oneLine = attributedString();
        xa_replaceOccurrencesOfString(r.oneLine, "\n", XAAttributedString(" "));
    });
    return r.oneLine;
}

std::size_t XAXMLString::length() const { return xa_utf16Length(xmlString()); }

std::size_t XAXMLString::hash() const { return std::hash<std::string>{}(xmlString()); }

int XAXMLString::compare(const XAXMLString &other) const {
    const int order = other.plainString().compare(plainString());
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}
