// Calls of -[NSNotificationCenter addObserverForName:object:queue:usingBlock:] whose result is thrown away. The
// method returns an opaque observer object, the only means of ending the observation. Whether a result is used shows
// in other cursors than the call (an assignment, an argument, a cast, a return), so every call becomes a candidate
// finding while files are visited, every use is recorded by the call's identity, and the pass after the code keeps
// the candidates that were never used.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAExpressions.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

#include <set>

namespace {

constexpr const char *kSuppressViaVoidCast = "suppressViaVoidCast";
constexpr const char *kCursorUniqueID = "cursorUniqueID";

} // namespace

struct XARuleDiscardedOpaqueNotificationObserver : XACursorRule<XARuleDiscardedOpaqueNotificationObserver> {
    static XAXMLString ruleName() {
        return XAXMLString("Discarded opaque <objcclass>NSNotificationCenter</objcclass> observer");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "Warns when the return value of "
            "<objcmethod>-[NSNotificationCenter addObserverForName:object:queue:usingBlock:]</objcmethod> is not "
            "stored anywhere. The method returns an opaque observer object, which is needed to stop observing.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kSuppressViaVoidCast, "Do not warn if explicitly cast to void",
            "If YES, diagnostics from this rule can be suppressed by casting the return value to (void).",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }
    // A return statement hands the observer to the caller, which is a use of it.
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCMessageExpr, CXCursor_CallExpr,       CXCursor_BinaryOperator,
                CXCursor_VarDecl,         CXCursor_CStyleCastExpr, CXCursor_ReturnStmt};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        switch (kind) {
        case CXCursor_ObjCMessageExpr:
            if (isAddingMessage(cursor)) {
                recordCandidate(cursor, context);
            } else {
                recordArguments(cursor, XAMessageArgumentCount(cursor), XAMessageReceiver, context);
            }
            break;
        case CXCursor_CallExpr:
            recordArguments(cursor, callArgumentCount(cursor), callArgument, context);
            break;
        case CXCursor_VarDecl:
            recordUse(XAVarDeclInitializer(cursor), stateKey("AssignedMessageExprs"), context);
            break;
        case CXCursor_BinaryOperator:
            if (XAIsAssignmentOperatorKind(XABinaryOperatorKind(cursor))) {
                recordUse(XAChildAtIndex(cursor, 1), stateKey("AssignedMessageExprs"), context);
            }
            break;
        case CXCursor_CStyleCastExpr:
            if (XALibclang::fn().clang_getCursorType(cursor).kind == CXType_Void &&
                boolForOption(kSuppressViaVoidCast, context)) {
                recordUse(XAChildAtIndex(cursor, 0), stateKey("VoidCastMessageExprs"), context);
            }
            break;
        case CXCursor_ReturnStmt:
            recordUse(XAChildAtIndex(cursor, 0), stateKey("ReturnedMessageExprs"), context);
            break;
        default:
            break;
        }
        return {};
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const XARuleStateStore &state = context.stateStore();
        const auto candidates =
            state.copyOfStateList<XADiagnostic>(stateKey("MessageExprDiags")).value_or(XADiagnostics{});
        std::set<std::string> used;
        for (const char *name :
             {"AssignedMessageExprs", "GivenAsArgsMessageExprs", "VoidCastMessageExprs", "ReturnedMessageExprs"}) {
            const auto identities = state.copyOfStateSet<std::string>(stateKey(name)).value_or(std::set<std::string>{});
            used.insert(identities.begin(), identities.end());
        }
        XADiagnostics discarded;
        for (const XADiagnostic &candidate : candidates) {
            const XAValue *identity = candidate.userInfo().get(kCursorUniqueID);
            const std::string *key = identity ? identity->string() : nullptr;
            if (key && !key->empty() && !used.contains(*key)) {
                discarded.push_back(candidate);
            }
        }
        return discarded;
    }

private:
    static std::string stateKey(const char *name) { return ruleShortName() + "_" + name; }

    static bool isAddingMessage(CXCursor cursor) {
        return XAMessageCallsMethod("NSNotificationCenter", "addObserverForName:object:queue:usingBlock:", true,
                                    cursor);
    }

    // The adding message that an expression stands for: the expression itself when it is a message, else the first
    // message below it. Only that one message is examined.
    static CXCursor addingMessageOfExpression(CXCursor expression) {
        const CXCursor message = expression.kind == CXCursor_ObjCMessageExpr
                                     ? expression
                                     : XAFirstChildOfKind(expression, CXCursor_ObjCMessageExpr, CXChildVisit_Recurse);
        return isAddingMessage(message) ? message : XALibclang::fn().clang_getNullCursor();
    }

    static void recordCandidate(CXCursor message, XARuleContext &context) {
        XADiagnostic candidate =
            diagnosticWithCursor(message, std::nullopt, std::nullopt, XADiagnosticImpactFunctionality,
                                 XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium);
        candidate.userInfo().set(kCursorUniqueID, XAValue(XACursorUniqueKey(message).value_or("")));
        context.stateStore().addValueToStateList(std::move(candidate), stateKey("MessageExprDiags"));
    }

    // Adds the identity of the adding message that the expression stands for, if any, to the set.
    static void recordUse(CXCursor expression, const std::string &setKey, XARuleContext &context) {
        if (XAIsNullCursor(expression)) {
            return;
        }
        const CXCursor message = addingMessageOfExpression(expression);
        if (XAIsNullCursor(message)) {
            return;
        }
        if (std::optional<std::string> identity = XACursorUniqueKey(message)) {
            context.stateStore().addValueToStateSet(std::move(*identity), setKey);
        }
    }

    static unsigned callArgumentCount(CXCursor call) {
        const int count = XALibclang::fn().clang_Cursor_getNumArguments(call);
        return count > 0 ? static_cast<unsigned>(count) : 0;
    }
    static CXCursor callArgument(CXCursor call, uint64_t index) {
        return XALibclang::fn().clang_Cursor_getArgument(call, static_cast<unsigned>(index));
    }

    static void recordArguments(CXCursor cursor, unsigned count, CXCursor (*argumentAt)(CXCursor, uint64_t),
                                XARuleContext &context) {
        for (unsigned index = 0; index < count; ++index) {
            recordUse(argumentAt(cursor, index), stateKey("GivenAsArgsMessageExprs"), context);
        }
    }
};

TESSARY_REGISTER_RULE(XARuleDiscardedOpaqueNotificationObserver)
