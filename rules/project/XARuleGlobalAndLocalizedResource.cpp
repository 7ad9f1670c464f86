// Resources of the product bundle that exist both globally and inside a language folder. The bundle lookups return a
// global resource before any language-specific one, so the localised versions are never used.

#include "core/XAPaths.h"
#include "core/XAXMLText.h"
#include "engine/XARule.h"
#include "project/XAProject.h"
#include "project/XAProjectFile.h"

#include <set>

namespace {

bool isLanguageFolderName(const std::string &component) { return xa_pathExtension(component) == "lproj"; }

bool isLocalizedPath(const std::string &path) {
    for (const std::string &component : xa_pathComponents(path)) {
        if (isLanguageFolderName(component)) {
            return true;
        }
    }
    return false;
}

// The path the resource would have outside every language folder: the folder that holds the first language folder,
// then the components after it without further language folders ("Extras/en.lproj/Images/a.png" gives
// "Extras/Images/a.png"; a language folder itself gives "").
std::string globalEquivalentOfLocalizedPath(const std::string &path) {
    const std::vector<std::string> components = xa_pathComponents(path);
    if (components.empty() || isLanguageFolderName(components.back())) {
        return "";
    }
    std::string global;
    for (const std::string &component : components) {
        if (!isLanguageFolderName(component)) {
            global = global.empty() ? component : global + "/" + component;
        }
    }
    return xa_stringByStandardizingPath(global);
}

} // namespace

struct XARuleGlobalAndLocalizedResource : XAProjectRule<XARuleGlobalAndLocalizedResource> {
    static XAXMLString ruleName() { return XAXMLString("Global and localized resource"); }
    static XAXMLString ruleDescription() {
        return XAXMLString("A resource should never exist in both a global and a localized version, since global "
                           "resources take precedence over language-specific ones. The platform's bundle lookups then "
                           "never return the language-specific versions.");
    }
    static std::vector<std::string> tags() { return {"Recommended", "Resources"}; }
    static std::vector<XAExternalLink> externalLinks() {
        return {XAExternalLink::linkWithTitle("Bundle Programming Guide: Accessing a Bundle’s Contents",
                                              "https://developer.apple.com/library/archive/documentation/"
                                              "CoreFoundation/Conceptual/CFBundles/AccessingaBundlesContents/"
                                              "AccessingaBundlesContents.html")};
    }

    static XADiagnostics applyWithContext(XARuleContext &context) {
        XADiagnostics diagnostics;
        if (!context.project() || !context.build()) {
            return diagnostics;
        }
        // A sorted set: the localised paths are visited in sorted order.
        const std::shared_ptr<const std::set<std::string>> resourcePaths =
            context.project()->standardizedCompleteResourcePathsInBuild(*context.build());
        std::set<std::string> globalPaths;
        for (const std::string &path : *resourcePaths) {
            if (!isLocalizedPath(path)) {
                globalPaths.insert(path);
            }
        }
        for (const std::string &path : *resourcePaths) {
            if (!isLocalizedPath(path)) {
                continue;
            }
            const std::string global = globalEquivalentOfLocalizedPath(path);
            if (!globalPaths.contains(global)) {
                continue;
            }
            diagnostics.push_back(diagnosticWithFile(
                pathOnDiskOfResource(*context.project(), path),
                XAXMLString("The resource path <filepath>" + xa_escapedForXML(path) +
                            "</filepath> is masked by <filepath>" + xa_escapedForXML(global) + "</filepath>."),
                global, XADiagnosticImpactMaintainability, XADiagnosticSeverityConcern, XADiagnosticConfidenceMedium));
        }
        return diagnostics;
    }

private:
    // The file on disk of the project file that lands at the bundle path; none when no project file does (a file
    // inside a folder reference, say).
    static std::optional<std::string> pathOnDiskOfResource(const XAProject &project, const std::string &bundlePath) {
        const std::vector<std::string> components = xa_pathComponentsWithoutSlashes(bundlePath);
        for (const std::shared_ptr<XAProjectFile> &file : project.files()) {
            if (file->pathAsResource() &&
                xa_pathComponentsWithoutSlashes(xa_stringByStandardizingPath(*file->pathAsResource())) == components) {
                return file->pathOnDisk();
            }
        }
        return std::nullopt;
    }
};

TESSARY_REGISTER_RULE(XARuleGlobalAndLocalizedResource)
