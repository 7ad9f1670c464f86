#include "platform/devtools/XABuildSettingOperators.h"

#include "core/XAPaths.h"
#include "core/XAString.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <functional>

namespace {

bool isASCIIAlphanumeric(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The value with every character that `keep` refuses replaced by `replacement`.
std::string mapCharacters(std::string_view value, char replacement, const std::function<bool(char32_t)> &keep) {
    std::string result;
    result.reserve(value.size());
    for (std::size_t offset = 0; offset < value.size();) {
        XAUTF8Char character = XADecodeUTF8(value, offset);
        std::size_t length = character.length ? character.length : 1;
        if (character.valid && keep(character.codePoint)) {
            result.append(value.substr(offset, length));
        } else {
            result.push_back(replacement);
        }
        offset += length;
    }
    return result;
}

std::string identifier(std::string_view value, bool extended) {
    std::string result = mapCharacters(value, '_', [extended](char32_t c) {
        return isASCIIAlphanumeric(c) || c == '_' || (extended && c > 0x7F && u_isalnum(static_cast<UChar32>(c)));
    });
    if (!result.empty() && u_isdigit(static_cast<UChar32>(XADecodeUTF8(result, 0).codePoint))) {
        result.insert(result.begin(), '_');
    }
    return result;
}

std::string changedCase(std::string_view value, bool upper) {
    icu::UnicodeString text = XAUnicodeStringFromUTF8(value);
    return XAUTF8FromUnicodeString(upper ? text.toUpper(icu::Locale::getRoot()) : text.toLower(icu::Locale::getRoot()));
}

std::string folderPart(std::string_view value) {
    if (value.find('/') == std::string_view::npos) {
        return "./";
    }
    std::string folder = xa_stringByDeletingLastPathComponent(value);
    return folder == "/" ? folder : folder + "/";
}

std::string shellQuoted(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (char character : value) {
        if (character == ' ' || character == '\t' || character == '"' || character == '\'' || character == '\\') {
            result.push_back('\\');
        }
        result.push_back(character);
    }
    return result;
}

} // namespace

std::string XAApplyBuildSettingOperator(std::string_view value, std::string_view operatorText) {
    if (operatorText.starts_with("default=")) {
        return value.empty() ? std::string(operatorText.substr(8)) : std::string(value);
    }
    if (operatorText == "lower" || operatorText == "upper") {
        return changedCase(value, operatorText == "upper");
    }
    if (operatorText == "rfc1034identifier") {
        return mapCharacters(value, '-', [](char32_t c) { return isASCIIAlphanumeric(c) || c == '-' || c == '.'; });
    }
    if (operatorText == "c99extidentifier" || operatorText == "identifier") {
        return identifier(value, operatorText == "c99extidentifier");
    }
    if (operatorText == "base") {
        return xa_stringByDeletingPathExtension(xa_lastPathComponent(value));
    }
    if (operatorText == "dir") {
        return folderPart(value);
    }
    if (operatorText == "file") {
        return xa_lastPathComponent(value);
    }
    if (operatorText == "suffix") {
        std::string extension = xa_pathExtension(value);
        return extension.empty() ? extension : "." + extension;
    }
    if (operatorText == "standardizepath") {
        return xa_stringByStandardizingPath(value);
    }
    if (operatorText == "quote") {
        return shellQuoted(value);
    }
    return std::string(value);
}
