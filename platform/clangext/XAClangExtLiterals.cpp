// Values of integer and string literals.

#include "XAClangExtLiterals.h"

#include "TessaryClangExtensions.h"
#include "XAClangExtSupport.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace xa_clangext {

namespace {

int digitValue(char character) {
    if (character >= '0' && character <= '9') {
        return character - '0';
    }
    if (character >= 'a' && character <= 'f') {
        return character - 'a' + 10;
    }
    if (character >= 'A' && character <= 'F') {
        return character - 'A' + 10;
    }
    return -1;
}

bool isIntegerSuffix(std::string_view suffix) {
    // u, l, ll, z (size_t) and wb (_BitInt) in either case and any order the compiler accepted.
    return suffix.find_first_not_of("uUlLzZwWbB") == std::string_view::npos;
}

} // namespace

DecodedInteger decodeIntegerLiteral(std::string_view spelling) {
    std::string digits;
    for (char character : spelling) {
        if (character != '\'') {
            digits.push_back(character);
        }
    }
    if (digits.empty() || digits[0] < '0' || digits[0] > '9') {
        return {};
    }
    unsigned base = 10;
    std::size_t position = 0;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        position = 2;
    } else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'b' || digits[1] == 'B')) {
        base = 2;
        position = 2;
    } else if (digits[0] == '0') {
        base = 8;
    }
    const std::size_t firstDigit = position;
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (; position < digits.size(); ++position) {
        const int digit = digitValue(digits[position]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) {
            break;
        }
        tooLarge = tooLarge || __builtin_mul_overflow(value, base, &value) ||
                   __builtin_add_overflow(value, static_cast<std::uint64_t>(digit), &value);
    }
    if (position == firstDigit || !isIntegerSuffix(std::string_view(digits).substr(position))) {
        return {};
    }
    return tooLarge ? DecodedInteger{IntegerSpelling::TooLarge, 0} : DecodedInteger{IntegerSpelling::Value, value};
}

namespace {

enum class StringKind { Ordinary, Wide };

void appendUTF8(std::string &out, std::uint32_t codePoint) {
    if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF) {
        codePoint = 0xFFFD;
    }
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// Reads the digits of a numeric escape; at most maximumDigits of them.
std::uint32_t readDigits(std::string_view text, std::size_t &position, unsigned base, std::size_t maximumDigits) {
    std::uint32_t value = 0;
    for (std::size_t count = 0; count < maximumDigits && position < text.size(); ++count, ++position) {
        const int digit = digitValue(text[position]);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) {
            break;
        }
        value = value > 0x0FFFFFFF ? 0xFFFFFFFF : value * base + static_cast<std::uint32_t>(digit);
    }
    return value;
}

char simpleEscape(char character) {
    switch (character) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'v':
        return '\v';
    case 'e':
    case 'E':
        return '\x1B';
    default:
        return character; // \\ \" \' \? and anything unknown stand for themselves
    }
}

// Collects the code units of a wide literal and turns UTF-16 surrogate pairs into code points on the way.
class WideText {
public:
    void addUnit(std::uint32_t unit) {
        if (pendingHighSurrogate_) {
            std::uint32_t high = *pendingHighSurrogate_;
            pendingHighSurrogate_.reset();
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                appendUTF8(text_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                return;
            }
            appendUTF8(text_, 0xFFFD);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            pendingHighSurrogate_ = unit;
            return;
        }
        appendUTF8(text_, unit);
    }
    std::string finish() {
        if (pendingHighSurrogate_) {
            appendUTF8(text_, 0xFFFD);
            pendingHighSurrogate_.reset();
        }
        return text_;
    }

private:
    std::string text_;
    std::optional<std::uint32_t> pendingHighSurrogate_;
};

} // namespace

std::optional<std::string> decodeStringLiteral(std::string_view spelling) {
    StringKind kind = StringKind::Ordinary;
    std::size_t position = 0;
    if (spelling.substr(0, 2) == "u8") {
        position = 2;
    } else if (!spelling.empty() && (spelling[0] == 'L' || spelling[0] == 'u' || spelling[0] == 'U')) {
        kind = StringKind::Wide;
        position = 1;
    }
    if (position >= spelling.size() || spelling[position] != '"') {
        return std::nullopt;
    }
    std::string bytes;
    WideText wide;
    auto addUnit = [&](std::uint32_t unit) {
        if (kind == StringKind::Wide) {
            wide.addUnit(unit);
        } else {
            bytes.push_back(static_cast<char>(unit & 0xFF));
        }
    };
    // libclang separates a hexadecimal escape from a following hex digit by closing and reopening the quotes.
    while (position < spelling.size() && spelling[position] == '"') {
        ++position;
        while (position < spelling.size() && spelling[position] != '"') {
            char character = spelling[position++];
            if (character != '\\' || position >= spelling.size()) {
                addUnit(static_cast<unsigned char>(character));
                continue;
            }
            char escape = spelling[position++];
            if (escape >= '0' && escape <= '7') {
                --position;
                addUnit(readDigits(spelling, position, 8, 3));
            } else if (escape == 'x') {
                addUnit(readDigits(spelling, position, 16, 8));
            } else if (escape == 'u' || escape == 'U') {
                std::uint32_t codePoint = readDigits(spelling, position, 16, escape == 'u' ? 4 : 8);
                if (kind == StringKind::Wide) {
                    wide.addUnit(codePoint);
                } else {
                    appendUTF8(bytes, codePoint);
                }
            } else {
                addUnit(static_cast<unsigned char>(simpleEscape(escape)));
            }
        }
        if (position >= spelling.size()) {
            return std::nullopt; // no closing quote
        }
        ++position;
    }
    if (position != spelling.size()) {
        return std::nullopt;
    }
    return kind == StringKind::Wide ? wide.finish() : bytes;
}

namespace {

std::optional<std::uint64_t> integerLiteralValue(CXCursor literal) {
    // A literal written in the file is read from its one token: the compiler's value of a literal too large for
    // every integer type is cut to 64 bits, and that must not pass for the literal's value. A literal that comes
    // from a macro shows the macro's name instead, and is evaluated.
    std::vector<Token> written = tokensOfCursor(literal);
    if (written.size() == 1 && written[0].kind == CXToken_Literal) {
        DecodedInteger decoded = decodeIntegerLiteral(written[0].spelling);
        if (decoded.kind == IntegerSpelling::Value) {
            return decoded.value;
        }
        if (decoded.kind == IntegerSpelling::TooLarge) {
            return std::nullopt;
        }
    }
    return evaluateInteger(literal);
}

std::optional<std::string> evaluatedString(CXCursor literal) {
    CXEvalResult result = clang_Cursor_Evaluate(literal);
    if (!result) {
        return std::nullopt;
    }
    std::optional<std::string> value;
    if (clang_EvalResult_getKind(result) == CXEval_StrLiteral) {
        if (const char *characters = clang_EvalResult_getAsStr(result)) {
            value = characters;
        }
    }
    clang_EvalResult_dispose(result);
    return value;
}

std::optional<std::string> stringLiteralValue(CXCursor literal) {
    if (literal.kind == CXCursor_ObjCStringLiteral) {
        literal = firstChildOfKind(literal, CXCursor_StringLiteral);
    }
    if (literal.kind != CXCursor_StringLiteral) {
        return std::nullopt;
    }
    // libclang spells a string literal as the compiler prints it: one literal with C escapes, adjacent pieces
    // already joined. Evaluation gives ordinary literals only (and libclang 19 gives nothing for a plain string
    // literal), wide ones as raw code units, so it is tried only for ordinary spellings.
    const std::string spelled = spelling(literal);
    if (!spelled.empty() && spelled[0] == '"') {
        if (std::optional<std::string> evaluated = evaluatedString(literal)) {
            return evaluated;
        }
    }
    return decodeStringLiteral(spelled);
}

} // namespace

} // namespace xa_clangext

extern "C" {

unsigned long long clang_tessary_getIntegerLiteralValue(CXCursor integerLiteral, int *ok) {
    std::optional<std::uint64_t> value;
    if (integerLiteral.kind == CXCursor_IntegerLiteral) {
        value = xa_clangext::integerLiteralValue(integerLiteral);
    }
    if (ok) {
        *ok = value ? 1 : 0;
    }
    return value.value_or(0);
}

char *clang_tessary_copyStringLiteralValue(CXCursor stringLiteral) {
    std::optional<std::string> value = xa_clangext::stringLiteralValue(stringLiteral);
    if (!value) {
        return nullptr;
    }
    // The C text ends at the first NUL character of the value.
    return xa_clangext::mallocCopy(std::string_view(value->c_str()));
}

} // extern "C"
