#include "codemodel/clang/XASymbolPrefixes.h"

#include "core/XAPaths.h"
#include "core/XAString.h"

#include <algorithm>

#include <unicode/uchar.h>

namespace {

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool isUppercaseLetter(const XAUTF8Char &character) {
    const int8_t type = character.valid ? u_charType(static_cast<UChar32>(character.codePoint)) : int8_t(U_UNASSIGNED);
    return type == U_UPPERCASE_LETTER || type == U_TITLECASE_LETTER;
}

bool isLowercaseLetter(const XAUTF8Char &character) {
    return character.valid && u_charType(static_cast<UChar32>(character.codePoint)) == U_LOWERCASE_LETTER;
}

bool isASCIILower(char c) { return c >= 'a' && c <= 'z'; }
bool isASCIIUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Removes "set" and a trailing ":" and lower-cases the first character: the property name of a setter name.
std::string propertyNameOfSetter(std::string_view setterName) {
    std::string_view name = setterName.substr(3);
    if (endsWith(name, ":")) {
        name.remove_suffix(1);
    }
    return xa_firstCharLowercased(name);
}

} // namespace

std::optional<std::string> xa_objCClassNamePrefix(std::string_view name) {
    // The characters with their byte offsets, so that the prefix is counted in characters.
    std::vector<std::pair<size_t, XAUTF8Char>> characters;
    for (size_t offset = 0; offset < name.size();) {
        const XAUTF8Char character = XADecodeUTF8(name, offset);
        characters.emplace_back(offset, character);
        offset += character.length;
    }
    if (characters.size() < 2 || !isUppercaseLetter(characters[0].second)) {
        return std::nullopt;
    }
    const auto firstLowercase = std::find_if(characters.begin() + 1, characters.end(),
                                             [](const auto &entry) { return isLowercaseLetter(entry.second); });
    if (firstLowercase == characters.end()) {
        return std::nullopt;
    }
    const size_t prefixLength = static_cast<size_t>(firstLowercase - characters.begin()) - 1; // in characters
    if (prefixLength < 2) {
        return std::nullopt;
    }
    return std::string(name.substr(0, characters[prefixLength].first));
}

std::vector<std::string> xa_asciiWordsFromCodeSymbolWithKnownPrefix(std::string_view symbol,
                                                                    const std::optional<std::string> &prefix) {
    std::vector<std::string> words;
    size_t start = 0;
    bool previousLower = false;
    bool previousUpper = false;
    const auto emit = [&](size_t end) { words.emplace_back(symbol.substr(start, end - start)); };
    for (size_t i = 0; i < symbol.size(); ++i) {
        const char c = symbol[i];
        const bool lower = isASCIILower(c);
        const bool upper = isASCIIUpper(c);
        if (previousLower && !lower) {
            emit(i);
            start = i;
        } else if (previousUpper && !upper) {
            if (lower && start + 1 < i) {
                emit(i - 1); // the last capital begins the next word
                start = i - 1;
            } else if (!lower && start < i) {
                emit(i);
            }
        }
        if (!lower && !upper) {
            start = i + 1;
        }
        previousLower = lower;
        previousUpper = upper;
    }
    if (start < symbol.size()) {
        emit(symbol.size());
    }
    if (prefix && !words.empty() && xa_isEqualToStringLenient(words.front(), *prefix)) {
        words.erase(words.begin());
    }
    return words;
}

bool xa_isDelegateGetterOrPropertyName(std::string_view name) {
    return name == "delegate" || endsWith(name, "Delegate");
}

bool xa_isDelegateSetterName(std::string_view name) { return startsWith(name, "set") && endsWith(name, "Delegate:"); }

std::string xa_normalizedDelegateName(std::string_view name) {
    if (xa_isDelegateGetterOrPropertyName(name) || !xa_isDelegateSetterName(name)) {
        return std::string(name);
    }
    return propertyNameOfSetter(name);
}

bool xa_isDataSourceGetterOrPropertyName(std::string_view name) { return name == "dataSource"; }

bool xa_isDataSourceSetterName(std::string_view name) { return name == "setDataSource:"; }

std::string xa_normalizedDataSourceName(std::string_view name) {
    if (xa_isDataSourceGetterOrPropertyName(name) || !xa_isDataSourceSetterName(name)) {
        return std::string(name);
    }
    return propertyNameOfSetter(name);
}

bool xa_isInitMethodName(std::string_view selector) {
    const std::vector<std::string> words = xa_camelCaseWords(selector);
    return !words.empty() && words.front() == "init";
}

bool xa_isFactoryMethodNameForClassName(std::string_view selector, std::string_view className) {
    if (className.empty()) {
        return false;
    }
    const std::optional<std::string> prefix = xa_objCClassNamePrefix(className);
    const std::string classWord = xa_firstCharLowercased(className.substr(prefix ? prefix->size() : 0));
    return selector == classWord || startsWith(selector, classWord + "With") || startsWith(selector, classWord + "By");
}

bool xa_isPrivateHeaderName(std::string_view fileName) {
    const std::string stem = xa_stringByDeletingPathExtension(fileName);
    icu::UnicodeString lowercased = XAUnicodeStringFromUTF8(stem);
    lowercased.toLower();
    if (endsWith(XAUTF8FromUnicodeString(lowercased), "+private")) {
        return true;
    }
    const std::vector<std::string> words = xa_componentsSeparatedByString(xa_camelCaseToSentenceCase(stem), " ");
    return std::find(words.begin(), words.end(), "Private") != words.end();
}
