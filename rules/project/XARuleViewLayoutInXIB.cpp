// Views that Xcode marked as misplaced or as having an ambiguous layout in XIB and storyboard files that use auto
// layout. Only Xcode's own marks in the files are read: a view Xcode has not looked at yet is not found.

#include "engine/XARule.h"
#include "project/XAXIB.h"

struct XARuleViewLayoutInXIB : XAProjectRule<XARuleViewLayoutInXIB> {
    static XAXMLString ruleName() { return XAXMLString("Erroneous view layout in XIB"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("<p>Warns about views that are marked as \u2018misplaced\u2019 or \u2018ambiguous\u2019 in "
                           "XIBs or storyboards that use auto layout.</p><p>This rule relies on annotations that "
                           "Xcode adds to the files, so views that Xcode has not annotated yet yield no "
                           "diagnostics.</p>");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        for (const std::shared_ptr<const XAXIB> &xib : context.XIBsForCheckedTarget()) {
            if (!xib->usesAutolayout()) {
                continue;
            }
            for (const std::shared_ptr<const XAXIBView> &view : xib->allViews()) {
                const XAXMLString description(view->viewIdentifierForUser());
                if (view->isMisplaced()) {
                    diagnostics.push_back(
                        layoutDiagnostic(*xib, description,
                                         "Misplaced view: " + description.xmlString() +
                                             " \u2014 the frame of this view will be different at runtime."));
                }
                if (view->layoutIsAmbiguous()) {
                    diagnostics.push_back(
                        layoutDiagnostic(*xib, description,
                                         "Ambiguous view: " + description.xmlString() +
                                             " \u2014 the position and size of this view are ambiguous."));
                }
            }
        }
        return diagnostics;
    }

private:
    static XADiagnostic layoutDiagnostic(const XAXIB &xib, const XAXMLString &description, const std::string &info) {
        return diagnosticWithFile(xib.filePath(), XAXMLString(info), description.plainString(),
                                  XADiagnosticImpactMaintainability, XADiagnosticSeverityWarning,
                                  XADiagnosticConfidenceAbsolute);
    }
};

TESSARY_REGISTER_RULE(XARuleViewLayoutInXIB)
