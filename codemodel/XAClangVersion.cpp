#include "codemodel/XAClangVersion.h"

#include "codemodel/XALibclang.h"
#include "core/XAString.h"

namespace {

std::optional<std::string> textOfVersionFunction(CXString (*function)()) { return XAStringFromCXString(function()); }

} // namespace

std::string XAClangVersionStringFromText(std::string_view versionText) {
    static constexpr std::string_view lowerCase = "clang";
    std::string result;
    result.reserve(versionText.size());
    std::size_t position = 0;
    for (std::size_t found = versionText.find(lowerCase); found != std::string_view::npos;
         found = versionText.find(lowerCase, position)) {
        result.append(versionText.substr(position, found - position));
        result.append("Clang");
        position = found + lowerCase.size();
    }
    result.append(versionText.substr(position));
    return result;
}

std::optional<std::string> XAClangVersionString() {
    std::optional<std::string> text = XAStringFromCXString(XALibclang::fn().clang_getClangVersion());
    if (!text) {
        return std::nullopt;
    }
    return XAClangVersionStringFromText(*text);
}

std::string XAModulesCacheDirNameForVersionString(std::string_view versionString) {
    std::string joined;
    joined.reserve(versionString.size());
    std::size_t offset = 0;
    while (offset < versionString.size()) {
        const XAUTF8Char character = XADecodeUTF8(versionString, offset);
        const std::size_t length = character.length == 0 ? 1 : character.length;
        if (XAIsWhitespaceOrNewline(character.codePoint)) {
            joined.push_back('_');
        } else {
            joined.append(versionString.substr(offset, length));
        }
        offset += length;
    }
    return xa_filesystemSafeString(joined);
}

std::string XAModulesCacheDirName() {
    return XAModulesCacheDirNameForVersionString(XAClangVersionString().value_or(""));
}

std::optional<std::string> XAClangFullVersion() {
    return textOfVersionFunction(XALibclang::fn().clang_tessary_getClangFullVersion);
}

std::optional<std::string> XAClangFullRepositoryVersion() {
    return textOfVersionFunction(XALibclang::fn().clang_tessary_getClangFullRepositoryVersion);
}

std::optional<std::string> XAClangRevision() {
    return textOfVersionFunction(XALibclang::fn().clang_tessary_getClangRevision);
}

int XASourceTypeForFileExtension(const std::optional<std::string> &extension) {
    if (!extension) {
        return 0;
    }
    return XALibclang::fn().clang_tessary_getSourceTypeForFileExtension(extension->c_str());
}
