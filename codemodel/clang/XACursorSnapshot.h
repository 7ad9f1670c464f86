#pragma once

// What a cursor says about itself, taken while its translation unit lives and kept after the unit is disposed.
//
// A CXCursor points into its translation unit and must not be used once the unit is gone, but the after-code phase
// of a check runs when every unit is gone. Records that outlive the checking of one file therefore keep a snapshot
// instead: kind, names, unified symbol resolution string, file, positions, and the debugging description and unique
// key the cursor library gives (XACursorText.h). A snapshot is a plain value, safe to copy and read on any thread.

#include <clang-c/Index.h>

#include <optional>
#include <string>

// A place in a file: the 1-based line and column and the 0-based byte offset of an expansion location.
struct XASourcePosition {
    unsigned line = 0;
    unsigned column = 0;
    unsigned offset = 0;
    bool operator==(const XASourcePosition &) const = default;
};

class XACursorSnapshot {
public:
    // The snapshot of the null cursor.
    XACursorSnapshot() = default;
    // Reads the cursor; its translation unit must be alive.
    explicit XACursorSnapshot(CXCursor cursor);

    bool isNull() const { return isNull_; }
    CXCursorKind kind() const { return kind_; }
    const std::optional<std::string> &spelling() const { return spelling_; }
    // The unified symbol resolution string; no value when libclang gives none (expressions, statements).
    const std::optional<std::string> &usr() const { return usr_; }
    // The file of the extent start; no value for built-in and command-line material.
    const std::optional<std::string> &filePath() const { return filePath_; }
    XASourcePosition start() const { return start_; }
    XASourcePosition end() const { return end_; }
    // XACursorDebugDescription of the cursor ("<null cursor>" for the null cursor).
    const std::string &debugDescription() const { return debugDescription_; }
    // XACursorUniqueKey of the cursor; no value for the null cursor.
    const std::optional<std::string> &uniqueKey() const { return uniqueKey_; }

private:
    bool isNull_ = true;
    CXCursorKind kind_ = CXCursor_InvalidFile;
    std::optional<std::string> spelling_;
    std::optional<std::string> usr_;
    std::optional<std::string> filePath_;
    XASourcePosition start_;
    XASourcePosition end_;
    std::string debugDescription_ = "<null cursor>";
    std::optional<std::string> uniqueKey_;
};
