// Macros whose body is nothing but a literal value: a constant says the same, with a scope and a type, and the
// debugger knows it.

#include "codemodel/clang/XAClangToken.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {

constexpr const char *kAllowedLiterals = "allowedLiterals";

bool isPunctuation(const XAClangToken &token, std::string_view spelling) {
    return token.isKind(CXToken_Punctuation, spelling);
}

// One pair of parentheses around the whole body, unless the "(" begins a function-like macro's parameter list.
void removeEnclosingParentheses(std::vector<XAClangToken> &body, unsigned nameEnd) {
    if (body.size() >= 2 && isPunctuation(body.front(), "(") && isPunctuation(body.back(), ")") &&
        body.front().startOffset() > nameEnd) {
        body.erase(body.begin());
        body.pop_back();
    }
}

// A leading cast to a type named by an identifier, as in (CGFloat)2.0; a cast to a keyword type such as (int) stays.
void removeLeadingCast(std::vector<XAClangToken> &body, unsigned nameEnd) {
    if (body.size() > 2 && isPunctuation(body[0], "(") && body[1].kind() == CXToken_Identifier &&
        isPunctuation(body[2], ")") && nameEnd < body[0].startOffset()) {
        body.erase(body.begin(), body.begin() + 3);
    }
}

// The literal text of a body made only of literals, each possibly preceded by one "@"; no value for anything else.
std::optional<std::string> literalText(const std::vector<XAClangToken> &body) {
    std::string text;
    bool afterAt = false;
    for (const XAClangToken &token : body) {
        if (token.kind() == CXToken_Literal) {
            afterAt = false;
        } else if (isPunctuation(token, "@") && !afterAt) {
            afterAt = true;
        } else {
            return std::nullopt;
        }
        text += token.spelling().value_or("");
    }
    if (afterAt) {
        return std::nullopt;
    }
    return text;
}

} // namespace

struct XARuleMacroLiteral : XACursorRule<XARuleMacroLiteral> {
    static XAXMLString ruleName() { return XAXMLString("Macro definition for literal value"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Instead of using a macro definition for a literal value that is used as a constant, define it as an "
            "actual constant.</p> <p>This makes the scope of the constant more explicit (it’s not available in all "
            "imported files until undefined) and it cannot be redefined or undefined in some later part of the code. "
            "Macro definitions are also not available in the debugger.</p>");
    }
    static std::vector<std::string> tags() { return {"Style", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Coding Guidelines for Cocoa: Naming Properties and Data Types: Constants: Other types of constants",
            "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/CodingGuidelines/Articles/"
            "NamingIvarsAndTypes.html")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowedLiterals, "Allowed literal values",
                                                 "Don’t warn about macro definitions with these values.",
                                                 XAOptionValue::stringArray({"0", "1"}), XAOptionValueTypeStringArray)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_MacroDefinition}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_MacroDefinition) {
            return {};
        }
        std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursor);
        if (!tokens || tokens->size() < 2) {
            return {};
        }
        const std::string name = tokens->front().spelling().value_or("");
        const unsigned nameEnd = tokens->front().endOffset();
        std::vector<XAClangToken> body(tokens->begin() + 1, tokens->end());
        removeEnclosingParentheses(body, nameEnd);
        removeLeadingCast(body, nameEnd);
        const std::optional<std::string> literal = literalText(body);
        const std::vector<std::string> allowed = stringsForOption(kAllowedLiterals, context);
        if (!literal || std::find(allowed.begin(), allowed.end(), *literal) != allowed.end()) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, name, XADiagnosticImpactStyle, XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleMacroLiteral)
