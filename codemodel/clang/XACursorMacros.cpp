#include "codemodel/clang/XACursorMacros.h"

#include "codemodel/clang/XACursorNavigation.h"

std::optional<std::vector<XAClangToken>> XAMacroDefinitionParameterTokens(CXCursor cursor) {
    if (cursor.kind != CXCursor_MacroDefinition) {
        return std::nullopt;
    }
    std::vector<XAClangToken> parameters;
    bool nameSeen = false;
    bool inParentheses = false;
    for (const XAClangToken &token : XATokensOfCursor(cursor).value_or(std::vector<XAClangToken>{})) {
        const bool punctuation = token.kind() == CXToken_Punctuation;
        if (!nameSeen) {
            nameSeen = token.kind() == CXToken_Identifier; // the macro's name
        } else if (!inParentheses) {
            if (punctuation && token.spelling() != "(") {
                return std::nullopt;
            }
            inParentheses = punctuation;
        } else if (token.kind() == CXToken_Identifier) {
            parameters.push_back(token);
        } else if (punctuation && token.spelling() == ")") {
            break;
        }
    }
    return parameters;
}

bool XACursorIsInMacroExpansion(CXCursor cursor) {
    return XACursorAfterLocation(cursor).kind == CXCursor_MacroExpansion;
}

CXCursor XAMacroDefinitionAtCursor(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    const CXCursor expansion = XACursorAfterLocation(cursor);
    if (expansion.kind == CXCursor_MacroExpansion && !clang.clang_equalCursors(expansion, cursor)) {
        return clang.clang_getCursorDefinition(expansion);
    }
    return cursor;
}
