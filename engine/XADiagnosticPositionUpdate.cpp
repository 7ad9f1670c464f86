// The post-processing of a run's diagnostics: positions in UTF-16 units and in code points, and file snippets.

#include "engine/XADiagnostic.h"

#include "core/XAParallelFor.h"
#include "core/XAPaths.h"
#include "core/XATextOffsets.h"

#include <map>
#include <utility>
#include <vector>

namespace {

// The start of the line that holds `offset`: just after the line break before it (LF, CR, CR LF, U+0085, U+2028 or
// U+2029), or 0.
std::size_t lineStartBefore(std::string_view text, std::size_t offset) {
    // An offset on the LF of a CR LF belongs to the line that the pair ends.
    const bool offsetIsInsideLineBreak = offset > 0 && offset < text.size() && text[offset] == '\n';
    for (std::size_t i = offset; i > 0; --i) {
        const unsigned char previous = static_cast<unsigned char>(text[i - 1]);
        if (previous == '\n' || (previous == '\r' && !(i == offset && offsetIsInsideLineBreak))) {
            return i;
        }
        if (previous == 0x85 && i >= 2 && static_cast<unsigned char>(text[i - 2]) == 0xC2) {
            return i;
        }
        if ((previous == 0xA8 || previous == 0xA9) && i >= 3 && static_cast<unsigned char>(text[i - 2]) == 0x80 &&
            static_cast<unsigned char>(text[i - 3]) == 0xE2) {
            return i;
        }
    }
    return 0;
}

std::size_t lastCharacterStart(std::string_view text) {
    std::size_t offset = text.size();
    do {
        --offset;
    } while (offset > 0 && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80);
    return offset;
}

// A file's text when it can be read and is valid UTF-8; the positions of other files stay as libclang gave them.
std::shared_ptr<const std::string> utf8TextOfFile(const std::string &path) {
    std::optional<std::string> contents = XAContentsOfFile(path, nullptr);
    if (!contents) {
        return nullptr;
    }
    std::string repaired;
    if (XAValidUTF8(*contents, repaired).data() != contents->data()) {
        return nullptr;
    }
    return std::make_shared<const std::string>(std::move(*contents));
}

} // namespace

void XADiagnostic::updateDiagnosticPositions(std::vector<XADiagnostic> &diagnostics) {
    std::map<std::string, std::vector<XADiagnostic *>> diagnosticsByFile;
    for (XADiagnostic &diagnostic : diagnostics) {
        if (diagnostic.filePath_ && diagnostic.startPositionBytes_ && diagnostic.endPositionBytes_) {
            diagnosticsByFile[xa_stringByStandardizingPath(*diagnostic.filePath_)].push_back(&diagnostic);
        }
    }
    const std::vector<std::pair<std::string, std::vector<XADiagnostic *>>> files(diagnosticsByFile.begin(),
                                                                                 diagnosticsByFile.end());
    // Each file's diagnostics belong to one piece of work, so no two pieces write the same diagnostic.
    XAParallelFor(files.size(), [&](std::size_t fileIndex) {
        const auto &[path, group] = files[fileIndex];
        const std::shared_ptr<const std::string> text = utf8TextOfFile(path);
        if (!text) {
            return;
        }
        std::vector<std::size_t> byteOffsets;
        byteOffsets.reserve(group.size() * 2);
        for (const XADiagnostic *diagnostic : group) {
            byteOffsets.push_back(diagnostic->startPositionBytes_->offset);
            byteOffsets.push_back(diagnostic->endPositionBytes_->offset);
        }
        const std::vector<std::size_t> codePoints = xa_utf8ByteOffsetsToCodePointOffsets(*text, byteOffsets);
        const std::vector<std::size_t> utf16 = xa_codePointOffsetsToNSStringOffsets(*text, codePoints);
        const std::size_t codePointCount = xa_codePointLength(*text);
        const std::size_t utf16Length = xa_utf16Length(*text);
        for (std::size_t i = 0; i < group.size(); ++i) {
            group[i]->updatePositionsInText(text, codePointCount, utf16Length, codePoints[2 * i], codePoints[2 * i + 1],
                                            utf16[2 * i], utf16[2 * i + 1]);
        }
    });
}

void XADiagnostic::updatePositionsInText(const std::shared_ptr<const std::string> &text, std::size_t codePointCount,
                                         std::size_t utf16Length, std::size_t startCodePoint, std::size_t endCodePoint,
                                         std::size_t startUTF16, std::size_t endUTF16) {
    if (startCodePoint == XANotFound || startUTF16 == XANotFound) {
        return;
    }
    const std::string_view whole = *text;
    const std::size_t startByte = startPositionBytes_->offset;
    std::size_t endByte = endPositionBytes_->offset;
    if (endUTF16 == XANotFound || endCodePoint == XANotFound) {
        // A range that ends at the end of the file ends at its last character.
        endUTF16 = utf16Length - 1;
        endCodePoint = codePointCount - 1;
        endByte = lastCharacterStart(whole);
    }
    const std::size_t startLineStart = lineStartBefore(whole, startByte);
    const std::size_t endLineStart = lineStartBefore(whole, endByte);
    const std::string_view startLinePrefix = whole.substr(startLineStart, startByte - startLineStart);
    const std::string_view endLinePrefix = whole.substr(endLineStart, endByte - endLineStart);
    startPositionUTF16Units_ = {startPositionBytes_->line, xa_utf16Length(startLinePrefix), startUTF16};
    endPositionUTF16Units_ = {endPositionBytes_->line, xa_utf16Length(endLinePrefix), endUTF16};
    startPositionCodePoints_ = {startPositionBytes_->line, xa_codePointLength(startLinePrefix), startCodePoint};
    endPositionCodePoints_ = {endPositionBytes_->line, xa_codePointLength(endLinePrefix), endCodePoint};
    if (endByte > startByte) {
        fileSnippet_ = XAFileSnippet::snippetFromString(text, {startByte, endByte - startByte});
    }
}
