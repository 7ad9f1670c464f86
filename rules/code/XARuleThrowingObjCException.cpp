// Throwing an Objective-C exception, by @throw or by one of NSException's raise methods, for projects whose policy is
// never to throw: exceptions are not idiomatic in Objective-C and never serve for flow control. An option lets a
// routine pass whose only statement throws (an abstract-method stub, say).

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

#include <algorithm>
#include <array>

namespace {
constexpr const char *kAllowIfSoleStatement = "allowIfSoleStatement";

struct XARaiseMethod {
    const char *selector;
    bool isInstanceMethod;
};
constexpr std::array<XARaiseMethod, 3> kRaiseMethods = {
    {{"raise", true}, {"raise:format:", false}, {"raise:format:arguments:", false}}};
} // namespace

struct XARuleThrowingObjCException : XACursorRule<XARuleThrowingObjCException> {
    static XAXMLString ruleName() { return XAXMLString("Throwing an Objective-C exception"); }

    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Throwing exceptions is not idiomatic in Objective-C: exceptions should be kept for "
                           "truly exceptional cases (programming errors) and never be used for flow control.</p> "
                           "<p>This rule helps to enforce a policy of never throwing exceptions.</p>");
    }

    static std::vector<std::string> tags() { return {"Style", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Google Objective-C Style Guide: Avoid Throwing Exceptions",
                                              "https://google.github.io/styleguide/objcguide.html#avoid-throwing-"
                                              "exceptions"),
                XAExternalLink::linkWithTitle(
                    "Exception Programming Topics: Introduction to Exception Programming Topics for Cocoa",
                    "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/Exceptions/"
                    "Exceptions.html")};
    }

    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAllowIfSoleStatement, "Allow if sole statement",
            "Suppress diagnostics when the exception-raising statement is the only one in the routine.",
            XAOptionValue(false), XAOptionValueTypeBool)};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCAtThrowStmt, CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (!throwsException(cursor, kind)) {
            return {};
        }
        if (boolForOption(kAllowIfSoleStatement, context) && isSoleStatementOfRoutine(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }

private:
    static bool throwsException(CXCursor cursor, int kind) {
        if (kind == CXCursor_ObjCAtThrowStmt) {
            return true;
        }
        return kind == CXCursor_ObjCMessageExpr &&
               std::any_of(kRaiseMethods.begin(), kRaiseMethods.end(), [&](const XARaiseMethod &method) {
                   return XAMessageCallsMethod("NSException", method.selector, method.isInstanceMethod, cursor);
               });
    }

    // The cursor is the one statement of the body of its function or method. A throw nested in another statement
    // (an if, a return, a block) never is, even when that statement is the body's only one.
    static bool isSoleStatementOfRoutine(CXCursor cursor) {
        const CXCursor routine = XAEnclosingFunctionOrMethod(cursor);
        if (XAIsNullCursor(routine)) {
            return false;
        }
        const CXCursor body = XAFirstChildOfKind(routine, CXCursor_CompoundStmt, CXChildVisit_Continue);
        if (XAIsNullCursor(body) || !XAIsNullCursor(XAChildAtIndex(body, 1))) {
            return false;
        }
        const CXCursor statement = XAStripParensCastsAndUnexposed(XAChildAtIndex(body, 0));
        return XACursorDebugDescription(XAStripParensCastsAndUnexposed(cursor)) == XACursorDebugDescription(statement);
    }
};

TESSARY_REGISTER_RULE(XARuleThrowingObjCException)
