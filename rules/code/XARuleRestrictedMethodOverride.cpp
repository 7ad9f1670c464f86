// Methods of the checked code that override a system method which must not be overridden: a method of the rule's
// table (such as -[NSManagedObject isEqual:]), or one whose documentation comment in the system headers says that
// subclasses should not override it. The comments of system headers are kept by the parser's arguments.

#include "codemodel/clang/XACodeSymbolRef.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

namespace {

struct XAOverrideRestrictionRow {
    const char *className;
    const char *selector;
    bool isInstanceMethod = true;
};

constexpr XAOverrideRestrictionRow kMethodsNotToOverride[] = {
    {"NSImage", "imageTypes", false},
    {"NSImage", "imageUnfilteredTypes", false},
    {"NSView", "contentCompressionResistancePriorityForOrientation:"},
    {"NSView", "contentHuggingPriorityForOrientation:"},
    {"NSView", "layoutSubtreeIfNeeded"},
    {"NSDocument", "invalidateRestorableState"},
    {"NSDocument", "presentError:"},
    {"NSDocument", "presentError:modalForWindow:delegate:didPresentSelector:contextInfo:"},
    {"NSPersistentDocument", "canAsynchronouslyWriteToURL:ofType:forSaveOperation:"},
    {"NSPersistentDocument", "hasUndoManager"},
    {"NSPersistentDocument", "setHasUndoManager:"},
    {"NSPersistentDocument", "setUndoManager:"},
    {"NSIncrementalStore", "newObjectIDForEntity:referenceObject:"},
    {"NSIncrementalStore", "referenceObjectForObjectID:"},
    {"NSAtomicStore", "objectIDForEntity:referenceObject:"},
    {"NSDocumentController", "presentError:"},
    {"NSDocumentController", "presentError:modalForWindow:delegate:didPresentSelector:contextInfo:"},
    {"NSPreferencePane", "replyToShouldUnselect:"},
    {"UIView", "sizeToFit"},
    {"UIView", "updateConstraintsIfNeeded"},
    {"UIView", "contentCompressionResistancePriorityForAxis:"},
    {"UIView", "setContentCompressionResistancePriority:forAxis:"},
    {"UIView", "setContentHuggingPriority:forAxis:"},
    {"NSTableView", "setFocusedColumn:"},
    {"IONetworkController", "handleOpen"},
    {"IONetworkController", "handleClose"},
    {"IONetworkController", "handleIsOpen"},
    {"IKImageBrowserView", "cellForItemAtIndex:"},
    {"IKImageBrowserCell", "frame"},
    {"IKImageBrowserCell", "imageBrowserView"},
    {"IKImageBrowserCell", "indexOfRepresentedItem"},
    {"IKImageBrowserCell", "isSelected"},
    {"IKImageBrowserCell", "representedItem"},
    {"NSManagedObject", "class", false},
    {"NSManagedObject", "alloc", false},
    {"NSManagedObject", "allocWithZone:", false},
    {"NSManagedObject", "new", false},
    {"NSManagedObject", "primitiveValueForKey:"},
    {"NSManagedObject", "setPrimitiveValue:forKey:"},
    {"NSManagedObject", "isEqual:"},
    {"NSManagedObject", "hash"},
    {"NSManagedObject", "superclass"},
    {"NSManagedObject", "self"},
    {"NSManagedObject", "isProxy"},
    {"NSManagedObject", "isKindOfClass:"},
    {"NSManagedObject", "isMemberOfClass:"},
    {"NSManagedObject", "conformsToProtocol:"},
    {"NSManagedObject", "respondsToSelector:"},
    {"NSManagedObject", "managedObjectContext"},
    {"NSManagedObject", "entity"},
    {"NSManagedObject", "objectID"},
    {"NSManagedObject", "isInserted"},
    {"NSManagedObject", "isUpdated"},
    {"NSManagedObject", "isDeleted"},
    {"NSManagedObject", "isFault"},
    {"NSManagedObject", "instancesRespondToSelector:"},
    {"NSManagedObject", "instanceMethodForSelector:"},
    {"NSManagedObject", "methodForSelector:"},
    {"NSManagedObject", "methodSignatureForSelector:"},
    {"NSManagedObject", "instanceMethodSignatureForSelector:"},
    {"NSManagedObject", "isSubclassOfClass:"},
};

constexpr const char *kRestrictionPhrase = "should not override this method";

} // namespace

struct XARuleRestrictedMethodOverride : XACursorRule<XARuleRestrictedMethodOverride> {
    static XAXMLString ruleName() { return XAXMLString("Restricted method override"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Some methods of system classes should not be overridden.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInstanceMethodDecl, CXCursor_ObjCClassMethodDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInstanceMethodDecl && kind != CXCursor_ObjCClassMethodDecl) {
            return {};
        }
        std::optional<XADiagnostic> found;
        XAOverriddenCursors(cursor, [&](CXCursor overridden, unsigned, bool &stop) {
            found = diagnosticForOverride(cursor, overridden);
            stop = found.has_value();
        });
        if (!found) {
            return {};
        }
        return {std::move(*found)};
    }

private:
    static std::optional<XADiagnostic> diagnosticForOverride(CXCursor declaration, CXCursor overridden) {
        for (const XAOverrideRestrictionRow &row : kMethodsNotToOverride) {
            if (XAMethodDeclIsMethod(row.className, row.selector, row.isInstanceMethod, overridden)) {
                return listedMethodDiagnostic(declaration, row);
            }
        }
        const std::optional<std::string> comment =
            XAStringFromCXString(XALibclang::fn().clang_Cursor_getRawCommentText(overridden));
        if (comment && xa_lowercased(*comment).find(kRestrictionPhrase) != std::string::npos) {
            return documentedRestrictionDiagnostic(declaration, overridden, *comment);
        }
        return std::nullopt;
    }

    static XADiagnostic listedMethodDiagnostic(CXCursor declaration, const XAOverrideRestrictionRow &row) {
        const std::string displayName =
            std::string(row.isInstanceMethod ? "-" : "+") + "[" + row.className + " " + row.selector + "]";
        const XACodeSymbolRef symbol =
            XACodeSymbolRef::withObjCMethod(row.className, row.selector, row.isInstanceMethod);
        return diagnosticWithCursor(declaration,
                                    XAXMLString("<p>The <objcmethod>" + displayName +
                                                "</objcmethod> method should not be overridden.</p><p>See more about "
                                                "this from <docs data-ref=\"" +
                                                xa_escapedForXML(symbol.appleRef().value_or("")) +
                                                "\">the documentation for this method</docs>.</p>"),
                                    std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                    XADiagnosticConfidenceHigh);
    }

    static XADiagnostic documentedRestrictionDiagnostic(CXCursor declaration, CXCursor overridden,
                                                        const std::string &comment) {
        return diagnosticWithCursor(declaration,
                                    XAXMLString("<p>The <objcmethod>" + XACursorDisplayName(overridden).value_or("") +
                                                "</objcmethod> method should not be overridden.</p><p>The "
                                                "documentation for this method says:</p> <code>" +
                                                xa_escapedForXML(comment) + "</code>"),
                                    std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                    XADiagnosticConfidenceMedium);
    }
};

TESSARY_REGISTER_RULE(XARuleRestrictedMethodOverride)
