// On OS X, assignments to a weak property of an object whose class does not support weak references: classes
// declared with NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE. Both the setter message and dot syntax are recognised. Only
// the class that the value's static type names is looked at, not its superclasses.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAString.h"
#include "engine/XARule.h"

namespace {

constexpr int kAssignmentOperatorKind = 21;

struct XAPropertyAssignment {
    CXCursor property;
    CXCursor value;
};

// The property that a setter message or a dot-syntax assignment writes, and the value written; null cursors for
// anything else.
XAPropertyAssignment propertyAssignment(CXCursor cursor, int kind) {
    const XALibclangFunctions &clang = XALibclang::fn();
    XAPropertyAssignment assignment{clang.clang_getNullCursor(), clang.clang_getNullCursor()};
    if (kind == CXCursor_ObjCMessageExpr) {
        const CXCursor method = clang.clang_getCursorReferenced(cursor);
        if (method.kind == CXCursor_ObjCInstanceMethodDecl) {
            assignment.property = XAPropertyDeclOfAccessor(method);
        }
        assignment.value = XAMessageReceiver(cursor, 0);
    } else if (kind == CXCursor_BinaryOperator && XABinaryOperatorKind(cursor) == kAssignmentOperatorKind) {
        const CXCursor left = XAChildAtIndex(cursor, 0);
        if (left.kind == CXCursor_MemberRefExpr) {
            assignment.property = clang.clang_getCursorReferenced(left);
            assignment.value = XAChildAtIndex(cursor, 1);
        }
    }
    return assignment;
}

// The class declaration carries NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE among its attributes.
bool isWeakUnavailable(CXCursor classDecl) {
    bool found = false;
    XAVisitChildren(classDecl, [&found](CXCursor child, CXCursor) {
        if (child.kind == CXCursor_UnexposedAttr &&
            xa_trimmed(XACursorSourceText(child).value_or("")) == "NS_AUTOMATED_REFCOUNT_WEAK_UNAVAILABLE") {
            found = true;
            return CXChildVisit_Break;
        }
        return CXChildVisit_Continue;
    });
    return found;
}

} // namespace

struct XARuleUnsupportedWeakReference : XACursorRule<XARuleUnsupportedWeakReference> {
    static XAXMLString ruleName() { return XAXMLString("Assignment of weak-unavailable object to a weak property"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>On OS X, weak references cannot be created to instances of some classes, such as "
                           "<objcclass>NSTextView</objcclass>, <objcclass>NSFont</objcclass> and "
                           "<objcclass>NSColorSpace</objcclass>.</p><p>The compiler should warn about assignments of "
                           "such objects to weak variables; this rule reports their assignments to weak properties "
                           "typed with a superclass or <code>id</code>.</p>");
    }

    static bool appliesToContext(XARuleContext &context) { return context.targetPlatform() == XAPlatformOSX; }
    static std::string applicationConditionDescription() { return "Applies to OS X targets."; }

    static std::vector<std::string> tags() { return {"Recommended"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Transitioning to ARC Release Notes: Frequently Asked Questions: Which classes don\u2019t support weak "
            "references?",
            "https://developer.apple.com/library/archive/releasenotes/ObjectiveC/RN-TransitioningToARC/Introduction/"
            "Introduction.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_BinaryOperator}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &,
                                       const XACompilationInfo &compilationInfo) {
        const XAPropertyAssignment assignment = propertyAssignment(cursor, kind);
        if (assignment.property.kind != CXCursor_ObjCPropertyDecl ||
            XAPropertyOwnershipAttribute(compilationInfo.isUsingARC(), assignment.property) !=
                CXObjCPropertyAttr_weak) {
            return {};
        }
        const CXCursor classDecl = XAClassDeclOfCursorType(assignment.value);
        if (XAIsNullCursor(classDecl) || !isWeakUnavailable(classDecl)) {
            return {};
        }
        const XAXMLString info("Weak references cannot be created to instances of the <objcclass>" +
                               XACursorSpelling(classDecl).value_or("") + "</objcclass> class. The <objcproperty>" +
                               XACursorSpelling(assignment.property).value_or("") +
                               "</objcproperty> property is declared <codesymbol>weak</codesymbol>.");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityWarning, XADiagnosticConfidenceMedium)};
    }
};

TESSARY_REGISTER_RULE(XARuleUnsupportedWeakReference)
