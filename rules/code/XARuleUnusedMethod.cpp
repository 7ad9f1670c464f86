// Objective-C methods that the project defines but nothing refers to. No single file can tell, so every file adds
// what it defines (a candidate finding), what it refers to and what it declares publicly to the run's state, and the
// pass after the code reports the candidates that nothing refers to.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAPossibleStringValues.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XALog.h"
#include "engine/XARule.h"

#include <set>

namespace {

constexpr const char *kCandidatesKey = "UnusedObjCMethodDiagnostics";
constexpr const char *kUsedMethodsKey = "UsedObjCMethods";
constexpr const char *kPublicMethodsKey = "PublicObjCMethods";

constexpr const char *kMethodName = "methodName";
constexpr const char *kMethodFullName = "methodFullName";
constexpr const char *kSuperclassVariants = "superclassVariantMethodFullNames";
constexpr const char *kVariantMethodName = "variantMethodName";
constexpr const char *kVariantMethodFullName = "variantMethodFullName";

// The class a class or category implementation (or a category) adds to; the null cursor for anything else.
CXCursor extendedClassInterface(CXCursor container) {
    if (container.kind == CXCursor_ObjCInterfaceDecl) {
        return container;
    }
    if (container.kind == CXCursor_ObjCCategoryDecl || container.kind == CXCursor_ObjCCategoryImplDecl) {
        const CXCursor classReference = XAChildAtIndex(container, 0);
        if (classReference.kind == CXCursor_ObjCClassRef) {
            return XALibclang::fn().clang_getCursorReferenced(classReference);
        }
    }
    return XALibclang::fn().clang_getNullCursor();
}

// The getter's and the setter's selector of a property, as its attributes name them ("isCancelled", "setCancelled:").
std::pair<std::string, std::string> accessorSelectors(CXCursor property) {
    const XALibclangFunctions &clang = XALibclang::fn();
    return {XAStringFromCXString(clang.clang_Cursor_getObjCPropertyGetterName(property)).value_or(""),
            XAStringFromCXString(clang.clang_Cursor_getObjCPropertySetterName(property)).value_or("")};
}

// A method's full name with another selector of the same container: "-[Job cancelled]" and "isCancelled" give
// "-[Job isCancelled]"; `sign`, when given, replaces the "-" or "+".
std::string withSelector(const std::string &fullName, const std::string &selector, std::optional<char> sign = {}) {
    std::string renamed = fullName.substr(0, fullName.rfind(' ') + 1) + selector + "]";
    if (sign && !renamed.empty()) {
        renamed[0] = *sign;
    }
    return renamed;
}

const std::string *userInfoString(const XADiagnostic &candidate, const char *key) {
    const XAValue *value = candidate.userInfo().get(key);
    return value ? value->string() : nullptr;
}

} // namespace

struct XARuleUnusedMethod : XACursorRule<XARuleUnusedMethod> {
    static XAXMLString ruleName() { return XAXMLString("Possibly unused Objective-C method"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns about Objective-C methods to which no references are found.</p> <p>This rule will not warn "
            "about <codesymbol>IBAction</codesymbol> methods, initializer methods, or public methods (methods with a "
            "declaration in a header file, excluding header files named in the form <string>*+Private.h</string>). "
            "It also won’t warn about unused getter methods whose setter is used, and vice versa.</p>");
    }
    static std::optional<XAXMLString> ruleWarning() {
        return XAXMLString("Please ensure that each method you remove from your code is in fact unused — in some cases "
                           "this rule may flag methods that are not actually unused (for example some that are "
                           "referenced from code that has not been checked by this tool).");
    }
    static std::vector<std::string> tags() { return {"Pedantic"}; }
    static std::vector<int> cursorKinds() {
        return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl, CXCursor_ObjCMessageExpr,
                CXCursor_MemberRefExpr,          CXCursor_ObjCSelectorExpr,    CXCursor_CallExpr};
    }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        switch (kind) {
        case CXCursor_ObjCInstanceMethodDecl:
        case CXCursor_ObjCClassMethodDecl:
            if (XACursorIsInPublicHeader(cursor)) {
                if (std::optional<std::string> fullName = XAMethodDeclDisplayName(cursor)) {
                    context.stateStore().addValueToStateSet(*fullName, kPublicMethodsKey);
                }
            } else {
                preGenerateAndStoreDiagnosticForMethodDefinition(cursor, context);
            }
            break;
        case CXCursor_ObjCMessageExpr:
        case CXCursor_MemberRefExpr:
            collectMethodReferenceWithMethodOrPropertyDeclCursor(XALibclang::fn().clang_getCursorReferenced(cursor),
                                                                 context);
            break;
        case CXCursor_ObjCSelectorExpr:
            collectMethodReferenceWithMethodName(XASelectorExprString(cursor).value_or(""), context);
            break;
        case CXCursor_CallExpr:
            collectSelectorNamesOfCall(cursor, context);
            break;
        default:
            break;
        }
        return {};
    }

    static bool shouldWarnAboutMethodName(std::string_view name) {
        return !xa_isInitMethodName(name) && name != "objectForKeyedSubscript:" &&
               name != "setObject:forKeyedSubscript:" && !name.starts_with("automaticallyNotifiesObserversOf") &&
               !name.starts_with("keyPathsForValuesAffecting");
    }

    static void preGenerateAndStoreDiagnosticForMethodDefinition(CXCursor definition, XARuleContext &context) {
        if (XACursorIsInHeaderFile(definition) ||
            XAIsNullCursor(XAFirstChildOfKind(definition, CXCursor_CompoundStmt, CXChildVisit_Continue))) {
            return;
        }
        const CXCursor overridden = XAOverriddenCursorAtIndex(definition, 0);
        const CXCursor decl = XAIsNullCursor(overridden) ? definition : overridden;
        if (XACursorIsInSystemHeader(decl) || isDeclaredForAnUnimplementedClass(decl) || XAIsIBActionMethod(decl) ||
            overridesMethodOfFrameworkClass(definition, decl)) {
            return;
        }
        const std::string name = XACursorSpelling(decl).value_or("");
        const std::optional<std::string> fullName = XAMethodDeclDisplayName(decl);
        if (!shouldWarnAboutMethodName(name) || !fullName) {
            return;
        }
        XADiagnostic candidate = diagnosticWithCursor(decl, std::nullopt, fullName, XADiagnosticImpactMaintainability,
                                                      XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium);
        XADictionary &userInfo = candidate.userInfo();
        userInfo.set(kMethodName, XAValue(name));
        userInfo.set(kMethodFullName, XAValue(*fullName));
        const CXCursor classInterface = extendedClassInterface(XAEnclosingObjCImplementationCanonical(definition));
        const std::string sign = decl.kind == CXCursor_ObjCClassMethodDecl ? "+" : "-";
        XAValue::Array superclassVariants;
        for (const std::string &superclass : XASuperclassNames(classInterface)) {
            superclassVariants.emplace_back(sign + "[" + superclass + " " + name + "]");
        }
        userInfo.set(kSuperclassVariants, XAValue(std::move(superclassVariants)));
        addAccessorVariant(decl, name, *fullName, XACursorSpelling(classInterface).value_or(""), userInfo);
        context.stateStore().addValueToStateList(std::move(candidate), kCandidatesKey);
    }

    static void collectMethodReferenceWithMethodOrPropertyDeclCursor(CXCursor referenced, XARuleContext &context) {
        // Only methods override methods, so the kind can be tested first (member references are mostly fields).
        if (referenced.kind != CXCursor_ObjCPropertyDecl && referenced.kind != CXCursor_ObjCInstanceMethodDecl &&
            referenced.kind != CXCursor_ObjCClassMethodDecl) {
            return;
        }
        const CXCursor overridden = XAOverriddenCursorAtIndex(referenced, 0);
        const CXCursor decl = XAIsNullCursor(overridden) ? referenced : overridden;
        if (XACursorIsInSystemHeader(decl)) {
            return;
        }
        if (std::optional<std::string> fullName = XAMethodDeclDisplayName(decl)) {
            if (decl.kind == CXCursor_ObjCPropertyDecl) {
                collectAccessorsOfProperty(decl, *fullName, context);
            }
            context.stateStore().addValueToStateSet(*fullName, kUsedMethodsKey);
        } else {
            XALog(1, "EMPTY METHOD DESCRIPTION IN REFERENCE: " + XACursorDebugDescription(decl));
        }
    }

    // Dot syntax names the property but sends its getter or setter, whatever they are called ("isCancelled") and
    // whether they are instance or class methods.
    static void collectAccessorsOfProperty(CXCursor property, const std::string &fullName, XARuleContext &context) {
        const bool isClassProperty =
            (XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(property, 0) & CXObjCPropertyAttr_class) != 0;
        const auto [getter, setter] = accessorSelectors(property);
        for (const std::string &selector : {getter, setter}) {
            if (!selector.empty()) {
                context.stateStore().addValueToStateSet(withSelector(fullName, selector, isClassProperty ? '+' : '-'),
                                                        kUsedMethodsKey);
            }
        }
    }

    static void collectMethodReferenceWithMethodName(const std::string &name, XARuleContext &context) {
        if (!name.empty()) {
            context.stateStore().addValueToStateSet(name, kUsedMethodsKey);
        }
    }

    static XADiagnostics applyAfterCodeWithContext(XARuleContext &context) {
        const XARuleStateStore &state = context.stateStore();
        const auto candidates = state.copyOfStateList<XADiagnostic>(kCandidatesKey).value_or(XADiagnostics{});
        const auto used = state.copyOfStateSet<std::string>(kUsedMethodsKey).value_or(std::set<std::string>{});
        const auto declaredPublicly =
            state.copyOfStateSet<std::string>(kPublicMethodsKey).value_or(std::set<std::string>{});
        XADiagnostics unused;
        std::set<std::string> reported;
        for (const XADiagnostic &candidate : candidates) {
            const std::string *fullName = userInfoString(candidate, kMethodFullName);
            if (!fullName || used.contains(*fullName) || declaredPublicly.contains(*fullName) ||
                isUsedUnderAnotherName(candidate, used)) {
                continue;
            }
            if (reported.insert(*fullName).second) {
                unused.push_back(candidate);
            }
        }
        return unused;
    }

private:
    // A method declared in a header for a class whose implementation the file does not know: the file cannot tell
    // whether the method is used.
    static bool isDeclaredForAnUnimplementedClass(CXCursor decl) {
        if (!XACursorIsInHeaderFile(decl)) {
            return false;
        }
        const CXCursor interface = XAAncestorOfKinds(decl, {CXCursor_ObjCInterfaceDecl});
        return !XAIsNullCursor(interface) &&
               XAIsNullCursor(XALibclang::fn().clang_tessary_getInterfaceDeclImplementation(interface));
    }

    // The definition overrides a method that a superclass from a framework declares, in its headers or in a category
    // the project writes for it (a private method): the framework calls it.
    static bool overridesMethodOfFrameworkClass(CXCursor definition, CXCursor decl) {
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXCursor declaringClass = extendedClassInterface(clang.clang_getCursorSemanticParent(decl));
        const CXCursor ownClass = extendedClassInterface(XAEnclosingObjCImplementationCanonical(definition));
        return !XAIsNullCursor(declaringClass) && XACursorIsInSystemHeader(declaringClass) &&
               !clang.clang_equalCursors(clang.clang_getCanonicalCursor(declaringClass),
                                         clang.clang_getCanonicalCursor(ownClass));
    }

    // For an accessor, the other accessor of the pair: a property's other accessor as its attributes name it, else
    // the one the class declares, else the name it would have.
    static void addAccessorVariant(CXCursor decl, const std::string &name, const std::string &fullName,
                                   const std::string &className, XADictionary &userInfo) {
        if (const CXCursor property = XAPropertyDeclOfAccessor(decl); !XAIsNullCursor(property)) {
            const auto [getter, setter] = accessorSelectors(property);
            const std::string &other = name == getter ? setter : getter;
            userInfo.set(kVariantMethodName, XAValue(other));
            userInfo.set(kVariantMethodFullName, XAValue(withSelector(fullName, other)));
            return;
        }
        const bool isSetter = XAIsSetterMethodDecl(decl);
        if (!isSetter && !XAIsGetterMethodDecl(decl)) {
            return;
        }
        const CXCursor counterpart = XAAccessorCounterpart(decl);
        if (!XAIsNullCursor(counterpart)) {
            userInfo.set(kVariantMethodName, XAValue(XACursorSpelling(counterpart).value_or("")));
            userInfo.set(kVariantMethodFullName, XAValue(XAMethodDeclDisplayName(counterpart).value_or("")));
            return;
        }
        const std::string derived = isSetter ? XAPropertyNameFromSetterName(name) : XASetterNameForPropertyName(name);
        userInfo.set(kVariantMethodName, XAValue(derived));
        userInfo.set(kVariantMethodFullName, XAValue("-[" + className + " " + derived + "]"));
    }

    static bool isUsedUnderAnotherName(const XADiagnostic &candidate, const std::set<std::string> &used) {
        for (const char *key : {kMethodName, kVariantMethodFullName, kVariantMethodName}) {
            const std::string *name = userInfoString(candidate, key);
            if (name && used.contains(*name)) {
                return true;
            }
        }
        const XAValue *variants = candidate.userInfo().get(kSuperclassVariants);
        const XAValue::Array *names = variants ? variants->array() : nullptr;
        return names && std::any_of(names->begin(), names->end(), [&](const XAValue &variant) {
                   return variant.string() && used.contains(*variant.string());
               });
    }

    // NSSelectorFromString() with an argument whose values are known names those selectors.
    static void collectSelectorNamesOfCall(CXCursor call, XARuleContext &context) {
        if (!XAIsCallToFunction("NSSelectorFromString", true, call)) {
            return;
        }
        if (const XAPossibleStrings names = XAPossibleStringValues(XAChildAtIndex(call, 1))) {
            for (const std::string &name : *names) {
                collectMethodReferenceWithMethodName(name, context);
            }
        }
    }
};

TESSARY_REGISTER_RULE(XARuleUnusedMethod)
