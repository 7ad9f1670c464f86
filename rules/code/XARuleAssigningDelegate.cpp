// Delegate properties declared assign (or unsafe_unretained) in code compiled with ARC, where weak is safer: a weak
// reference becomes nil when the delegate goes away, an assigned one dangles. A header that some file compiled
// without ARC also includes cannot use weak for that file, so its delegate properties are left alone altogether: the
// files without ARC record a suppression for each such declaration, handed to the engine at the end of the run.

#include "codemodel/XACompilationInfo.h"
#include "codemodel/clang/XACursorText.h"
#include "codemodel/clang/XAPropertyDeclarations.h"
#include "codemodel/clang/XASymbolPrefixes.h"
#include "codemodel/clang/XATypeQueries.h"
#include "engine/XADiagnosticSuppression.h"
#include "engine/XARule.h"

namespace {
constexpr const char *kAllowUnsafeUnretained = "allowUnsafeUnretained";
constexpr const char *kSuppressionsKey = "AssigningDelegate_Suppressions";
} // namespace

struct XARuleAssigningDelegate : XACursorRule<XARuleAssigningDelegate> {
    static XAXMLString ruleName() { return XAXMLString("Assigning delegate property"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Delegate properties should be declared <codesymbol>weak</codesymbol> instead of "
                           "<codesymbol>assign</codesymbol>: weak references become nil when the referenced object "
                           "is deallocated, so they never dangle.</p><p>This rule applies only to code compiled with "
                           "ARC.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "BestPractice"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(
            kAllowUnsafeUnretained, "Allow unsafe_unretained delegates",
            "Don’t warn about assigning delegates that are declared with the unsafe_unretained attribute.",
            XAOptionValue(false), XAOptionValueTypeBool)};
    }
    static std::vector<int> cursorKinds() { return {CXCursor_ObjCPropertyDecl}; }

    static XADiagnostics applyToCursor(CXCursor cursor, int kind, XARuleContext &context,
                                       const XACompilationInfo &compilationInfo) {
        if (kind != CXCursor_ObjCPropertyDecl) {
            return {};
        }
        const std::string name = XACursorSpelling(cursor).value_or("");
        if (!xa_isDelegateGetterOrPropertyName(name) || !XAIsObjCRetainableTypeKind(XACursorTypeKind(cursor)) ||
            !isAssigning(XAPropertyOwnershipAttribute(compilationInfo.isUsingARC(), cursor), context)) {
            return {};
        }
        if (compilationInfo.isUsingARC()) {
            return {diagnosticWithCursor(cursor, std::nullopt, name, XADiagnosticImpactFunctionality,
                                         XADiagnosticSeverityWarning, XADiagnosticConfidenceHigh)};
        }
        if (XACursorIsInHeaderFile(cursor)) {
            if (std::optional<XADiagnosticSuppression> suppression =
                    XADiagnosticSuppression::suppressionForValidatedRuleNames({ruleShortName()}, cursor)) {
                context.stateStore().addValueToStateList(std::move(*suppression), kSuppressionsKey);
            }
        }
        return {};
    }

    // The suppressions of the rule's option, then one per delegate declaration that a file without ARC saw.
    static std::vector<XADiagnosticSuppression> diagnosticSuppressionsWithContext(XARuleContext &context) {
        std::vector<XADiagnosticSuppression> suppressions =
            XARuleDiagnosticSuppressionsWithContext(descriptor(), context);
        if (std::optional<std::vector<XADiagnosticSuppression>> recorded =
                context.stateStore().copyOfStateList<XADiagnosticSuppression>(kSuppressionsKey)) {
            suppressions.insert(suppressions.end(), recorded->begin(), recorded->end());
        }
        return suppressions;
    }

private:
    static bool isAssigning(unsigned ownership, const XARuleContext &context) {
        if (ownership == CXObjCPropertyAttr_assign) {
            return true;
        }
        return ownership == CXObjCPropertyAttr_unsafe_unretained && !boolForOption(kAllowUnsafeUnretained, context);
    }
};

TESSARY_REGISTER_RULE(XARuleAssigningDelegate)
