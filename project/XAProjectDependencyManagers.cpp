// The files that CocoaPods and Carthage leave around a project, and the workspaces beside it.

#include "project/XAProject.h"

#include "core/XAPaths.h"
#include "project/XAPodfile.h"
#include "project/XAWorkspace.h"

#include <filesystem>

std::optional<std::string> XAProject::pathOfDependencyManagerFile(const std::string &fileName) const {
    determineAndCacheVCSInfoWithProgress(nullptr);
    const std::string projectFolder = projectDiskRootPath();
    const std::size_t depth = xa_pathComponents(projectFolder).size();
    const std::size_t rootDepth = xa_pathComponents(effectiveRootPath()).size();
    const std::size_t folders = depth > rootDepth ? depth - rootDepth + 1 : 1;
    std::string folder = projectFolder;
    for (std::size_t index = 0; index < folders; ++index) {
        const std::string candidate = xa_stringByAppendingPathComponent(folder, fileName);
        if (std::error_code ignored; std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored))) {
            return candidate;
        }
        folder = xa_stringByDeletingLastPathComponent(folder);
    }
    return std::nullopt;
}

std::optional<std::string> XAProject::cocoaPodsPodfilePath() const { return pathOfDependencyManagerFile("Podfile"); }

bool XAProject::usesCocoaPods() const { return cocoaPodsPodfilePath().has_value(); }

std::shared_ptr<XAPodfile> XAProject::cocoaPodsPodfile() const {
    std::optional<std::string> path = cocoaPodsPodfilePath();
    return path ? std::make_shared<XAPodfile>(*path) : nullptr;
}

std::optional<std::string> XAProject::cocoaPodsFolderPath() const {
    std::optional<std::string> podfile = cocoaPodsPodfilePath();
    if (!podfile) {
        return std::nullopt;
    }
    const std::string folder =
        xa_stringByAppendingPathComponent(xa_stringByDeletingLastPathComponent(*podfile), "Pods");
    return xa_pathIsDirectory(folder) ? std::optional<std::string>(folder) : std::nullopt;
}

std::optional<std::string> XAProject::cocoaPodsWorkspacePath() const {
    std::shared_ptr<XAPodfile> podfile = cocoaPodsPodfile();
    if (!podfile) {
        return std::nullopt;
    }
    const std::string name = podfile->workspaceName().value_or(projectName());
    if (name.empty()) {
        return std::nullopt;
    }
    const std::string candidate = xa_stringByAppendingPathComponent(
        xa_stringByDeletingLastPathComponent(podfile->path()), xa_stringByAppendingPathExtension(name, "xcworkspace"));
    std::error_code ignored;
    return std::filesystem::exists(candidate, ignored) ? std::optional<std::string>(candidate) : std::nullopt;
}

std::optional<std::string> XAProject::carthageCartfilePath() const { return pathOfDependencyManagerFile("Cartfile"); }

bool XAProject::usesCarthage() const { return carthageCartfilePath().has_value(); }

std::vector<std::shared_ptr<XAWorkspace>>
XAProject::relatedWorkspacesWithProgress(const XAProgressHandler &progress) const {
    determineAndCacheVCSInfoWithProgress(nullptr);
    std::vector<std::shared_ptr<XAWorkspace>> workspaces;
    XAProgressHandler prefixed;
    if (progress) {
        prefixed = [&progress](const XAProgressMessage &message) {
            progress(message.copyWithMessagePrefix("Reading workspace data"));
        };
    }
    auto visitor = [&](const std::string &path, bool &) {
        if (xa_pathExtension(path) == "xcworkspace") {
            auto workspace = std::make_shared<XAWorkspace>(path);
            workspace->readWorkspaceDataWithProgress(prefixed);
            workspaces.push_back(std::move(workspace));
        }
    };
    auto onError = [&progress](const std::string &, const XAError &error) {
        if (progress) {
            progress(XAProgressMessage(XAProgressMessageKindError,
                                       "Error finding project-referencing workspaces: " + error.message));
        }
        return true;
    };
    xa_visitFilesAtRoot(effectiveRootPath(), XADirectoryEnumerationSkipsHiddenFiles, true, visitor, onError);
    return workspaces;
}
