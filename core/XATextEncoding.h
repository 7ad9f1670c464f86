#pragma once

// The text encoding of a file's bytes, as far as it matters to version control: UTF-8, UTF-16, UTF-32, or the
// single-byte fallback in which every byte sequence decodes.

#include <string>
#include <string_view>

enum class XATextEncoding {
    UTF8,
    UTF16,
    UTF32,
    MacOSRoman,
};

// A UTF-8 byte-order mark or valid UTF-8 (also no bytes at all) is UTF-8; a UTF-32 or UTF-16 byte-order mark, or
// UTF-16 without a mark as the property-list and strings readers recognise it, is UTF-32 or UTF-16; anything else is
// Mac OS Roman.
XATextEncoding XADetectTextEncoding(std::string_view bytes);

// "Unicode (UTF-8)", "Unicode (UTF-16)", "Unicode (UTF-32)", "Western (Mac OS Roman)".
std::string XATextEncodingDisplayName(XATextEncoding encoding);
