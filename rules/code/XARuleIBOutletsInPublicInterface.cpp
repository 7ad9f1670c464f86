// Outlets declared in a class's public interface that a XIB owned by the class connects: they are implementation
// details of the view and belong in a class extension in the implementation file.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "core/XAPaths.h"
#include "engine/XARule.h"
#include "project/XAXIB.h"

#include <algorithm>

struct XARuleIBOutletsInPublicInterface : XACursorRule<XARuleIBOutletsInPublicInterface> {
    static XAXMLString ruleName() { return XAXMLString("IBOutlets in public interface"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Outlets are often private implementation details of a view or view controller and then "
                           "belong in a private class extension in the implementation file rather than in the public "
                           "interface.</p><p>This rule warns only where the class is the \u201cFile\u2019s Owner\u201d "
                           "of a XIB file whose base name is the class name and that contains a connection to the "
                           "outlet.</p>");
    }
    static std::vector<std::string> tags() { return {"BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("WWDC 2012 Session video \u201cMigrating to Modern Objective-C\u201d",
                                              "https://developer.apple.com/videos/play/wwdc2012/413/")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_IBOutletAttr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_IBOutletAttr) {
            return {};
        }
        const CXCursor property = XAPropertyDeclAfterCursor(cursor);
        if (XAIsNullCursor(property)) {
            return {};
        }
        // A class extension or category is no interface: its outlets are private already.
        const CXCursor interface = XAAncestorOfKinds(property, {CXCursor_ObjCInterfaceDecl});
        const std::string propertyName = XACursorSpelling(property).value_or("");
        const std::string className = XACursorSpelling(interface).value_or("");
        if (XAIsNullCursor(interface) || xa_isDelegateGetterOrPropertyName(propertyName) || className.empty() ||
            !ownXIBConnectsOutlet(context.XIBsForCheckedTarget(), className, propertyName)) {
            return {};
        }
        return {diagnosticWithCursor(property, std::nullopt, std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceLow)};
    }

private:
    // The class's own XIB (the first named after it) is owned by it and connects the outlet of its File's Owner.
    static bool ownXIBConnectsOutlet(const XAXIBs &xibs, const std::string &className,
                                     const std::string &propertyName) {
        const auto own = std::find_if(xibs.begin(), xibs.end(), [&](const std::shared_ptr<const XAXIB> &xib) {
            return xa_stringByDeletingPathExtension(XAProject::baseResourceNameOfResourceFilename(
                       xa_lastPathComponent(xib->filePath()))) == className;
        });
        if (own == xibs.end() || (*own)->filesOwnerClassName() != className) {
            return false;
        }
        const auto &outlets = (*own)->ibOutlets();
        return std::any_of(outlets.begin(), outlets.end(), [&](const std::shared_ptr<const XAXIBOutlet> &outlet) {
            return outlet->parentIsFilesOwner() && outlet->propertyName() == propertyName;
        });
    }
};

TESSARY_REGISTER_RULE(XARuleIBOutletsInPublicInterface)
