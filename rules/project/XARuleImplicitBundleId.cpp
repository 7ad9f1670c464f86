// A bundle identifier in the target's Info.plist built from build-time variables around fixed text, such as a fixed
// reverse-domain prefix followed by the product name. The store needs an explicit identifier that matches the one
// registered there, and renaming the product would silently change it. An identifier made of nothing but variable
// references (the modern template's $(PRODUCT_BUNDLE_IDENTIFIER)) is left alone.

#include "codemodel/XABuild.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"

struct XARuleImplicitBundleId : XAProjectRule<XARuleImplicitBundleId> {
    static XAXMLString ruleName() { return XAXMLString("Implicit bundle identifier"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Choose an explicit bundle identifier: before publishing, an explicit matching value must "
                           "be chosen in the store's developer portal, while Xcode by default makes the identifier "
                           "depend on the <code>PRODUCT_NAME</code> variable.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config", "BestPractice"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        if (!context.build() || !context.build()->infoPlistDictionary()) {
            return {};
        }
        const XAValue *value = context.build()->infoPlistDictionary()->get("CFBundleIdentifier");
        const std::string *identifier = value ? value->string() : nullptr;
        if (!identifier || !xa_containsUnresolvedXcodeVariables(*identifier) ||
            xa_trimmed(xa_stringByDeletingUnresolvedXcodeVariables(*identifier)).empty()) {
            return {};
        }
        return {diagnosticWithFile(
            std::nullopt,
            XAXMLString("The value of the <code>Bundle identifier</code> is <string>" + xa_escapedForXML(*identifier) +
                        "</string>. Choose an explicit value to remove dependencies to "
                        "build-time variables."),
            std::nullopt, XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern, XADiagnosticConfidenceHigh)};
    }
};

TESSARY_REGISTER_RULE(XARuleImplicitBundleId)
