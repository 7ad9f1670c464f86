// Properties of common mutable NSCopying types declared copy: -copy of such an object returns an immutable copy in
// many cases, so the property holds an immutable object and the first attempt to mutate it crashes. NSMutableString
// is not among the types looked at.

#include "codemodel/clang/XACursorNavigation.h"
#include "codemodel/clang/XACursorText.h"
#include "engine/XARule.h"

#include <algorithm>

namespace {

constexpr const char *kMutableClassNames[] = {
    "NSMutableAttributedString", "NSMutableArray",    "NSMutableDictionary", "NSMutableSet",
    "NSMutableOrderedSet",       "NSMutableIndexSet", "NSMutableData"};

bool hasMutableClassType(CXCursor property) {
    const CXCursor typeReference = XAChildAtIndex(property, 0);
    if (typeReference.kind != CXCursor_ObjCClassRef) {
        return false;
    }
    const std::string className = XACursorSpelling(typeReference).value_or("");
    return std::find(std::begin(kMutableClassNames), std::end(kMutableClassNames), className) !=
           std::end(kMutableClassNames);
}

} // namespace

struct XARuleCopyingMutableProperty : XACursorRule<XARuleCopyingMutableProperty> {
    static XAXMLString ruleName() {
        return XAXMLString("Copying property of mutable <objcprotocol>NSCopying</objcprotocol> type");
    }
    static XAXMLString ruleDescription() {
        return XAXMLString(
            "<p>Warns when copying semantics are specified in a property declaration for a common mutable "
            "<objcprotocol>NSCopying</objcprotocol> class type that has an immutable superclass (for example "
            "<objcclass>NSMutableArray</objcclass>).</p><p>In many cases <objcmethod>-copy</objcmethod> returns an "
            "immutable copy of such an object, which leads to a crash as soon as the property's value is "
            "mutated.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCPropertyDecl || !hasMutableClassType(cursor)) {
            return {};
        }
        const unsigned attributes = XALibclang::fn().clang_Cursor_getObjCPropertyAttributes(cursor, 0);
        if (!(attributes & CXObjCPropertyAttr_copy)) {
            return {};
        }
        const XAXMLString info("The <code>" + XACursorSpelling(cursor).value_or("") +
                               "</code> property is declared with <code>copy</code> semantics. This should be "
                               "<code>retain</code> or <code>strong</code> instead.");
        return {diagnosticWithCursor(cursor, info, std::nullopt, XADiagnosticImpactFunctionality,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleCopyingMutableProperty)
