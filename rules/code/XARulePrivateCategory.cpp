// Categories named "private" or "internal": such declarations belong in a class extension, for which the compiler
// warns about methods that are declared but not implemented.

#include "codemodel/clang/XACursorText.h"
#include "core/XAString.h"
#include "engine/XARule.h"

struct XARulePrivateCategory : XACursorRule<XARulePrivateCategory> {
    static XAXMLString ruleName() { return XAXMLString("Category used for “private” declarations"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("A class extension should be used instead, because they enable compiler warnings for "
                           "detecting unimplemented methods.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle(
            "Programming with Objective-C: Customizing Existing Classes",
            "https://developer.apple.com/library/archive/documentation/Cocoa/Conceptual/ProgrammingWithObjectiveC/"
            "CustomizingExistingClasses/CustomizingExistingClasses.html")};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCCategoryDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &, const XACompilationInfo &) {
        if (kind != CXCursor_ObjCCategoryDecl) {
            return {};
        }
        // A class extension has no name.
        const std::string name = xa_lowercased(XACursorSpelling(cursor).value_or(""));
        if (name != "private" && name != "internal") {
            return {};
        }
        return {diagnosticWithCursor(cursor, std::nullopt, std::nullopt, XADiagnosticImpactMaintainability,
                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium)};
    }
};

TESSARY_REGISTER_RULE(XARulePrivateCategory)
