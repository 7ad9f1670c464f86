#pragma once

// Moving text in and out of the system's small XML-like markup (rule descriptions, diagnostic
// messages): escaping for insertion, stripping tags for plain output, decoding entities, a tolerant
// tag walker under the markup renderers, tag renaming, and validation and pretty printing of real
// XML documents. Texts are UTF-8. The walker and the replacer never fail, whatever the input.

#include "core/XAError.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text made safe for XML character data and attribute values: " & ' < > become entity
// references, and characters XML does not allow are removed (control characters other than tab,
// line feed and carriage return, U+FFFE, U+FFFF, and bytes that are not valid UTF-8).
std::string xa_escapedForXML(std::string_view text);

// The text without anything of the form "<...>" (at least one character between the brackets).
// A "<" without a closing ">" is kept, and so is "<>".
std::string xa_stringByStrippingXMLTags(std::string_view text);

// The references &amp; &quot; &lt; &gt; &apos; and numeric character references (&#65; and
// &#x41;) replaced by their characters. Unknown or unreadable references, and an "&" without a
// following ";", are kept as they are.
std::string xa_stringByDecodingXMLEntities(std::string_view text);

// The names of the tags open around a point of the text, outermost first.
using XAXMLTagStack = std::vector<std::string>;
// Called with the stack and a tag name or a piece of text.
using XAXMLTagHandler = std::function<void(const XAXMLTagStack &stack, const std::string &nameOrText)>;

// Walks the markup from start to end. Text between tags goes to `text` with the stack of open tags;
// an opening tag goes to `tagStart` with the stack before it is pushed; a closing tag pops the
// innermost name (whatever it is) and goes to `tagEnd` with the stack after popping. A tag's name
// is its text up to the first whitespace; attributes are not reported, and a self-closing tag is an
// opening tag whose name ends in "/". The walk stops at a "<" without a closing ">". Any handler may
// be empty.
void xa_handleXMLTagStart(std::string_view markup, const XAXMLTagHandler &tagStart, const XAXMLTagHandler &text,
                          const XAXMLTagHandler &tagEnd);

// How one tag is rewritten by xa_stringByReplacingXMLTags.
struct XAXMLTagReplacement {
    std::optional<std::string> tag;   // the new tag name; without one the tag itself disappears
    std::string pre;                  // text put after the opening tag
    std::string post;                 // text put before the closing tag
    std::optional<std::string> attrs; // attribute text of the new opening tag
};

// Replacements keyed by lower-case tag name.
using XAXMLTagReplacements = std::map<std::string, XAXMLTagReplacement, std::less<>>;

// The markup with its tags rewritten: a known tag with a new name becomes <tag attrs>pre and
// post</tag> (its own attributes dropped); a known tag without one becomes just its pre or post
// text; an unknown tag is dropped when `removingUnknownTags` is set and copied otherwise. Tag names
// are matched case-insensitively. A "<" without a closing ">" is kept as text.
std::string xa_stringByReplacingXMLTags(std::string_view markup, const XAXMLTagReplacements &replacements,
                                        bool removingUnknownTags);

// True when the text is a well-formed XML document: one root element, matching tags, unique
// attributes, and only known entity references (the predefined ones, character references and,
// when the document type declares entities, any name). The parser's message otherwise.
bool xa_isValidXMLWithError(std::string_view text, XAError *error);

// The document indented by four blanks per level. Everything is kept: declaration, document type,
// comments, processing instructions, CDATA sections, entity references, and the whitespace of mixed
// content and of elements under xml:space="preserve". Empty, with the error, when the text is not a
// well-formed document.
std::optional<std::string> xa_stringByPrettyPrintingXMLAndReturnError(std::string_view text, XAError *error);
