// Reports an allocation whose size is written without sizeof: type sizes differ between 32-bit and 64-bit code.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

#include <array>

struct XARuleMallocWithoutSizeof : XACursorRule<XARuleMallocWithoutSizeof> {
    static XAXMLString ruleName() {
        return XAXMLString("Memory allocation without using <codesymbol>sizeof</codesymbol>");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString("The <codesymbol>sizeof</codesymbol> operator should be used to obtain the correct size of "
                           "any allocated structure or variable, since the sizes of some data types differ between the "
                           "32-bit and 64-bit runtimes. This rule is na\u00efve and may produce false positives in "
                           "many cases.");
    }
    static std::vector<std::string> tags() { return {"BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "64-Bit Transition Guide for Cocoa Touch: Converting Your App to a 64-Bit Binary: Allocate Memory Using "
            "sizeof",
            "https://developer.apple.com/library/archive/documentation/General/Conceptual/CocoaTouch64BitGuide/"
            "ConvertingYourAppto64-Bit/ConvertingYourAppto64-Bit.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_CallExpr) { // the translation unit comes first
            return {};
        }
        const CXCursor size = sizeArgument(cursor);
        if (XAIsNullCursor(size) || mentionsSizeof(size) || mentionsSizeof(XAMacroDefinitionAtCursor(size)) ||
            anyDescendantMacroMentionsSizeof(size)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }

private:
    // The size argument of a call of the system's malloc(), calloc(), realloc(), reallocf() or valloc(): the second
    // argument of the three that take two, else the first. The null cursor for any other call.
    static CXCursor sizeArgument(CXCursor call) {
        constexpr std::array<const char *, 5> allocators = {"malloc", "calloc", "realloc", "reallocf", "valloc"};
        for (const char *name : allocators) {
            if (XAIsCallToFunction(name, true, call)) {
                const std::string_view function = name;
                const bool sizeIsSecond = function == "calloc" || function == "realloc" || function == "reallocf";
                return XAChildAtIndex(call, sizeIsSecond ? 2 : 1);
            }
        }
        return XALibclang::fn().clang_getNullCursor();
    }

    static bool mentionsSizeof(CXCursor cursor) {
        return XACursorSourceText(cursor).value_or("").find("sizeof") != std::string::npos;
    }

    // A macro used inside the size whose definition uses sizeof (a macro that expands to the whole size is the
    // argument's own).
    static bool anyDescendantMacroMentionsSizeof(CXCursor size) {
        bool found = false;
        XAVisitChildren(size, [&found](CXCursor child) {
            found = mentionsSizeof(XAMacroDefinitionAtCursor(child));
            return found ? CXChildVisit_Break : CXChildVisit_Recurse;
        });
        return found;
    }
};

TESSARY_REGISTER_RULE(XARuleMallocWithoutSizeof)
