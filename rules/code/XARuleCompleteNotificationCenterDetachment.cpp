// An object that removes itself from the notification center for every notification at once, anywhere but in
// -dealloc. Such a removal also ends observations that a superclass or subclass made and still needs; outside
// -dealloc an object should remove itself only for the notifications it began to observe.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleCompleteNotificationCenterDetachment : XACursorRule<XARuleCompleteNotificationCenterDetachment> {
    static XAXMLString ruleName() {
        return XAXMLString("Complete <objcclass>NSNotificationCenter</objcclass> detachment");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when an object removes itself as an observer of all notifications at once, by sending "
            "<objcmethod>-[NSNotificationCenter removeObserver:]</objcmethod> with <codesymbol>self</codesymbol>.</p>"
            "<p>This is a problem when a superclass or a subclass wants to keep observing notifications: the blanket "
            "removal ends its observations too. Remove <codesymbol>self</codesymbol> only for the specific "
            "notifications it began to observe, with "
            "<objcmethod>-[NSNotificationCenter removeObserver:name:object:]</objcmethod>.</p>"
            "<p>Removals in <objcmethod>-[NSObject dealloc]</objcmethod> are not reported.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Big Nerd Ranch: Notifications part 3 - Gotchas: Over-aggressive Unregistration",
            "https://www.bignerdranch.com/blog/notifications-part-3-gotchas/")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr ||
            !XAMessageCallsMethod("NSNotificationCenter", "removeObserver:", true, cursor)) {
            return {};
        }
        if (XAStripParensCastsAndUnexposed(XAMessageReceiver(cursor, 0)).kind != CXCursor_ObjCSelfExpr) {
            return {};
        }
        const CXCursor enclosing = XAEnclosingFunctionOrMethod(cursor);
        if (XAIsNullCursor(enclosing) || isInstanceDealloc(enclosing)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }

private:
    static bool isInstanceDealloc(CXCursor method) {
        return method.kind == CXCursor_ObjCInstanceMethodDecl && XACursorSpelling(method) == "dealloc";
    }
};

TESSARY_REGISTER_RULE(XARuleCompleteNotificationCenterDetachment)
