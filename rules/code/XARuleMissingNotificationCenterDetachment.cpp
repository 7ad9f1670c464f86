// Notification-center observations that the class implementation making them never removes. Before iOS 9 and OS X
// 10.11 the notification center keeps an unretained reference to its observers, so an observer deallocated without
// being removed leaves a dangling reference behind. Only observers that are self, or an instance variable or
// property of the class, are considered; a whole implementation is looked at in one call, so no state is kept.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XAVariableDeclarations.h"
#include "engine/XARule.h"

#include <optional>
#include <vector>

namespace {

constexpr int kPlainAssignment = 21;

// Which notifications an observation or removal names: every one (no name), or one identified by the text of its
// literal or the name of its constant.
struct XANotificationNameID {
    std::optional<std::string> name; // no value: every notification
    bool operator==(const XANotificationNameID &) const = default;
    bool isEveryNotification() const { return !name; }
};

// One adding or removing cursor, with the declaration that stands for its observer.
struct XAObservationRecord {
    CXCursor attachmentCursor;
    CXCursor observerCursor;
    XANotificationNameID notificationNameID;
};

// What a visited cursor does to the notification center, before its observer is resolved.
struct XAObservationCandidate {
    bool isDetachment = false;
    std::optional<XANotificationNameID> notificationNameID; // no value: the name cannot be identified
    CXCursor observerExpression;
};

} // namespace

struct XARuleMissingNotificationCenterDetachment : XACursorRule<XARuleMissingNotificationCenterDetachment> {
    static XAXMLString ruleName() {
        return XAXMLString("Missing <objcclass>NSNotificationCenter</objcclass> observer detachment");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>You must invoke <objcmethod>-[NSNotificationCenter removeObserver:]</objcmethod> or "
            "<objcmethod>-[NSNotificationCenter removeObserver:name:object:]</objcmethod> before the observer object "
            "is deallocated.</p>"
            "<p>This rule only considers cases where the observer is <codesymbol>self</codesymbol>, or an instance "
            "variable or a property of <codesymbol>self</codesymbol>.</p>"
            "<p>This applies to iOS 8 and OS X 10.10 and earlier; later systems remove deallocated observers "
            "themselves.</p>");
    }

    static bool appliesToContext(XARuleContext &context) {
        return context.comparisonOfMinimumDeploymentTargetToiOSVersion("9.0", "10.11") == XAOrderedAscending;
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects targeting an OS prior to iOS 9 or Mac OS 10.11.";
    }

    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCImplementationDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCImplementationDecl) {
            return {};
        }
        std::vector<XAObservationRecord> attachments;
        std::vector<XAObservationRecord> detachments;
        XAVisitChildren(cursor, [&](CXCursor visited) {
            collectObservation(visited, cursor, attachments, detachments);
            return CXChildVisit_Recurse;
        });
        XADiagnostics diagnostics;
        for (const XAObservationRecord &attachment : attachments) {
            if (!hasMatchingDetachment(attachment, detachments)) {
                diagnostics.push_back(diagnosticWithCursor(attachment.attachmentCursor, std::nullopt, std::nullopt,
                                                           XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                                           XADiagnosticConfidenceLow));
            }
        }
        return diagnostics;
    }

    // The notifications a name argument stands for; no value when it cannot be identified.
    static std::optional<XANotificationNameID> notificationNameIDFromCursor(CXCursor argument) {
        if (XAIsNullConstantExpr(argument)) {
            return XANotificationNameID{};
        }
        const CXCursor stripped = XAStripParensCastsAndUnexposed(argument);
        if (std::optional<std::string> literal = XAStringLiteralValue(stripped)) {
            return XANotificationNameID{"_StringLiteral_:_" + *literal};
        }
        const CXCursor referenced = XALibclang::fn().clang_getCursorReferenced(stripped);
        if (referenced.kind == CXCursor_VarDecl && XAVarDeclIsConst(referenced)) {
            const std::string name = XACursorSpelling(referenced).value_or("");
            if (!name.empty()) {
                return XANotificationNameID{"_ConstVarDel_:_" + name};
            }
        }
        return std::nullopt;
    }

private:
    static std::optional<XAObservationCandidate> observationCandidate(CXCursor cursor) {
        if (XABinaryOperatorKind(cursor) == kPlainAssignment) {
            // The block-based form: the returned observer object is kept in what the assignment writes to.
            const CXCursor value = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 1));
            if (!XAMessageCallsMethod("NSNotificationCenter", "addObserverForName:object:queue:usingBlock:", true,
                                      value)) {
                return std::nullopt;
            }
            return XAObservationCandidate{false, notificationNameIDFromCursor(XAMessageReceiver(value, 0)),
                                          XAChildAtIndex(cursor, 0)};
        }
        if (cursor.kind != CXCursor_ObjCMessageExpr) {
            return std::nullopt;
        }
        const CXCursor observer = XAMessageReceiver(cursor, 0);
        if (XAMessageCallsMethod("NSNotificationCenter", "addObserver:selector:name:object:", true, cursor)) {
            return XAObservationCandidate{false, notificationNameIDFromCursor(XAMessageReceiver(cursor, 2)), observer};
        }
        if (XAMessageCallsMethod("NSNotificationCenter", "removeObserver:", true, cursor)) {
            return XAObservationCandidate{true, XANotificationNameID{}, observer};
        }
        if (XAMessageCallsMethod("NSNotificationCenter", "removeObserver:name:object:", true, cursor)) {
            return XAObservationCandidate{true, notificationNameIDFromCursor(XAMessageReceiver(cursor, 1)), observer};
        }
        return std::nullopt;
    }

    static void collectObservation(CXCursor cursor, CXCursor implementation,
                                   std::vector<XAObservationRecord> &attachments,
                                   std::vector<XAObservationRecord> &detachments) {
        const std::optional<XAObservationCandidate> candidate = observationCandidate(cursor);
        if (!candidate || !candidate->notificationNameID ||
            XAEnclosingFunctionOrMethod(cursor).kind == CXCursor_ObjCClassMethodDecl) {
            return;
        }
        const CXCursor observer = XAIsSelfExpr(candidate->observerExpression)
                                      ? implementation
                                      : XALibclang::fn().clang_getCursorReferenced(
                                            XAStripParensCastsAndUnexposed(candidate->observerExpression));
        if (XAIsNullCursor(observer)) {
            return;
        }
        const XAObservationRecord record{cursor, observer, *candidate->notificationNameID};
        if (candidate->isDetachment) {
            detachments.push_back(record);
        } else if (XALibclang::fn().clang_equalCursors(observer, implementation) ||
                   isMemberOfClass(observer, implementation)) {
            attachments.push_back(record);
        }
    }

    // A property or instance variable that the implementation's class declares: in its interface, a category or
    // extension, or the implementation itself.
    static bool isMemberOfClass(CXCursor declaration, CXCursor implementation) {
        if (declaration.kind != CXCursor_ObjCPropertyDecl && declaration.kind != CXCursor_ObjCIvarDecl) {
            return false;
        }
        const CXCursor memberClass = XAClassOfObjCContainer(XAEnclosingObjCContainer(declaration));
        return !XAIsNullCursor(memberClass) &&
               XALibclang::fn().clang_equalCursors(memberClass, XAClassOfObjCContainer(implementation));
    }

    static bool hasMatchingDetachment(const XAObservationRecord &attachment,
                                      const std::vector<XAObservationRecord> &detachments) {
        const XALibclangFunctions &clang = XALibclang::fn();
        for (const XAObservationRecord &detachment : detachments) {
            const bool sameObserver =
                clang.clang_equalCursors(detachment.observerCursor, attachment.observerCursor) ||
                XARefersToSamePropertyOrIvar(detachment.observerCursor, attachment.observerCursor);
            if (sameObserver && (detachment.notificationNameID.isEveryNotification() ||
                                 detachment.notificationNameID == attachment.notificationNameID)) {
                return true;
            }
        }
        return false;
    }
};

TESSARY_REGISTER_RULE(XARuleMissingNotificationCenterDetachment)
