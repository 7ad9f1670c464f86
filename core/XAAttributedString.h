#pragma once

// Styled text: UTF-8 text with runs of attributes (core/XATextAttributes.h). The markup renderer builds it, the
// terminal printers turn it into ANSI escape sequences (core/XAANSIEscapes.h) and the desktop into rich text.
//
// Offsets and ranges are byte offsets into the UTF-8 text (XAStringRange, core/XAString.h). A range that reaches past
// the end is clipped to it; callers keep ranges on character boundaries, as the functions here always do.
//
// A value type without shared state: copies are independent, and one object may be read from many threads at once.

#include "core/XAString.h"
#include "core/XATextAttributes.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A stretch of text whose characters all carry the same attributes.
struct XAAttributeRun {
    XAStringRange range;
    XATextAttributes attributes;

    bool operator==(const XAAttributeRun &) const = default;
};

class XAAttributedString {
public:
    XAAttributedString() = default;
    explicit XAAttributedString(std::string text, const XATextAttributes &attributes = {});

    const std::string &string() const { return text_; }
    size_t length() const { return text_.size(); }
    bool empty() const { return text_.empty(); }

    // The runs in text order: they cover the whole text without gaps, none is empty, and neighbours differ.
    const std::vector<XAAttributeRun> &runs() const { return runs_; }

    // The attributes of the character at `index` (none past the end) and, when asked, the range of its run.
    XATextAttributes attributesAtIndex(size_t index, XAStringRange *effectiveRange = nullptr) const;

    // The runs of one attribute: neighbouring characters with the same value of `name` form one run, whatever their
    // other attributes; each run's attributes hold only that attribute (none where the text lacks it).
    std::vector<XAAttributeRun> runsOfAttribute(XAAttributeName name) const;

    XAAttributedString attributedSubstring(XAStringRange range) const;

    void append(const XAAttributedString &other);
    void append(std::string_view text, const XATextAttributes &attributes = {});
    void insert(size_t location, const XAAttributedString &other);
    void replaceCharacters(XAStringRange range, const XAAttributedString &replacement);
    void deleteCharacters(XAStringRange range);

    // Over the range: replace all attributes; add (each attribute of `attributes` replaces the old value); remove one.
    void setAttributes(const XATextAttributes &attributes, XAStringRange range);
    void addAttributes(const XATextAttributes &attributes, XAStringRange range);
    void removeAttribute(XAAttributeName name, XAStringRange range);

    bool operator==(const XAAttributedString &) const = default;

private:
    XAStringRange clipped(XAStringRange range) const;
    // Makes a run boundary at `offset` and returns the index of the run that starts there (runs_.size() at the end).
    size_t splitRunAt(size_t offset);
    void updateAttributes(XAStringRange range, const std::function<void(XATextAttributes &)> &update);
    void normalizeRuns();

    std::string text_;
    std::vector<XAAttributeRun> runs_;
};

// ---- Factories: the text with exactly two attributes over its whole length, a font and a foreground colour ----

// The font defaults to the system font of 12 points, the colour to the text colour.
XAAttributedString xa_string(std::string text, const std::optional<XAFont> &font, const std::optional<XAColor> &color);
XAAttributedString xa_stringWithSystemFont(std::string text, const XAColor &color);
XAAttributedString xa_stringWithSystemFont(std::string text);
XAAttributedString xa_stringWithBoldSystemFont(std::string text, const XAColor &color);
XAAttributedString xa_stringWithBoldSystemFont(std::string text);
// In "Monaco" of 11 points.
XAAttributedString xa_stringWithMonospaceFont(std::string text, const XAColor &color);
XAAttributedString xa_stringWithMonospaceFont(std::string text);

// ---- Ranges ----

XAStringRange xa_fullRange(const XAAttributedString &s);

// The first run (runsOfAttribute) that carries `name`; location XANotFound and length 0 when none does.
XAStringRange xa_firstRangeOfAttribute(const XAAttributedString &s, XAAttributeName name);

// ---- Editing in place ----

// Removes characters of the set from the start, then from the end; the remaining characters keep their attributes.
// A null set changes nothing.
void xa_trimCharactersInSet(XAAttributedString &s, const icu::UnicodeSet *set);

// Replaces every occurrence of `plain` (literal comparison, from the start) by `replacement`, searching on after the
// inserted text, so a replacement that contains `plain` is never searched again. An empty `plain` changes nothing.
void xa_replaceOccurrencesOfString(XAAttributedString &s, std::string_view plain,
                                   const XAAttributedString &replacement);

// Adds the attributes wherever one of the substrings occurs (xa_enumerateRangesOfSubstrings).
void xa_highlightSubstrings(XAAttributedString &s, const std::vector<std::string> &substrings,
                            const XATextAttributes &attributes, XAStringComparison comparison);

// Wraps the text for a terminal `width` characters wide (user-perceived characters; a tab first becomes four
// spaces). A line breaks at its last space, the whole run of white space there giving way to the break; a word
// longer than the width breaks inside. A line that begins with blanks and bullets ("•", "◦") continues with as many
// blanks, so a bulleted item's text stays aligned. A line break of the text is kept as it is and starts a new line.
// Inserted breaks carry no attributes. A width of 0 changes nothing.
void xa_wordWrapToWidth(XAAttributedString &s, size_t width);

// For each attribute in order (the colour attributes; others are passed over), changes the colour of every run through
// xa_colorByModifyingHSBWithBlock; a run without a colour starts from the text colour or the text background colour.
void xa_modifyHSBForAttributes(XAAttributedString &s, const std::vector<XAAttributeName> &names,
                               const XAHSBModifier &modify);

// Sets the brightness of every foreground colour (the text colour where none is set); the second form also lowers
// every saturation to at most `maxSaturation`.
void xa_assignTextBrightness(XAAttributedString &s, double brightness);
void xa_assignTextBrightness(XAAttributedString &s, double brightness, double maxSaturation);
