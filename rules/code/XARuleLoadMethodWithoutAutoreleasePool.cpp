// A +load method that sets up no autorelease pool: when +load runs there may be none in place, so the method must
// create its own. This matters on iOS 5 and earlier and OS X 10.7 and earlier only.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleLoadMethodWithoutAutoreleasePool : XACursorRule<XARuleLoadMethodWithoutAutoreleasePool> {
    static XAXMLString ruleName() {
        return XAXMLString(
            "<objcmethod>+[NSObject load]</objcmethod> method without an <codesymbol>@autoreleasepool</codesymbol>");
    }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>When <objcmethod>+[NSObject load]</objcmethod> runs there may be no autorelease pool in place, so "
            "the method must set one up itself, with <codesymbol>@autoreleasepool</codesymbol> or an "
            "<objcclass>NSAutoreleasePool</objcclass>.</p> <p>This applies only to iOS 5 and earlier and OS X 10.7 "
            "and earlier.</p>");
    }

    static bool appliesToContext(XARuleContext &context) {
        return context.comparisonOfMinimumDeploymentTargetToiOSVersion("6.0", "10.8") == XAOrderedAscending;
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects targeting an OS prior to iOS 6 or Mac OS 10.8.";
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Mike Ash: Friday Q&A 2009-05-22: Objective-C Class Loading and Initialization",
            "https://www.mikeash.com/pyblog/friday-qa-2009-05-22-objective-c-class-loading-and-initialization.html")};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCClassMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCClassMethodDecl || XACursorSpelling(cursor) != "load") {
            return {};
        }
        const CXCursor body = XAFirstChildOfKind(cursor, CXCursor_CompoundStmt, CXChildVisit_Continue);
        if (XAIsNullCursor(body) || setsUpAutoreleasePool(body)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }

private:
    // An @autoreleasepool block or [NSAutoreleasePool alloc] anywhere in the body, wherever it stands.
    static bool setsUpAutoreleasePool(CXCursor body) {
        bool found = false;
        XAVisitChildren(body, [&](CXCursor child) {
            found = child.kind == CXCursor_ObjCAutoreleasePoolStmt || isAutoreleasePoolAllocation(child);
            return found ? CXChildVisit_Break : CXChildVisit_Recurse;
        });
        return found;
    }

    static bool isAutoreleasePoolAllocation(CXCursor cursor) {
        return XAMessageCallsMethod("NSObject", "alloc", false, cursor) &&
               XACursorSpelling(XAExplicitMessageReceiver(cursor)) == "NSAutoreleasePool";
    }
};

TESSARY_REGISTER_RULE(XARuleLoadMethodWithoutAutoreleasePool)
