// Objective-C classes whose names carry no prefix, which makes them likely to collide with the names of other code.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "engine/XARule.h"

struct XARuleUnprefixedClass : XACursorRule<XARuleUnprefixedClass> {
    static XAXMLString ruleName() { return XAXMLString("Unprefixed Objective-C class"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when an Objective-C class name has no prefix (e.g. <code>Thing</code> instead of "
                           "<code>TQXThing</code>).");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Style", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCInterfaceDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCInterfaceDecl) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        if (xa_objCClassNamePrefix(name) || XAIsClassRefOrRootInterface(cursor) ||
            startsWithProjectClassPrefix(name, context)) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, name, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }

private:
    // The project's class prefix counts whatever its form ("Th" for "Thing"), compared case-sensitively.
    static bool startsWithProjectClassPrefix(const std::string &name, const XARuleContext &context) {
        const std::optional<std::string> classPrefix =
            context.project() ? context.project()->classPrefix() : std::nullopt;
        return classPrefix && !classPrefix->empty() && name.starts_with(*classPrefix);
    }
};

TESSARY_REGISTER_RULE(XARuleUnprefixedClass)
