// A class that sends messages to its own class object by name ([Foo alloc] inside Foo): a subclass then gets an
// instance of Foo where it expects one of its own, so self should receive the message.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kWarnOnlyAboutAlloc = "warnOnlyAboutAlloc";
constexpr const char *kCheckOnlyFactoryMethods = "checkOnlyFactoryMethods";
} // namespace

struct XARuleHardcodedSelfClass : XACursorRule<XARuleHardcodedSelfClass> {
    static XAXMLString ruleName() { return XAXMLString("Hardcoded self class reference"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns if a class (or an instance of it) sends a message to its own class object through a hardcoded "
            "reference to the class, e.g. <code>[FOOThing alloc]</code>.</p><p>Use <codesymbol>self</codesymbol> "
            "instead (<code>[self alloc]</code> in a class method or <code>[[self class] alloc]</code> in an "
            "instance method), so that the message goes to the concrete class of the receiver and subclassing is not "
            "impeded.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("The pitfalls of hardcoding the class name in factory methods",
                                              "https://qualitycoding.org/factory-method/"),
                XAExternalLink::linkWithTitle("Adopting Modern Objective-C: instancetype",
                                              "https://developer.apple.com/library/archive/releasenotes/ObjectiveC/"
                                              "ModernizationObjC/AdoptingModernObjective-C/"
                                              "AdoptingModernObjective-C.html")};
    }
    static std::vector<XARuleOption> options() {
        return {
            XARuleOption::ruleOptionWithName(kWarnOnlyAboutAlloc, "Warn only about allocations",
                                             "Restrict these warnings to allocations of the \u2018self\u2019 class.",
                                             XAOptionValue(false), XAOptionValueTypeBool),
            XARuleOption::ruleOptionWithName(kCheckOnlyFactoryMethods, "Check only factory methods",
                                             "Enforce this rule only in factory methods.", XAOptionValue(false),
                                             XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr || XAMessageReceiverKind(cursor) != CXTessaryMessageReceiver_Class) {
            return {};
        }
        const std::string selector = XACursorSpelling(cursor).value_or("");
        if ((boolForOption(kWarnOnlyAboutAlloc, context) && selector != "alloc") || selector == "class") {
            return {};
        }
        const std::optional<std::string> className = ownClassNamedAsReceiver(cursor);
        if (!className) {
            return {};
        }
        if (boolForOption(kCheckOnlyFactoryMethods, context) && !isInFactoryMethodOfClass(cursor, *className)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, *className, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }

private:
    // The implemented class's name when the message names it as its receiver; categories on system classes are
    // exempt, since a project cannot subclass its way around them anyway.
    static std::optional<std::string> ownClassNamedAsReceiver(CXCursor message) {
        const CXCursor receiver = XAExplicitMessageReceiver(message);
        const std::string receiverClassName = XACursorSpelling(receiver).value_or("");
        if (receiver.kind == CXCursor_ObjCSelfExpr || receiverClassName.empty()) {
            return std::nullopt;
        }
        const CXCursor implementation = XAEnclosingObjCImplementation(message);
        const bool isCategory = implementation.kind == CXCursor_ObjCCategoryImplDecl;
        const CXCursor implementedClass =
            isCategory ? XAFirstChildOfKind(implementation, CXCursor_ObjCClassRef, CXChildVisit_Continue)
                       : implementation;
        const std::string className = XACursorSpelling(implementedClass).value_or("");
        if (className.empty() || className != receiverClassName) {
            return std::nullopt;
        }
        if (isCategory && XACursorIsInSystemHeader(XALibclang::fn().clang_getCursorReferenced(implementedClass))) {
            return std::nullopt;
        }
        return className;
    }

    static bool isInFactoryMethodOfClass(CXCursor message, const std::string &className) {
        const CXCursor method =
            XAAncestorOfKinds(message, {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl});
        return method.kind == CXCursor_ObjCClassMethodDecl &&
               xa_isFactoryMethodNameForClassName(XACursorSpelling(method).value_or(""), className);
    }
};

TESSARY_REGISTER_RULE(XARuleHardcodedSelfClass)
