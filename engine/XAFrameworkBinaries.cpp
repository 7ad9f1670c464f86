#include "engine/XAFrameworkBinaries.h"

#include "codemodel/XABuild.h"
#include "core/XAPaths.h"
#include "core/XAString.h"
#include "engine/XARuleContext.h"
#include "project/XABuildSettingValues.h"
#include "project/XABuildSettingsOutput.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <filesystem>

namespace {

bool existsAt(const std::string &path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error)) && !error;
}

std::vector<std::shared_ptr<XAProjectBuildPhase>> frameworksPhases(const XAProjectTarget &target) {
    std::vector<std::shared_ptr<XAProjectBuildPhase>> phases;
    for (const std::shared_ptr<XAProjectBuildPhase> &phase : target.buildPhases()) {
        if (phase->phaseType() == XAProjectBuildPhaseTypeFrameworks) {
            phases.push_back(phase);
        }
    }
    return phases;
}

// A linked file's path with its build-setting references resolved, and whether it lies in the build's own products
// folder (a product of the build, never a system library).
struct XALinkedPath {
    std::string path;
    bool isBuiltProduct = false;
};

XALinkedPath resolvedLinkedPath(const std::string &path, const XABuildSettings &environment,
                                const std::optional<std::string> &symroot) {
    if (!xa_containsUnresolvedXcodeVariables(path)) {
        return {path, false};
    }
    XALinkedPath linked{XABuildSettingValueText(stringByResolvingBuildSettingReferencesInString(path, environment))};
    linked.isBuiltProduct = symroot && !symroot->empty() && linked.path.starts_with(*symroot);
    return linked;
}

void visitLinkedFile(const XAProjectFile &file, const std::string &path, const XARuleContext &context,
                     const XAFrameworkVisitor &visitor) {
    if (path.empty()) {
        return;
    }
    if (file.isDylibFile()) {
        visitor(true, path);
    } else if (file.isLibraryArchiveFile()) {
        visitor(false, path);
    } else if (file.isFramework()) {
        XAVisitFrameworkBinaries(path, context, visitor);
    }
}

} // namespace

void frameworkBinariesInBuildPhases(const XARuleContext &context, const XAFrameworkVisitor &visitor) {
    if (!context.projectTarget()) {
        return;
    }
    const XABuildSettings environment =
        context.build() ? context.build()->environmentVariablesForBuildScripts() : XABuildSettings{};
    const std::optional<std::string> symroot =
        context.build() ? context.build()->customSymrootPath() : std::optional<std::string>{};
    const std::vector<std::shared_ptr<XAProjectBuildPhase>> phases = frameworksPhases(*context.projectTarget());
    for (const std::shared_ptr<XAProjectBuildPhase> &phase : phases) {
        for (const std::shared_ptr<XAProjectFile> &file : phase->phaseFiles()) {
            if (!file->pathOnDisk()) {
                continue;
            }
            const XALinkedPath linked = resolvedLinkedPath(*file->pathOnDisk(), environment, symroot);
            if (!existsAt(linked.path) || (xa_isSystemPath(linked.path) && !linked.isBuiltProduct)) {
                continue;
            }
            visitLinkedFile(*file, linked.path, context, visitor);
        }
    }
    for (const std::shared_ptr<XAProjectBuildPhase> &phase : phases) {
        for (const std::string &path : phase->referenceProxyFilePathsWithResolvedBuildSettings(environment)) {
            if (existsAt(path) && !xa_isSystemPath(path) && xa_pathExtension(path) == "framework") {
                XAVisitFrameworkBinaries(path, context, visitor);
            }
        }
    }
}

void XAVisitFrameworkBinaries(const std::string &frameworkPath, const XARuleContext &context,
                              const XAFrameworkVisitor &visitor) {
    const auto visitBinary = [&visitor](const std::string &path, bool &) {
        const std::string name = xa_lastPathComponent(path);
        const std::string extension = xa_pathExtension(path);
        if (!xa_pathIsSymlink(path) && !name.starts_with(".") && (extension == "dylib" || extension.empty())) {
            visitor(true, path);
        }
    };
    const auto reportError = [&](const std::string &, const XAError &error) {
        context.reportError("Error when checking framework '" + xa_lastPathComponent(frameworkPath) +
                            "' contents: " + error.message);
        return true;
    };
    xa_visitFilesAtRoot(frameworkPath, 0, false, visitBinary, reportError);
}
