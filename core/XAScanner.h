#pragma once

// A forward reader over UTF-8 text for hand-written parsers (old-style property lists, .strings
// files). Unlike the platform's scanner it skips nothing on its own: what is not scanned stays.

#include "core/XAString.h"

#include <algorithm>
#include <string>
#include <string_view>

class XAScanner {
public:
    explicit XAScanner(std::string text) : text_(std::move(text)) {}

    const std::string &text() const { return text_; }
    size_t scanLocation() const { return location_; }
    void setScanLocation(size_t location) { location_ = std::min(location, text_.size()); }
    bool isAtEnd() const { return location_ >= text_.size(); }

    // The character at the scan location, or 0 at the end.
    char32_t characterAtScanLocation() const;

    // Each returns true when it consumed something; `into` (when given) receives the scanned text.
    bool scanUpToCharactersFromSet(const icu::UnicodeSet &stopSet, std::string *into = nullptr);
    bool scanCharactersFromSet(const icu::UnicodeSet &set, std::string *into = nullptr);
    bool scanString(std::string_view literal);
    bool scanUpToString(std::string_view stop, std::string *into = nullptr);

private:
    std::string text_;
    size_t location_ = 0;
};

// Reads up to the next character of `stopSet` that is not escaped, and leaves the scanner on it.
// A backslash makes the next character literal: the backslash goes and the character is kept
// (an escaped quote gives a quote, an escaped backslash a backslash, an escaped n the letter n).
// `into` (when given) receives the text read; the result is true when anything was consumed.
bool xa_scanIgnoringEscapedCharsUpToCharactersFromSet(XAScanner &scanner, const icu::UnicodeSet &stopSet,
                                                      std::string *into = nullptr);
