// Setter calls on self inside init methods and -dealloc, as messages ([self setFoo:x]) or with dot syntax
// (self.foo = x). A setter may fire key-value notifications whose observers expect a valid, consistent object, which
// it is not while it is being built or torn down.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAOperators.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kApplyToInit = "applyToInit";
constexpr const char *kApplyToDealloc = "applyToDealloc";
constexpr const char *kOnlyIfIvarAvailable = "onlyIfIvarAvailable";
constexpr int kAssignOperatorKind = 21; // "="

// A setter call found in a method: the setter it reaches (a method or property declaration) and its identifier.
struct SetterCall {
    CXCursor setter;
    std::string identifier;
};
} // namespace

struct XARuleSetterInvocationInInitOrDealloc : XACursorRule<XARuleSetterInvocationInInitOrDealloc> {
    static XAXMLString ruleName() { return XAXMLString("Setter invocation in init or dealloc method"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Avoid invoking setter methods on <code>self</code> in init methods or in "
                           "<objcmethod>-[NSObject dealloc]</objcmethod>: they may trigger key-value notifications "
                           "whose observers expect the object to be in a valid, consistent state, which it is not "
                           "while it is being initialised or deallocated.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle(
                "Programming with Objective-C: Encapsulating Data: Properties Encapsulate an Object\u2019s Values: "
                "Access Instance Variables Directly from Initializer Methods",
                "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/"
                "ProgrammingWithObjectiveC/EncapsulatingData/EncapsulatingData.html"),
            XAExternalLink::linkWithTitle(
                "Stack Overflow: Calling a method on self while in dealloc",
                "https://stackoverflow.com/search?q=%22Calling+a+method+on+self+while+in+dealloc%22"),
            XAExternalLink::linkWithTitle(
                "WWDC 2012 Session video \u201cMigrating to Modern Objective-C\u201d (around 23min)",
                "https://developer.apple.com/videos/play/wwdc2012/405/"),
            XAExternalLink::linkWithTitle(
                "Google Objective-C Style Guide: Avoid Accessors During init and dealloc",
                "https://google.github.io/styleguide/objcguide.html#avoid-accessors-during-init-and-dealloc"),
        };
    }
    static std::vector<XARuleOption> options() {
        return {
            XARuleOption::ruleOptionWithName(kApplyToInit, "Apply to init methods",
                                             "Whether to warn about setter invocations in init methods.",
                                             XAOptionValue(true), XAOptionValueTypeBool),
            XARuleOption::ruleOptionWithName(kApplyToDealloc, "Apply to dealloc methods",
                                             "Whether to warn about setter invocations in dealloc methods.",
                                             XAOptionValue(true), XAOptionValueTypeBool),
            XARuleOption::ruleOptionWithName(
                kOnlyIfIvarAvailable, "Warn only if ivar available",
                "Only warn about cases where an instance variable matching the setter is available.",
                XAOptionValue(true), XAOptionValueTypeBool),
        };
    }

    // The instance variable that a setter (the method or property declaration a call refers to) writes; the null
    // cursor when it cannot be told. A setter defined in this translation unit is judged by its body, so a custom
    // setter that writes several variables has none; otherwise a property's synthesized variable counts.
    static CXCursor ivarCursorForSetterCursor(CXCursor setter) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor definition = setterDefinition(setter);
        if (!XAIsNullCursor(definition)) {
            return onlyIvarAssignedInBody(definition);
        }
        switch (clang.clang_getCursorKind(setter)) {
        case CXCursor_ObjCInstanceMethodDecl: {
            const CXCursor property = XAPropertyDeclOfAccessor(setter);
            return clang.clang_getCursorKind(property) == CXCursor_ObjCPropertyDecl
                       ? ivarCursorForSetterCursor(property)
                       : clang.clang_getNullCursor();
        }
        case CXCursor_ObjCPropertyDecl:
            return XAPropertyIvar(setter);
        default:
            return clang.clang_getNullCursor();
        }
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl || !appliesToMethod(cursor, context)) {
            return {};
        }
        const bool onlyIfIvarAvailable = boolForOption(kOnlyIfIvarAvailable, context);
        XADiagnostics diagnostics;
        XAVisitChildren(cursor, [&](CXCursor descendant) {
            if (descendant.kind == CXCursor_BlockExpr) {
                return CXChildVisit_Continue;
            }
            const std::optional<SetterCall> call = setterCallOnSelf(descendant);
            if (call && (!onlyIfIvarAvailable || !XAIsNullCursor(ivarCursorForSetterCursor(call->setter)))) {
                diagnostics.push_back(diagnosticWithCursor(descendant, std::nullopt, call->identifier,
                                                           XADiagnosticImpactFunctionality, XADiagnosticSeverityConcern,
                                                           XADiagnosticConfidenceHigh));
            }
            return CXChildVisit_Recurse;
        });
        return diagnostics;
    }

private:
    static bool appliesToMethod(CXCursor method, XARuleContext &context) {
        if (XACursorSpelling(method) == "dealloc") {
            return boolForOption(kApplyToDealloc, context);
        }
        if (XAObjCMethodFamily(method)) {
            return boolForOption(kApplyToInit, context);
        }
        return false;
    }

    // [self setFoo:x], or self.foo = x (a plain assignment: a compound one reads the property first).
    static std::optional<SetterCall> setterCallOnSelf(CXCursor cursor) {
        const XALibclangFunctions &clang = XALibclang::fn();
        if (cursor.kind == CXCursor_ObjCMessageExpr) {
            const CXCursor method = clang.clang_getCursorReferenced(cursor);
            if (XAIsSelfExpr(XAExplicitMessageReceiver(cursor)) && XAIsSetterMethodDecl(method)) {
                return SetterCall{method, XACursorSpelling(cursor).value_or("")};
            }
            return std::nullopt;
        }
        if (XABinaryOperatorKind(cursor) != kAssignOperatorKind) {
            return std::nullopt;
        }
        const CXCursor member = XAChildAtIndex(cursor, 0);
        if (member.kind != CXCursor_MemberRefExpr || !XAIsSelfExpr(XAChildAtIndex(member, 0))) {
            return std::nullopt;
        }
        const CXCursor target = clang.clang_getCursorReferenced(member);
        const CXCursorKind targetKind = clang.clang_getCursorKind(target);
        if (targetKind != CXCursor_ObjCPropertyDecl && targetKind != CXCursor_ObjCInstanceMethodDecl) {
            return std::nullopt;
        }
        return SetterCall{target, XACursorSpelling(member).value_or("")};
    }

    // The setter's body in this translation unit, for a method or a property; the null cursor when there is none.
    static CXCursor setterDefinition(CXCursor setter) {
        const XALibclangFunctions &clang = XALibclang::fn();
        if (clang.clang_getCursorKind(setter) == CXCursor_ObjCPropertyDecl) {
            return XAPropertySetterDefinition(setter);
        }
        if (clang.clang_getCursorKind(setter) != CXCursor_ObjCInstanceMethodDecl) {
            return clang.clang_getNullCursor();
        }
        const CXCursor definition = clang.clang_getCursorDefinition(setter);
        const bool hasBody =
            clang.clang_getCursorKind(definition) == CXCursor_ObjCInstanceMethodDecl &&
            !XAIsNullCursor(XAFirstChildOfKind(definition, CXCursor_CompoundStmt, CXChildVisit_Continue));
        return hasBody ? definition : clang.clang_getNullCursor();
    }

    // The one instance variable that the body assigns with "="; the null cursor for none, or for a second such
    // assignment (to the same variable too).
    static CXCursor onlyIvarAssignedInBody(CXCursor method) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor body = XAFirstChildOfKind(method, CXCursor_CompoundStmt, CXChildVisit_Continue);
        CXCursor ivar = clang.clang_getNullCursor();
        bool foundSecond = false;
        XAVisitChildren(body, [&](CXCursor descendant) {
            if (XABinaryOperatorKind(descendant) != kAssignOperatorKind) {
                return CXChildVisit_Recurse;
            }
            const CXCursor left = XAChildAtIndex(descendant, 0);
            const CXCursor referenced = clang.clang_getCursorReferenced(left);
            if (left.kind != CXCursor_MemberRefExpr || clang.clang_getCursorKind(referenced) != CXCursor_ObjCIvarDecl) {
                return CXChildVisit_Recurse;
            }
            if (!XAIsNullCursor(ivar)) {
                foundSecond = true;
                return CXChildVisit_Break;
            }
            ivar = referenced;
            return CXChildVisit_Recurse;
        });
        return foundSecond ? clang.clang_getNullCursor() : ivar;
    }
};

TESSARY_REGISTER_RULE(XARuleSetterInvocationInInitOrDealloc)
