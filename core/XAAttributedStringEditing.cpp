#include "core/XAAttributedString.h"

#include <algorithm>

// ---- Trimming and replacing ----

void xa_trimCharactersInSet(XAAttributedString &s, const icu::UnicodeSet *set) {
    if (!set) {
        return;
    }
    const std::string &text = s.string();
    size_t keptStart = XANotFound;
    size_t keptEnd = 0;
    for (size_t offset = 0; offset < text.size();) {
        const XAUTF8Char c = XADecodeUTF8(text, offset);
        offset += c.length;
        if (!set->contains(static_cast<UChar32>(c.codePoint))) {
            keptStart = std::min(keptStart, offset - c.length);
            keptEnd = offset;
        }
    }
    if (keptStart == XANotFound) {
        s.deleteCharacters(xa_fullRange(s));
        return;
    }
    s.deleteCharacters({keptEnd, s.length() - keptEnd});
    s.deleteCharacters({0, keptStart});
}

void xa_replaceOccurrencesOfString(XAAttributedString &s, std::string_view plain,
                                   const XAAttributedString &replacement) {
    if (plain.empty()) {
        return;
    }
    for (size_t found = s.string().find(plain); found != std::string::npos;
         found = s.string().find(plain, found + replacement.length())) {
        s.replaceCharacters({found, plain.size()}, replacement);
    }
}

void xa_highlightSubstrings(XAAttributedString &s, const std::vector<std::string> &substrings,
                            const XATextAttributes &attributes, XAStringComparison comparison) {
    std::vector<XAStringRange> ranges;
    xa_enumerateRangesOfSubstrings(s.string(), substrings, comparison,
                                   [&](XAStringRange range, bool &) { ranges.push_back(range); });
    for (const XAStringRange &range : ranges) {
        s.addAttributes(attributes, range);
    }
}

// ---- Word wrapping ----

namespace {

// One user-perceived character of the text and its first code point.
struct WrapCharacter {
    XAStringRange range;
    char32_t first = 0;

    bool isNewline() const { return XAIsNewline(first); }
    bool isWhitespace() const { return XAIsWhitespace(first); }
    bool isSpace() const { return first == U' '; }
    bool continuesIndentation() const { return first == U' ' || first == U'•' || first == U'◦'; }
};

// A line break to insert, replacing the white space in `removed`, followed by `indent` blanks.
struct WrapBreak {
    XAStringRange removed;
    size_t indent = 0;
};

std::vector<WrapCharacter> wrapCharacters(const std::string &text) {
    std::vector<WrapCharacter> characters;
    xa_enumerateComposedCharacterSequences(text, [&](XAStringRange range, bool &) {
        characters.push_back({range, XADecodeUTF8(text, range.location).codePoint});
    });
    return characters;
}

// Finds where the lines break, walking the characters once.
class WrapPlanner {
public:
    WrapPlanner(const std::vector<WrapCharacter> &characters, size_t width) : characters_(characters), width_(width) {}

    std::vector<WrapBreak> plan() {
        for (size_t i = 0; i < characters_.size();) {
            if (characters_[i].isNewline()) {
                startLine();
                ++i;
                continue;
            }
            if (column_ >= width_ && characters_[i].isWhitespace()) {
                i = breakAtWhitespace(i);
                continue;
            }
            if (column_ >= width_) {
                breakBefore(i);
            }
            examine(i++);
        }
        return std::move(breaks_);
    }

private:
    void startLine() {
        column_ = 0;
        indent_ = 0;
        indentationGoesOn_ = true;
        previousWasSpace_ = false;
        candidate_.reset();
    }

    size_t endOfWhitespaceRun(size_t i) const {
        while (i < characters_.size() && characters_[i].isWhitespace()) {
            ++i;
        }
        return i;
    }

    XAStringRange textBetween(size_t first, size_t end) const {
        const size_t location = characters_[first].range.location;
        const size_t endLocation =
            end < characters_.size() ? characters_[end].range.location : characters_.back().range.end();
        return {location, endLocation - location};
    }

    void addBreak(XAStringRange removed, size_t charactersAfterBreak) {
        breaks_.push_back({removed, indent_});
        column_ = indent_ + charactersAfterBreak;
        indentationGoesOn_ = false;
        previousWasSpace_ = false;
        candidate_.reset();
    }

    // The line is full at white space: the run gives way to the break. A run that ends the line or the text anyway
    // stays, so that no empty line appears. Returns the index of the character after the run.
    size_t breakAtWhitespace(size_t i) {
        const size_t runEnd = endOfWhitespaceRun(i);
        if (runEnd < characters_.size() && !characters_[runEnd].isNewline()) {
            addBreak(textBetween(i, runEnd), 0);
        }
        return runEnd;
    }

    // The line is full before character i: break at the last space, or inside the word when there is none.
    void breakBefore(size_t i) {
        if (!candidate_) {
            addBreak({characters_[i].range.location, 0}, 0);
            return;
        }
        const size_t runEnd = endOfWhitespaceRun(*candidate_);
        addBreak(textBetween(*candidate_, runEnd), i - runEnd);
    }

    void examine(size_t i) {
        const WrapCharacter &character = characters_[i];
        if (indentationGoesOn_) {
            indentationGoesOn_ = character.continuesIndentation();
            indent_ += indentationGoesOn_ ? 1 : 0;
        }
        if (character.isSpace() && column_ != 0 && !previousWasSpace_) {
            candidate_ = i;
        }
        previousWasSpace_ = character.isSpace();
        ++column_;
    }

    const std::vector<WrapCharacter> &characters_;
    const size_t width_;
    std::vector<WrapBreak> breaks_;
    size_t column_ = 0;
    size_t indent_ = 0;
    bool indentationGoesOn_ = true;
    bool previousWasSpace_ = false;
    std::optional<size_t> candidate_;
};

} // namespace

void xa_wordWrapToWidth(XAAttributedString &s, size_t width) {
    xa_replaceOccurrencesOfString(s, "\t", XAAttributedString("    "));
    if (s.empty() || width == 0) {
        return;
    }
    const std::vector<WrapCharacter> characters = wrapCharacters(s.string());
    const std::vector<WrapBreak> breaks = WrapPlanner(characters, width).plan();
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
        s.replaceCharacters(it->removed, XAAttributedString("\n" + std::string(it->indent, ' ')));
    }
}

// ---- Colours ----

namespace {

std::optional<XAColor> defaultColor(XAAttributeName name) {
    switch (name) {
    case XAAttributeName::ForegroundColor:
        return XAColor::textColor();
    case XAAttributeName::BackgroundColor:
        return XAColor::textBackgroundColor();
    default:
        return std::nullopt;
    }
}

void setColor(XATextAttributes &attributes, XAAttributeName name, const XAColor &color) {
    (name == XAAttributeName::ForegroundColor ? attributes.foregroundColor : attributes.backgroundColor) = color;
}

} // namespace

void xa_modifyHSBForAttributes(XAAttributedString &s, const std::vector<XAAttributeName> &names,
                               const XAHSBModifier &modify) {
    for (XAAttributeName name : names) {
        const std::optional<XAColor> fallback = defaultColor(name);
        if (!fallback) {
            continue;
        }
        for (const XAAttributeRun &run : s.runsOfAttribute(name)) {
            const XATextAttributes &value = run.attributes;
            const XAColor &color = name == XAAttributeName::ForegroundColor ? value.foregroundColor.value_or(*fallback)
                                                                            : value.backgroundColor.value_or(*fallback);
            XATextAttributes changed;
            setColor(changed, name, xa_colorByModifyingHSBWithBlock(color, modify));
            s.addAttributes(changed, run.range);
        }
    }
}

void xa_assignTextBrightness(XAAttributedString &s, double brightness) {
    xa_modifyHSBForAttributes(s, {XAAttributeName::ForegroundColor},
                              [&](double &, double &, double &b, double &) { b = brightness; });
}

void xa_assignTextBrightness(XAAttributedString &s, double brightness, double maxSaturation) {
    xa_modifyHSBForAttributes(s, {XAAttributeName::ForegroundColor}, [&](double &, double &sat, double &b, double &) {
        b = brightness;
        sat = std::min(sat, maxSaturation);
    });
}
