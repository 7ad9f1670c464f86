#include "codemodel/XABuildLogText.h"

#include "core/XAString.h"

namespace {

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
