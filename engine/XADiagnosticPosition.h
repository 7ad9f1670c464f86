#pragma once

// A place in a file that a diagnostic points at, and how the engine finds the start and end of a cursor, a token or
// a whole line.
//
// What the numbers count depends on where a position comes from:
// - from libclang (a cursor or a token): 1-based line, 1-based column in bytes, 0-based UTF-8 byte offset;
// - a whole line: the line, column 0 at its start and its byte length at its end, byte offsets;
// - after post-processing (XADiagnostic::updateDiagnosticPositions): the byte line, 0-based columns and offsets in
//   UTF-16 units or in code points.

#include "codemodel/XALibclang.h"
#include "core/XAPair.h"

#include <cstdint>
#include <optional>
#include <string>

struct XADiagnosticPosition {
    std::uint64_t line = 0;
    std::uint64_t column = 0;
    std::uint64_t offset = 0;

    static XADiagnosticPosition positionAtLine(std::uint64_t line, std::uint64_t column, std::uint64_t offset) {
        return {line, column, offset};
    }

    bool isZeroPosition() const { return line == 0 && column == 0 && offset == 0; }
    // "Line: <line> Column: <column> Offset: <offset>".
    std::string description() const;
    bool operator==(const XADiagnosticPosition &) const = default;

    // ---- Start and end (first the start, second the end) ----

    // The expansion locations of the cursor's extent. An empty extent is widened to the byte after its start when
    // the file has one. Objective-C interfaces, categories, implementations and category implementations span the
    // whole first line of their declaration (no value when that line cannot be read); a function or method with a
    // body ends just before the body's opening brace.
    static std::optional<XAPair<XADiagnosticPosition, XADiagnosticPosition>>
    startAndEndPositionsFromCursor(CXCursor cursor);
    // The expansion locations of the token's extent.
    static XAPair<XADiagnosticPosition, XADiagnosticPosition>
    startAndEndPositionsFromToken(CXToken token, CXTranslationUnit translationUnit);
    // The line of the file from column 0 to its byte length (its line break not included), from the file's line index
    // (XAFileLineIndex.h); no value for a missing file, line 0 or a line past the last one. A zero byte ends the file.
    static std::optional<XAPair<XADiagnosticPosition, XADiagnosticPosition>>
    startAndEndPositionsForLine(std::uint64_t line, const std::string &filePath);
};

using XADiagnosticPositions = XAPair<XADiagnosticPosition, XADiagnosticPosition>;
