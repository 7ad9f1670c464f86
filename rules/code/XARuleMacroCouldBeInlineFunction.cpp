// Function-like macros whose bodies use nothing but their parameters: an inline function does the same with types,
// single evaluation of its arguments and a place in the debugger.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XALog.h"
#include "engine/XARule.h"

#include <set>

namespace {

constexpr const char *kAllowVarargMacros = "allowVarargMacros";

// Names whose meaning depends on where the macro is expanded, which a function cannot reproduce.
const std::set<std::string> &expansionSiteNames() {
    static const std::set<std::string> names = {
        "__FILE__",     "__BASE_FILE__", "__INCLUDE_LEVEL__",   "__TIMESTAMP__", "__LINE__",  "__COUNTER__",
        "__FUNCTION__", "__func__",      "__PRETTY_FUNCTION__", "_cmd",          "__MODULE__"};
    return names;
}

bool isPunctuation(const XAClangToken &token, std::string_view spelling) {
    return token.isKind(CXToken_Punctuation, spelling);
}

std::set<std::string> identifierSpellings(std::vector<XAClangToken>::const_iterator begin,
                                          std::vector<XAClangToken>::const_iterator end) {
    std::set<std::string> names;
    for (auto token = begin; token != end; ++token) {
        if (token->kind() == CXToken_Identifier && token->spelling()) {
            names.insert(*token->spelling());
        }
    }
    return names;
}

// Stringizing a parameter or pasting tokens: nothing a function can do.
bool usesPreprocessorOperators(std::vector<XAClangToken>::const_iterator begin,
                               std::vector<XAClangToken>::const_iterator end, const std::set<std::string> &params) {
    for (auto token = begin; token != end; ++token) {
        if (isPunctuation(*token, "##")) {
            return true;
        }
        const auto next = token + 1;
        if (isPunctuation(*token, "#") && next != end && next->kind() == CXToken_Identifier &&
            params.contains(next->spelling().value_or(""))) {
            return true;
        }
    }
    return false;
}

std::string tokenDescriptions(const std::optional<std::vector<XAClangToken>> &tokens) {
    std::string text = "(";
    for (const XAClangToken &token : tokens.value_or(std::vector<XAClangToken>{})) {
        text += "\n    " + token.description();
    }
    return text + "\n)";
}

} // namespace

struct XARuleMacroCouldBeInlineFunction : XACursorRule<XARuleMacroCouldBeInlineFunction> {
    static XAXMLString ruleName() { return XAXMLString("Macro could be inline function"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns about preprocessor macros that could be implemented as inline functions instead.");
    }
    static std::vector<std::string> tags() { return {"Experimental"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("MSDN: Inline Functions versus Macros",
                                              "https://learn.microsoft.com/en-us/cpp/cpp/inline-functions-cpp"),
                XAExternalLink::linkWithTitle(
                    "Stack Overflow: Inline Functions vs Preprocessor Macros",
                    "https://stackoverflow.com/questions/1137575/inline-functions-vs-preprocessor-macros")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowVarargMacros, "Allow variable argument macros",
                                                 "Suppress warnings about variable argument macros.",
                                                 XAOptionValue(false), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_MacroDefinition, CXCursor_MacroExpansion}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind == CXCursor_MacroDefinition) {
            return applyToMacroDefinition(cursor, context);
        }
        if (kind == CXCursor_MacroExpansion) {
            applyToMacroExpansion(cursor);
        }
        return {};
    }

private:
    static XADiagnostics applyToMacroDefinition(CXCursor cursor, const XARuleContext &context) {
        const std::optional<std::vector<XAClangToken>> tokens = XATokensOfCursor(cursor);
        // A function-like macro: its "(" directly follows the name.
        if (!tokens || tokens->size() < 4 || (*tokens)[0].kind() != CXToken_Identifier ||
            !isPunctuation((*tokens)[1], "(") || (*tokens)[1].startOffset() != (*tokens)[0].endOffset()) {
            return {};
        }
        const auto close = std::find_if(tokens->begin() + 2, tokens->end(),
                                        [](const XAClangToken &token) { return isPunctuation(token, ")"); });
        if (close == tokens->end()) {
            return {};
        }
        const bool variadic = std::any_of(tokens->begin() + 2, close,
                                          [](const XAClangToken &token) { return isPunctuation(token, "..."); });
        if (variadic && boolForOption(kAllowVarargMacros, context)) {
            return {};
        }
        const std::set<std::string> params = identifierSpellings(tokens->begin() + 2, close);
        if (usesPreprocessorOperators(close + 1, tokens->end(), params)) {
            return {};
        }
        const std::set<std::string> bodyNames = identifierSpellings(close + 1, tokens->end());
        for (const std::string &name : bodyNames) {
            if (expansionSiteNames().contains(name) || !params.contains(name)) {
                return {};
            }
        }
        return {diagnosticWithCursor(cursor, std::nullopt, (*tokens)[0].spelling(), XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium)};
    }

    // Expansions only show, at the debugging level, how macros of the project are used.
    static void applyToMacroExpansion(CXCursor cursor) {
        if (XAMinimumLogLevel() > XALogLevelDebug) {
            return;
        }
        const CXCursor definition = XALibclang::fn().clang_getCursorReferenced(cursor);
        if (XACursorIsInSystemHeader(definition) || !XACursorFile(definition)) {
            return;
        }
        XALog(XALogLevelDebug, "Macro expansion: " + XACursorDebugDescription(cursor) +
                                   "\n  definition: " + XACursorDebugDescription(definition) +
                                   "\n  tokens: " + tokenDescriptions(XATokensOfCursor(cursor)));
    }
};

TESSARY_REGISTER_RULE(XARuleMacroCouldBeInlineFunction)
