// Property accessors called with brackets, and methods that are not property accessors called with dot syntax.

#include "codemodel/clang/XACursorMacros.h"
#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAMessageSends.h"
#include "codemodel/clang/XAMethodDeclarations.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {
constexpr const char *kOnlyForProperties = "onlyForProperties";
constexpr const char *kAllowedMethods = "allowedMethods";
constexpr const char *kAllowConstructors = "allowConstructors";
} // namespace

struct XARuleDotSyntax : XACursorRule<XARuleDotSyntax> {
    static XAXMLString ruleName() { return XAXMLString("Dot syntax usage"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns about <code>[obj foo]</code> or <code>[obj setFoo:x]</code> being used instead of "
                           "<code>obj.foo</code> or <code>obj.foo = x</code>.</p><p>The rule can also be configured to "
                           "enforce dot syntax only for accessors declared with the <code>@property</code> syntax, and "
                           "then also warns when dot syntax is used to invoke a method that is not such an "
                           "accessor.</p>");
    }
    static std::vector<std::string> tags() { return {"Style"}; }
    static std::vector<XARuleOption> options() {
        return {
            XARuleOption::ruleOptionWithName(kOnlyForProperties, "Enforce dot syntax only for properties",
                                             "Warn if the square bracket syntax is used to access a property, or if "
                                             "dot syntax is used to invoke a non-property accessor.",
                                             XAOptionValue(true), XAOptionValueTypeBool),
            XARuleOption::ruleOptionWithName(
                kAllowedMethods, "Square bracket syntax method whitelist",
                "Whitelist of Objective-C method names that are allowed to be called with the square bracket syntax.",
                XAOptionValue::stringArray({"new", "alloc", "release", "autorelease", "runModal", "retain",
                                            "setNeedsDisplay:", "becomeFirstResponder"}),
                XAOptionValueTypeStringArray),
            XARuleOption::ruleOptionWithName(kAllowConstructors, "Allow factory methods like +[NSArray array]",
                                             "Whitelist all class methods whose name is a suffix of the class name.",
                                             XAOptionValue(true), XAOptionValueTypeBool),
        };
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCMessageExpr, CXCursor_MemberRefExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        std::optional<XAXMLString> info;
        if (kind == CXCursor_MemberRefExpr) {
            info = dotSyntaxForNonPropertyInfo(cursor, context);
            if (!info) {
                return {};
            }
        } else if (kind != CXCursor_ObjCMessageExpr || !bracketsCallAccessor(cursor, context)) {
            return {};
        }
        if (XACursorIsInMacroExpansion(cursor)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::move(info), std::nullopt, XADiagnosticImpactStyle,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium)};
    }

private:
    static bool isPropertyAccessor(CXCursor method) { return XAIsPropertyAccessor(method); }

    // The info of dot syntax that calls a method that accesses no declared property; no value for anything else.
    static std::optional<XAXMLString> dotSyntaxForNonPropertyInfo(CXCursor memberRef, const XARuleContext &context) {
        if (!boolForOption(kOnlyForProperties, context)) {
            return std::nullopt;
        }
        const CXCursor method = XALibclang::fn().clang_getCursorReferenced(memberRef);
        if (method.kind != CXCursor_ObjCInstanceMethodDecl && method.kind != CXCursor_ObjCClassMethodDecl) {
            return std::nullopt; // a declared property, a struct field
        }
        if (isPropertyAccessor(method)) {
            return std::nullopt;
        }
        return XAXMLString("Dot syntax used for non-property accessor <objcmethod>" +
                           xa_escapedForXML(XAMethodDeclDisplayName(method).value_or("")) + "</objcmethod>.");
    }

    // A bracket send of a getter- or setter-shaped method to an instance of a known class.
    static bool bracketsCallAccessor(CXCursor message, const XARuleContext &context) {
        const CXCursor method = XALibclang::fn().clang_getCursorReferenced(message);
        if (isAllowedMethod(XACursorSpelling(message).value_or(""), context) || XAObjCMethodFamily(method) ||
            !(XAIsSetterMethodDecl(method) || XAIsGetterMethodDecl(method))) {
            return false;
        }
        if (!receiverIsInstanceOfKnownClass(message)) {
            return false;
        }
        if (boolForOption(kOnlyForProperties, context) && !isPropertyAccessor(method)) {
            return false;
        }
        return !(boolForOption(kAllowConstructors, context) && isFactoryMethodOfItsClass(method));
    }

    static bool isAllowedMethod(const std::string &selector, const XARuleContext &context) {
        const std::optional<XAOptionValue> allowed = valueForOption(kAllowedMethods, context);
        const XAOptionValue::Array *names = allowed ? allowed->array() : nullptr;
        return names && std::any_of(names->begin(), names->end(), [&](const XAOptionValue &name) {
                   return name.string() && *name.string() == selector;
               });
    }

    // Not a class named in the send ([NSBundle mainBundle], which libclang types as the interface), nor a receiver
    // typed id, Class or an unknown type.
    static bool receiverIsInstanceOfKnownClass(CXCursor message) {
        if (XAMessageReceiverKind(message) == CXTessaryMessageReceiver_Class) {
            return false;
        }
        const CXType type = XACursorType(XAExplicitMessageReceiver(message));
        const CXType underlying = XATypedefUnderlyingType(type);
        return !isIdOrUnknown(type) && !isIdOrUnknown(underlying) && type.kind != CXType_ObjCClass &&
               underlying.kind != CXType_ObjCClass;
    }

    // id, id<Protocol>, or a type libclang does not expose. The typedef step alone does not find id: libclang gives
    // the builtin typedef of id a pointer to an object type as its underlying type, so both are looked at.
    static bool isIdOrUnknown(CXType type) {
        if (type.kind == CXType_Unexposed || type.kind == CXType_ObjCId) {
            return true;
        }
        if (type.kind != CXType_ObjCObjectPointer) {
            return false;
        }
        const XALibclangFunctions &clang = XALibclang::fn();
        const CXType pointee = clang.clang_getPointeeType(type);
        return pointee.kind == CXType_Unexposed ||
               (pointee.kind == CXType_ObjCObject &&
                clang.clang_Type_getObjCObjectBaseType(pointee).kind == CXType_ObjCId);
    }

    // A class method named as a factory of the class (or category's class) that declares it: +[NSArray array].
    static bool isFactoryMethodOfItsClass(CXCursor method) {
        if (method.kind != CXCursor_ObjCClassMethodDecl) {
            return false;
        }
        CXCursor container = XAAncestorOfKinds(method, {CXCursor_ObjCInterfaceDecl, CXCursor_ObjCCategoryDecl});
        if (container.kind == CXCursor_ObjCCategoryDecl) {
            container = XAChildAtIndex(container, 0);
        }
        return xa_isFactoryMethodNameForClassName(XACursorSpelling(method).value_or(""),
                                                  XACursorSpelling(container).value_or(""));
    }
};

TESSARY_REGISTER_RULE(XARuleDotSyntax)
