// Uses of the NSLocalizedString macros whose comment is not a non-empty string literal: translators see the
// comment beside the key, and without one they have to guess the context. The rule reads the tokens of the macro's
// use, since the comment does not survive the expansion.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XAString.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"

#include <set>

namespace {

const std::set<std::string> &localizedStringMacroNames() {
    static const std::set<std::string> names = {"NSLocalizedString", "NSLocalizedStringFromTable",
                                                "NSLocalizedStringFromTableInBundle",
                                                "NSLocalizedStringWithDefaultValue"};
    return names;
}

// The text of the string literals that end the macro's arguments, adjacent literals joined ("@" passed over); empty
// when the last argument is anything else (nil, a variable, another macro).
std::string commentOfMacroUse(const std::vector<XAClangToken> &tokens) {
    std::string comment;
    bool closingParenthesisSeen = false;
    for (auto token = tokens.rbegin(); token != tokens.rend(); ++token) {
        const std::string spelling = token->spelling().value_or("");
        if (!closingParenthesisSeen) {
            closingParenthesisSeen = token->isKind(CXToken_Punctuation, ")");
            continue;
        }
        if (token->isKind(CXToken_Punctuation, "@")) {
            continue;
        }
        const bool isStringLiteral = token->kind() == CXToken_Literal && spelling.size() >= 2 &&
                                     spelling.front() == '"' && spelling.back() == '"';
        if (!isStringLiteral) {
            break;
        }
        comment = spelling.substr(1, spelling.size() - 2) + comment;
    }
    return comment;
}

} // namespace

struct XARuleUncommentedLocalizedString : XACursorRule<XARuleUncommentedLocalizedString> {
    static XAXMLString ruleName() { return XAXMLString("Uncommented localized string"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns if <codesymbol>NSLocalizedString()</codesymbol> or one of its variants is used "
                           "without a non-empty comment argument.");
    }
    static bool appliesToContext(XARuleContext &context) { return XAAppliesToLocalizedProject(context); }
    static std::string applicationConditionDescription() { return kXALocalizedProjectsCondition; }
    static std::vector<std::string> tags() { return {"Recommended", "Localization"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_MacroExpansion}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_MacroExpansion ||
            !localizedStringMacroNames().contains(XACursorSpelling(cursor).value_or(""))) {
            return {};
        }
        const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursor);
        if (!xa_trimmed(commentOfMacroUse(tokens.value_or(std::vector<XAClangToken>{}))).empty()) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleUncommentedLocalizedString)
