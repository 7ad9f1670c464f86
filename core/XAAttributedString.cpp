#include "core/XAAttributedString.h"

#include <algorithm>

XAAttributedString::XAAttributedString(std::string text, const XATextAttributes &attributes) : text_(std::move(text)) {
    if (!text_.empty()) {
        runs_.push_back({{0, text_.size()}, attributes});
    }
}

XAStringRange XAAttributedString::clipped(XAStringRange range) const {
    const size_t location = std::min(range.location, text_.size());
    return {location, std::min(range.length, text_.size() - location)};
}

XATextAttributes XAAttributedString::attributesAtIndex(size_t index, XAStringRange *effectiveRange) const {
    for (const XAAttributeRun &run : runs_) {
        if (index >= run.range.location && index < run.range.end()) {
            if (effectiveRange) {
                *effectiveRange = run.range;
            }
            return run.attributes;
        }
    }
    if (effectiveRange) {
        *effectiveRange = {XANotFound, 0};
    }
    return {};
}

std::vector<XAAttributeRun> XAAttributedString::runsOfAttribute(XAAttributeName name) const {
    std::vector<XAAttributeRun> result;
    for (const XAAttributeRun &run : runs_) {
        XATextAttributes value = run.attributes.only(name);
        if (!result.empty() && result.back().attributes == value) {
            result.back().range.length += run.range.length;
        } else {
            result.push_back({run.range, std::move(value)});
        }
    }
    return result;
}

XAAttributedString XAAttributedString::attributedSubstring(XAStringRange range) const {
    range = clipped(range);
    XAAttributedString substring;
    substring.text_ = text_.substr(range.location, range.length);
    for (const XAAttributeRun &run : runs_) {
        const size_t start = std::max(run.range.location, range.location);
        const size_t end = std::min(run.range.end(), range.end());
        if (start < end) {
            substring.runs_.push_back({{start - range.location, end - start}, run.attributes});
        }
    }
    return substring;
}

void XAAttributedString::append(const XAAttributedString &other) { insert(text_.size(), other); }

void XAAttributedString::append(std::string_view text, const XATextAttributes &attributes) {
    append(XAAttributedString(std::string(text), attributes));
}

void XAAttributedString::insert(size_t location, const XAAttributedString &other) {
    replaceCharacters({location, 0}, other);
}

void XAAttributedString::deleteCharacters(XAStringRange range) { replaceCharacters(range, XAAttributedString()); }

size_t XAAttributedString::splitRunAt(size_t offset) {
    for (size_t i = 0; i < runs_.size(); ++i) {
        XAAttributeRun &run = runs_[i];
        if (run.range.location == offset) {
            return i;
        }
        if (offset > run.range.location && offset < run.range.end()) {
            XAAttributeRun tail{{offset, run.range.end() - offset}, run.attributes};
            run.range.length = offset - run.range.location;
            runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
    }
    return runs_.size();
}

void XAAttributedString::replaceCharacters(XAStringRange range, const XAAttributedString &replacement) {
    range = clipped(range);
    const size_t first = splitRunAt(range.location);
    const size_t last = splitRunAt(range.end());
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(first), runs_.begin() + static_cast<std::ptrdiff_t>(last));
    for (size_t i = first; i < runs_.size(); ++i) {
        runs_[i].range.location = runs_[i].range.location - range.length + replacement.length();
    }
    std::vector<XAAttributeRun> inserted = replacement.runs_;
    for (XAAttributeRun &run : inserted) {
        run.range.location += range.location;
    }
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(first), inserted.begin(), inserted.end());
    text_.replace(range.location, range.length, replacement.text_);
    normalizeRuns();
}

void XAAttributedString::updateAttributes(XAStringRange range, const std::function<void(XATextAttributes &)> &update) {
    range = clipped(range);
    const size_t first = splitRunAt(range.location);
    const size_t last = splitRunAt(range.end());
    for (size_t i = first; i < last; ++i) {
        update(runs_[i].attributes);
    }
    normalizeRuns();
}

void XAAttributedString::setAttributes(const XATextAttributes &attributes, XAStringRange range) {
    updateAttributes(range, [&](XATextAttributes &old) { old = attributes; });
}

void XAAttributedString::addAttributes(const XATextAttributes &attributes, XAStringRange range) {
    updateAttributes(range, [&](XATextAttributes &old) { old.add(attributes); });
}

void XAAttributedString::removeAttribute(XAAttributeName name, XAStringRange range) {
    updateAttributes(range, [&](XATextAttributes &old) { old.remove(name); });
}

void XAAttributedString::normalizeRuns() {
    std::vector<XAAttributeRun> merged;
    for (XAAttributeRun &run : runs_) {
        if (run.range.length == 0) {
            continue;
        }
        if (!merged.empty() && merged.back().attributes == run.attributes) {
            merged.back().range.length += run.range.length;
        } else {
            merged.push_back(std::move(run));
        }
    }
    runs_ = std::move(merged);
}

// ---- Factories ----

XAAttributedString xa_string(std::string text, const std::optional<XAFont> &font, const std::optional<XAColor> &color) {
    return XAAttributedString(
        std::move(text),
        XATextAttributes::withFontAndColor(font.value_or(XAFont::systemFont()), color.value_or(XAColor::textColor())));
}

XAAttributedString xa_stringWithSystemFont(std::string text, const XAColor &color) {
    return xa_string(std::move(text), XAFont::systemFont(), color);
}

XAAttributedString xa_stringWithSystemFont(std::string text) {
    return xa_string(std::move(text), XAFont::systemFont(), std::nullopt);
}

XAAttributedString xa_stringWithBoldSystemFont(std::string text, const XAColor &color) {
    return xa_string(std::move(text), XAFont::boldSystemFont(), color);
}

XAAttributedString xa_stringWithBoldSystemFont(std::string text) {
    return xa_string(std::move(text), XAFont::boldSystemFont(), std::nullopt);
}

XAAttributedString xa_stringWithMonospaceFont(std::string text, const XAColor &color) {
    return xa_string(std::move(text), XAFont::monospaceFont(), color);
}

XAAttributedString xa_stringWithMonospaceFont(std::string text) {
    return xa_string(std::move(text), XAFont::monospaceFont(), std::nullopt);
}

// ---- Ranges ----

XAStringRange xa_fullRange(const XAAttributedString &s) { return {0, s.length()}; }

XAStringRange xa_firstRangeOfAttribute(const XAAttributedString &s, XAAttributeName name) {
    for (const XAAttributeRun &run : s.runsOfAttribute(name)) {
        if (run.attributes.has(name)) {
            return run.range;
        }
    }
    return {XANotFound, 0};
}
