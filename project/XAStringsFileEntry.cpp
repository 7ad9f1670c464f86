// Entries of `.strings` files with their line numbers, and the validity test of a strings file.

#include "project/XAStringsFileEntry.h"

#include "core/XAPaths.h"
#include "core/XAScanner.h"
#include "core/XATask.h"
#include "core/XATextOffsets.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProjectFile.h"

#include <cstdio>
#include <filesystem>

namespace {

// The number of line breaks in a text; "\r\n" is one.
std::size_t lineBreakCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const XAUTF8Char character = XADecodeUTF8(text, offset);
        if (XAIsNewline(character.codePoint) && !(character.codePoint == U'\r' && text.substr(offset + 1, 1) == "\n")) {
            ++count;
        }
        offset += character.length;
    }
    return count;
}

const icu::UnicodeSet &quoteSet() {
    static const icu::UnicodeSet set = [] {
        icu::UnicodeSet quote(u'"', u'"');
        quote.freeze();
        return quote;
    }();
    return set;
}

// The characters that end an unquoted key ("=") or value (";"): white space, line breaks and the delimiter.
const icu::UnicodeSet &unquotedStopSet(char16_t delimiter) {
    static const icu::UnicodeSet keyStops = [] {
        icu::UnicodeSet set; // a copy of a frozen set would stay frozen
        set.addAll(XAWhitespaceAndNewlineCharacterSet()).add(u'=');
        set.freeze();
        return set;
    }();
    static const icu::UnicodeSet valueStops = [] {
        icu::UnicodeSet set;
        set.addAll(XAWhitespaceAndNewlineCharacterSet()).add(u';');
        set.freeze();
        return set;
    }();
    return delimiter == u'=' ? keyStops : valueStops;
}

// A quoted string (the scanner on its opening quote) or an unquoted token. No value for an unquoted token of no
// characters.
std::optional<std::string> scanKeyOrValue(XAScanner &scanner, char16_t delimiter) {
    std::string text;
    if (scanner.scanString("\"")) {
        xa_scanIgnoringEscapedCharsUpToCharactersFromSet(scanner, quoteSet(), &text);
        scanner.scanString("\"");
        return text;
    }
    if (!scanner.scanUpToCharactersFromSet(unquotedStopSet(delimiter), &text)) {
        return std::nullopt;
    }
    return text;
}

// Reads one entry that starts on `line` and returns the line on which the text after it starts.
std::size_t scanEntry(XAScanner &scanner, std::size_t line, std::vector<XAStringsFileEntry> &entries) {
    const std::optional<std::string> key = scanKeyOrValue(scanner, u'=');
    std::string beforeEquals;
    scanner.scanUpToString("=", &beforeEquals);
    scanner.scanString("=");
    std::string beforeValue;
    scanner.scanCharactersFromSet(XAWhitespaceAndNewlineCharacterSet(), &beforeValue);
    const std::optional<std::string> value = scanKeyOrValue(scanner, u';');
    std::string beforeSemicolon;
    scanner.scanUpToString(";", &beforeSemicolon);
    scanner.scanString(";");
    if (key && !key->empty()) {
        entries.emplace_back(*key, value, line);
    }
    return line + lineBreakCount(key.value_or("")) + lineBreakCount(beforeEquals) + lineBreakCount(beforeValue) +
           lineBreakCount(value.value_or("")) + lineBreakCount(beforeSemicolon);
}

// Steps over one line break ("\r\n" counting as one); false when none stands at the scan location.
bool scanLineBreak(XAScanner &scanner) {
    if (scanner.scanString("\r\n")) {
        return true;
    }
    if (scanner.isAtEnd() || !XAIsNewline(scanner.characterAtScanLocation())) {
        return false;
    }
    scanner.setScanLocation(scanner.scanLocation() + XADecodeUTF8(scanner.text(), scanner.scanLocation()).length);
    return true;
}

// "\U" escapes as "\u" escapes, and those of four hexadecimal digits as their characters.
std::string withUnicodeEscapesTranslated(std::string_view text) {
    std::string escaped(text);
    for (std::size_t found = escaped.find("\\U"); found != std::string::npos; found = escaped.find("\\U", found + 2)) {
        escaped[found + 1] = 'u';
    }
    return xa_stringByTranslatingUnicodeEscapeSequences(escaped);
}

} // namespace

std::string XAStringsFileEntry::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void *>(this));
    return "<XAStringsFileEntry: " + std::string(address) + "> (" + std::to_string(lineNumber_) + ": " + resourceKey_ +
           " = " + resourceValue_.value_or("(null)") + ")";
}

std::vector<XAStringsFileEntry> XAProjectFile::entriesFromOldStylePlist(std::string_view text) {
    std::vector<XAStringsFileEntry> entries;
    XAScanner scanner(withUnicodeEscapesTranslated(text));
    std::size_t line = 1;
    while (!scanner.isAtEnd()) {
        scanner.scanCharactersFromSet(XAWhitespaceCharacterSet());
        if (scanner.isAtEnd()) {
            break;
        }
        if (scanLineBreak(scanner)) {
            ++line;
            continue;
        }
        if (scanner.scanString("//")) {
            scanner.scanUpToCharactersFromSet(XANewlineCharacterSet());
            continue;
        }
        if (scanner.scanString("/*")) {
            std::string comment;
            scanner.scanUpToString("*/", &comment);
            scanner.scanString("*/");
            line += lineBreakCount(comment);
            continue;
        }
        line = scanEntry(scanner, line, entries);
    }
    return entries;
}

std::optional<std::vector<XAStringsFileEntry>> XAProjectFile::stringsFileEntries(XAError *error) const {
    if (!isStringsFile() || !pathOnDisk()) {
        return std::nullopt;
    }
    std::optional<std::string> text = XATextOfFile(*pathOnDisk(), error);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    return entriesFromOldStylePlist(*text);
}

bool XAProjectFile::stringsFileIsValidWithError(XAError *error, const std::string &plutilPath) const {
    if (!pathOnDisk()) {
        return false;
    }
    XAError readError;
    std::optional<std::string> text = XATextOfFile(*pathOnDisk(), &readError);
    if (text && xa_trimmed(*text).empty()) {
        return true;
    }
    if (text && stringsFileDictionary(&readError)) {
        return true;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(plutilPath, ignored)) {
        if (error) {
            *error = readError;
        }
        return false;
    }
    const XATaskResults lint = XATask::execute(plutilPath, {"-lint", *pathOnDisk()});
    if (lint.exitStatus == 0 && !lint.error) {
        return true;
    }
    const std::string standardError = xa_trimmed(xa_stringByTrimmingNSLogPrefixes(lint.standardError.value_or("")));
    const std::string standardOutput = xa_trimmed(lint.standardOutput.value_or(""));
    XASetError(error, !standardError.empty() ? standardError : lint.error ? lint.error->message : standardOutput);
    return false;
}
