// A class that makes itself the delegate or data source of one of its own members (an instance variable or property
// holding, say, a gauge view) without setting that reference back to nil in its -dealloc. A member whose delegate is
// an unretained (assign) reference would otherwise call the deallocated object. Each class implementation is looked
// at in one call: the places where self is attached, the places in -dealloc where nil is assigned, and the
// attachments that no detachment matches.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XANullChecks.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kPlainAssignment = 21;
constexpr unsigned kWeakOwnership = CXObjCPropertyAttr_weak;

// A delegate or data source set on a member of the class: the statement that sets it, the member's canonical
// declaration and the normalised name of the delegate property ("delegate", "fooDelegate", "dataSource").
struct XAMemberDelegateOccurrence {
    CXCursor occurrenceCursor;
    CXCursor delegateCursor;
    std::string delegateSpelling;
};

// What a statement sets: the name of the delegate property or setter, the object whose delegate it is and the value.
struct XADelegateAssignment {
    std::string name;
    CXCursor holder;
    CXCursor value;
};

bool isDelegateOrDataSourceName(const std::string &name) {
    return xa_isDelegateGetterOrPropertyName(name) || xa_isDelegateSetterName(name) ||
           xa_isDataSourceGetterOrPropertyName(name) || xa_isDataSourceSetterName(name);
}

std::string normalizedDelegateSpelling(const std::string &name) {
    return xa_isDelegateGetterOrPropertyName(name) || xa_isDelegateSetterName(name) ? xa_normalizedDelegateName(name)
                                                                                    : xa_normalizedDataSourceName(name);
}

bool isWeakProperty(CXCursor property) {
    return property.kind == CXCursor_ObjCPropertyDecl && XAPropertyOwnershipAttribute(true, property) == kWeakOwnership;
}

} // namespace

struct XARuleUndetachedDelegate : XACursorRule<XARuleUndetachedDelegate> {
    static XAXMLString ruleName() { return XAXMLString("Undetached delegate or data source"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("When an object sets itself as the delegate or data source of one of its members, it must "
                           "detach that reference in its <objcmethod>-[NSObject dealloc]</objcmethod> method.");
    }
    static std::vector<std::string> tags() { return {"BestPractice", "Recommended"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCImplementationDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCImplementationDecl) {
            return {};
        }
        std::vector<XAMemberDelegateOccurrence> attachments;
        std::vector<XAMemberDelegateOccurrence> detachments;
        XAVisitChildren(cursor, [&](CXCursor visited) {
            collectOccurrence(visited, cursor, attachments, detachments);
            return CXChildVisit_Recurse;
        });
        const std::string className = XACursorSpelling(cursor).value_or("");
        XADiagnostics diagnostics;
        std::set<std::string> reportedKeys;
        for (const XAMemberDelegateOccurrence &attachment : attachments) {
            if (isDetached(attachment, detachments)) {
                continue;
            }
            const std::string reportKey =
                attachment.delegateSpelling + "__" + std::to_string(XACursorStartLocation(attachment.delegateCursor));
            if (reportedKeys.insert(reportKey).second) {
                diagnostics.push_back(diagnosticWithCursor(attachment.occurrenceCursor, info(className, attachment),
                                                           std::nullopt, XADiagnosticImpactFunctionality,
                                                           XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium));
            }
        }
        return diagnostics;
    }

private:
    // `holder.name = value` with a delegate or data-source property name.
    static std::optional<XADelegateAssignment> assignmentOfProperty(CXCursor assignment) {
        const CXCursor left = XAChildAtIndex(assignment, 0);
        if (left.kind != CXCursor_MemberRefExpr) {
            return std::nullopt;
        }
        const std::string name = XACursorSpelling(left).value_or("");
        if (!isDelegateOrDataSourceName(name)) {
            return std::nullopt;
        }
        const CXCursor declaration = XALibclang::fn().clang_getCursorReferenced(left);
        if (declaration.kind == CXCursor_ObjCInstanceMethodDecl && XAIsNullCursor(XAAccessorCounterpart(declaration))) {
            return std::nullopt;
        }
        if (isWeakProperty(declaration)) {
            return std::nullopt;
        }
        return XADelegateAssignment{name, XAChildAtIndex(left, 0), XAChildAtIndex(assignment, 1)};
    }

    // `[holder setDelegate:value]` or `[holder setDataSource:value]`.
    static std::optional<XADelegateAssignment> assignmentBySetter(CXCursor message) {
        const std::string name = XACursorSpelling(message).value_or("");
        if (!xa_isDelegateSetterName(name) && !xa_isDataSourceSetterName(name)) {
            return std::nullopt;
        }
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor method = clang.clang_getCursorReferenced(message);
        if (XAIsNullCursor(XAAccessorCounterpart(method))) {
            return std::nullopt;
        }
        if (XAIsPropertyAccessor(method) && isWeakProperty(XAPropertyDeclOfAccessor(method))) {
            return std::nullopt;
        }
        return XADelegateAssignment{name, XAExplicitMessageReceiver(message), XAMessageReceiver(message, 0)};
    }

    static std::optional<XADelegateAssignment> delegateAssignment(CXCursor cursor) {
        if (cursor.kind == CXCursor_BinaryOperator && XABinaryOperatorKind(cursor) == kPlainAssignment) {
            return assignmentOfProperty(cursor);
        }
        if (cursor.kind == CXCursor_ObjCMessageExpr) {
            return assignmentBySetter(cursor);
        }
        return std::nullopt;
    }

    // The canonical declaration of the class's own property or instance variable that the holder refers to; the
    // null cursor for anything else (a local, a parameter, another class's member).
    static CXCursor memberOfClass(CXCursor holder, CXCursor implementation) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor stripped = XAStripParensCastsAndUnexposed(holder);
        if (stripped.kind != CXCursor_MemberRefExpr && stripped.kind != CXCursor_MemberRef) {
            return clang.clang_getNullCursor();
        }
        const CXCursor member = clang.clang_getCursorReferenced(stripped);
        const CXCursor memberClass = XAClassOfObjCContainer(XAEnclosingObjCContainer(member));
        if (XAIsNullCursor(memberClass) ||
            !clang.clang_equalCursors(memberClass, XAClassOfObjCContainer(implementation))) {
            return clang.clang_getNullCursor();
        }
        const CXCursor canonical = clang.clang_getCanonicalCursor(member);
        return canonical.kind == CXCursor_ObjCPropertyDecl || canonical.kind == CXCursor_ObjCIvarDecl
                   ? canonical
                   : clang.clang_getNullCursor();
    }

    static bool isInDealloc(CXCursor cursor) {
        return XACursorSpelling(XAAncestorOfKinds(cursor, {CXCursor_ObjCInstanceMethodDecl})) == "dealloc";
    }

    static void collectOccurrence(CXCursor cursor, CXCursor implementation,
                                  std::vector<XAMemberDelegateOccurrence> &attachments,
                                  std::vector<XAMemberDelegateOccurrence> &detachments) {
        const std::optional<XADelegateAssignment> assignment = delegateAssignment(cursor);
        if (!assignment || XAIsNullCursor(assignment->holder) || XAIsNullCursor(assignment->value)) {
            return;
        }
        const CXCursor value = XAStripParensCastsAndUnexposed(assignment->value);
        const bool isAttachment = XAIsSelfExpr(value);
        if (!isAttachment && !(XAIsNullConstantExpr(value) && isInDealloc(cursor))) {
            return;
        }
        const CXCursor member = memberOfClass(assignment->holder, implementation);
        if (XAIsNullCursor(member)) {
            return;
        }
        XAMemberDelegateOccurrence occurrence{cursor, member, normalizedDelegateSpelling(assignment->name)};
        (isAttachment ? attachments : detachments).push_back(std::move(occurrence));
    }

    static bool isDetached(const XAMemberDelegateOccurrence &attachment,
                           const std::vector<XAMemberDelegateOccurrence> &detachments) {
        for (const XAMemberDelegateOccurrence &detachment : detachments) {
            if (XARefersToSamePropertyOrIvar(detachment.delegateCursor, attachment.delegateCursor) &&
                detachment.delegateSpelling == attachment.delegateSpelling) {
                return true;
            }
        }
        return false;
    }

    static XAXMLString info(const std::string &className, const XAMemberDelegateOccurrence &attachment) {
        const std::string memberClassName =
            XACursorSpelling(XAClassDeclOfCursorType(attachment.delegateCursor)).value_or("");
        return XAXMLString(className + " attaches itself as a <objcclass>" + memberClassName + "</objcclass> " +
                           attachment.delegateSpelling +
                           ", but does not detach in <objcmethod>-[NSObject dealloc]</objcmethod>.");
    }
};

TESSARY_REGISTER_RULE(XARuleUndetachedDelegate)
