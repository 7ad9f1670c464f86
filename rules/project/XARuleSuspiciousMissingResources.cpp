// Files of the project that no target copies as a resource although files of their kind are only useful as
// resources: string tables in no target are never loaded by any product. The whole project is looked at, not only
// the checked target, so a table of another target is not reported.

#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

struct XARuleSuspiciousMissingResources : XAProjectRule<XARuleSuspiciousMissingResources> {
    static XAXMLString ruleName() { return XAXMLString("Suspicious missing bundle resources"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Warns when the project contains certain types of files that are not included into any "
                           "target as resources, but probably should be.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() { return {}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project()) {
            return diagnostics;
        }
        const std::vector<std::shared_ptr<XAProjectTarget>> targets = context.project()->targets();
        for (const std::shared_ptr<XAProjectFile> &file : context.project()->files()) {
            if (!file->isStringsFile() || isResourceOfAnyTarget(*file, targets)) {
                continue;
            }
            diagnostics.push_back(diagnosticWithFile(file->pathOnDisk(), std::nullopt, std::nullopt,
                                                     XADiagnosticImpactFunctionality, XADiagnosticSeverityWarning,
                                                     XADiagnosticConfidenceHigh));
        }
        return diagnostics;
    }

private:
    // Project elements are the same file when their object identifiers are equal.
    static bool isResourceOfAnyTarget(const XAProjectFile &file,
                                      const std::vector<std::shared_ptr<XAProjectTarget>> &targets) {
        return std::ranges::any_of(targets, [&](const std::shared_ptr<XAProjectTarget> &target) {
            return std::ranges::any_of(target->resourceFiles(), [&](const std::shared_ptr<XAProjectFile> &resource) {
                return resource->isEqual(file);
            });
        });
    }
};

TESSARY_REGISTER_RULE(XARuleSuspiciousMissingResources)
