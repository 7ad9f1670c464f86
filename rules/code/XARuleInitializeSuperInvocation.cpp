// [super initialize] in +initialize: the runtime sends +initialize to every class separately, so passing it on to the
// superclass runs the superclass's initialization again.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

struct XARuleInitializeSuperInvocation : XACursorRule<XARuleInitializeSuperInvocation> {
    static XAXMLString ruleName() {
        return XAXMLString(
            "Invocation of superclass implementation of <objcmethod>+[NSObject initialize]</objcmethod>");
    }

    static XAXMLString ruleDescription() {
        return XAXMLString("Implementations of <objcmethod>+[NSObject initialize]</objcmethod> should not invoke "
                           "the superclass implementation. The runtime sends <objcmethod>+initialize</objcmethod> "
                           "to every class separately, superclasses first, so a call of the superclass "
                           "implementation makes it run more than once.");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr || XAMessageReceiverKind(cursor) != CXTessaryMessageReceiver_SuperClass ||
            !XAMessageCallsMethod("NSObject", "initialize", false, cursor)) {
            return {};
        }
        const CXCursor routine = XAEnclosingFunctionOrMethod(cursor);
        if (XALibclang::fn().clang_getCursorKind(routine) != CXCursor_ObjCClassMethodDecl ||
            XACursorSpelling(routine) != "initialize") {
            return {};
        }
        return {diagnosticWithCursor(cursor, XAXMLString(), std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium)};
    }
};

TESSARY_REGISTER_RULE(XARuleInitializeSuperInvocation)
