// Creating a view controller with a literal NIB name from outside the controller class's own implementation: the
// class should choose its NIB, and a mistyped name fails only when the app runs.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

struct XARuleViewControllerInitWithNibName : XACursorRule<XARuleViewControllerInitWithNibName> {
    static XAXMLString ruleName() {
        return XAXMLString("Using <objcmethod>-[UIViewController initWithNibName:bundle:]</objcmethod> outside the "
                           "<objcclass>UIViewController</objcclass> implementation");
    }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>It is not advisable to call <objcmethod>-[UIViewController initWithNibName:bundle:]</objcmethod> on a "
            "<objcclass>UIViewController</objcclass> subclass outside the implementation of that subclass.</p> "
            "<p>Doing so breaks encapsulation: the subclass itself should decide which NIB file it uses. A typo in "
            "the NIB name string, moreover, is only noticed when the app crashes at run time.</p>");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr ||
            !XAMessageCallsMethod("UIViewController", "initWithNibName:bundle:", true, cursor)) {
            return {};
        }
        const int receiverKind = XAMessageReceiverKind(cursor);
        if (receiverKind == CXTessaryMessageReceiver_SuperClass ||
            receiverKind == CXTessaryMessageReceiver_SuperInstance) {
            return {};
        }
        // A receiver typed id has the typedef of id as its "class": only an interface names a class.
        const CXCursor receiverClass = XAMessageReceiverClassDecl(cursor);
        const XALibclangFunctions &clang = XALibclang::fn();
        if (XAIsNullCursor(receiverClass) || clang.clang_getCursorKind(receiverClass) != CXCursor_ObjCInterfaceDecl ||
            clang.clang_equalCursors(receiverClass, XAEnclosingObjCImplementationCanonical(cursor))) {
            return {};
        }
        const std::optional<std::string> nibName = XAStringLiteralArgumentOfMessage(0, cursor);
        if (!nibName) {
            return {};
        }
        const XAXMLString info("Instantiating <objcclass>" + XACursorDisplayName(receiverClass).value_or("") +
                               "</objcclass> outside its implementation with literal NIB name <string>" +
                               xa_escapedForXML(*nibName) + "</string>");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleViewControllerInitWithNibName)
