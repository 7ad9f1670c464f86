// Delegate properties whose setter retains or copies the delegate. An object is often its delegate's owner, so a
// delegate that is retained back closes a retain cycle. A property typed as the class that is the application's
// delegate is exempt: the application does not own that object through the property.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

namespace {

constexpr unsigned kRetainingOwnerships =
    CXObjCPropertyAttr_retain | CXObjCPropertyAttr_strong | CXObjCPropertyAttr_copy;

// The protocol the application's delegate adopts on the platform; none on other platforms.
const char *applicationDelegateProtocol(XAPlatform platform) {
    switch (platform) {
    case XAPlatformIOS:
        return "UIApplicationDelegate";
    case XAPlatformOSX:
        return "NSApplicationDelegate";
    default:
        return nullptr;
    }
}

} // namespace

struct XARuleStrongDelegate : XACursorRule<XARuleStrongDelegate> {
    static XAXMLString ruleName() { return XAXMLString("Retaining or copying delegate"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("To avoid retain cycles, delegate setter methods should neither retain nor copy the "
                           "delegate object.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Concepts in Objective-C Programming: Delegates and Data Sources: Implementing a Delegate for a Custom "
            "Class",
            "https://developer.apple.com/library/archive/documentation/General/Conceptual/CocoaEncyclopedia/"
            "DelegatesandDataSources/DelegatesandDataSources.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_ObjCPropertyDecl) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        if (!xa_isDelegateGetterOrPropertyName(name)) {
            return {};
        }
        const unsigned ownership = XAPropertyOwnershipAttribute(compilationInfo.isUsingARC(), cursor);
        if ((ownership & kRetainingOwnerships) == 0 || isApplicationDelegateType(cursor, context.targetPlatform())) {
            return {};
        }
        return {diagnosticWithCursor(cursor, defaultOwnershipInfo(cursor, ownership), name,
                                     XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                     XADiagnosticConfidenceHigh)};
    }

private:
    static bool isApplicationDelegateType(CXCursor property, XAPlatform platform) {
        const char *protocol = applicationDelegateProtocol(platform);
        const CXCursor classDecl = XAClassDeclOfCursorType(property);
        return protocol && classDecl.kind == CXCursor_ObjCInterfaceDecl && XAHasProtocolRefNamed(protocol, classDecl);
    }

    // Says which ownership the property has when its declaration does not write it.
    static std::optional<XAXMLString> defaultOwnershipInfo(CXCursor property, unsigned ownership) {
        const unsigned written = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(property, 0);
        if ((written & ownership) != 0) {
            return std::nullopt;
        }
        return XAXMLString("This property is <codesymbol>" + XAPropertyAttributeName(ownership).value_or("") +
                           "</codesymbol> by default.");
    }
};

TESSARY_REGISTER_RULE(XARuleStrongDelegate)
