#include "core/XAScanner.h"

namespace {

bool inSet(const icu::UnicodeSet &set, const XAUTF8Char &ch) {
    return ch.valid && set.contains(static_cast<UChar32>(ch.codePoint));
}

} // namespace

char32_t XAScanner::characterAtScanLocation() const { return XADecodeUTF8(text_, location_).codePoint; }

bool XAScanner::scanUpToCharactersFromSet(const icu::UnicodeSet &stopSet, std::string *into) {
    const size_t start = location_;
    while (location_ < text_.size()) {
        const XAUTF8Char ch = XADecodeUTF8(text_, location_);
        if (inSet(stopSet, ch)) {
            break;
        }
        location_ += ch.length;
    }
    if (into) {
        into->assign(text_, start, location_ - start);
    }
    return location_ > start;
}

bool XAScanner::scanCharactersFromSet(const icu::UnicodeSet &set, std::string *into) {
    const size_t start = location_;
    while (location_ < text_.size()) {
        const XAUTF8Char ch = XADecodeUTF8(text_, location_);
        if (!inSet(set, ch)) {
            break;
        }
        location_ += ch.length;
    }
    if (into) {
        into->assign(text_, start, location_ - start);
    }
    return location_ > start;
}

bool XAScanner::scanString(std::string_view literal) {
    if (literal.empty() || std::string_view(text_).substr(location_, literal.size()) != literal) {
        return false;
    }
    location_ += literal.size();
    return true;
}

bool XAScanner::scanUpToString(std::string_view stop, std::string *into) {
    const size_t start = location_;
    const size_t found = stop.empty() ? std::string::npos : text_.find(stop, location_);
    location_ = found == std::string::npos ? text_.size() : found;
    if (into) {
        into->assign(text_, start, location_ - start);
    }
    return location_ > start;
}

bool xa_scanIgnoringEscapedCharsUpToCharactersFromSet(XAScanner &scanner, const icu::UnicodeSet &stopSet,
                                                      std::string *into) {
    icu::UnicodeSet stopOrEscape; // a copy of a frozen set would stay frozen and ignore the addition
    stopOrEscape.addAll(stopSet).add(u'\\');
    const size_t start = scanner.scanLocation();
    std::string result;
    std::string part;
    scanner.scanUpToCharactersFromSet(stopOrEscape, &part);
    result += part;
    while (!scanner.isAtEnd() && scanner.characterAtScanLocation() == U'\\') {
        scanner.setScanLocation(scanner.scanLocation() + 1);
        if (!scanner.isAtEnd()) {
            const size_t escaped = XADecodeUTF8(scanner.text(), scanner.scanLocation()).length;
            result.append(scanner.text(), scanner.scanLocation(), escaped);
            scanner.setScanLocation(scanner.scanLocation() + escaped);
        }
        scanner.scanUpToCharactersFromSet(stopOrEscape, &part);
        result += part;
    }
    if (into) {
        *into = std::move(result);
    }
    return scanner.scanLocation() > start;
}
