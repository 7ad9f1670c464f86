// File references that the project records by absolute path: they work only on the computer where they were made,
// and the file is missing as soon as the project is cloned or moved.

#include "core/XAPaths.h"
#include "engine/XARule.h"
#include "project/XAProjectFile.h"

namespace {
constexpr const char *kAllowSystemPaths = "allowSystemPaths";
}

struct XARuleFileRefWithAbsPath : XAProjectRule<XARuleFileRefWithAbsPath> {
    static XAXMLString ruleName() { return XAXMLString("Project reference to file using absolute path"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The project should not reference files by absolute path: such a reference breaks as soon "
                           "as the project is moved to another developer's computer.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Config"}; }
    static std::vector<XARuleOption> options() {
        return {XARuleOption::ruleOptionWithName(kAllowSystemPaths, "Allow system paths",
                                                 "Do not warn about absolute references to system paths.",
                                                 XAOptionValue(false), XAOptionValueTypeBool)};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project()) {
            return diagnostics;
        }
        const bool allowSystemPaths = boolForOption(kAllowSystemPaths, context);
        const std::string projectFolder = context.project()->projectDiskRootPath();
        for (const std::shared_ptr<XAProjectFile> &file : context.project()->files()) {
            if (file->pathReferenceRoot() != "<absolute>" || !file->pathOnDisk()) {
                continue;
            }
            const std::string &path = *file->pathOnDisk();
            if (allowSystemPaths && xa_isSystemPath(path, {.projectFolder = projectFolder})) {
                continue;
            }
            XADiagnostic diagnostic = diagnosticWithFile(
                path, XAXMLString("Use a relative location for this file reference instead."), std::nullopt,
                XADiagnosticImpactMaintainability, XADiagnosticSeverityError, XADiagnosticConfidenceAbsolute);
            // A file outside the project folder lies outside the working copy as a rule: the checking run must not
            // hide the finding as one about a file that is not ours.
            if (!XAPathIsInsideOrEqual(xa_stringByStandardizingPath(path), projectFolder)) {
                diagnostic.setExclusionResistance(1);
            }
            diagnostics.push_back(std::move(diagnostic));
        }
        return diagnostics;
    }
};

TESSARY_REGISTER_RULE(XARuleFileRefWithAbsPath)
