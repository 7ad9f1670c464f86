#pragma once

// Reader of Xcode configuration files (`.xcconfig`): follows `#include` statements, drops comments and splits each
// line into key (with its bracketed condition) and value. Nothing is resolved or evaluated here.
//
// Used by XAProjectFile for a configuration file of a project, and by the xcodebuild stand-in, which needs the same
// statements without a project file handle.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One statement line of a configuration file.
struct XCConfigFileStatement {
    // The key as written, with any bracketed condition ("OTHER_LDFLAGS[sdk=iphoneos*]"), trimmed.
    std::string xcKey;
    // The value, trimmed and without a trailing "//" comment; no value when the line has no "=".
    std::optional<std::string> xcValue;
    // The file the line comes from (an included file's own path for its lines).
    std::string xcFilePath;
    // 1-based line number within that file; comment, blank and include lines are counted too.
    std::uint64_t xcLineNumber = 0;
    // The line trimmed of whitespace and newlines.
    std::string rawLine;

    // A statement with path, line number and raw line; key and value are left empty.
    static XCConfigFileStatement statementWithRawLine(std::string rawLine, std::string filePath,
                                                      std::uint64_t lineNumber);
};

// Key and value of one statement line.
struct XAXcconfigAssignment {
    std::string key;
    std::optional<std::string> value;
};

// Splits a raw line: the text up to the first "//" is scanned for the first "=" outside bracketed conditions; the
// key is the trimmed text before it, the value the trimmed text after it. Without such an "=" the whole text is the
// key and there is no value.
XAXcconfigAssignment XAXcconfigKeyAndValue(std::string_view rawLine);

// The statements of one file and of the files it includes, in reading order, with only path, line number and raw
// line set (see XAReadXcconfigStatements for keys and values).
//
// `includedFromFile` is the including file (for the log message of an unreadable file); `containerRootPath` is the
// folder that holds the `.xcodeproj` (may be empty); `topLevelFilePath` names the file whose statements are being
// read in the log message of a missing include. An include is resolved as written when absolute; a relative one is
// tried next to the file being read, then in the container folder, with ".xcconfig" appended when it has no
// extension. A file already on the include chain is skipped (logged at level 3), so include cycles end.
//
// No value when the file itself cannot be read (logged at level 4); an included file that cannot be read or found
// contributes nothing.
std::optional<std::vector<XCConfigFileStatement>>
XAProcessedXcconfigFileStatements(const std::string &path, const std::optional<std::string> &includedFromFile,
                                  const std::string &containerRootPath, const std::string &topLevelFilePath);

// All statements of the file at `path` and of its includes, in reading order, with key and value set. No value when
// the file itself cannot be read.
std::optional<std::vector<XCConfigFileStatement>> XAReadXcconfigStatements(const std::string &path,
                                                                           const std::string &containerRootPath);

// Key (with condition) to value, built from the statements in order: a later statement for a key wins, and a
// statement without a value removes the key's earlier value.
std::map<std::string, std::string> XAXcconfigBuildSettings(const std::vector<XCConfigFileStatement> &statements);
