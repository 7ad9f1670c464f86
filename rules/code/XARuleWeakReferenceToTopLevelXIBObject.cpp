// Outlet properties of a XIB's File's Owner that hold a top-level object of the XIB without owning it. Nothing else
// keeps a top-level object alive once the XIB is loaded, so a weak, assign or unsafe-unretained outlet lets it be
// deallocated too early. Before the code the outlets from each File's Owner to top-level objects are kept per owner
// class; every interface, category and class extension of such a class then has its outlet properties looked at.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAXIB.h"

namespace {

using XAOutlets = std::vector<std::shared_ptr<const XAXIBOutlet>>;

std::string topLevelOutletsKey(const std::string &className) { return "TopLevelObjectXIBOutlets_" + className; }

// The ownerships that do not keep the object alive.
bool isNonOwning(unsigned ownership) {
    return ownership == CXObjCPropertyAttr_assign || ownership == CXObjCPropertyAttr_weak ||
           ownership == CXObjCPropertyAttr_unsafe_unretained;
}

} // namespace

struct XARuleWeakReferenceToTopLevelXIBObject : XACursorRule<XARuleWeakReferenceToTopLevelXIBObject> {
    static XAXMLString ruleName() { return XAXMLString("Weak reference to top-level XIB object"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<codesymbol>IBOutlet</codesymbol> references to top-level objects of XIB files should be "
                           "<codesymbol>strong</codesymbol>, so that the objects are not deallocated prematurely.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Resource Programming Guide: Managing the Lifetimes of Objects from Nib Files",
            "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/LoadingResources/CocoaNibs/"
            "CocoaNibs.html#//apple_ref/doc/uid/10000051i-CH4-SW6")};
    }

    static XADiagnostics applyBeforeCodeWithContext(XARuleContext &context) {
        for (const std::shared_ptr<const XAXIB> &xib : context.XIBsForCheckedTarget()) {
            for (const std::shared_ptr<const XAXIBOutlet> &outlet : xib->ibOutlets()) {
                const std::string className = outlet->parentClassName().value_or("");
                if (outlet->parentIsFilesOwner() && outlet->destinationIsTopLevelObject() && !className.empty()) {
                    context.stateStore().addValueToStateList(outlet, topLevelOutletsKey(className));
                }
            }
        }
        return {};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInterfaceDecl, CXCursor_ObjCCategoryDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_ObjCInterfaceDecl && kind != CXCursor_ObjCCategoryDecl) {
            return {};
        }
        // A category's first child refers to the class it extends.
        const CXCursor classCursor = kind == CXCursor_ObjCInterfaceDecl ? cursor : XAChildAtIndex(cursor, 0);
        const std::string className = XACursorSpelling(classCursor).value_or("");
        if (className.empty()) {
            return {};
        }
        const std::optional<XAOutlets> outlets =
            context.stateStore().copyOfStateList<std::shared_ptr<const XAXIBOutlet>>(topLevelOutletsKey(className));
        if (!outlets || outlets->empty()) {
            return {};
        }
        XADiagnostics found;
        XAVisitChildren(cursor, [&](CXCursor descendant) {
            if (XAIsIBOutletProperty(descendant)) {
                checkOutletProperty(descendant, *outlets, compilationInfo.isUsingARC(), found);
            }
            return CXChildVisit_Recurse;
        });
        return found;
    }

private:
    // One finding per top-level outlet of the property's name: the same outlet in two XIBs is two findings.
    static void checkOutletProperty(CXCursor property, const XAOutlets &outlets, bool isUsingARC,
                                    XADiagnostics &found) {
        const unsigned ownership = XAPropertyOwnershipAttribute(isUsingARC, property);
        if (!isNonOwning(ownership)) {
            return;
        }
        const std::optional<std::string> name = XACursorSpelling(property);
        for (const std::shared_ptr<const XAXIBOutlet> &outlet : outlets) {
            if (outlet->propertyName() != name) {
                continue;
            }
            const std::string info = "The reference is to a top-level object in the XIB <filepath>" +
                                     xa_escapedForXML(outlet->parentXIBPath()) + "</filepath>. Use the <codesymbol>" +
                                     (isUsingARC ? "strong" : "retain") +
                                     "</codesymbol> attribute (instead of "
                                     "<codesymbol>" +
                                     XAPropertyAttributeName(ownership).value_or("") +
                                     "</codesymbol>) to keep the object from being deallocated prematurely.";
            found.push_back(diagnosticWithCursor(property, XAXMLString(info), std::nullopt,
                                                 XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                                                 XADiagnosticConfidenceHigh));
        }
    }
};

TESSARY_REGISTER_RULE(XARuleWeakReferenceToTopLevelXIBObject)
