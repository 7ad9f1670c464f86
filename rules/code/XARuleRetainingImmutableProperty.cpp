// Writable properties of common immutable NSCopying types that have mutable subclasses (NSString and its kin),
// declared to retain or assign instead of copy: a mutable object assigned to such a property can change later without
// the setter being called. Core Data's managed objects are exempt, since their accessors are generated; by default so
// are properties outside public headers.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {

constexpr const char *kIgnorePrivateProperties = "ignorePrivateProperties";

constexpr const char *kImmutableClassNames[] = {
    "NSString",     "NSAttributedString", "NSArray",    "NSDictionary", "NSSet",
    "NSOrderedSet", "NSCharacterSet",     "NSIndexSet", "NSURLRequest", "NSData"};

// The class the property's type names in its first child, when it is one of the immutable classes.
bool hasImmutableClassType(CXCursor property) {
    const CXCursor typeReference = XAChildAtIndex(property, 0);
    if (typeReference.kind != CXCursor_ObjCClassRef) {
        return false;
    }
    const std::string className = XACursorSpelling(typeReference).value_or("");
    return std::find(std::begin(kImmutableClassNames), std::end(kImmutableClassNames), className) !=
           std::end(kImmutableClassNames);
}

// A property of a managed object: its accessors are Core Data's, whatever the declared semantics.
bool isDeclaredInManagedObjectClass(CXCursor property) {
    const CXCursor interface = XAAncestorOfKinds(property, {CXCursor_ObjCInterfaceDecl});
    const std::vector<std::string> superclasses = XASuperclassNames(interface);
    return std::find(superclasses.begin(), superclasses.end(), "NSManagedObject") != superclasses.end();
}

} // namespace

struct XARuleRetainingImmutableProperty : XACursorRule<XARuleRetainingImmutableProperty> {
    static XAXMLString ruleName() {
        return XAXMLString("Non-copying property of immutable <objcprotocol>NSCopying</objcprotocol> type");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when retaining semantics are specified in a property declaration for a common immutable "
            "<objcprotocol>NSCopying</objcprotocol> class type that has a mutable subclass (for example "
            "<objcclass>NSString</objcclass>).</p><p>Such properties should be declared <code>copy</code>: a "
            "mutable object assigned to them could otherwise change later without the property's setter being "
            "invoked.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kIgnorePrivateProperties, "Ignore private properties",
                                                 "Do not warn about properties declared outside of public header "
                                                 "files.",
                                                 XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_ObjCPropertyDecl || !hasImmutableClassType(cursor)) {
            return {};
        }
        const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
        if (attributes & (CXObjCPropertyAttr_readonly | CXObjCPropertyAttr_copy)) {
            return {};
        }
        if (isDeclaredInManagedObjectClass(cursor)) {
            return {};
        }
        if (boolForOption(kIgnorePrivateProperties, context) &&
            (!XACursorIsInHeaderFile(cursor) || XACursorIsInPrivateHeader(cursor))) {
            return {};
        }
        const std::string semantics =
            XAPropertyAttributeName(XAPropertyOwnershipAttribute(compilationInfo.isUsingARC(), cursor)).value_or("");
        const XAXMLString info("The <code>" + XACursorSpelling(cursor).value_or("") +
                               "</code> property is declared with <code>" + semantics +
                               "</code> semantics. This should be <code>copy</code> instead.");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleRetainingImmutableProperty)
