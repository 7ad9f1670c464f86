// Dynamic libraries that an OS X target links with an absolute install name: the loader looks for such a library at
// that fixed place, so it cannot travel inside the application bundle. The install name is read from the library's
// own load commands.

#include "core/XAMachOInstallName.h"
#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XAFrameworkBinaries.h"
#include "engine/XARule.h"

struct XARuleDylibInstallName : XAProjectRule<XARuleDylibInstallName> {
    static XAXMLString ruleName() { return XAXMLString("Dynamic library install name"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns when the install name of a linked dynamic library is an absolute path. Install "
                           "names relative to <code>@loader_path</code>, <code>@executable_path</code> or "
                           "<code>@rpath</code> should be used instead, so that the library can be shipped inside "
                           "the application bundle.</p> <p>The <code>install_name_tool</code> command changes the "
                           "install name of a library.</p>");
    }
    static bool appliesToContext(XARuleContext &context) { return context.targetPlatform() == XAPlatformOSX; }
    static std::string applicationConditionDescription() { return "Applies to OS X targets."; }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {
            XAExternalLink::linkWithTitle(
                "Linking and Install Names",
                "https://www.mikeash.com/pyblog/friday-qa-2009-11-06-linking-and-install-names.html"),
            XAExternalLink::linkWithTitle("Dynamic Library Programming Topics",
                                          "https://developer.apple.com/library/archive/documentation/DeveloperTools/"
                                          "Conceptual/DynamicLibraries/000-Introduction/Introduction.html"),
        };
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        frameworkBinariesInBuildPhases(context, [&diagnostics](bool isDylib, const std::string &path) {
            if (!isDylib || xa_isSystemPath(path)) {
                return;
            }
            const std::optional<std::string> installName = XAMachOInstallNameOfFile(path);
            if (!installName || !installName->starts_with("/")) {
                return;
            }
            XADiagnostic diagnostic = diagnosticWithFile(
                path,
                XAXMLString("The install name of this dynamic library is <string>" + xa_escapedForXML(*installName) +
                            "</string>."),
                std::nullopt, XADiagnosticImpactFunctionality, XADiagnosticSeverityError, XADiagnosticConfidenceHigh);
            // The library ships with the product wherever it lies in the project, an excluded vendor folder included.
            diagnostic.setExclusionResistance(1);
            diagnostics.push_back(std::move(diagnostic));
        });
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleDylibInstallName)
