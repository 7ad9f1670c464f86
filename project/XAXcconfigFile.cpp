#include "project/XAXcconfigFile.h"

#include "core/XALog.h"
#include "core/XAPaths.h"
#include "core/XARegex.h"
#include "core/XAString.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Lines as a text editor sees them: "\r\n" is one line break, as are "\n", "\r", U+0085, U+2028 and U+2029.
std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        size_t breakLength = 0;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            breakLength = 1;
        } else if (c == '\r') {
            breakLength = (i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x85) {
            breakLength = 2;
        } else if (c == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
            breakLength = 3;
        }
        if (breakLength == 0) {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += breakLength;
        start = i;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The path named by an include line (`#include "path"`), or no value for any other line.
std::optional<std::string> includedPathOfLine(const std::string &trimmedLine) {
    static const std::optional<XARegex> includePattern = XARegex::compile("^#include\\s+\"(.*?)\"");
    if (!includePattern) {
        return std::nullopt;
    }
    auto match = includePattern->firstMatch(trimmedLine, XAMatchingOptions::Anchored);
    if (!match) {
        return std::nullopt;
    }
    return match->group(1);
}

bool fileExists(const std::string &path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// The file an include names: absolute as written; relative next to the including file, then in the container
// folder, with ".xcconfig" added when the name has no extension.
std::optional<std::string> resolvedIncludePath(const std::string &writtenPath, const std::string &includingFile,
                                               const std::string &containerRootPath) {
    if (xa_isAbsolutePath(writtenPath)) {
        return fileExists(writtenPath) ? std::optional<std::string>(writtenPath) : std::nullopt;
    }
    const std::string relativePath = xa_pathExtension(writtenPath).empty()
                                         ? xa_stringByAppendingPathExtension(writtenPath, "xcconfig")
                                         : writtenPath;
    std::vector<std::string> folders = {xa_stringByDeletingLastPathComponent(includingFile)};
    if (!containerRootPath.empty()) {
        folders.push_back(containerRootPath);
    }
    for (const auto &folder : folders) {
        std::string candidate = xa_stringByAppendingPathComponent(folder, relativePath);
        if (fileExists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

// The identity of a file on the include chain: symbolic links and ".." resolved, so that a cycle through another
// spelling of the same file is still seen.
std::string chainIdentity(const std::string &path) {
    std::error_code error;
    auto canonical = std::filesystem::weakly_canonical(std::filesystem::path(xa_absoluteCLIPath(path)), error);
    return error ? xa_absoluteCLIPath(path) : canonical.string();
}

struct XcconfigReading {
    std::string containerRootPath;
    std::string topLevelFilePath;
    std::vector<std::string> includeChain;

    std::optional<std::vector<XCConfigFileStatement>> read(const std::string &path,
                                                           const std::optional<std::string> &includedFromFile);
    void appendInclude(const std::string &writtenPath, const std::string &includingFile,
                       std::vector<XCConfigFileStatement> &statements);
};

std::optional<std::vector<XCConfigFileStatement>>
XcconfigReading::read(const std::string &path, const std::optional<std::string> &includedFromFile) {
    XAError error;
    auto text = XATextOfFile(path, &error);
    if (!text) {
        const std::string includedFrom = includedFromFile ? "(included from: " + *includedFromFile + ")" : "";
        XALog(XALogLevelError, "Error reading .xcconfig file %s: %s %s", path.c_str(), error.message.c_str(),
              includedFrom.c_str());
        return std::nullopt;
    }
    includeChain.push_back(chainIdentity(path));
    std::vector<XCConfigFileStatement> statements;
    std::uint64_t lineNumber = 0;
    for (std::string_view line : textLines(*text)) {
        ++lineNumber;
        std::string trimmed = xa_trimmed(line);
        if (trimmed.empty() || trimmed.starts_with("//")) {
            continue;
        }
        if (auto writtenPath = includedPathOfLine(trimmed)) {
            appendInclude(*writtenPath, path, statements);
            continue;
        }
        statements.push_back(XCConfigFileStatement::statementWithRawLine(std::move(trimmed), path, lineNumber));
    }
    includeChain.pop_back();
    return statements;
}

void XcconfigReading::appendInclude(const std::string &writtenPath, const std::string &includingFile,
                                    std::vector<XCConfigFileStatement> &statements) {
    auto includedPath = resolvedIncludePath(writtenPath, includingFile, containerRootPath);
    if (!includedPath) {
        XALog(XALogLevelError, "Error processing .xcconfig file include in %s: cannot find file %s",
              topLevelFilePath.c_str(), writtenPath.c_str());
        return;
    }
    const std::string identity = chainIdentity(*includedPath);
    if (std::find(includeChain.begin(), includeChain.end(), identity) != includeChain.end()) {
        XALog(XALogLevelWarning, "Skipping include of .xcconfig file %s in %s: it includes itself",
              includedPath->c_str(), includingFile.c_str());
        return;
    }
    if (auto included = read(*includedPath, includingFile)) {
        statements.insert(statements.end(), std::make_move_iterator(included->begin()),
                          std::make_move_iterator(included->end()));
    }
}

} // namespace

XCConfigFileStatement XCConfigFileStatement::statementWithRawLine(std::string rawLine, std::string filePath,
                                                                  std::uint64_t lineNumber) {
    XCConfigFileStatement statement;
    statement.rawLine = std::move(rawLine);
    statement.xcFilePath = std::move(filePath);
    statement.xcLineNumber = lineNumber;
    return statement;
}

XAXcconfigAssignment XAXcconfigKeyAndValue(std::string_view rawLine) {
    const size_t commentStart = rawLine.find("//");
    const std::string_view text = rawLine.substr(0, commentStart);
    size_t position = 0;
    while (position < text.size()) {
        const size_t stop = text.find_first_of("[=", position);
        if (stop == std::string_view::npos) {
            break;
        }
        if (text[stop] == '=') {
            return {xa_trimmed(text.substr(0, stop)), xa_trimmed(text.substr(stop + 1))};
        }
        // A bracketed condition may hold "=" of its own ("[sdk=iphoneos*]").
        const size_t conditionEnd = text.find(']', stop + 1);
        if (conditionEnd == std::string_view::npos) {
            break;
        }
        position = conditionEnd + 1;
    }
    return {xa_trimmed(text), std::nullopt};
}

std::optional<std::vector<XCConfigFileStatement>>
XAProcessedXcconfigFileStatements(const std::string &path, const std::optional<std::string> &includedFromFile,
                                  const std::string &containerRootPath, const std::string &topLevelFilePath) {
    XcconfigReading reading{containerRootPath, topLevelFilePath, {}};
    return reading.read(path, includedFromFile);
}

std::optional<std::vector<XCConfigFileStatement>> XAReadXcconfigStatements(const std::string &path,
                                                                           const std::string &containerRootPath) {
    auto statements = XAProcessedXcconfigFileStatements(path, std::nullopt, containerRootPath, path);
    if (!statements) {
        return std::nullopt;
    }
    for (auto &statement : *statements) {
        auto assignment = XAXcconfigKeyAndValue(statement.rawLine);
        statement.xcKey = std::move(assignment.key);
        statement.xcValue = std::move(assignment.value);
    }
    return statements;
}

std::map<std::string, std::string> XAXcconfigBuildSettings(const std::vector<XCConfigFileStatement> &statements) {
    std::map<std::string, std::string> settings;
    for (const auto &statement : statements) {
        if (statement.xcValue) {
            settings[statement.xcKey] = *statement.xcValue;
        } else {
            settings.erase(statement.xcKey);
        }
    }
    return settings;
}
