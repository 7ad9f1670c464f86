#include "core/XAAttributedString.h"

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
