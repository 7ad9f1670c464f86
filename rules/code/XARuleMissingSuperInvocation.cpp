// Overrides of framework methods that must pass the call on to the superclass (the view controller's life-cycle
// methods, the view's layout methods, a test case's set-up) and never do.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "engine/XARule.h"

struct XARuleMissingSuperInvocation : XACursorRule<XARuleMissingSuperInvocation> {
    static XAXMLString ruleName() { return XAXMLString("Missing superclass implementation invocation"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Subclasses that override certain instance methods of system framework classes must "
                           "remember to invoke the superclass implementation, as in <code>[super viewDidLoad]</code>: "
                           "the framework's own implementation does work the class relies on.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    // Runs only when named: a selection by tags never picks it.
    static bool isPublic() { return false; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl) {
            return {};
        }
        const XAObjCMethod *overridden = overriddenMethodOfTable(cursor);
        if (!overridden) {
            return {};
        }
        const CXCursor body = XAFirstChildOfKind(cursor, CXCursor_CompoundStmt, CXChildVisit_Continue);
        if (XAIsNullCursor(body) || callsSuper(body, *overridden)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XAMethodDeclDisplayName(cursor),
                                     XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                     XADiagnosticConfidenceMedium)};
    }

private:
    // The methods whose overrides must call super. The platform declares -setUp on XCTest, the superclass of
    // XCTestCase, so a test case's -setUp overrides that declaration.
    static const std::vector<XAObjCMethod> &methodsThatMustCallSuper() {
        static const std::vector<XAObjCMethod> methods = [] {
            std::vector<XAObjCMethod> list;
            for (const char *name : {"viewDidLoad", "viewWillAppear:", "viewDidAppear:", "viewWillDisappear:",
                                     "viewDidDisappear:", "viewWillLayoutSubviews"}) {
                list.push_back(XAObjCMethod::methodWithClassName("UIViewController", name, true));
            }
            list.push_back(XAObjCMethod::methodWithClassName("UIView", "layoutSubviews", true));
            list.push_back(XAObjCMethod::methodWithClassName("UIView", "updateConstraints", true));
            list.push_back(XAObjCMethod::methodWithClassName("XCTestCase", "setUp", true));
            list.push_back(XAObjCMethod::methodWithClassName("XCTest", "setUp", true));
            return list;
        }();
        return methods;
    }

    // The method of the table that the declaration overrides directly; none when it overrides none of them.
    static const XAObjCMethod *overriddenMethodOfTable(CXCursor method) {
        const XAObjCMethod *found = nullptr;
        XAOverriddenCursors(method, [&](CXCursor overridden, unsigned, bool &stop) {
            for (const XAObjCMethod &candidate : methodsThatMustCallSuper()) {
                if (candidate.matchesMethodDecl(overridden)) {
                    found = &candidate;
                    stop = true;
                    return;
                }
            }
        });
        return found;
    }

    // A message to super of the method anywhere in the body, inside blocks, branches and loops too.
    static bool callsSuper(CXCursor body, const XAObjCMethod &method) {
        bool found = false;
        XAVisitChildren(body, [&](CXCursor child) {
            if (XALibclang::fn().clang_getCursorKind(child) == CXCursor_ObjCMessageExpr &&
                XAMessageReceiverKind(child) == CXTessaryMessageReceiver_SuperInstance &&
                method.matchesMessageExpr(child)) {
                found = true;
                return CXChildVisit_Break;
            }
            return CXChildVisit_Recurse;
        });
        return found;
    }
};

TESSARY_REGISTER_RULE(XARuleMissingSuperInvocation)
