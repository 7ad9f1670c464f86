#pragma once

// A developer aid behind the command line's "dev_dump": parses one source file against the SDK alone, without a
// project, and prints its cursor tree in colour (kind, spelling, type, extent) followed by the parse's diagnostics,
// to show what libclang reports for a piece of code.
//
// Needs a loaded libclang (XALibclang) and the developer tools (xcrun and the SDK stand-ins).

#include "codemodel/XALibclang.h"
#include "core/XAColor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Receives the printed text, piece by piece; standard output unless a caller gives another.
using XADumpWriter = std::function<void(const std::string &text)>;

// A file whose name contains ".osx." is parsed as OS X code (x86_64, the macosx SDK, Cocoa.h included), any other as
// iOS code (armv7, the iphoneos SDK, UIKit.h included), with the extra arguments after those. Prints the SDK's and
// Clang's versions, the tree and, when there are diagnostics, a banner and each diagnostic: with `allDiagnostics`
// every one (notes and remarks grey, warnings yellow, errors red), else errors only. Without `colored` the same text
// comes without escape sequences (for output that is not a terminal). Returns 0 after a dump and 1, after logging
// "Error parsing TU: <reason>", when the file cannot be parsed.
int XAClangASTDump(const std::string &filePath, const std::optional<std::vector<std::string>> &extraArguments,
                   bool allDiagnostics, bool colored, const XADumpWriter &write = nullptr);

// The compiler arguments of the dump for a file and SDK, before they are adapted for the loaded libclang.
std::vector<std::string> XAClangASTDumpArguments(const std::string &filePath, const std::string &sdkPath,
                                                 const std::optional<std::vector<std::string>> &extraArguments);

// Prints the cursor and, recursively, its children, each level indented by "|  " more. Only cursors of the given file
// outside system headers are printed, and nothing below any other cursor.
void XAPrintCursorTree(const std::string &prefix, const std::string &filePath, CXCursor cursor, bool colored,
                       const XADumpWriter &write = nullptr);

// An extent as "[line:column-column]" on one line or "[line:column - line:column]" across lines.
std::string XACursorExtentDescription(unsigned startLine, unsigned startColumn, unsigned endLine, unsigned endColumn);

// The colour of a cursor kind in the tree: classes, categories and protocols magenta; functions, properties and
// methods green; calls and messages cyan; the translation unit red; everything else grey.
XAColor XACursorKindColor(CXCursorKind kind);

// The text wrapped in the ANSI escape sequences of the colour (as styled text in the system font); unchanged
// without a colour.
std::string XAColoredFormat(const std::string &text, const std::optional<XAColor> &color);
