// Properties that state neither atomic nor nonatomic and so are atomic by default. By default only properties of
// classes that descend from UIKit or AppKit classes are looked at: those are used from the main thread only, where
// atomic accessors cost time and buy nothing.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "engine/XARule.h"

namespace {

constexpr const char *kApplyOnlyToUIClasses = "applyOnlyToUIClasses";

// The class that declares the property: its interface, or the class a category or class extension adds to. The null
// cursor for a property of a protocol.
CXCursor declaringClass(CXCursor property) {
    const CXCursor container = XAAncestorOfKinds(property, {CXCursor_ObjCInterfaceDecl, CXCursor_ObjCCategoryDecl});
    if (container.kind == CXCursor_ObjCCategoryDecl) {
        return XALibclang::fn().clang_getCursorReferenced(XAChildAtIndex(container, 0));
    }
    return container;
}

} // namespace

struct XARuleImplicitAtomicProperty : XACursorRule<XARuleImplicitAtomicProperty> {
    static XAXMLString ruleName() { return XAXMLString("Implicitly atomic property"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns for implicitly atomic properties. When neither the <code>atomic</code> nor the "
                           "<code>nonatomic</code> keyword is given, a property is synthesized atomic.");
    }
    static std::vector<std::string> tags() { return {"BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Programming with Objective-C: Encapsulating Data",
                                              "https://developer.apple.com/library/archive/documentation/Cocoa/"
                                              "Conceptual/ProgrammingWithObjectiveC/EncapsulatingData/"
                                              "EncapsulatingData.html"),
                XAExternalLink::linkWithTitle("Big Nerd Ranch: Property Values",
                                              "https://bignerdranch.com/blog/property-values/")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kApplyOnlyToUIClasses, "Apply only to UIKit/AppKit subclasses",
            "UIKit/AppKit classes should only ever be accessed from the main thread, which renders atomicity "
            "unnecessary in their properties.",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCPropertyDecl) {
            return {};
        }
        const CXCursor classDecl = declaringClass(cursor);
        if (XAIsNullCursor(classDecl)) {
            return {};
        }
        if (boolForOption(kApplyOnlyToUIClasses, context) && !XAInheritsFromAppKitOrUIKit(classDecl)) {
            return {};
        }
        const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
        if (attributes & (CXObjCPropertyAttr_atomic | CXObjCPropertyAttr_nonatomic)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XACursorSpelling(cursor), XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceAbsolute)};
    }
};

TESSARY_REGISTER_RULE(XARuleImplicitAtomicProperty)
