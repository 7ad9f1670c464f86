#include "build/XABuildLogText.h"

#include "core/XAString.h"

#include <algorithm>
#include <cstdint>

namespace {

bool isASCII(char byte) { return static_cast<unsigned char>(byte) < 0x80; }

// The length of the line terminator that begins at `offset`, or 0 when none does.
std::size_t terminatorLengthAt(std::string_view text, std::size_t offset) {
    switch (static_cast<unsigned char>(text[offset])) {
    case '\n':
        return 1;
    case '\r':
        return offset + 1 < text.size() && text[offset + 1] == '\n' ? 2 : 1;
    case 0xC2: // U+0085
        return text.substr(offset, 2) == "\xC2\x85" ? 2 : 0;
    case 0xE2: // U+2028, U+2029
        return text.substr(offset, 3) == "\xE2\x80\xA8" || text.substr(offset, 3) == "\xE2\x80\xA9" ? 3 : 0;
    default:
        return 0;
    }
}

} // namespace

std::string_view XABuildLogTextAsUTF8(std::string_view bytes, std::string &storage) {
    std::size_t offset = std::find_if_not(bytes.begin(), bytes.end(), isASCII) - bytes.begin();
    std::string &text = storage;
    bool replaced = false;
    while (offset < bytes.size()) {
        const XAUTF8Char character = XADecodeUTF8(bytes, offset);
        const std::size_t length = std::max<std::size_t>(character.length, 1);
        if (!character.valid && !replaced) {
            text.reserve(bytes.size() + 16);
            text.assign(bytes.substr(0, offset));
            replaced = true;
        }
        if (replaced) {
            if (character.valid) {
                text.append(bytes.substr(offset, length));
            } else {
                text.append("\xEF\xBF\xBD");
            }
        }
        offset += length;
    }
    return replaced ? std::string_view(text) : bytes;
}

std::vector<std::string_view> XABuildLogLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t lineStart = 0;
    std::size_t offset = 0;
    while (offset < text.size()) {
        const std::size_t terminatorLength = terminatorLengthAt(text, offset);
        if (terminatorLength == 0) {
            ++offset;
            continue;
        }
        lines.push_back(text.substr(lineStart, offset - lineStart));
        offset += terminatorLength;
        lineStart = offset;
    }
    if (lineStart < text.size()) {
        lines.push_back(text.substr(lineStart));
    }
    return lines;
}
