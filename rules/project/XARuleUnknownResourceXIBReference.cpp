// Resources, mostly images, that the checked target's XIB and storyboard files name but that the built product does
// not contain: a misspelt name, or one that differs in letter case, which the case-sensitive file system of a device
// does not forgive. The same lookup as for names in code: asset catalogs, scale and device variants, the Base and
// development-region folders, and image names without their extension.

#include "core/XAXMLText.h"
#include "engine/XAResourceRuleSupport.h"
#include "engine/XARule.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectTarget.h"
#include "project/XAXIB.h"

struct XARuleUnknownResourceXIBReference : XAProjectRule<XARuleUnknownResourceXIBReference> {
    static XAXMLString ruleName() { return XAXMLString("XIB refers to unknown resource"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Resources that are loaded from disk at run time must be included in the bundle "
                           "resources under the correct path. Unlike most Macs and the simulators that run on them, "
                           "iOS devices have a case-sensitive file system.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.projectTarget() && context.projectTarget()->targetTypeIsAnAppOrAppExtension();
    }
    static std::string applicationConditionDescription() { return "Applies to application targets."; }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project() || !context.projectTarget() || !context.projectBuildConfig() || !context.build()) {
            return diagnostics;
        }
        const XAPlatform platform =
            context.project()->platformForTarget(*context.projectTarget(), context.projectBuildConfig()->name());
        for (const std::shared_ptr<const XAXIB> &xib : context.XIBsForCheckedTarget()) {
            for (const XAXIBResourceReference &reference : xib->resourcePathReferences()) {
                if (isUnknownResource(reference, platform, context)) {
                    diagnostics.push_back(unknownResourceDiagnostic(*xib, reference, context));
                }
            }
        }
        return diagnostics;
    }

private:
    static bool isImage(const XAXIBResourceReference &reference) {
        return reference.resourceType() == XAXIBResourceTypeImage;
    }

    // Empty names and resources the platform provides or needs are not looked for.
    static bool isUnknownResource(const XAXIBResourceReference &reference, XAPlatform platform,
                                  const XARuleContext &context) {
        const std::string &path = reference.resourcePath();
        if (path.empty() || XAIsImplicitlyUsedResourcePath(path, platform, isImage(reference))) {
            return false;
        }
        const std::optional<std::vector<std::string>> optionalExtensions =
            isImage(reference) ? XAImageFileExtensionsForPlatform(context.targetPlatform()) : std::nullopt;
        return !context.project()->containsResourcePath(path, optionalExtensions, *context.build(), isImage(reference));
    }

    static XADiagnostic unknownResourceDiagnostic(const XAXIB &xib, const XAXIBResourceReference &reference,
                                                  const XARuleContext &context) {
        const std::string &path = reference.resourcePath();
        std::string info = xib.typeDisplayName() + " references unknown resource named <string>" +
                           xa_escapedForXML(path) + "</string>";
        if (const std::string typeName = reference.resourceTypeName(); !typeName.empty()) {
            info += " (" + typeName + ")";
        }
        if (const std::optional<std::string> suggestion =
                context.project()->suggestionForUnknownResourcePath(path, *context.build(), isImage(reference))) {
            info += " Did you mean <string>" + xa_escapedForXML(*suggestion) + "</string>?";
        }
        return diagnosticWithFile(xib.filePath(), XAXMLString("<p>" + info + "</p>"), path,
                                  XADiagnosticImpactFunctionality, XADiagnosticSeverityError,
                                  context.projectWasFullyBuilt() ? XADiagnosticConfidenceHigh
                                                                 : XADiagnosticConfidenceMedium);
    }
};

TESSARY_REGISTER_RULE(XARuleUnknownResourceXIBReference)
