// Messages that call a method of a system class which only the framework itself is meant to call, such as
// -[UIView layoutSubviews]. An override that calls the superclass's implementation of the same method is never
// reported; by default neither is a call to self or super from a subclass.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAObjCMethod.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <cctype>

namespace {

constexpr const char *kAllowInSubclass = "allowInSubclass";

struct XARestrictedMethodRow {
    const char *className;
    const char *selector;
    bool isInstanceMethod = true;
};

constexpr XARestrictedMethodRow kRestrictedMethods[] = {
    {"UIView", "layoutSubviews"},
    {"UITextField", "borderRectForBounds:"},
    {"UITextField", "clearButtonRectForBounds:"},
    {"UITextField", "drawPlaceholderInRect:"},
    {"UITextField", "drawTextInRect:"},
    {"UITextField", "editingRectForBounds:"},
    {"UITextField", "leftViewRectForBounds:"},
    {"UITextField", "rightViewRectForBounds:"},
    {"UITextField", "placeholderRectForBounds:"},
    {"UITextField", "textRectForBounds:"},
    {"UILabel", "drawTextInRect:"},
    {"UILabel", "textRectForBounds:limitedToNumberOfLines:"},
    {"UISlider", "maximumValueImageRectForBounds:"},
    {"UISlider", "minimumValueImageRectForBounds:"},
    {"UISlider", "thumbRectForBounds:trackRect:value:"},
    {"UISlider", "trackRectForBounds:"},
    {"UIDocument", "autosaveWithCompletionHandler:"},
    {"MKAnnotationView", "setSelected:animated:"},
    {"UIWindow", "becomeKeyWindow"},
    {"UIWindow", "resignKeyWindow"},
    {"NSResponder", "becomeFirstResponder"},
    {"NSResponder", "resignFirstResponder"},
    {"NSClipView", "autoscroll:"},
    {"NSMatrix", "makeCellAtRow:column:"},
    {"NSMatrix", "mouseDown:"},
    {"NSThread", "main"},
    {"NSTextFieldCell", "setUpFieldEditorAttributes:"},
    {"NSSliderCell", "drawBarInside:flipped:"},
    {"NSSliderCell", "drawKnob:"},
    {"NSSliderCell", "knobRectFlipped:"},
    {"NSTextView", "drawInsertionPointInRect:color:turnedOn:"},
    {"NSTimeZone", "timeZoneWithName:data:", false},
    {"NSTimeZone", "initWithName:data:"},
    {"NSButtonCell", "drawBezelWithFrame:inView:"},
    {"NSButtonCell", "drawImage:withFrame:inView:"},
    {"NSButtonCell", "drawTitle:withFrame:inView:"},
    {"NSSegmentedCell", "drawSegment:inFrame:withView:"},
    {"NSImage", "drawRepresentation:inRect:"},
    {"NSView", "discardCursorRects"},
    {"NSView", "resetCursorRects"},
    {"NSView", "shouldDelayWindowOrderingForEvent:"},
    {"NSWindowController", "setDocument:"},
    {"NSWindowController", "setDocumentEdited:"},
    {"NSWindowController", "loadWindow"},
    {"NSWindow", "becomeKeyWindow"},
    {"NSWindow", "becomeMainWindow"},
    {"NSWindow", "resignKeyWindow"},
    {"NSWindow", "resignMainWindow"},
    {"NSWindow", "sendEvent:"},
    {"NSMenu", "helpRequested:"},
    {"NSMenu", "setSupermenu:"},
    {"NSMenu", "submenuAction:"},
    {"NSTextInputContext", "activate"},
    {"NSTextInputContext", "deactivate"},
    {"NSPort", "addConnection:toRunLoop:forMode:"},
    {"NSPort", "removeConnection:fromRunLoop:forMode:"},
    {"NSPort", "scheduleInRunLoop:forMode:"},
    {"NSPort", "removeFromRunLoop:forMode:"},
    {"NSPort", "sendBeforeDate:components:from:reserved:"},
    {"NSPort", "sendBeforeDate:msgid:components:from:reserved:"},
    {"CAOpenGLLayer", "copyCGLContextForPixelFormat:"},
    {"CAOpenGLLayer", "copyCGLPixelFormatForDisplayMask:"},
    {"CAOpenGLLayer", "releaseCGLContext:"},
    {"CAOpenGLLayer", "releaseCGLPixelFormat:"},
    {"SBObject", "elementArrayWithCode:"},
    {"SBObject", "propertyWithCode:"},
    {"SBObject", "setTo:"},
    {"SBObject", "propertyWithClass:code:"},
};

// Properties whose setters only the framework calls.
struct XARestrictedPropertyRow {
    const char *className;
    const char *propertyName;
};

constexpr XARestrictedPropertyRow kRestrictedPropertySetters[] = {
    {"MKAnnotationView", "annotation"}, {"MKAnnotationView", "highlighted"}, {"MKAnnotationView", "selected"}};

// "set" and the name with its first letter in upper case and the rest in lower case, and a colon.
std::string setterSelector(std::string_view propertyName) {
    std::string selector = "set";
    for (std::size_t index = 0; index < propertyName.size(); ++index) {
        const unsigned char c = static_cast<unsigned char>(propertyName[index]);
        selector.push_back(static_cast<char>(index == 0 ? std::toupper(c) : std::tolower(c)));
    }
    return selector + ":";
}

} // namespace

struct XARuleRestrictedDirectMethodCall : XACursorRule<XARuleRestrictedDirectMethodCall> {
    static XAXMLString ruleName() { return XAXMLString("Restricted direct method call"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Some methods of system classes should not be called directly. Overriding methods that "
                           "call the superclass implementation are not reported.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowInSubclass, "Allow direct calls from subclasses",
                                                 "Do not warn if the called restricted method is defined in a "
                                                 "superclass.",
                                                 XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr) {
            return {};
        }
        const XAObjCMethod *method = firstMatchingMethod(cursor);
        if (!method) {
            return {};
        }
        const int receiverKind = XAMessageReceiverKind(cursor);
        const int superKind = method->isInstanceMethod() ? 4 : 3;
        if (receiverKind == superKind && isInOverrideOf(*method, cursor)) {
            return {};
        }
        if (boolForOption(kAllowInSubclass, context) &&
            (receiverKind == superKind || XAIsSelfExpr(XAExplicitMessageReceiver(cursor)))) {
            return {};
        }
        const std::optional<XACodeSymbolRef> symbol = method->codeSymbolRef();
        const std::string documentation = symbol ? symbol->appleRef().value_or("") : "";
        return {diagnosticWithCursor(
            cursor,
            XAXMLString("<p>The <objcmethod>" + method->displayName() +
                        "</objcmethod> method should not be called directly.</p><p>See more "
                        "about this from <docs data-ref=\"" +
                        xa_escapedForXML(documentation) + "\">the documentation for this method</docs>.</p>"),
            std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
    }

private:
    // The written-out methods, then the setters of the restricted properties.
    static const std::vector<XAObjCMethod> &restrictedMethods() {
        static const std::vector<XAObjCMethod> methods = [] {
            std::vector<XAObjCMethod> table;
            for (const XARestrictedMethodRow &row : kRestrictedMethods) {
                table.push_back(XAObjCMethod::methodWithClassName(row.className, row.selector, row.isInstanceMethod));
            }
            for (const XARestrictedPropertyRow &row : kRestrictedPropertySetters) {
                table.push_back(
                    XAObjCMethod::methodWithClassName(row.className, setterSelector(row.propertyName), true));
            }
            return table;
        }();
        return methods;
    }

    static const XAObjCMethod *firstMatchingMethod(CXCursor message) {
        for (const XAObjCMethod &method : restrictedMethods()) {
            if (method.matchesMessageExpr(message)) {
                return &method;
            }
        }
        return nullptr;
    }

    // The message stands in a method of the same kind and selector: an override calling the superclass's version.
    static bool isInOverrideOf(const XAObjCMethod &method, CXCursor message) {
        const CXCursor enclosing = XAAncestorOfKinds(
            message, {method.isInstanceMethod() ? CXCursor_ObjCInstanceMethodDecl : CXCursor_ObjCClassMethodDecl});
        return XACursorSpelling(enclosing).value_or("") == method.methodName();
    }
};

TESSARY_REGISTER_RULE(XARuleRestrictedDirectMethodCall)
