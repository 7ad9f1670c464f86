#include "codemodel/clang/XAClangToken.h"

#include "codemodel/clang/XACursorText.h"

namespace {

unsigned expansionOffset(CXSourceLocation location) {
    unsigned offset = 0;
    XALibclang::fn().clang_getExpansionLocation(location, nullptr, nullptr, nullptr, &offset);
    return offset;
}

// The range between the expansion locations of the extent's ends. An extent that starts inside a macro (a declaration
// beginning with __weak) has its start spelled in the macro's definition, and libclang tokenizes nothing over a range
// whose ends are spelled in different files; the expansion locations lie in the file the cursor was written in.
CXSourceRange expansionRange(CXTranslationUnit unit, CXSourceRange extent) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXFile startFile = nullptr;
    CXFile endFile = nullptr;
    unsigned startOffset = 0;
    unsigned endOffset = 0;
    clang.clang_getExpansionLocation(clang.clang_getRangeStart(extent), &startFile, nullptr, nullptr, &startOffset);
    clang.clang_getExpansionLocation(clang.clang_getRangeEnd(extent), &endFile, nullptr, nullptr, &endOffset);
    if (!startFile || !endFile) {
        return clang.clang_getNullRange();
    }
    return clang.clang_getRange(clang.clang_getLocationForOffset(unit, startFile, startOffset),
                                clang.clang_getLocationForOffset(unit, endFile, endOffset));
}

// Owns the token buffer of one clang_tokenize call.
class TokenBuffer {
public:
    TokenBuffer(CXTranslationUnit unit, CXSourceRange range) : unit_(unit) {
        XALibclang::fn().clang_tokenize(unit, range, &tokens_, &count_);
    }
    ~TokenBuffer() {
        if (tokens_) {
            XALibclang::fn().clang_disposeTokens(unit_, tokens_, count_);
        }
    }
    TokenBuffer(const TokenBuffer &) = delete;
    TokenBuffer &operator=(const TokenBuffer &) = delete;

    const CXToken *begin() const { return tokens_; }
    const CXToken *end() const { return tokens_ + count_; }
    unsigned size() const { return count_; }

private:
    CXTranslationUnit unit_;
    CXToken *tokens_ = nullptr;
    unsigned count_ = 0;
};

} // namespace

XAClangToken::XAClangToken(CXToken token, CXTranslationUnit translationUnit) {
    const XALibclangFunctions &clang = XALibclang::fn();
    kind_ = static_cast<int>(clang.clang_getTokenKind(token));
    spelling_ = XAStringFromCXString(clang.clang_getTokenSpelling(translationUnit, token));
    sourceRange_ = clang.clang_getTokenExtent(translationUnit, token);
    startOffset_ = expansionOffset(clang.clang_getRangeStart(sourceRange_));
    endOffset_ = expansionOffset(clang.clang_getRangeEnd(sourceRange_));
}

std::string XAClangToken::description() const {
    return XAClangTokenKindName(kind_).value_or("(null)") + " '" + spelling_.value_or("(null)") + "' " +
           std::to_string(startOffset_) + " - " + std::to_string(endOffset_);
}

std::optional<std::string> XAClangTokenKindName(int kind) {
    static const char *const names[] = {"Punctuation", "Keyword", "Identifier", "Literal", "Comment"};
    if (kind < 0 || kind >= static_cast<int>(std::size(names))) {
        return std::nullopt;
    }
    return names[kind];
}

std::optional<std::vector<XAClangToken>> XATokensOfCursor(CXCursor cursor) {
    const XALibclangFunctions &clang = XALibclang::fn();
    CXTranslationUnit unit = clang.clang_Cursor_getTranslationUnit(cursor);
    if (!unit) {
        return std::nullopt;
    }
    const CXSourceRange extent = clang.clang_getCursorExtent(cursor);
    std::optional<TokenBuffer> buffer(std::in_place, unit, extent);
    if (buffer->size() == 0) {
        // Tokenized over the expansion range only when the extent itself gives nothing, so that extents whose ends
        // lie in macro arguments keep their own tokens.
        const CXSourceRange range = expansionRange(unit, extent);
        if (clang.clang_Range_isNull(range)) {
            return std::nullopt;
        }
        buffer.emplace(unit, range);
        if (buffer->size() == 0) {
            return std::nullopt;
        }
    }
    const unsigned extentEnd = expansionOffset(clang.clang_getRangeEnd(extent));
    std::vector<XAClangToken> tokens;
    tokens.reserve(buffer->size());
    for (const CXToken &token : *buffer) {
        XAClangToken clangToken(token, unit);
        if (clangToken.endOffset() <= extentEnd) {
            tokens.push_back(std::move(clangToken));
        }
    }
    return tokens;
}
