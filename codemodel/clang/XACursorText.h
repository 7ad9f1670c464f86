#pragma once

// The lowest layer of the cursor library: a cursor's names, its file, line and byte offsets, the source text it
// covers, the header tests that decide whether a cursor is checked at all, descriptions for logs, and string keys
// under which rules keep per-cursor records.
//
// Positions are those of the expansion location of the cursor's extent: for a construct that comes from a macro, the
// place of the macro use in the file being read. A span is (offset of the extent start, offset of the extent end),
// the end exclusive. Nothing here keeps state; every function may run on any checking thread over the cursors of the
// unit that thread parsed. All functions need a loaded libclang (XALibclang) and abort like it without one.
//
// XAStringFromCXString, which turns a libclang string into text and disposes of it, is in codemodel/XALibclang.h.

#include "codemodel/XALibclang.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// --- Names

// clang_getCursorKindSpelling of the kind.
std::optional<std::string> XACursorKindSpelling(CXCursorKind kind);
// clang_getCursorSpelling: a declaration's name, a message's selector, a macro's name.
std::optional<std::string> XACursorSpelling(CXCursor cursor);
// clang_getCursorDisplayName: for a method declaration or a message the full selector, for a function its name with
// parameter types.
std::optional<std::string> XACursorDisplayName(CXCursor cursor);

// --- Locations and files

// The expansion location of the cursor's extent start or end: file (null when none), line, column and byte offset.
struct XACursorPosition {
    CXFile file = nullptr;
    unsigned line = 0;
    unsigned column = 0;
    unsigned offset = 0;
};
XACursorPosition XACursorExtentStart(CXCursor cursor);
XACursorPosition XACursorExtentEnd(CXCursor cursor);

// The path of the file of the extent start; no value when it lies in no file (built-in or command-line material).
std::optional<std::string> XACursorFilePath(CXCursor cursor);
// Whether the extent start lies in a file.
bool XACursorFile(CXCursor cursor);
// The 1-based line of the extent start.
unsigned XACursorStartLocation(CXCursor cursor);
// For an InclusionDirective, the path of the included file.
std::optional<std::string> XAIncludedFilePath(CXCursor cursor);
// The end offset less the start offset.
unsigned XACursorExtentLength(CXCursor cursor);

// The text between two byte offsets of a file, the end exclusive and clamped to the file's end. No value when
// start >= end, when the file cannot be read, when start is at or past its end, or when the bytes are not valid UTF-8.
// The file is read on every call (only the bytes asked for).
std::optional<std::string> XASourceTextInFileRange(const std::string &path, unsigned start, unsigned end);
// XASourceTextInFileRange on the cursor's file and span.
std::optional<std::string> XACursorSourceText(CXCursor cursor);

// Whether one range lies within the other (in either direction); equal ranges count.
bool XASourceRangeToNSRange(CXSourceRange range1, CXSourceRange range2);
// Whether the spans overlap by at least one byte; ranges that only touch do not.
bool XASourceRangesIntersection(CXSourceRange range1, CXSourceRange range2);
// Whether both cursors lie in the same file path and one's extent lies within the other's.
bool XACursorsHaveSameExtent(CXCursor cursor1, CXCursor cursor2);

// --- Header tests

// "h", "hh", "hpp", compared case-sensitively with a path extension.
const std::vector<std::string> &XAHeaderFileExtensions();
bool XACursorIsInHeaderFile(CXCursor cursor);
// clang_Location_isInSystemHeader of the extent start; the checking run skips such cursors.
bool XACursorIsInSystemHeader(CXCursor cursor);
// The file name passes xa_isPrivateHeaderName (XASymbolPrefixes.h).
bool XACursorIsInPrivateHeader(CXCursor cursor);
// In a header file and not in a private header.
bool XACursorIsInPublicHeader(CXCursor cursor);

// --- Descriptions and keys

// "<null cursor>", or "kind: spelling / display name [line:column:offset - line:column:offset in file]" with "??"
// for a cursor in no file.
std::string XACursorDebugDescription(CXCursor cursor);
// Writes XACursorDebugDescription at the debugging level.
void XALogCursor(CXCursor cursor);
// A key that two cursors of the same kind, spelling, file and span share: "kind__spelling__fileid__start-end-", with
// "<unknown_spelling>__" and "<nofileid>__" standing in for what is missing. No value for the null cursor.
std::optional<std::string> XACursorUniqueKey(CXCursor cursor);
