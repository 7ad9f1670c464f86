#include "platform/devtools/XAXcodebuildBuildOrder.h"

#include "core/XAPaths.h"
#include "project/XAProjectBuildPhase.h"
#include "project/XAProjectData.h"
#include "project/XAProjectFile.h"
#include "project/XAProjectTarget.h"

#include <algorithm>

#include <set>

namespace {

// Chains of dependencies longer than this are not followed, so that a hostile project cannot exhaust the stack.
constexpr int kMaximumDependencyDepth = 500;

// A target is known by its project's path and its object identifier.
using TargetKey = std::pair<std::string, std::string>;

TargetKey keyOf(const XABuildOrderTarget &entry) {
    return {entry.project->xcodeprojPath(), entry.target->objectID().value_or(entry.target->name())};
}

std::optional<std::string> fileReferencePath(const XAProjectTarget &target, const std::string &fileReferenceID) {
    auto data = target.projectData();
    if (!data) {
        return std::nullopt;
    }
    auto file = data->fileReferenceObjects.find(fileReferenceID);
    return file == data->fileReferenceObjects.end() ? std::nullopt : file->second->pathOnDisk();
}

class DependencyWalk {
public:
    DependencyWalk(XAStandInProjectSet &projects, std::vector<std::string> &warnings)
        : projects_(projects), warnings_(warnings) {}

    void visit(const XABuildOrderTarget &entry, int depth = 0) {
        const TargetKey key = keyOf(entry);
        if (done_.count(key)) {
            return;
        }
        if (depth > kMaximumDependencyDepth) {
            warnings_.push_back("The dependencies of target '" + entry.target->name() + "' nest too deeply to follow.");
            return;
        }
        if (!inProgress_.insert(key).second) {
            warnings_.push_back("Target '" + entry.target->name() + "' of project '" + entry.project->name() +
                                "' depends on itself through its dependencies; the cycle is broken there.");
            return;
        }
        for (const XABuildOrderTarget &dependency : dependenciesOf(entry)) {
            visit(dependency, depth + 1);
        }
        inProgress_.erase(key);
        done_.insert(key);
        order_.push_back(entry);
    }

    std::vector<XABuildOrderTarget> order() && { return std::move(order_); }

private:
    std::vector<XABuildOrderTarget> dependenciesOf(const XABuildOrderTarget &entry) {
        std::vector<XABuildOrderTarget> dependencies;
        const XAProjectTarget &target = *entry.target;
        const XAValue *own = target.pbx_ownObject();
        const XAValue *list = own ? own->get("dependencies") : nullptr;
        const XAValue::Array *ids = list ? list->array() : nullptr;
        for (std::size_t index = 0; ids && index < ids->size(); ++index) {
            const std::string *id = (*ids)[index].string();
            const XAValue *dependency = id ? target.pbx_dictForID(*id) : nullptr;
            if (!dependency) {
                continue;
            }
            if (std::optional<XABuildOrderTarget> found = dependencyTarget(entry, *dependency)) {
                dependencies.push_back(std::move(*found));
            }
        }
        return dependencies;
    }

    // The target a PBXTargetDependency names: directly in the same project, or through its container proxy.
    std::optional<XABuildOrderTarget> dependencyTarget(const XABuildOrderTarget &entry, const XAValue &dependency) {
        const XAProjectTarget &target = *entry.target;
        if (const std::string *targetID = dependency.stringForKey("target")) {
            return found(entry.project, XAStandInTargetNamed(*entry.project, "", *targetID), *targetID, entry);
        }
        const std::string *proxyID = dependency.stringForKey("targetProxy");
        const XAValue *proxy = proxyID ? target.pbx_dictForID(*proxyID) : nullptr;
        const std::string *portal = proxy ? proxy->stringForKey("containerPortal") : nullptr;
        const std::string *remoteID = proxy ? proxy->stringForKey("remoteGlobalIDString") : nullptr;
        const std::string *remoteName = proxy ? proxy->stringForKey("remoteInfo") : nullptr;
        if (!portal || !remoteID) {
            return std::nullopt;
        }
        const std::string name = remoteName ? *remoteName : std::string();
        auto data = target.projectData();
        const std::string *rootID = data && data->projectDict ? data->projectDict->stringForKey("rootObject") : nullptr;
        if (rootID && *rootID == *portal) {
            return found(entry.project, XAStandInTargetNamed(*entry.project, name, *remoteID), name, entry);
        }
        std::shared_ptr<const XAStandInProject> other = referencedProject(entry, *portal);
        if (!other) {
            return std::nullopt;
        }
        return found(other, XAStandInTargetNamed(*other, name, *remoteID), name, entry);
    }

    std::shared_ptr<const XAStandInProject> referencedProject(const XABuildOrderTarget &entry,
                                                              const std::string &fileReferenceID) {
        std::optional<std::string> path = fileReferencePath(*entry.target, fileReferenceID);
        if (!path) {
            warnings_.push_back("A dependency of target '" + entry.target->name() +
                                "' names a project that is not part of project '" + entry.project->name() + "'.");
            return nullptr;
        }
        std::string error;
        auto project = projects_.project(*path, &error);
        if (!project) {
            warnings_.push_back(error);
        }
        return project;
    }

    std::optional<XABuildOrderTarget> found(std::shared_ptr<const XAStandInProject> project,
                                            std::shared_ptr<XAProjectTarget> target, const std::string &label,
                                            const XABuildOrderTarget &dependent) {
        if (!target) {
            warnings_.push_back("Target '" + dependent.target->name() + "' depends on a target '" + label +
                                "' that project '" + project->name() + "' does not contain.");
            return std::nullopt;
        }
        return XABuildOrderTarget{std::move(project), std::move(target)};
    }

    XAStandInProjectSet &projects_;
    std::vector<std::string> &warnings_;
    std::set<TargetKey> done_;
    std::set<TargetKey> inProgress_;
    std::vector<XABuildOrderTarget> order_;
};

// The last path component of what a build file or a product reference names, through its object's "path".
std::string referencedName(const XAProjectTarget &target, const std::string *objectID) {
    const XAValue *object = objectID ? target.pbx_dictForID(*objectID) : nullptr;
    const std::string *path = object ? object->stringForKey("path") : nullptr;
    return path ? xa_lastPathComponent(*path) : std::string();
}

// The names of the frameworks and libraries a target's Frameworks phases link ("Kit.framework", "libKit.a"), however
// their references locate them.
std::set<std::string> linkedProductNames(const XAProjectTarget &target) {
    static const std::set<std::string> kLinkedExtensions = {"framework", "a", "dylib"};
    std::set<std::string> names;
    for (const auto &phase : target.buildPhases()) {
        const XAValue *own = phase->phaseType() == XAProjectBuildPhaseTypeFrameworks ? phase->pbx_ownObject() : nullptr;
        const XAValue *files = own ? own->get("files") : nullptr;
        const XAValue::Array *ids = files ? files->array() : nullptr;
        for (std::size_t index = 0; ids && index < ids->size(); ++index) {
            const std::string *id = (*ids)[index].string();
            const XAValue *buildFile = id ? target.pbx_dictForID(*id) : nullptr;
            const std::string name = buildFile ? referencedName(target, buildFile->stringForKey("fileRef")) : "";
            if (kLinkedExtensions.contains(xa_pathExtension(name))) {
                names.insert(name);
            }
        }
    }
    return names;
}

std::string productName(const XAProjectTarget &target) {
    const XAValue *own = target.pbx_ownObject();
    return own ? referencedName(target, own->stringForKey("productReference")) : std::string();
}

// The projects whose framework targets the targets of `order` may use: their own, the projects they reference and
// those of the workspace, each once.
std::vector<std::shared_ptr<const XAStandInProject>>
candidateProjects(const std::vector<XABuildOrderTarget> &order, const std::vector<std::string> &workspaceProjects,
                  XAStandInProjectSet &projects) {
    std::vector<std::string> paths = workspaceProjects;
    for (const XABuildOrderTarget &entry : order) {
        paths.push_back(entry.project->xcodeprojPath());
        if (auto data = entry.target->projectData()) {
            for (const auto &[id, file] : data->fileReferenceObjects) {
                if (file->pathOnDisk() && xa_pathExtension(*file->pathOnDisk()) == "xcodeproj") {
                    paths.push_back(*file->pathOnDisk());
                }
            }
        }
    }
    std::vector<std::shared_ptr<const XAStandInProject>> found;
    for (const std::string &path : paths) {
        std::string ignored;
        auto project = projects.project(path, &ignored);
        if (project && std::find(found.begin(), found.end(), project) == found.end()) {
            found.push_back(std::move(project));
        }
    }
    return found;
}

} // namespace

std::vector<XABuildOrderTarget> XAImplicitLinkDependencies(const std::vector<XABuildOrderTarget> &order,
                                                           const std::vector<std::string> &workspaceProjectPaths,
                                                           XAStandInProjectSet &projects) {
    std::set<std::string> linked;
    std::set<TargetKey> known;
    for (const XABuildOrderTarget &entry : order) {
        linked.merge(linkedProductNames(*entry.target));
        known.insert(keyOf(entry));
    }
    std::vector<XABuildOrderTarget> implicit;
    if (linked.empty()) {
        return implicit;
    }
    for (const auto &project : candidateProjects(order, workspaceProjectPaths, projects)) {
        for (const auto &target : project->targets()) {
            XABuildOrderTarget candidate{project, target};
            if (linked.erase(productName(*target)) && known.insert(keyOf(candidate)).second) {
                implicit.push_back(std::move(candidate));
            }
        }
    }
    return implicit;
}

std::shared_ptr<const XAStandInProject> XAStandInProjectSet::project(const std::string &xcodeprojPath,
                                                                     std::string *errorMessage) {
    const std::string path = xa_stringByStandardizingPath(xa_absoluteCLIPath(xcodeprojPath));
    if (auto known = projects_.find(path); known != projects_.end()) {
        return known->second;
    }
    std::string reason;
    std::optional<XAStandInProject> read = XAStandInProject::read(path, developerDirectory_, &reason);
    if (!read) {
        if (errorMessage) {
            *errorMessage = "Unable to read project '" + xa_lastPathComponent(path) + "'.\n\tReason: " + reason;
        }
        return nullptr;
    }
    auto project = std::make_shared<const XAStandInProject>(std::move(*read));
    projects_.emplace(path, project);
    return project;
}

std::shared_ptr<XAProjectTarget> XAStandInTargetNamed(const XAStandInProject &project, const std::string &name,
                                                      const std::string &identifier) {
    if (!identifier.empty()) {
        for (const auto &target : project.targets()) {
            if (target->objectID() == identifier) {
                return target;
            }
        }
    }
    for (const auto &target : project.targets()) {
        if (!name.empty() && target->name() == name) {
            return target;
        }
    }
    return nullptr;
}

std::vector<XABuildOrderTarget> XATargetsInDependencyOrder(const std::vector<XABuildOrderTarget> &requested,
                                                           XAStandInProjectSet &projects,
                                                           std::vector<std::string> &warnings) {
    DependencyWalk walk(projects, warnings);
    for (const XABuildOrderTarget &entry : requested) {
        if (entry.project && entry.target) {
            walk.visit(entry);
        }
    }
    return std::move(walk).order();
}

std::vector<XAStandInScheme> XAContainerSchemes(const XAStandInSchemeContainer &container,
                                                XAStandInProjectSet &projects, const std::string &userName,
                                                std::vector<std::string> &warnings) {
    std::vector<std::pair<std::string, std::vector<std::string>>> targetNamesByProject;
    for (const std::string &path : container.projectPaths()) {
        std::string error;
        std::shared_ptr<const XAStandInProject> project = projects.project(path, &error);
        if (!project) {
            warnings.push_back(error);
            continue;
        }
        std::vector<std::string> names;
        for (const auto &target : project->targets()) {
            names.push_back(target->name());
        }
        targetNamesByProject.emplace_back(project->xcodeprojPath(), std::move(names));
    }
    warnings.insert(warnings.end(), container.warnings().begin(), container.warnings().end());
    return container.schemes(userName, targetNamesByProject, warnings);
}
