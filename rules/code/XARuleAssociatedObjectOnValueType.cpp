// objc_setAssociatedObject() on an instance of a value-like class: such instances may be shared (de-duplicated) or
// immortal (tagged pointers), so what is attached leaks onto every user of the same instance or is never freed.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XASymbolIdentity.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XARule.h"

#include <set>
#include <string>

struct XARuleAssociatedObjectOnValueType : XACursorRule<XARuleAssociatedObjectOnValueType> {
    static XAXMLString ruleName() { return XAXMLString("Associated object on value-like type"); }

    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when associated objects are attached to instances of value-like types such as "
            "<objcclass>NSNumber</objcclass> or <objcclass>UIFont</objcclass>.</p> <p>Instances of these classes "
            "may be shared or immortal because of de-duplication and tagged pointers: an object associated with one "
            "of them shows up on every other use of the same instance, or is never released.</p>");
    }

    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }

    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Mike Ash: Friday Q&A 2012-07-27: Let's Build Tagged Pointers",
            "https://www.mikeash.com/pyblog/friday-qa-2012-07-27-lets-build-tagged-pointers.html")};
    }

    static std::vector<int> cursorKinds() { return {CXCursor_CallExpr}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_CallExpr || !XAIsCallToFunction("objc_setAssociatedObject", true, cursor)) {
            return {};
        }
        // Child 0 is the callee; the object comes first among the arguments. A cast is looked through, so that the
        // declared type of the object decides.
        const CXCursor object = XAStripParensCastsAndUnexposed(XAChildAtIndex(cursor, 1));
        const std::optional<std::string> className = valueLikeClassName(object);
        if (!className) {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, *className, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityError, XADiagnosticConfidenceMedium)};
    }

private:
    // The class name when the expression is typed as a pointer to exactly one of the value-like classes.
    static std::optional<std::string> valueLikeClassName(CXCursor object) {
        static const std::set<std::string> valueLikeClassNames = {"NSNumber", "NSDate",  "NSString", "NSFont",
                                                                  "UIFont",   "NSColor", "UIColor"};
        if (XAIsNullCursor(object)) {
            return std::nullopt;
        }
        const CXType type = XACursorType(object);
        if (!XAIsObjCRetainableTypeKind(type.kind)) {
            return std::nullopt;
        }
        const CXType pointee = XAPlainType(XALibclang::fn().clang_getPointeeType(type));
        if (pointee.kind != CXType_ObjCInterface) {
            return std::nullopt;
        }
        const std::optional<std::string> name = XATypeSpelling(pointee);
        if (!name || !valueLikeClassNames.contains(*name)) {
            return std::nullopt;
        }
        return name;
    }
};

TESSARY_REGISTER_RULE(XARuleAssociatedObjectOnValueType)
