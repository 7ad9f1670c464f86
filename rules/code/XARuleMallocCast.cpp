// Reports a cast of what malloc() and its relatives return, in C and Objective-C (C++ needs the cast).

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

#include <algorithm>
#include <array>

struct XARuleMallocCast : XACursorRule<XARuleMallocCast> {
    static XAXMLString ruleName() { return XAXMLString("Casting the return value of <cfunction>malloc()</cfunction>"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>In C, it is not recommended to explicitly cast the return value of "
                           "<cfunction>malloc()</cfunction> (and other related memory allocation functions.)</p> "
                           "<p>This rule does not warn about casts that occur in compilation units compiled in C++ "
                           "(or Objective-C++) mode.</p>");
    }
    static std::vector<std::string> tags() { return {"Pedantic", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle("Stack Overflow: Do I cast the result of malloc?",
                                          "https://stackoverflow.com/questions/605845/do-i-cast-the-result-of-malloc"),
            XAExternalLink::linkWithTitle(
                "CERT Secure Coding: MEM02-C. Immediately cast the result of a memory allocation function call "
                "into a pointer to the allocated type (Note: Advises _against_ this rule!)",
                "https://wiki.sei.cmu.edu/confluence/display/c/"
                "MEM02-C.+Immediately+cast+the+result+of+a+memory+allocation+function+call+into+a+pointer+to+the+"
                "allocated+type")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_CStyleCastExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &info) {
        if (kind != CXCursor_CStyleCastExpr) { // the translation unit comes first
            return {};
        }
        if (info.isCompilingInCPPMode()) {
            return {};
        }
        const CXCursor operand = XAStripExprWrappersOfKinds(XAChildAtIndex(cursor, 0), {CXCursor_ParenExpr});
        constexpr std::array<const char *, 5> allocators = {"malloc", "calloc", "realloc", "reallocf", "valloc"};
        const bool castsAllocation = XALibclang::fn().clang_getCursorKind(operand) == CXCursor_CallExpr &&
                                     std::any_of(allocators.begin(), allocators.end(), [operand](const char *name) {
                                         return XAIsCallToFunction(name, true, operand);
                                     });
        if (!castsAllocation || XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleMallocCast)
