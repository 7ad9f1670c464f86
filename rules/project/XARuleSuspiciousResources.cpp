// Files among the checked target's bundle resources that are needed only while building or developing: Xcode build
// configuration files and the checker's own configuration files. Copying them into the product is almost always a
// slip of a target-membership checkbox.

#include "core/XAAppVersion.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

struct XARuleSuspiciousResources : XAProjectRule<XARuleSuspiciousResources> {
    static XAXMLString ruleName() { return XAXMLString("Suspicious bundle resources"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("Files that belong to the project but are needed only at build or development time, such "
                           "as Xcode build configuration files (<code>.xcconfig</code>), may be added to the bundle "
                           "resources by mistake.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.projectTarget()) {
            return diagnostics;
        }
        for (const std::shared_ptr<XAProjectFile> &file : context.projectTarget()->resourceFiles()) {
            const std::optional<std::string> kind = buildTimeKindOfFile(*file);
            if (!kind) {
                continue;
            }
            diagnostics.push_back(diagnosticWithFile(file->pathOnDisk(),
                                                     XAXMLString("It is unlikely that this " + *kind +
                                                                 " should be a resource file that is copied into the "
                                                                 "bundle."),
                                                     std::nullopt, XADiagnosticImpactMaintainability,
                                                     XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium));
        }
        return diagnostics;
    }

private:
    // What the file is, when it is a file that only the build or the checker reads.
    static std::optional<std::string> buildTimeKindOfFile(const XAProjectFile &file) {
        if (file.isXcodeConfigFile()) {
            return "Xcode build configuration file";
        }
        if (XAProject::filenameIsTessaryConfigFile(file.basename())) {
            return std::string(XAApplicationName) + " configuration file";
        }
        return std::nullopt;
    }
};

TESSARY_REGISTER_RULE(XARuleSuspiciousResources)
