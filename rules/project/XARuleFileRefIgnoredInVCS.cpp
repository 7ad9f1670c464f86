// File references whose files lie inside the Git working copy but are ignored by the repository's ignore rules: such
// a file is never committed, so the project breaks in any other clone.

#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XABuildSettingsOutput.h"
#include "project/XAProject.h"
#include "project/XAProjectBuildConfiguration.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

struct XARuleFileRefIgnoredInVCS : XAProjectRule<XARuleFileRefIgnoredInVCS> {
    static XAXMLString ruleName() { return XAXMLString("Project reference to file ignored in the VCS"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("The project should not reference files that the version control system ignores.");
    }
    static bool appliesToContext(XARuleContext &context) {
        return context.project() && context.project()->versionControlSystem() == XAVersionControlSystemGit;
    }
    static std::string applicationConditionDescription() { return "Applies to projects under Git version control."; }
    static std::vector<std::string> tags() { return {"Recommended", "VCS"}; }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        const std::shared_ptr<XAProject> &project = context.project();
        // Without a repository (one that could not be opened) nothing can be asked.
        const std::shared_ptr<XAVCSRepository> repository = project ? project->versionControlRepository() : nullptr;
        const std::optional<std::string> storedRoot = project ? project->versionControlRootPath() : std::nullopt;
        if (!repository || !storedRoot) {
            return diagnostics;
        }
        const std::string root = xa_stringByStandardizingPath(*storedRoot);
        const XABuildSettings settings = buildSettingsOfRun(context);
        const bool isGit = project->versionControlSystem() == XAVersionControlSystemGit;
        for (const std::shared_ptr<XAProjectFile> &file : project->files()) {
            const std::optional<std::string> resolvedPath = ignoredResolvedPath(*file, settings, root, *repository);
            if (!resolvedPath) {
                continue;
            }
            const std::string hint = isGit ? "You can use the following command to determine which ignore rule "
                                             "applies to the file: <code>git check-ignore -v \"" +
                                                 xa_escapedForXML(*resolvedPath) + "\"</code>"
                                           : "";
            XADiagnostic diagnostic = diagnosticWithFile(
                *file->pathOnDisk(), XAXMLString("This file is ignored in the VCS. " + hint), std::nullopt,
                XADiagnosticImpactMaintainability, XADiagnosticSeverityError, XADiagnosticConfidenceAbsolute);
            // A stored path through a build setting does not look inside the working copy, where its resolved path
            // lies; the checking run must not hide the finding as one about a file that is not ours.
            if (!XAPathIsInsideOrEqual(xa_stringByStandardizingPath(*file->pathOnDisk()), root)) {
                diagnostic.setExclusionResistance(1);
            }
            diagnostics.push_back(std::move(diagnostic));
        }
        return diagnostics;
    }

    static XABuildSettings buildSettingsOfRun(const XARuleContext &context) {
        if (!context.projectTarget() || !context.projectBuildConfig()) {
            return {};
        }
        const std::shared_ptr<const XABuildSettings> settings = context.project()->resolvedBuildSettingsForTarget(
            *context.projectTarget(), context.projectBuildConfig()->name());
        return settings ? *settings : XABuildSettings{};
    }

    // The reference's path with its build settings resolved and standardised, when the repository ignores it; no
    // value for references this rule leaves alone.
    static std::optional<std::string> ignoredResolvedPath(const XAProjectFile &file, const XABuildSettings &settings,
                                                          const std::string &root, XAVCSRepository &repository) {
        if (!file.pathOnDisk() || file.pathOnDisk()->empty() || !file.isIncludedInXcodeIndex()) {
            return std::nullopt;
        }
        const std::optional<std::string> sourceTree = file.sourceTree();
        if (sourceTree && (*sourceTree == "SDKROOT" || *sourceTree == "BUILT_PRODUCTS_DIR")) {
            return std::nullopt;
        }
        const std::string path = xa_stringByStandardizingPath(
            XABuildSettingValueText(stringByResolvingBuildSettingReferencesInString(*file.pathOnDisk(), settings)));
        // Files outside the working copy (compared by whole components) are another rule's business; the files of
        // dependency managers are never reported.
        if (!XAPathIsInsideOrEqual(path, root) || isInsideDependencyManagerFolder(path) ||
            !repository.pathIsIgnored(path)) {
            return std::nullopt;
        }
        return path;
    }

    static bool isInsideDependencyManagerFolder(const std::string &path) {
        const std::vector<std::string> components = xa_pathComponents(path);
        return std::any_of(components.begin(), components.end(),
                           [](const std::string &component) { return component == "Pods" || component == "Carthage"; });
    }
};

TESSARY_REGISTER_RULE(XARuleFileRefIgnoredInVCS)
