// A class implementation that overrides -isEqual: without overriding -hash: equal objects must have equal hash values,
// or hashed collections misbehave.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleIsEqualAndHash : XACursorRule<XARuleIsEqualAndHash> {
    static XAXMLString ruleName() {
        return XAXMLString(
            "Class implements <objcmethod>-isEqual:</objcmethod> but not <objcmethod>-hash</objcmethod>");
    }

    static XAXMLString ruleDescription() {
        return XAXMLString("When <objcmethod>-isEqual:</objcmethod> finds two objects equal, they must have the same "
                           "hash value, so a class that overrides <objcmethod>-isEqual:</objcmethod> must override "
                           "<objcmethod>-hash</objcmethod> too.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Cocoa Core Competencies: Object comparison",
                                              "https://developer.apple.com/library/archive/documentation/General/"
                                              "Conceptual/DevPedia-CocoaCore/ObjectComparison.html")};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCImplementationDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCImplementationDecl) {
            return {};
        }
        bool overridesIsEqual = false;
        bool overridesHash = false;
        XAVisitChildren(cursor, [&](CXCursor child) {
            if (child.kind == CXCursor_ObjCInstanceMethodDecl) {
                overridesIsEqual =
                    overridesIsEqual || XAMethodOverridesProtocolMethod("NSObject", "isEqual:", true, child);
                overridesHash = overridesHash || XAMethodOverridesProtocolMethod("NSObject", "hash", true, child);
            }
            return overridesIsEqual && overridesHash ? CXChildVisit_Break : CXChildVisit_Recurse;
        });
        if (!overridesIsEqual || overridesHash) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XACursorDisplayName(cursor), XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleIsEqualAndHash)
