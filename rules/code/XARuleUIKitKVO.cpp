// Key-value observation of UIKit objects. UIKit's classes in general do not support key-value observing; where it
// happens to work it is undefined behaviour. A few documented observations are allowed, and by default so are
// subclasses written outside UIKit, which can implement key-value observing themselves.

#include "codemodel/clang/XAClassDeclarations.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XALiteralValues.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "core/XAPaths.h"
#include "engine/XARule.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char *kAllowSubclasses = "allowSubclasses";

struct XAAllowedObservation {
    const char *className;
    const char *keyPath;
};

// Observations that UIKit documents as supported.
constexpr XAAllowedObservation kAllowedObservations[] = {{"UIDocument", "userActivity"}};

} // namespace

struct XARuleUIKitKVO : XACursorRule<XARuleUIKitKVO> {
    static XAXMLString ruleName() { return XAXMLString("Observing UIKit object using KVO"); }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "The classes of the UIKit framework generally do not support key-value observing (KVO). Where it works "
            "for some properties it is undefined behaviour, which may stop working in future versions of UIKit.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "APIUsage"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Cocoa Core Competencies: Key-value observing",
                                              "https://developer.apple.com/library/archive/documentation/General/"
                                              "Conceptual/DevPedia-CocoaCore/KVO.html"),
                XAExternalLink::linkWithTitle("Stack Overflow: How to tell whether a property is KVO-compliant",
                                              "https://stackoverflow.com/search?q=KVO-compliant+property")};
    }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAllowSubclasses, "Allow observing custom UIKit subclasses",
            "Don’t warn about observing custom UIKit subclasses: KVO conformance can be manually implemented for them.",
            XAOptionValue(true), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCMessageExpr ||
            !XAMessageCallsMethod("NSObject", "addObserver:forKeyPath:options:context:", true, cursor)) {
            return {};
        }
        const CXCursor receiverClass = XAMessageReceiverClassDecl(cursor);
        if (receiverClass.kind != CXCursor_ObjCInterfaceDecl || !XAInheritsFromFrameworks({"UIKit"}, receiverClass)) {
            return {};
        }
        if (boolForOption(kAllowSubclasses, context) && !isDeclaredInUIKit(receiverClass)) {
            return {};
        }
        if (isAllowedObservation(receiverClass, observedKeyPath(cursor))) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, XACursorSpelling(receiverClass),
                                     XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                     XADiagnosticConfidenceMedium)};
    }

private:
    static bool isDeclaredInUIKit(CXCursor classDecl) {
        const std::vector<std::string> components = xa_pathComponents(XACursorFilePath(classDecl).value_or(""));
        return std::find(components.begin(), components.end(), "UIKit.framework") != components.end();
    }

    // The key path as a string literal or as NSStringFromSelector(@selector(...)); no value when it is neither.
    static std::optional<std::string> observedKeyPath(CXCursor message) {
        const CXCursor keyPath = XAStripParensCastsAndUnexposed(XAMessageReceiver(message, 1));
        if (keyPath.kind == CXCursor_ObjCStringLiteral) {
            return XAStringLiteralValue(keyPath);
        }
        if (XAIsCallToFunction("NSStringFromSelector", true, keyPath)) {
            return XASelectorExprString(XAStripParensCastsAndUnexposed(XAChildAtIndex(keyPath, 1)));
        }
        return std::nullopt;
    }

    static bool isAllowedObservation(CXCursor classDecl, const std::optional<std::string> &keyPath) {
        if (!keyPath) {
            return false;
        }
        std::vector<std::string> classNames = XASuperclassNames(classDecl);
        classNames.push_back(XACursorSpelling(classDecl).value_or(""));
        return std::any_of(std::begin(kAllowedObservations), std::end(kAllowedObservations),
                           [&](const XAAllowedObservation &allowed) {
                               return *keyPath == allowed.keyPath && std::find(classNames.begin(), classNames.end(),
                                                                               allowed.className) != classNames.end();
                           });
    }
};

TESSARY_REGISTER_RULE(XARuleUIKitKVO)
