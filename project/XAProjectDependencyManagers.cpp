// The files that CocoaPods and Carthage leave around a project, and the workspaces beside it.

#include "project/XAProject.h"

#include "core/XAPaths.h"
#include "project/XAPodfile.h"
#include "project/XAWorkspace.h"

#include <algorithm>
#include <filesystem>

namespace {

// The project folder and its parents up to the effective root, innermost first; only the project folder when it lies
// outside that root.
std::vector<std::string> foldersUpToEffectiveRoot(const XAProject &project) {
    project.determineAndCacheVCSInfoWithProgress(nullptr);
    const std::string projectFolder = project.projectDiskRootPath();
    const std::size_t depth = xa_pathComponents(projectFolder).size();
    const std::size_t rootDepth = xa_pathComponents(project.effectiveRootPath()).size();
    const std::size_t count = depth > rootDepth ? depth - rootDepth + 1 : 1;
    std::vector<std::string> folders{projectFolder};
    while (folders.size() < count) {
        folders.push_back(xa_stringByDeletingLastPathComponent(folders.back()));
    }
    return folders;
}

} // namespace

std::optional<std::string> XAProject::pathOfDependencyManagerFile(const std::string &fileName) const {
    for (const std::string &folder : foldersUpToEffectiveRoot(*this)) {
        const std::string candidate = xa_stringByAppendingPathComponent(folder, fileName);
        if (std::error_code ignored; std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored))) {
            return candidate;
        }
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

namespace {

// The visible workspaces directly in the folder, in name order.
std::vector<std::string> workspacePathsInFolder(const std::string &folder) {
    std::vector<std::string> paths;
    std::error_code code;
    for (const auto &entry : std::filesystem::directory_iterator(folder, code)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with('.') && xa_pathExtension(name) == "xcworkspace" && entry.is_directory(code)) {
            paths.push_back(xa_stringByAppendingPathComponent(folder, name));
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

// Where the IDE looks for a project's workspace: the project's inner workspace, then the workspaces directly in the
// project folder and in each of its parents up to the effective root, never in folders below them (hidden ones
// skipped), each folder's in name order.
std::vector<std::shared_ptr<XAWorkspace>>
XAProject::relatedWorkspacesWithProgress(const XAProgressHandler &progress) const {
    std::vector<std::string> paths = workspacePathsInFolder(xcodeprojPath());
    for (const std::string &folder : foldersUpToEffectiveRoot(*this)) {
        const std::vector<std::string> found = workspacePathsInFolder(folder);
        paths.insert(paths.end(), found.begin(), found.end());
    }
    const XAProgressHandler prefixed = XAProgressHandlerWithMessagePrefix("Reading workspace data", progress);
    std::vector<std::shared_ptr<XAWorkspace>> workspaces;
    for (const std::string &path : paths) {
        auto workspace = std::make_shared<XAWorkspace>(path);
        workspace->readWorkspaceDataWithProgress(prefixed);
        workspaces.push_back(std::move(workspace));
    }
    return workspaces;
}
