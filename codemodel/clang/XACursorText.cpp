#include "codemodel/clang/XACursorText.h"

#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>
#include <cinttypes>
#include <fstream>

namespace {

XACursorPosition expansionPosition(CXSourceLocation location) {
    XACursorPosition position;
    XALibclang::fn().clang_getExpansionLocation(location, &position.file, &position.line, &position.column,
                                                &position.offset);
    return position;
}

std::optional<std::string> fileName(CXFile file) {
    return file ? XAStringFromCXString(XALibclang::fn().clang_getFileName(file)) : std::nullopt;
}

struct Span {
    unsigned start = 0;
    unsigned end = 0;
};

Span spanOfRange(CXSourceRange range) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return {expansionPosition(clang.clang_getRangeStart(range)).offset,
            expansionPosition(clang.clang_getRangeEnd(range)).offset};
}

std::string positionText(const XACursorPosition &position) {
    return std::to_string(position.line) + ":" + std::to_string(position.column) + ":" +
           std::to_string(position.offset);
}

} // namespace

std::optional<std::string> XACursorKindSpelling(CXCursorKind kind) {
    return XAStringFromCXString(XALibclang::fn().clang_getCursorKindSpelling(kind));
}

std::optional<std::string> XACursorSpelling(CXCursor cursor) {
    return XAStringFromCXString(XALibclang::fn().clang_getCursorSpelling(cursor));
}

std::optional<std::string> XACursorDisplayName(CXCursor cursor) {
    return XAStringFromCXString(XALibclang::fn().clang_getCursorDisplayName(cursor));
}

XACursorPosition XACursorExtentStart(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return expansionPosition(clang.clang_getRangeStart(clang.clang_getCursorExtent(cursor)));
}

XACursorPosition XACursorExtentEnd(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return expansionPosition(clang.clang_getRangeEnd(clang.clang_getCursorExtent(cursor)));
}

std::optional<std::string> XACursorFilePath(CXCursor cursor) { return fileName(XACursorExtentStart(cursor).file); }

bool XACursorFile(CXCursor cursor) { return XACursorFilePath(cursor).has_value(); }

unsigned XACursorStartLocation(CXCursor cursor) { return XACursorExtentStart(cursor).line; }

std::optional<std::string> XAIncludedFilePath(CXCursor cursor) {
    return fileName(XALibclang::fn().clang_getIncludedFile(cursor));
}

unsigned XACursorExtentLength(CXCursor cursor) {
    return XACursorExtentEnd(cursor).offset - XACursorExtentStart(cursor).offset;
}

std::optional<std::string> XASourceTextInFileRange(const std::string &path, unsigned start, unsigned end) {
    if (start >= end) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamoff length = file.tellg();
    if (length < 0 || start >= static_cast<uint64_t>(length)) {
        return std::nullopt;
    }
    std::string bytes(std::min<uint64_t>(end, static_cast<uint64_t>(length)) - start, '\0');
    if (!file.seekg(start) || !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
    }
    std::string repaired;
    if (XAValidUTF8(bytes, repaired).data() != bytes.data()) {
        return std::nullopt; // the bytes needed repair: they are no valid UTF-8
    }
    return bytes;
}

std::optional<std::string> XACursorSourceText(CXCursor cursor) {
    const XACursorPosition start = XACursorExtentStart(cursor);
    const std::optional<std::string> path = fileName(start.file);
    if (!path) {
        return std::nullopt;
    }
    return XASourceTextInFileRange(*path, start.offset, XACursorExtentEnd(cursor).offset);
}

bool XASourceRangeToNSRange(CXSourceRange range1, CXSourceRange range2) {
    const Span first = spanOfRange(range1);
    const Span second = spanOfRange(range2);
    return (first.start <= second.start && second.end <= first.end) ||
           (second.start <= first.start && first.end <= second.end);
}

bool XASourceRangesIntersection(CXSourceRange range1, CXSourceRange range2) {
    const Span first = spanOfRange(range1);
    const Span second = spanOfRange(range2);
    return std::max(first.start, second.start) < std::min(first.end, second.end);
}

bool XACursorsHaveSameExtent(CXCursor cursor1, CXCursor cursor2) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return XACursorFilePath(cursor1) == XACursorFilePath(cursor2) &&
           XASourceRangeToNSRange(clang.clang_getCursorExtent(cursor1), clang.clang_getCursorExtent(cursor2));
}

const std::vector<std::string> &XAHeaderFileExtensions() {
    static const std::vector<std::string> extensions = {"h", "hh", "hpp"};
    return extensions;
}

bool XACursorIsInHeaderFile(CXCursor cursor) {
    const std::optional<std::string> path = XACursorFilePath(cursor);
    if (!path) {
        return false;
    }
    const std::vector<std::string> &extensions = XAHeaderFileExtensions();
    return std::find(extensions.begin(), extensions.end(), xa_pathExtension(*path)) != extensions.end();
}

bool XACursorIsInSystemHeader(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return clang.clang_Location_isInSystemHeader(clang.clang_getRangeStart(clang.clang_getCursorExtent(cursor))) != 0;
}

bool XACursorIsInPrivateHeader(CXCursor cursor) {
    const std::optional<std::string> path = XACursorFilePath(cursor);
    return path && xa_isPrivateHeaderName(xa_lastPathComponent(*path));
}

bool XACursorIsInPublicHeader(CXCursor cursor) {
    return XACursorIsInHeaderFile(cursor) && !XACursorIsInPrivateHeader(cursor);
}

std::string XACursorDebugDescription(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (clang.clang_Cursor_isNull(cursor)) {
        return "<null cursor>";
    }
    const XACursorPosition start = XACursorExtentStart(cursor);
    const XACursorPosition end = XACursorExtentEnd(cursor);
    return XACursorKindSpelling(clang.clang_getCursorKind(cursor)).value_or("(null)") + ": " +
           XACursorSpelling(cursor).value_or("(null)") + " / " + XACursorDisplayName(cursor).value_or("(null)") + " [" +
           positionText(start) + " - " + positionText(end) + " in " + fileName(start.file).value_or("??") + "]";
}

void XALogCursor(CXCursor cursor) { XALog(XALogLevelDebug, XACursorDebugDescription(cursor)); }

std::optional<std::string> XACursorUniqueKey(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    if (clang.clang_Cursor_isNull(cursor)) {
        return std::nullopt;
    }
    std::string key = std::to_string(static_cast<int>(clang.clang_getCursorKind(cursor))) + "__";
    key += XACursorSpelling(cursor).value_or("<unknown_spelling>") + "__";
    const XACursorPosition start = XACursorExtentStart(cursor);
    CXFileUniqueID fileID{};
    if (start.file && clang.clang_getFileUniqueID(start.file, &fileID) == 0) {
        for (unsigned long long word : fileID.data) {
            key += std::to_string(word) + "_";
        }
        key += "_";
    } else {
        key += "<nofileid>__";
    }
    key += std::to_string(start.offset) + "-" + std::to_string(XACursorExtentEnd(cursor).offset) + "-";
    return key;
}
