// File references that point outside the version-control working copy of the project: such a file is not committed
// with the project, so another developer's clone lacks it.

#include "core/XAPaths.h"
#include "core/XAString.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XABuildSettingValues.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"

#include <algorithm>
#include <array>

namespace {

// References into the SDK, the developer tools and the build products are never part of a working copy.
bool isExemptSourceTree(const std::optional<std::string> &sourceTree) {
    static constexpr std::array<std::string_view, 3> exempt = {"SDKROOT", "DEVELOPER_DIR", "BUILT_PRODUCTS_DIR"};
    return sourceTree && std::find(exempt.begin(), exempt.end(), *sourceTree) != exempt.end();
}

} // namespace

struct XARuleFileRefOutsideVCS : XAProjectRule<XARuleFileRefOutsideVCS> {
    static XAXMLString ruleName() { return XAXMLString("Project reference to file outside version control root"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The project should not reference files outside the root of its version control working "
                           "copy.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.project() && context.project()->versionControlSystem() != XAVersionControlSystemNone;
    }
    static std::string applicationConditionDescription() {
        return "Applies to projects using one of these version control systems: " +
               xa_componentsJoinedByString(XAProject::allSupportedVersionControlSystemNames(), ", ") + ".";
    }
    static std::vector<std::string> tags() { return {"Recommended", "VCS"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        const std::shared_ptr<XAProject> &project = context.project();
        const std::optional<std::string> storedRoot = project ? project->versionControlRootPath() : std::nullopt;
        if (!storedRoot) {
            return diagnostics;
        }
        const std::string root = xa_stringByStandardizingPath(*storedRoot);
        const XAXMLString info("File referenced by project is outside the " +
                               XAProject::nameForVersionControlSystem(project->versionControlSystem()) +
                               " working copy root, which is at: <filepath>" + xa_escapedForXML(*storedRoot) +
                               "</filepath>");
        for (const std::shared_ptr<XAProjectFile> &file : project->files()) {
            if (!isOutsideWorkingCopy(*file, root)) {
                continue;
            }
            XADiagnostic diagnostic =
                diagnosticWithFile(*file->pathOnDisk(), info, std::nullopt, XADiagnosticImpactMaintainability,
                                   XADiagnosticSeverityError, XADiagnosticConfidenceAbsolute);
            // The checking run hides findings on files outside the working copy, which are all this rule reports.
            diagnostic.setExclusionResistance(1);
            diagnostics.push_back(std::move(diagnostic));
        }
        return diagnostics;
    }

    // Paths are compared by whole components: "/src/app-assets/x.png" is not inside "/src/app".
    static bool isOutsideWorkingCopy(const XAProjectFile &file, const std::string &root) {
        if (!file.pathOnDisk() || file.pathOnDisk()->empty()) {
            return false;
        }
        const std::string path = xa_stringByStandardizingPath(*file.pathOnDisk());
        return !xa_containsUnresolvedXcodeVariables(path) && !isExemptSourceTree(file.sourceTree()) &&
               !XAPathIsInsideOrEqual(path, root) && !xa_isSystemPath(path);
    }
};

TESSARY_REGISTER_RULE(XARuleFileRefOutsideVCS)
