// The place of an ARC lifetime qualifier in a variable declaration: it belongs after the pointer star
// (ClassName * __weak name), where it qualifies the pointer. Experimental: it looks only at variables named weakSelf
// and runs only when named.

#include "codemodel/clang/XAClangToken.h"
#include "codemodel/clang/XACursorText.h"
#include "core/XALog.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {

constexpr const char *kLifetimeQualifiers[] = {"__strong", "__weak", "__unsafe_unretained", "__autoreleasing"};

bool isLifetimeQualifier(const XAClangToken &token) {
    return token.kind() == CXToken_Identifier &&
           std::any_of(std::begin(kLifetimeQualifiers), std::end(kLifetimeQualifiers),
                       [&token](const char *qualifier) { return token.spelling() == qualifier; });
}

// The last lifetime qualifier among the tokens, when no pointer star comes before it.
std::optional<std::string> qualifierBeforeStar(const std::vector<XAClangToken> &tokens) {
    bool starSeen = false;
    std::optional<std::string> lastQualifier;
    bool starBeforeLastQualifier = false;
    for (const XAClangToken &token : tokens) {
        if (token.isKind(CXToken_Punctuation, "*")) {
            starSeen = true;
        } else if (isLifetimeQualifier(token)) {
            lastQualifier = token.spelling();
            starBeforeLastQualifier = starSeen;
        }
    }
    if (lastQualifier && !starBeforeLastQualifier) {
        return lastQualifier;
    }
    return std::nullopt;
}

void logDeclaration(CXCursor cursor, const std::vector<XAClangToken> &tokens) {
    XALog(1, XACursorDebugDescription(cursor));
    std::string tokenList = "(";
    for (const XAClangToken &token : tokens) {
        tokenList += (tokenList.size() > 1 ? ", " : "") + token.description();
    }
    XALog(1, tokenList + ")");
    XALog(1, XACursorSourceText(cursor).value_or("(null)"));
}

} // namespace

struct XARuleCorrectVariableDecoration : XACursorRule<XARuleCorrectVariableDecoration> {
    static XAXMLString ruleName() { return XAXMLString("Correct variable decoration"); }
    static XAXMLString ruleDescription() { return XAXMLString(""); }
    static std::vector<std::string> tags() { return {XARuleTagExperimental}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Transitioning to ARC Release Notes: Variable Qualifiers",
            "https://developer.apple.com/library/archive/releasenotes/ObjectiveC/RN-TransitioningToARC/Introduction/"
            "Introduction.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_VarDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_VarDecl || XACursorSpelling(cursor) != "weakSelf") {
            return {};
        }
        const std::vector<XAClangToken> tokens = XATokensOfCursor(cursor).value_or(std::vector<XAClangToken>{});
        logDeclaration(cursor, tokens);
        const std::optional<std::string> misplaced = qualifierBeforeStar(tokens);
        if (!misplaced) {
            return {};
        }
        const XAXMLString info("The <code>" + *misplaced +
                               "</code> lifetime qualifier is in the wrong place. The correct format is: "
                               "<code>ClassName * qualifier variableName;</code>");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactStyle, XADiagnosticSeverityConcern,
                                     XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleCorrectVariableDecoration)
