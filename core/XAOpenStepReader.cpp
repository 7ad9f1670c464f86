#include "core/XAOpenStepReader.h"

#include "core/XAPropertyListInternal.h"
#include "core/XAPropertyListText.h"

#include <unicode/utf16.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

using xa_detail::kMaxPropertyListNestingDepth;
using xa_detail::kReplacementCharacter;

// Unicode of the NeXTSTEP bytes 0x80...0xFF, which octal escapes above \177 denote; 0xFE and 0xFF are unassigned.
constexpr char16_t kNeXTSTEPHighHalf[128] = {
    0x00A0, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC,
    0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D9, 0x00DA, 0x00DB,
    0x00DC, 0x00DD, 0x00DE, 0x00B5, 0x00D7, 0x00F7, 0x00A9, 0x00A1, 0x00A2, 0x00A3, 0x2044, 0x00A5, 0x0192,
    0x00A7, 0x00A4, 0x2019, 0x201C, 0x00AB, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x00AE, 0x2013, 0x2020, 0x2021,
    0x00B7, 0x00A6, 0x00B6, 0x2022, 0x201A, 0x201E, 0x201D, 0x00BB, 0x2026, 0x2030, 0x00AC, 0x00BF, 0x00B9,
    0x02CB, 0x00B4, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x00A8, 0x00B2, 0x02DA, 0x00B8, 0x00B3, 0x02DD,
    0x02DB, 0x02C7, 0x2014, 0x00B1, 0x00BC, 0x00BD, 0x00BE, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5,
    0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00C6, 0x00ED, 0x00AA, 0x00EE, 0x00EF, 0x00F0, 0x00F1,
    0x0141, 0x00D8, 0x0152, 0x00BA, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00E6, 0x00F9, 0x00FA, 0x00FB,
    0x0131, 0x00FC, 0x00FD, 0x0142, 0x00F8, 0x0153, 0x00DF, 0x00FE, 0x00FF, 0xFFFD, 0xFFFD,
};

enum CharacterClass : std::uint8_t {
    kBlank = 1,
    kTokenCharacter = 2,
    kHexDigit = 4,
};

constexpr std::array<std::uint8_t, 256> makeCharacterClasses() {
    std::array<std::uint8_t, 256> classes{};
    for (char c : std::string_view(" \t\n\r\f\v")) {
        classes[static_cast<unsigned char>(c)] |= kBlank;
    }
    for (int c = 0; c < 256; ++c) {
        if (xa_detail::isOpenStepTokenCharacter(static_cast<char>(c))) {
            classes[c] |= kTokenCharacter;
        }
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')) {
            classes[c] |= kHexDigit;
        }
    }
    return classes;
}

constexpr std::array<std::uint8_t, 256> kCharacterClasses = makeCharacterClasses();

inline bool hasClass(char c, CharacterClass characterClass) {
    return kCharacterClasses[static_cast<unsigned char>(c)] & characterClass;
}

inline int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (c | 0x20) - 'a' + 10;
}

void appendUTF8(std::string &out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// A key or token shown inside an error message, cut short so that one message stays one line.
std::string quotedForMessage(std::string_view text) {
    constexpr std::size_t kLimit = 60;
    std::string shown;
    for (char c : text.substr(0, kLimit)) {
        if (c == '\n' || c == '\r') {
            shown += ' ';
        } else {
            shown += c;
        }
    }
    return "\"" + shown + (text.size() > kLimit ? "...\"" : "\"");
}

class OpenStepParser {
public:
    OpenStepParser(std::string_view text, const std::string &sourceName)
        : text_(text), sourceName_(sourceName), p_(text.data()), end_(text.data() + text.size()) {}

    std::optional<XAValue> parse(XAOpenStepReadMode mode, XAError *error);

private:
    // Where a value was expected; only read to word an error.
    struct ValueSite {
        const std::string *key = nullptr;
        const char *arrayStart = nullptr;
    };

    bool skipBlanks();
    bool parseValue(XAValue &out, const ValueSite &site);
    bool parseNested(XAValue &out);
    bool parseDictionaryEntries(XADictionary &dictionary, const char *openingBrace);
    bool parseArray(XAValue::Array &elements);
    bool parseString(std::string &out);
    bool parseQuotedString(std::string &out);
    void appendEscapedCharacter(std::string &out);
    bool readHexUnit(const char *from, char16_t &unit, const char **after) const;
    void parseToken(std::string &out);
    bool parseData(XAData &bytes);
    bool startsBracelessDictionary();
    void moveEntriesInto(XADictionary &dictionary, std::size_t first);

    static bool isStringStart(char c) { return c == '"' || c == '\'' || hasClass(c, kTokenCharacter); }
    bool at(char c) const { return p_ < end_ && *p_ == c; }

    bool fail(const char *where, std::string message);
    bool failExpected(const char *where, const std::string &expected);
    std::string describeSite(const ValueSite &site) const;
    std::string describeFound(const char *where) const;
    std::size_t lineOf(const char *where) const;
    std::string lineText(const char *where) const { return std::to_string(lineOf(where)); }
    std::string conflictMarkerMessage(const char *where) const;

    std::string_view text_;
    const std::string &sourceName_;
    const char *p_;
    const char *end_;
    std::size_t depth_ = 0;
    std::string errorMessage_;
    // Entries and elements of the containers being read, as stacks shared by all nesting levels: each container
    // is built once at its exact size instead of growing step by step.
    std::vector<XADictionary::Entry> pendingEntries_;
    std::vector<XAValue> pendingElements_;
};

std::optional<XAValue> OpenStepParser::parse(XAOpenStepReadMode mode, XAError *error) {
    auto failed = [&]() -> std::optional<XAValue> {
        XASetError(error, errorMessage_);
        return std::nullopt;
    };
    if (!skipBlanks()) {
        return failed();
    }
    if (p_ == end_) {
        if (mode == XAOpenStepReadMode::StringsFile) {
            return XAValue(XADictionary());
        }
        XASetError(error, sourceName_ + " is empty");
        return std::nullopt;
    }
    const char *rootStart = p_;
    XAValue root;
    if (startsBracelessDictionary()) {
        XADictionary dictionary;
        if (!parseDictionaryEntries(dictionary, nullptr)) {
            return failed();
        }
        root = XAValue(std::move(dictionary));
    } else {
        if (!parseValue(root, ValueSite()) || !skipBlanks()) {
            return failed();
        }
        if (p_ != end_) {
            fail(p_, "unexpected " + describeFound(p_) + " after the end of the property list that starts on line " +
                         lineText(rootStart));
            return failed();
        }
    }
    if (mode == XAOpenStepReadMode::StringsFile && !root.isDictionary()) {
        fail(rootStart, "a strings file must hold \"key\" = \"value\"; pairs, but this one holds " +
                            std::string(root.isArray()  ? "an array"
                                        : root.isData() ? "data"
                                                        : "a single string"));
        return failed();
    }
    return root;
}

bool OpenStepParser::skipBlanks() {
    while (p_ < end_) {
        char c = *p_;
        if (hasClass(c, kBlank)) {
            ++p_;
            continue;
        }
        if (c != '/' || end_ - p_ < 2) {
            return true;
        }
        if (p_[1] == '/') {
            p_ += 2;
            while (p_ < end_ && *p_ != '\n' && *p_ != '\r') {
                ++p_;
            }
        } else if (p_[1] == '*') {
            const char *opening = p_;
            std::string_view rest(p_ + 2, static_cast<std::size_t>(end_ - p_ - 2));
            std::size_t closing = rest.find("*/");
            if (closing == std::string_view::npos) {
                return fail(end_, "the file ended unexpectedly inside the comment that starts on line " +
                                      lineText(opening) + "; expected '*/'");
            }
            p_ = rest.data() + closing + 2;
        } else {
            return true;
        }
    }
    return true;
}

// The top level of a `.strings` file: a string followed by '=' (or by ';' in the `"key";` shorthand).
bool OpenStepParser::startsBracelessDictionary() {
    if (!isStringStart(*p_)) {
        return false;
    }
    const char *start = p_;
    std::string scratch;
    bool pairFollows = parseString(scratch) && skipBlanks() && (at('=') || at(';'));
    p_ = start;
    errorMessage_.clear();
    return pairFollows;
}

bool OpenStepParser::parseValue(XAValue &out, const ValueSite &site) {
    if (p_ == end_) {
        return failExpected(p_, describeSite(site));
    }
    switch (*p_) {
    case '{':
    case '(':
        return parseNested(out);
    case '<': {
        XAData bytes;
        if (!parseData(bytes)) {
            return false;
        }
        out = XAValue(std::move(bytes));
        return true;
    }
    default:
        break;
    }
    if (!isStringStart(*p_)) {
        return failExpected(p_, describeSite(site));
    }
    std::string text;
    if (!parseString(text)) {
        return false;
    }
    out = XAValue(std::move(text));
    return true;
}

bool OpenStepParser::parseNested(XAValue &out) {
    if (depth_ >= kMaxPropertyListNestingDepth) {
        return fail(p_, "the property list is nested more than " + std::to_string(kMaxPropertyListNestingDepth) +
                            " levels deep");
    }
    ++depth_;
    bool parsed;
    if (*p_ == '{') {
        const char *openingBrace = p_++;
        XADictionary dictionary;
        parsed = parseDictionaryEntries(dictionary, openingBrace);
        out = XAValue(std::move(dictionary));
    } else {
        XAValue::Array elements;
        parsed = parseArray(elements);
        out = XAValue(std::move(elements));
    }
    --depth_;
    return parsed;
}

// Entries up to the closing brace, or up to the end of the text when `openingBrace` is null.
bool OpenStepParser::parseDictionaryEntries(XADictionary &dictionary, const char *openingBrace) {
    const std::size_t first = pendingEntries_.size();
    for (;;) {
        if (!skipBlanks()) {
            return false;
        }
        if (p_ == end_ && !openingBrace) {
            moveEntriesInto(dictionary, first);
            return true;
        }
        if (openingBrace && at('}')) {
            ++p_;
            moveEntriesInto(dictionary, first);
            return true;
        }
        if (p_ == end_ || !isStringStart(*p_)) {
            return failExpected(p_, openingBrace
                                        ? "a key or '}' in the dictionary that starts on line " + lineText(openingBrace)
                                        : std::string("a key"));
        }
        std::string key;
        if (!parseString(key) || !skipBlanks()) {
            return false;
        }
        if (at(';')) { // `"key";` stands for `"key" = "key";` in `.strings` files
            ++p_;
            XAValue value(key);
            pendingEntries_.emplace_back(std::move(key), std::move(value));
            continue;
        }
        if (!at('=')) {
            return failExpected(p_, "'=' after the key " + quotedForMessage(key));
        }
        ++p_;
        if (!skipBlanks()) {
            return false;
        }
        XAValue value;
        if (!parseValue(value, ValueSite{&key, nullptr}) || !skipBlanks()) {
            return false;
        }
        if (at(';')) {
            ++p_;
        } else if (!(openingBrace && at('}'))) { // a missing ';' before '}' is forgiven
            return failExpected(p_, "';' after the value of key " + quotedForMessage(key));
        }
        pendingEntries_.emplace_back(std::move(key), std::move(value));
    }
}

// Later duplicates of a key replace earlier ones, as XADictionary::set does.
void OpenStepParser::moveEntriesInto(XADictionary &dictionary, std::size_t first) {
    dictionary.reserve(pendingEntries_.size() - first);
    for (auto entry = pendingEntries_.begin() + static_cast<std::ptrdiff_t>(first); entry != pendingEntries_.end();
         ++entry) {
        dictionary.set(std::move(entry->first), std::move(entry->second));
    }
    pendingEntries_.erase(pendingEntries_.begin() + static_cast<std::ptrdiff_t>(first), pendingEntries_.end());
}

bool OpenStepParser::parseArray(XAValue::Array &elements) {
    const char *openingParenthesis = p_++;
    const auto first = static_cast<std::ptrdiff_t>(pendingElements_.size());
    auto finish = [&] {
        ++p_;
        elements.assign(std::make_move_iterator(pendingElements_.begin() + first),
                        std::make_move_iterator(pendingElements_.end()));
        pendingElements_.erase(pendingElements_.begin() + first, pendingElements_.end());
        return true;
    };
    for (;;) {
        if (!skipBlanks()) {
            return false;
        }
        if (at(')')) {
            return finish();
        }
        XAValue element;
        if (!parseValue(element, ValueSite{nullptr, openingParenthesis}) || !skipBlanks()) {
            return false;
        }
        pendingElements_.push_back(std::move(element));
        if (at(',')) {
            ++p_;
        } else if (at(')')) {
            return finish();
        } else {
            return failExpected(p_, "',' or ')' after an element of the array that starts on line " +
                                        lineText(openingParenthesis));
        }
    }
}

bool OpenStepParser::parseString(std::string &out) {
    if (*p_ == '"' || *p_ == '\'') {
        return parseQuotedString(out);
    }
    parseToken(out);
    return true;
}

void OpenStepParser::parseToken(std::string &out) {
    const char *start = p_;
    while (p_ < end_ && hasClass(*p_, kTokenCharacter)) {
        // '*' cannot be part of a token, so "/*" right after one can only open a comment.
        if (*p_ == '/' && p_ + 1 < end_ && p_[1] == '*') {
            break;
        }
        ++p_;
    }
    out.assign(start, p_);
}

bool OpenStepParser::parseQuotedString(std::string &out) {
    const char quote = *p_;
    const char *opening = p_++;
    auto length = static_cast<std::size_t>(end_ - p_);
    auto closing = static_cast<const char *>(std::memchr(p_, quote, length));
    if (closing) {
        auto backslash = static_cast<const char *>(std::memchr(p_, '\\', static_cast<std::size_t>(closing - p_)));
        if (!backslash) { // the common case: no escapes, one copy
            out.assign(p_, closing);
            p_ = closing + 1;
            return true;
        }
    }
    out.clear();
    for (;;) {
        const char *run = p_;
        while (p_ < end_ && *p_ != quote && *p_ != '\\') {
            ++p_;
        }
        out.append(run, p_);
        if (p_ + 1 < end_ && *p_ == '\\') {
            ++p_;
            appendEscapedCharacter(out);
            continue;
        }
        if (p_ < end_ && *p_ == quote) {
            ++p_;
            return true;
        }
        return fail(end_, "the file ended unexpectedly inside the quoted string that starts on line " +
                              lineText(opening) + "; expected a closing " + std::string(1, quote));
    }
}

// Reads one to four hexadecimal digits (Xcode always writes four) as a UTF-16 unit.
bool OpenStepParser::readHexUnit(const char *from, char16_t &unit, const char **after) const {
    unsigned value = 0;
    const char *p = from;
    while (p < end_ && p - from < 4 && hasClass(*p, kHexDigit)) {
        value = value * 16 + static_cast<unsigned>(hexValue(*p));
        ++p;
    }
    if (p == from) {
        return false;
    }
    unit = static_cast<char16_t>(value);
    *after = p;
    return true;
}

// Called with `p_` on the character after a backslash.
void OpenStepParser::appendEscapedCharacter(std::string &out) {
    char c = *p_++;
    switch (c) {
    case 'a':
        out += '\a';
        return;
    case 'b':
        out += '\b';
        return;
    case 'f':
        out += '\f';
        return;
    case 'n':
        out += '\n';
        return;
    case 'r':
        out += '\r';
        return;
    case 't':
        out += '\t';
        return;
    case 'v':
        out += '\v';
        return;
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        unsigned value = static_cast<unsigned>(c - '0');
        for (int digits = 1; digits < 3 && p_ < end_ && *p_ >= '0' && *p_ <= '7'; ++digits) {
            value = value * 8 + static_cast<unsigned>(*p_++ - '0');
        }
        auto byte = static_cast<std::uint8_t>(value);
        appendUTF8(out, byte < 0x80 ? byte : kNeXTSTEPHighHalf[byte - 0x80]);
        return;
    }
    char16_t unit;
    const char *after;
    if (c != 'U' || !readHexUnit(p_, unit, &after)) {
        out += c; // an unknown escape stands for the character itself
        return;
    }
    p_ = after;
    if (U16_IS_LEAD(unit) && end_ - p_ >= 2 && p_[0] == '\\' && p_[1] == 'U') {
        char16_t trail;
        if (readHexUnit(p_ + 2, trail, &after) && U16_IS_TRAIL(trail)) {
            p_ = after;
            appendUTF8(out, static_cast<char32_t>(U16_GET_SUPPLEMENTARY(unit, trail)));
            return;
        }
    }
    appendUTF8(out, U16_IS_SURROGATE(unit) ? kReplacementCharacter : unit);
}

bool OpenStepParser::parseData(XAData &bytes) {
    const char *opening = p_++;
    int pendingDigit = -1;
    for (; p_ < end_; ++p_) {
        char c = *p_;
        if (hasClass(c, kHexDigit)) {
            if (pendingDigit < 0) {
                pendingDigit = hexValue(c);
            } else {
                bytes.push_back(static_cast<std::uint8_t>(pendingDigit << 4 | hexValue(c)));
                pendingDigit = -1;
            }
        } else if (c == '>') {
            if (pendingDigit >= 0) {
                return fail(p_, "the data that starts on line " + lineText(opening) +
                                    " has an odd number of hexadecimal digits");
            }
            ++p_;
            return true;
        } else if (!hasClass(c, kBlank)) {
            break;
        }
    }
    return failExpected(p_, "hexadecimal digits or '>' in the data that starts on line " + lineText(opening));
}

bool OpenStepParser::fail(const char *where, std::string message) {
    std::string conflict = conflictMarkerMessage(where);
    if (!conflict.empty()) {
        errorMessage_ = std::move(conflict);
    } else {
        errorMessage_ = sourceName_ + ":" + lineText(where) + ": " + message;
    }
    return false;
}

bool OpenStepParser::failExpected(const char *where, const std::string &expected) {
    if (where >= end_) {
        return fail(where, "the file ended unexpectedly; expected " + expected);
    }
    return fail(where, "expected " + expected + " but found " + describeFound(where));
}

std::string OpenStepParser::describeSite(const ValueSite &site) const {
    if (site.key) {
        return "a value for the key " + quotedForMessage(*site.key);
    }
    if (site.arrayStart) {
        return "a value or ')' in the array that starts on line " + lineText(site.arrayStart);
    }
    return "a property list (a dictionary, an array, a string or data)";
}

std::string OpenStepParser::describeFound(const char *where) const {
    char c = *where;
    if (hasClass(c, kTokenCharacter)) {
        const char *tokenEnd = where;
        while (tokenEnd < end_ && hasClass(*tokenEnd, kTokenCharacter)) {
            ++tokenEnd;
        }
        return quotedForMessage(std::string_view(where, static_cast<std::size_t>(tokenEnd - where)));
    }
    if (c == '"' || c == '\'') {
        return "a quoted string";
    }
    if (c > ' ' && c < 0x7F) {
        return std::string("'") + c + "'";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "the byte 0x%02X", static_cast<unsigned char>(c));
    return buffer;
}

// Lines counted only when an error is reported; "\r\n", "\n" and a lone "\r" each end one line.
std::size_t OpenStepParser::lineOf(const char *where) const {
    const char *limit = std::min(where, end_);
    if (limit == end_ && limit > text_.data()) {
        --limit; // the end of the text belongs to its last line, even after a final line break
    }
    std::size_t line = 1;
    for (const char *p = text_.data(); p < limit; ++p) {
        if (*p == '\n' || (*p == '\r' && (p + 1 == end_ || p[1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

// A merge left unresolved explains any syntax error at or after its first marker, so it is what to report.
std::string OpenStepParser::conflictMarkerMessage(const char *where) const {
    static constexpr std::string_view kMarkers[] = {"<<<<<<<", "|||||||", "=======", ">>>>>>>"};
    const char *lineEnd = std::find(std::min(where, end_), end_, '\n');
    std::size_t line = 1;
    for (const char *lineStart = text_.data(); lineStart < lineEnd; ++line) {
        std::string_view rest(lineStart, static_cast<std::size_t>(end_ - lineStart));
        for (std::string_view marker : kMarkers) {
            if (rest.starts_with(marker) && (rest.size() == marker.size() || rest[marker.size()] != marker[0])) {
                return sourceName_ + ":" + std::to_string(line) +
                       ": the file contains unresolved merge-conflict markers (\"" + std::string(marker) +
                       "\"); resolve the conflict and try again";
            }
        }
        const char *next = std::find(lineStart, end_, '\n');
        lineStart = next == end_ ? end_ : next + 1;
    }
    return {};
}

} // namespace

std::optional<XAValue> XAOpenStepReader::read(std::string_view bytes, const std::string &sourceName,
                                              XAOpenStepReadMode mode, XAError *error) {
    std::string converted;
    std::string_view text = XAPropertyListTextAsUTF8(bytes, converted);
    return OpenStepParser(text, sourceName).parse(mode, error);
}
