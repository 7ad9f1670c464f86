#include "core/XATextEncoding.h"

#include "core/XAPropertyListText.h"
#include "core/XAString.h"

namespace {

bool isValidUTF8(std::string_view bytes) {
    for (std::size_t offset = 0; offset < bytes.size();) {
        const XAUTF8Char character = XADecodeUTF8(bytes, offset);
        if (!character.valid) {
            return false;
        }
        offset += character.length;
    }
    return true;
}

} // namespace

XATextEncoding XADetectTextEncoding(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (bytes.starts_with("\xEF\xBB\xBF"sv)) {
        return XATextEncoding::UTF8;
    }
    // The UTF-32 little-endian mark begins with the UTF-16 one, so it is looked for first.
    if (bytes.starts_with("\xFF\xFE\0\0"sv) || bytes.starts_with("\0\0\xFE\xFF"sv)) {
        return XATextEncoding::UTF32;
    }
    if (bytes.starts_with("\xFF\xFE"sv) || bytes.starts_with("\xFE\xFF"sv) || XAGuessUTF16BigEndian(bytes)) {
        return XATextEncoding::UTF16;
    }
    return isValidUTF8(bytes) ? XATextEncoding::UTF8 : XATextEncoding::MacOSRoman;
}

std::string XATextEncodingDisplayName(XATextEncoding encoding) {
    switch (encoding) {
    case XATextEncoding::UTF8:
        return "Unicode (UTF-8)";
    case XATextEncoding::UTF16:
        return "Unicode (UTF-16)";
    case XATextEncoding::UTF32:
        return "Unicode (UTF-32)";
    case XATextEncoding::MacOSRoman:
        return "Western (Mac OS Roman)";
    }
    return "Western (Mac OS Roman)";
}
