#include "codemodel/clang/XALiteralValues.h"

#include "codemodel/XALibclang.h"
#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"

#include <cstdlib>

namespace {

constexpr size_t kMaximumMessageArguments = 1000;

// The string literal a cursor stands for: itself, or the first one below an Objective-C literal or a CFSTR call.
CXCursor stringLiteralOf(CXCursor cursor) {
    if (cursor.kind == CXCursor_StringLiteral) {
        return cursor;
    }
    if (cursor.kind == CXCursor_ObjCStringLiteral ||
        XAIsCallToFunction("__builtin___CFStringMakeConstantString", false, cursor)) {
        return XAFirstChildOfKind(cursor, CXCursor_StringLiteral, CXChildVisit_Recurse);
    }
    return XALibclang::fn().clang_getNullCursor();
}

// The cursor at the place where the start of the cursor is spelled; a macro use there stands for its definition.
CXCursor cursorWhereSpelled(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXFile file = nullptr;
    unsigned line = 0;
    unsigned column = 0;
    clang.clang_getSpellingLocation(clang.clang_getRangeStart(clang.clang_getCursorExtent(cursor)), &file, &line,
                                    &column, nullptr);
    const CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(cursor);
    CXCursor spelled = clang.clang_getCursor(unit, clang.clang_getLocation(unit, file, line, column));
    if (spelled.kind == CXCursor_MacroExpansion) {
        spelled = clang.clang_getCursorReferenced(spelled);
    }
    return spelled;
}

std::string withoutSurroundingQuotes(const std::string &literal) {
    const size_t start = literal.find_first_not_of('"');
    if (start == std::string::npos) {
        return {};
    }
    return literal.substr(start, literal.find_last_not_of('"') - start + 1);
}

} // namespace

std::optional<std::string> XAStringLiteralValue(CXCursor cursor) {
    const CXCursor literal = stringLiteralOf(cursor);
    if (XALibclang::fn().clang_Cursor_isNull(literal)) {
        return std::nullopt;
    }
    char *value = XALibclang::fn().clang_tessary_copyStringLiteralValue(literal);
    if (value == nullptr) {
        return std::nullopt;
    }
    std::string text(value);
    std::free(value);
    return text;
}

std::optional<std::uint64_t> XAIntegerLiteralValue(CXCursor cursor) {
    if (cursor.kind != CXCursor_IntegerLiteral) {
        return std::nullopt;
    }
    int ok = 1;
    const unsigned long long value = XALibclang::fn().clang_tessary_getIntegerLiteralValue(cursor, &ok);
    return ok ? std::optional<std::uint64_t>(value) : std::nullopt;
}

std::optional<std::string> XASelectorExprString(CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCSelectorExpr) {
        return std::nullopt;
    }
    std::string selector;
    bool inParentheses = false;
    for (const XAClangToken &token : XATokensOfCursor(cursor).value_or(std::vector<XAClangToken>{})) {
        if (!inParentheses) {
            inParentheses = token.isKind(CXToken_Punctuation, "(");
        } else if (token.isKind(CXToken_Punctuation, ")")) {
            break;
        } else {
            selector += token.spelling().value_or("");
        }
    }
    return selector;
}

std::optional<std::string> XAStringLiteralArgumentOfMessage(uint64_t index, CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return std::nullopt;
    }
    CXCursor argument = XAMessageReceiver(cursor, index);
    while (argument.kind == CXCursor_ParenExpr) {
        argument = XAChildAtIndex(argument, 0);
    }
    return XAStringLiteralValue(argument);
}

std::optional<std::vector<std::optional<std::string>>> XAStringLiteralArgumentsOfMessage(uint64_t firstIndex,
                                                                                         CXCursor cursor) {
    if (cursor.kind != CXCursor_ObjCMessageExpr) {
        return std::nullopt;
    }
    const XALibclangFunctions &clang = XALibclang::fn();
    std::vector<std::optional<std::string>> values;
    for (uint64_t index = firstIndex; values.size() < kMaximumMessageArguments; ++index) {
        const CXCursor argument = XAMessageReceiver(cursor, index);
        if (clang.clang_Cursor_isNull(argument)) {
            break;
        }
        values.push_back(XAStringLiteralValue(argument));
    }
    return values;
}

std::optional<std::string> XAStringLiteralTextFromTokens(CXCursor cursor) {
    if (cursor.kind == CXCursor_MacroExpansion) {
        cursor = XALibclang::fn().clang_getCursorReferenced(cursor);
    } else if (cursor.kind != CXCursor_StringLiteral && cursor.kind != CXCursor_ObjCStringLiteral) {
        return std::nullopt;
    }
    const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursorWhereSpelled(cursor));
    if (!tokens) {
        return std::nullopt;
    }
    std::string text;
    for (const XAClangToken &token : *tokens) {
        if (token.kind() == CXToken_Literal) {
            text += withoutSurroundingQuotes(token.spelling().value_or(""));
        }
    }
    return text;
}
