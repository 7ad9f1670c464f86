#pragma once

// The lexical tokens of a cursor's extent, as rules read them (the spelling of a keyword, the place of a
// parenthesis) without going back to the source text.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One token of a translation unit. Offsets are byte offsets in the file of the expansion locations of the token
// extent's start and end. A token keeps no reference to its unit except through its source range.
class XAClangToken {
public:
    XAClangToken(CXToken token, CXTranslationUnit translationUnit);

    // libclang's CXTokenKind: 0 punctuation, 1 keyword, 2 identifier, 3 literal, 4 comment.
    int kind() const { return kind_; }
    // No value when libclang gives no text.
    const std::optional<std::string> &spelling() const { return spelling_; }
    unsigned startOffset() const { return startOffset_; }
    unsigned endOffset() const { return endOffset_; }
    // The token's extent, valid while its unit lives.
    CXSourceRange sourceRange() const { return sourceRange_; }

    // The kind is `kind` and the spelling is exactly `spelling`.
    bool isKind(int kind, std::string_view spelling) const { return kind_ == kind && spelling_ == spelling; }
    // "<kind name> '<spelling>' <start> - <end>".
    std::string description() const;

private:
    int kind_ = 0;
    std::optional<std::string> spelling_;
    unsigned startOffset_ = 0;
    unsigned endOffset_ = 0;
    CXSourceRange sourceRange_{};
};

// "Punctuation", "Keyword", "Identifier", "Literal", "Comment" for 0 to 4; no value for any other kind.
std::optional<std::string> XAClangTokenKindName(int kind);

// The tokens of the cursor's extent in its translation unit, in order, without a trailing token that reaches past the
// extent's end (libclang's tokenizer may give one, e.g. when a declaration ends at a macro); no value when the
// tokenizer gives none. An extent that starts in a macro expansion (`__weak Foo *foo`) is tokenized from the place of
// the expansion.
std::optional<std::vector<XAClangToken>> XATokensOfCursor(CXCursor cursor);
